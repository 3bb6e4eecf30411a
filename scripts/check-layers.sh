#!/usr/bin/env bash
# Each folder of src/ includes only the folders before it in this list: the teaching layer's rooms
# in their order, then the front ends, which may not include each other, and only the Qt one
# includes Qt. A file of the teaching layer stands in one of its rooms. Prints every include that
# breaks this.
set -uo pipefail
cd "$(dirname "$0")/../src"
layers=(engine form teach/files teach/pictures teach/words teach/run teach/session qt web)
status=0
for i in "${!layers[@]}"; do
    layer=${layers[$i]}
    [ -d "$layer" ] || { echo "$layer/ is missing"; status=1; continue; }
    allowed=("${layers[@]:0:$i}" "$layer")
    # A front end never reaches another front end.
    [ "$layer" = web ] && allowed=("${layers[@]:0:$((i - 1))}" web)
    pattern=$(IFS='|'; echo "${allowed[*]}")
    while IFS= read -r hit; do
        echo "$hit: $layer/ may include only ${allowed[*]}"
        status=1
    done < <(grep -rnE '#include "' "$layer" | grep -vE "#include \"($pattern)/[a-z_]+\.h\"")
    if [ "$layer" != qt ]; then
        while IFS= read -r hit; do
            echo "$hit: only qt/ includes Qt"
            status=1
        done < <(grep -rnE '#include <Q' "$layer")
    fi
done
for loose in teach/*; do
    [ -f "$loose" ] && { echo "$loose: stands in none of the teaching layer's rooms"; status=1; }
done
[ "$status" -eq 0 ] && echo "Every include goes to the same layer or one before it."
exit "$status"
