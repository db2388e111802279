#!/usr/bin/env bash
# The translation sources are complete and up to date with the code: lupdate,
# run on a copy of each as update_translations runs it, changes nothing, and
# lrelease finds every entry finished, and none is empty.
# Usage: translations_current.sh LUPDATE LRELEASE "OPTION;..." "SOURCE;..." TS_FILE...
set -uo pipefail
lupdate=$1 lrelease=$2
IFS=';' read -ra options <<<"$3"
IFS=';' read -ra sources <<<"$4"
shift 4
scratch=$(mktemp -d "${TMPDIR:-/tmp}/glint-ts.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

failed=0
for ts in "$@"; do
  copy=$scratch/$(basename "$ts")
  cp "$ts" "$copy" && "$lupdate" "${options[@]}" "${sources[@]}" -ts "$copy" >/dev/null
  diff -u "$ts" "$copy" || { echo "$ts is behind the code: build the target update_translations" && failed=1; }
  report=$("$lrelease" "$ts" -qm "$copy.qm")
  grep -q ' 0 unfinished)' <<<"$report" && ! grep -q 'Ignored' <<<"$report" || { echo "$report" && failed=1; }
  ! grep -E '<translation[^>]*(/>|>[[:space:]]*</translation>)' "$ts" || { echo "$ts has empty entries" && failed=1; }
done
exit $failed
