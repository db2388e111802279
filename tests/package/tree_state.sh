#!/usr/bin/env bash
# Keeps the suite from leaving anything behind in a git checkout. ctest runs
# `save` before its tests, noting every changed or untracked file (build
# trees are ignored) with a digest of its content, and `check` after them,
# which fails naming what the tests changed. Outside a git checkout there is
# nothing to compare with, and both do nothing.
# Usage: tree_state.sh save|check SOURCE_DIR STATE_FILE
set -euo pipefail
mode=$1 source=$2 state=$3
git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1 || exit 0
current() {
  cd "$source"
  git status --porcelain=v1 --untracked-files=all --no-renames | cut -c4- | while IFS= read -r file; do
    if [ -e "$file" ]; then md5sum -- "$file"; else echo "gone $file"; fi
  done
}
case $mode in
save) current >"$state" ;;
check)
  if ! current | diff "$state" - >"$state.diff"; then
    echo "FAILED: the tests changed the working tree (< before, > after):"
    cat "$state.diff"
    exit 1
  fi
  echo "ok: the tests left the working tree as they found it"
  ;;
esac
