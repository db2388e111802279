#!/usr/bin/env bash
# Keeps the suite from leaving anything behind in a git checkout: ctest runs
# `save` before its tests and `check` after them, which fails naming what
# changed: every changed or untracked file (build trees are ignored) with a
# digest of its content. Outside a git checkout both do nothing.
# Usage: tree_state.sh save|check SOURCE_DIR STATE_FILE
set -euo pipefail
git -C "$2" rev-parse --is-inside-work-tree >/dev/null 2>&1 || exit 0
current() {
  git -C "$2" status --porcelain=v1 --untracked-files=all --no-renames | cut -c4- | while IFS= read -r file; do
    md5sum -- "$2/$file" 2>/dev/null || echo "gone $file"
  done
}
[ "$1" = save ] && { current "$@" >"$3"; exit 0; }
current "$@" | diff "$3" - || { echo "FAILED: the tests changed the working tree (< before, > after)"; exit 1; }
echo "ok: the tests left the working tree as they found it"
