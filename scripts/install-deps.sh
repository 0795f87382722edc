#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Brelvane need.
# Idempotent: asks apt only for what is missing, and updates the lists only then.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6dbus6 libqt6test6 qt6-image-formats-plugins
  libgl-dev libxkbcommon-dev
  libgdiplus libpng-dev zlib1g-dev
  fonts-wqy-microhei qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick dbus-daemon dbus-x11 openbox wmctrl
  netpbm icoutils libtiff-tools
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
