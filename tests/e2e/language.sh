#!/usr/bin/env bash
# The real game speaks the player's language: under LANGUAGE=de its attract
# message and Start button are German, under LANG=C exactly the English, as
# a screen reader reads them from the accessibility bus (AT-SPI).
# Usage (under xvfb-run): language.sh GAME DATA_DIR
set -euo pipefail
# A session bus of its own, on which the accessibility bus starts on demand.
[ -n "${GLINT_ON_OWN_BUS:-}" ] || exec env GLINT_ON_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"
export GLINT_DATA_DIR=$2 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 PULSE_SERVER=unix:/nonexistent

# Waits until the status line and a button read STATUS and START; the first
# attract message shows 4 s after start and again every 16 s.
read_window() {
  /usr/bin/python3 - "$@" <<'PY'
import sys, time
import pyatspi

want = {"status bar": sys.argv[1], "push button": sys.argv[2]}
seen, deadline = {}, time.time() + 40
while seen != want and time.time() < deadline:
    time.sleep(0.5)
    for app in (a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Glint Galore"):
        for role, name in want.items():
            shows = lambda a, role=role, name=name: a.getRoleName() == role and a.name == name
            seen[role] = name if pyatspi.findDescendant(app, shows) else None
print("seen %r, wanted %r" % (seen, want))
sys.exit(seen != want)
PY
}

failed=0
while IFS='|' read -r environment status start; do
  env $environment "$1" & game=$!
  read_window "$status" "$start" || { echo "FAILED: $environment" && failed=1; }
  kill $game && wait $game 2>/dev/null || true
done <<'ROWS'
LANGUAGE=de|Geld rein, dann geht's los!|Los!
-u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C|Please Insert Some Money To Play|Start
ROWS
exit $failed
