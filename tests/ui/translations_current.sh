#!/usr/bin/env bash
# The translation sources are up to date with the code: lupdate, run on a
# copy of each as update_translations runs it, changes nothing.
# Usage: translations_current.sh LUPDATE OPTION... -- SOURCE... -- TS_FILE...
set -euo pipefail
lupdate=$1
shift
options=() sources=()
while [ "$1" != -- ]; do options+=("$1") && shift; done
shift
while [ "$1" != -- ]; do sources+=("$1") && shift; done
shift
scratch=$(mktemp -d "${TMPDIR:-/tmp}/glint-ts.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

stale=0
for ts in "$@"; do
  copy=$scratch/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" "${options[@]}" "${sources[@]}" -ts "$copy" >/dev/null
  if ! diff -u "$ts" "$copy"; then
    echo "$(basename "$ts") is behind the code: cmake --build build --target update_translations"
    stale=1
  fi
done
exit $stale
