#!/usr/bin/env bash
# Checks what installing and packaging the game deliver:
#   package_test.sh install|deb BUILD_DIR DATA_DIR APP_ID VERSION
# "install" installs into a scratch prefix and runs the installed program;
# "deb" builds the Debian package, checks its fields and files, runs lintian.
# Each check prints "ok:" or "FAILED:"; the script fails when any check did.
set -uo pipefail

mode=$1 build=$2 data=$3 app_id=$4 version=$5
scratch=$(mktemp -d "${TMPDIR:-/tmp}/glint-package-test.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

failed=0
check() {
  local name=$1
  shift
  if "$@"; then echo "ok: $name"; else echo "FAILED: $name" && failed=$((failed + 1)); fi
}
has_line() { grep -qxF -- "$2" "$1"; }
no_error_or_warning() { [ "$1" -eq 0 ] && ! grep -q '^[EW]:' "$2"; }

test_install() {
  local prefix=$scratch/usr
  cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 || cat "$scratch/install.log"
  local game=$prefix/games/glint-galore share=$prefix/share file
  for file in "$game" "$share/applications/$app_id.desktop" "$share/metainfo/$app_id.metainfo.xml" \
    "$share/icons/hicolor/256x256/apps/$app_id.png" "$share/man/man6/glint-galore.6.gz" \
    "$share/doc/glint-galore/changelog.gz" "$share/doc/glint-galore/copyright" \
    "$share/glint-galore/translations/glint-galore_de.qm"; do
    check "${file#"$prefix"/} is installed" [ -s "$file" ]
  done
  check "the asset tree is installed unchanged" diff -r -x translations "$data" "$share/glint-galore"
  check "the manual page is section 6" grep -q '^\.TH GLINT-GALORE 6 ' <(zcat "$share/man/man6/glint-galore.6.gz")
  check "the desktop entry starts the game by name" has_line "$share/applications/$app_id.desktop" "Exec=glint-galore"
  # Arguments are answered without a display: ARGS;STATUS;OUTPUT;ERROR OUTPUT.
  local usage="Usage: glint-galore [--help | --version]" row args status out err got
  for row in "--version;0;glint-galore $version;" "--help;0;$usage;" "--bogus;2;;$usage" "--help --version;2;;$usage"; do
    IFS=';' read -r args status out err <<<"$row"
    got=$(env -u GLINT_DATA_DIR -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" $args 2>"$scratch/err")
    check "'$args' prints '$out$err' and exits $status" [ "$got|$?|$(<"$scratch/err")" = "$out|$status|$err" ]
  done

  # The program also knows the source tree's assets, so only a spoilt
  # installed picture shows that it reads the tree installed beside it.
  printf 'not a picture' >"$share/glint-galore/images/01-cherry.zri"
  local want="Cannot load picture $share/glint-galore/images/01-cherry.zri"
  env -u GLINT_DATA_DIR QT_QPA_PLATFORM=offscreen "$game" >/dev/null 2>"$scratch/game.err" &
  local pid=$!
  for _ in $(seq 200); do
    grep -qF "$want" "$scratch/game.err" && break
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  check "the installed program reads the assets installed beside it" grep -qF "$want" "$scratch/game.err"
}

test_deb() {
  cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 || cat "$scratch/cpack.log"
  local deb field depends needed
  deb=$scratch/glint-galore_${version}_$(dpkg --print-architecture).deb
  check "the package file is named after the package, version and architecture" [ -f "$deb" ]
  [ -f "$deb" ] || return

  dpkg-deb -f "$deb" >"$scratch/control"
  for field in "Package: glint-galore" "Version: $version" "Section: games"; do
    check "the package says $field" has_line "$scratch/control" "$field"
  done
  depends=$(sed -n 's/^Depends: //p' "$scratch/control" | tr ',' '\n' | sed 's/^ *//; s/ .*//')
  for needed in libqt6widgets6 libpulse0 libsndfile1 fonts-liberation fonts-dejavu-core; do
    check "the package depends on $needed" grep -qxF "$needed" <<<"$depends"
  done
  check "the package depends on qt6-wayland" grep -qxF qt6-wayland <<<"$depends"

  dpkg-deb -c "$deb" | awk '{ print $NF }' >"$scratch/paths"
  check "the game is in /usr/games" has_line "$scratch/paths" ./usr/games/glint-galore
  check "the package installs nothing outside /usr" [ "$(grep -cvE '^\./(usr(/.*)?)?$' "$scratch/paths")" -eq 0 ]

  # lintian exits non-zero on an error tag, and when it cannot run at all.
  lintian --tag-display-limit 0 "$deb" >"$scratch/lintian" 2>&1
  local status=$?
  cat "$scratch/lintian"
  check "lintian finds no error or warning in the package" no_error_or_warning "$status" "$scratch/lintian"
}

case $mode in
  install) test_install ;;
  deb) test_deb ;;
  *) echo "usage: $0 install|deb BUILD_DIR DATA_DIR APP_ID VERSION" >&2 && exit 2 ;;
esac
echo "$failed failed"
[ "$failed" -eq 0 ]
