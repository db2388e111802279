#!/usr/bin/env bash
# Checks what installing and packaging the game delivers.
#
#   package_test.sh install BUILD_DIR DATA_DIR APP_ID VERSION
#     installs the build into a scratch prefix, checks that every file is
#     there, and runs the installed program on the assets installed beside it;
#   package_test.sh deb BUILD_DIR DATA_DIR APP_ID VERSION
#     builds the Debian package with CPack and checks its fields and contents.
#
# Each check prints "ok:" or "FAILED:"; the script ends with a count line and
# fails when any check failed.

# The predicates and the exit trap are called indirectly (through check "$@"
# and trap), which shellcheck takes for unreachable code.
# shellcheck disable=SC2317
set -uo pipefail

mode=$1 build=$2 data=$3 app_id=$4 version=$5

scratch=$(mktemp -d "${TMPDIR:-/tmp}/glint-package-test.XXXXXX")
game_pid=
cleanup() {
  if [ -n "$game_pid" ]; then
    kill -KILL "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT

passed=0
failed=0
check() {
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok: $name"
  else
    failed=$((failed + 1))
    echo "FAILED: $name"
  fi
}
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

# PNG keeps width and height as big-endian words at bytes 16..23.
png_size() {
  od -An -tu1 -j16 -N8 "$1" |
    awk '{ printf "%dx%d", $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }'
}
png_is() { [ "$(png_size "$1")" = "$2" ]; }

same_files() { diff -r "$1" "$2" >/dev/null; }
count_is() { [ "$1" -eq "$2" ]; }
has_line() { grep -qxF -- "$2" "$1"; }
has_text() { grep -qF -- "$2" "$1"; }
lacks_text() { ! grep -qF -- "$2" "$1"; }

# Succeeds when FILE holds exactly one line, matching the extended regular
# expression PATTERN as a whole, or, for an empty PATTERN, nothing at all.
output_is() {
  local file=$1 pattern=$2
  if [ -z "$pattern" ]; then
    [ ! -s "$file" ]
  else
    [ "$(wc -l <"$file")" -eq 1 ] && grep -qxE -- "$pattern" "$file"
  fi
}

# Runs the installed program with ARGS and checks its exit status and what it
# prints on standard output and standard error.
check_command_line() {
  local bin=$1 expect_status=$2 expect_out=$3 expect_err=$4
  shift 4
  local out=$scratch/cli.out err=$scratch/cli.err status
  env -u GLINT_DATA_DIR timeout 20 "$bin" "$@" >"$out" 2>"$err"
  status=$?
  local what="'glint-galore $*'" shown_out=${expect_out//\\/} shown_err=${expect_err//\\/}
  check "$what exits with $expect_status" [ "$status" -eq "$expect_status" ]
  check "$what prints ${shown_out:-nothing} on standard output" output_is "$out" "$expect_out"
  check "$what prints ${shown_err:-nothing} on standard error" output_is "$err" "$expect_err"
}

# Starts the installed program as a desktop would, without GLINT_DATA_DIR,
# so it has to find its assets beside itself.
start_game() {
  env -u GLINT_DATA_DIR QT_QPA_PLATFORM=offscreen timeout -s KILL 120 "$1" >/dev/null 2>"$2" &
  game_pid=$!
}
stop_game() {
  kill -TERM "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=
}
still_running() { kill -0 "$game_pid" 2>/dev/null; }
# Waits up to SECONDS for TEXT on the program's standard error.
wait_for_text() {
  local file=$1 text=$2 tries=$(($3 * 10))
  while [ "$tries" -gt 0 ]; do
    grep -qF -- "$text" "$file" && return 0
    sleep 0.1
    tries=$((tries - 1))
  done
  return 1
}

test_install() {
  local prefix=$scratch/usr
  if ! cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    check "cmake --install succeeds" false
    finish
  fi
  local bin=$prefix/bin/glint-galore share=$prefix/share
  local assets=$share/glint-galore

  check "the program is installed and executable" [ -x "$bin" ]
  check "the asset tree is installed unchanged" same_files "$data" "$assets"
  check "all sixteen symbol pictures are installed" \
    count_is "$(find "$assets/images" -maxdepth 1 -iname '*.zri' | wc -l)" 16
  check "all eleven sounds are installed" \
    count_is "$(find "$assets/sound" -maxdepth 1 -iname '*.wav' | wc -l)" 11

  local desktop=$share/applications/$app_id.desktop metainfo=$share/metainfo/$app_id.metainfo.xml
  check "the desktop entry is installed under the application id" [ -f "$desktop" ]
  check "the desktop entry names the icon by the application id" has_line "$desktop" "Icon=$app_id"
  check "the desktop entry starts the installed program" has_line "$desktop" "Exec=glint-galore"
  check "the metadata is installed under the application id" [ -f "$metainfo" ]
  check "the metadata carries the application id" has_text "$metainfo" "<id>$app_id</id>"
  check "the metadata launches the desktop entry" \
    has_text "$metainfo" "<launchable type=\"desktop-id\">$app_id.desktop</launchable>"
  check "the metadata lists the installed version" has_text "$metainfo" "<release version=\"$version\""

  local size icon
  for size in 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$app_id.png
    check "the ${size}x${size} icon is installed at its size" png_is "$icon" "${size}x${size}"
  done
  check "the scalable icon is installed" has_text "$share/icons/hicolor/scalable/apps/$app_id.svg" "<svg"

  local usage='Usage: glint-galore .+'
  check_command_line "$bin" 0 "glint-galore ${version//./\\.}" "" --version
  check_command_line "$bin" 0 "$usage" "" --help
  check_command_line "$bin" 2 "" "$usage" --no-such-option
  check_command_line "$bin" 2 "" "$usage" --help --version

  # A program that cannot load its pictures reports it and then waits on a
  # message box, so "still running" alone proves nothing: the error output
  # must stay clean too.
  local err=$scratch/game.err
  start_game "$bin" "$err"
  sleep 3
  check "the installed program is still running after 3 s" still_running
  check "the installed program reports no missing asset" lacks_text "$err" "Cannot"
  stop_game

  # The program also knows the source checkout's assets, so a clean start
  # alone would not show which tree it read. Spoil one installed picture:
  # the error must name the installed copy.
  printf 'not a picture' >"$assets/images/01-cherry.zri"
  start_game "$bin" "$err"
  check "the installed program reads its pictures from the installed tree" \
    wait_for_text "$err" "Cannot load picture $assets/images/01-cherry.zri" 30
  stop_game
  finish
}

test_deb() {
  if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    check "cpack builds the Debian package" false
    finish
  fi
  local arch deb
  arch=$(dpkg --print-architecture)
  deb=$scratch/glint-galore_${version}_$arch.deb
  check "the package file is named after the package, version and architecture" [ -f "$deb" ]
  [ -f "$deb" ] || finish

  local control=$scratch/control contents=$scratch/contents
  dpkg-deb -f "$deb" >"$control"
  dpkg-deb -c "$deb" >"$contents"
  check "the package is called glint-galore" has_line "$control" "Package: glint-galore"
  check "the package has the program's version" has_line "$control" "Version: $version"
  check "the package is filed under games" has_line "$control" "Section: games"
  check "the package names its maintainer" grep -qE '^Maintainer: .+ <.+@.+>$' "$control"

  local depends
  depends=$(sed -n 's/^Depends: //p' "$control" | tr ',' '\n' | sed 's/^ *//; s/ .*//')
  local needed
  for needed in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libsdl2-2.0-0 fonts-liberation fonts-dejavu-core; do
    check "the package depends on $needed" grep -qxF "$needed" <<<"$depends"
  done

  local paths
  paths=$(awk '{ print $NF }' "$contents")
  local file
  for file in ./usr/bin/glint-galore \
    "./usr/share/applications/$app_id.desktop" \
    "./usr/share/metainfo/$app_id.metainfo.xml" \
    "./usr/share/icons/hicolor/256x256/apps/$app_id.png" \
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    ./usr/share/glint-galore/images/01-cherry.zri \
    ./usr/share/glint-galore/sound/theme.wav \
    ./usr/share/doc/glint-galore/copyright; do
    check "the package holds $file" grep -qxF "$file" <<<"$paths"
  done
  check "the package installs nothing outside /usr" \
    count_is "$(grep -cvE '^\./(usr(/.*)?)?$' <<<"$paths")" 0
  check "the package installs nothing under /usr/local" \
    count_is "$(grep -c '^\./usr/local' <<<"$paths")" 0
  check "every file in the package belongs to root" \
    count_is "$(awk '$2 != "root/root"' "$contents" | wc -l)" 0
  finish
}

case $mode in
  install) test_install ;;
  deb) test_deb ;;
  *)
    echo "usage: $0 install|deb BUILD_DIR DATA_DIR APP_ID VERSION" >&2
    exit 2
    ;;
esac
