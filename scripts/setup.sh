# Sourced by run.sh and test.sh: installs the Debian packages the build needs, if any is missing.

required_packages=(g++ cmake ninja-build qt6-base-dev libgtest-dev fonts-liberation fontconfig-config)

install_missing_packages() {
    local missing=()
    local package
    for package in "${required_packages[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# Makes a locale available, such as de_DE.UTF-8, unless it already is.
generate_locale() {
    local name=$1
    local normalized
    normalized=$(echo "${name%%.*}.${name#*.}" | sed 's/UTF-8/utf8/')
    locale -a 2>/dev/null | grep -qx "$normalized" && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" sed -i "s/^# *\($name .*\)/\1/" /etc/locale.gen
    grep -q "^$name " /etc/locale.gen || echo "$name UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo[@]}" locale-gen >/dev/null
}

# Configures and builds a preset: everything, or only the targets named after it.
build_preset() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" ${1:+--target "$@"}
}
