#!/bin/sh
# Fails when a checked-in .ts file is behind the code: a text added or changed in the code and not
# yet in translations/ would ship untranslatable. Runs lupdate as the build does (the
# update_translations target) and compares; the .ts files are left as they were either way. Then
# fails on any German text not yet translated and finished.
#   scripts/check-translations.sh [BUILD_DIR [LRELEASE]]
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
kept="$(mktemp -d)"
trap 'cp "$kept"/*.ts "$root/translations/"; rm -rf "$kept"' EXIT
cp "$root"/translations/*.ts "$kept/"
cmake --build "$build" --target update_translations >/dev/null
status=0
for ts in "$kept"/*.ts; do
  name="$(basename "$ts")"
  if ! cmp -s "$ts" "$root/translations/$name"; then
    echo "translations/$name is out of date with the code; run: cmake --build build --target update_translations"
    diff -u "$ts" "$root/translations/$name" | head -40
    status=1
  fi
done
lrelease=${2:-/usr/lib/qt6/bin/lrelease}
for ts in "$root"/translations/*.ts; do
  report="$("$lrelease" "$ts" -qm /dev/null 2>&1 | grep -i 'translation' || true)"
  echo "$(basename "$ts"): $report"
  unfinished="$(grep -c 'type="unfinished"' "$ts" || true)"
  if [ "$unfinished" -ne 0 ]; then
    echo "$(basename "$ts"): $unfinished text(s) not translated or not marked finished"
    status=1
  fi
done
exit $status
