#!/usr/bin/env bash
# Installs the Debian packages the build, the game, its tests and benchmarks
# need, and only those that are missing. (The asset generator in
# tools/assetgen lists its own extra needs.)
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-private-dev libpulse-dev libsndfile1-dev libfontconfig-dev libgl-dev libgtest-dev
  fonts-liberation fonts-dejavu-core
  xvfb xdotool imagemagick openbox wmctrl python3 python3-numpy
  pulseaudio pulseaudio-utils pipewire pipewire-bin pipewire-pulse wireplumber dbus-daemon procps
  desktop-file-utils appstream dpkg-dev file lintian
  libwayland-dev qt6-wayland weston
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
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
