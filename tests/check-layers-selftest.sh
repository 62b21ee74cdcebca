#!/bin/sh
# The layer check must pass on a tree whose includes point down and fail on one include that
# points up (ui/ including app/).
check="$1"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/core" "$tree/ui" "$tree/exercises/frame" "$tree/app"
printf '#include "core/a.h"\n' > "$tree/ui/form.cpp"
printf '#include "ui/form.h"\n#include "core/a.h"\n' > "$tree/exercises/frame/f.cpp"
printf '#include "exercises/frame/f.h"\n' > "$tree/app/program.cpp"
"$check" "$tree" || { echo "FAIL: a clean tree was rejected"; exit 1; }
printf '#include "app/program.h"\n' >> "$tree/ui/form.cpp"
if "$check" "$tree"; then
    echo "FAIL: an upward include from ui/ to app/ passed"
    exit 1
fi
echo "PASS: the upward include was caught"
