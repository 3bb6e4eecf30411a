#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite without a display: the page and
# the core as WebAssembly, then the optimised desktop build (with the page in Chromium), then the
# desktop build with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

# The package and menu entry tests need the Debian packaging tools, the entry validator, the
# manual page maker and what a distribution checks a package with; the fuzz test clang and its
# libFuzzer; the test of numbers in files a locale that writes decimal commas; the page
# Emscripten, and its test Chromium and the driver the lock file pins; the screen reader tests
# Orca with its speech server and the accessibility bus, on a display of their own.
install_missing_packages desktop-file-utils dpkg-dev file help2man lintian appstream \
    clang libclang-rt-14-dev locales emscripten chromium \
    orca speech-dispatcher at-spi2-core xvfb openbox xdotool
# Node.js may come with its own npm, which Debian's would replace.
command -v npm >/dev/null || install_missing_packages npm
generate_locale de_DE.UTF-8
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
build_preset web
build_preset release
build_preset ci

export QT_QPA_PLATFORM=offscreen
status=0
ctest --preset web -j2 || status=1
ctest --preset release -j2 || status=1
ctest --preset ci -j2 || status=1
exit $status
