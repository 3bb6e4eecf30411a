#!/usr/bin/env bash
# Each folder of src/ includes only the folders before it in this list; the front ends, last, may
# not include each other, and only the Qt one includes Qt. Prints every include that breaks this.
set -uo pipefail
cd "$(dirname "$0")/../src"
layers=(engine form teach qt web)
status=0
for i in "${!layers[@]}"; do
    layer=${layers[$i]}
    [ -d "$layer" ] || continue
    allowed=("${layers[@]:0:$i}" "$layer")
    # A front end never reaches another front end.
    [ "$layer" = web ] && allowed=(engine form teach web)
    pattern=$(IFS='|'; echo "${allowed[*]}")
    while IFS= read -r hit; do
        echo "$hit: $layer/ may include only ${allowed[*]}"
        status=1
    done < <(grep -rnE '#include "' "$layer" | grep -vE "#include \"($pattern)/")
    if [ "$layer" != qt ]; then
        while IFS= read -r hit; do
            echo "$hit: only qt/ includes Qt"
            status=1
        done < <(grep -rnE '#include <Q' "$layer")
    fi
done
[ "$status" -eq 0 ] && echo "Every include goes to the same layer or one before it."
exit "$status"
