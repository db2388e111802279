#!/usr/bin/env bash
# Installs the Debian packages the build, the game and its tests need, and
# only those that are missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-private-dev qt6-multimedia-dev libgl-dev libgtest-dev
  libx11-dev libxtst-dev zlib1g-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-liberation fonts-dejavu-core fonts-noto-color-emoji
  xvfb xdotool x11-apps imagemagick pulseaudio pulseaudio-utils sox
  desktop-file-utils appstream dpkg-dev file
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
