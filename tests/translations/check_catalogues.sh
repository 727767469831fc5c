#!/usr/bin/env bash
# Every catalogue is complete: lupdate, run on copies of translations/*.ts with the sources the
# build translates, leaves no entry unfinished, empty or missing in any language. While the tree
# is in translation (CMake option TINKELLA_TRANSLATIONS_IN_PROGRESS, passed here as "lenient"),
# the counts are printed and the test passes; otherwise any gap fails it.
# Usage: check_catalogues.sh strict|lenient LUPDATE PROJECT_CMAKE GENERATOR_CMAKE TS_FILE...
set -euo pipefail
mode=$1 lupdate=$2 project=$3 generator=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -DIN_FILE="$project" -DOUT_FILE="$work/project.json" -P "$generator"
gaps=0
for ts in "$@"; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent -no-obsolete -locations none -project "$work/project.json" -ts "$copy"
  # A missing entry comes back from lupdate as an unfinished one.
  unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
  empty=$(grep -c '<translation></translation>\|<translation/>' "$copy" || true)
  if [ "$unfinished" -ne 0 ] || [ "$empty" -ne 0 ]; then
    echo "$(basename "$ts"): $unfinished unfinished or missing, $empty empty"
    gaps=$((gaps + 1))
  fi
done
if [ "$gaps" -ne 0 ] && [ "$mode" = strict ]; then
  echo "FAIL: $gaps catalogue(s) incomplete" >&2
  exit 1
fi
echo "$# catalogues checked, $gaps incomplete ($mode)"
