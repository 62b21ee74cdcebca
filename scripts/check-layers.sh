#!/bin/sh
# Fails when a file includes from a layer above its own. The layers, bottom to top:
#   core/  ui/  exercises/  app/
# A file may include from its own layer and the layers below it.
#   scripts/check-layers.sh [source-root]
root="${1:-$(dirname "$0")/..}"
cd "$root" || exit 2
rank() {
    case "$1" in
        core) echo 1 ;; ui) echo 2 ;; exercises) echo 3 ;; app) echo 4 ;; *) echo 0 ;;
    esac
}
bad=0
checked=0
for dir in core ui exercises app; do
    [ -d "$dir" ] || continue
    own=$(rank "$dir")
    for file in $(find "$dir" -name '*.h' -o -name '*.cpp' | sort); do
        checked=$((checked + 1))
        # Every quoted include that names a folder: #include "folder/..."
        for target in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([A-Za-z0-9_]*\)\/.*/\1/p' "$file"); do
            their=$(rank "$target")
            if [ "$their" -gt "$own" ]; then
                echo "$file includes from $target/, a layer above $dir/" >&2
                bad=$((bad + 1))
            fi
        done
    done
done
if [ "$checked" -eq 0 ]; then
    echo "no source files under $root" >&2
    exit 2
fi
if [ "$bad" -ne 0 ]; then
    echo "$bad upward include(s)" >&2
    exit 1
fi
echo "layers: $checked files, every include points to its own layer or one below"
