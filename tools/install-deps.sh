#!/usr/bin/env bash
# Installs the Debian packages one of the make targets needs, and only those
# that are missing:
#
#   install-deps.sh run      building and playing: compiler, CMake, Qt and its
#                            translation tools and translations, the sound and
#                            font libraries, the fonts, Qt's Wayland platform
#                            (make run, make build)
#   install-deps.sh package  the above and the Debian packaging tools (make package)
#   install-deps.sh test     the above and everything the tests and benchmarks
#                            drive the game with (make test, make asan, make bench)
#
# (The asset generator in tools/assetgen lists its own extra needs.)
#
# Only the test group brings sound servers, and never one PulseAudio-protocol
# server beside another: on a desktop that already runs PipeWire's
# pipewire-pulse, PulseAudio is left out (two servers would fight over the
# same socket in every session), and where PulseAudio is installed PipeWire
# is left out. The tests that need the missing server say so and are skipped.
# A machine with neither, such as a CI runner, gets both.
set -euo pipefail

group=${1:-run}

run=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-private-dev libpulse-dev libsndfile1-dev libfontconfig-dev libgl-dev libwayland-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-liberation fonts-dejavu-core qt6-wayland
)
package=(dpkg-dev file)
test=(
  libgtest-dev
  xvfb xauth xdotool imagemagick openbox wmctrl python3 python3-numpy
  pulseaudio-utils dbus-daemon procps weston
  desktop-file-utils appstream lintian
  orca speech-dispatcher speech-dispatcher-espeak-ng at-spi2-core python3-pyatspi
)
pulseaudio=(pulseaudio)
pipewire=(pipewire pipewire-bin pipewire-pulse wireplumber)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

case $group in
run) packages=("${run[@]}") ;;
package) packages=("${run[@]}" "${package[@]}") ;;
test)
  packages=("${run[@]}" "${package[@]}" "${test[@]}")
  if installed pipewire-pulse && ! installed pulseaudio; then
    packages+=("${pipewire[@]}")
    echo "PipeWire serves sound here, so PulseAudio is not installed; the tests that need it are skipped." >&2
  elif installed pulseaudio && ! installed pipewire-pulse; then
    packages+=("${pulseaudio[@]}")
    echo "PulseAudio serves sound here, so PipeWire is not installed; the tests that need it are skipped." >&2
  else
    packages+=("${pulseaudio[@]}" "${pipewire[@]}")
  fi
  ;;
*)
  echo "Usage: $0 run|package|test" >&2
  exit 2
  ;;
esac

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
  echo "Please install these packages with your system's package manager: ${missing[*]}" >&2
  exit 1
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
