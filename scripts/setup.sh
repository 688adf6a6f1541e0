#!/usr/bin/env bash
# Installs every package that building, running and testing Kelvor mini needs, and only the
# missing ones. Debian 12 / Ubuntu; apt-get as root, through sudo otherwise.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libcurl4-openssl-dev ca-certificates openssl
    fonts-noto-cjk
    libbenchmark-dev
    xvfb xauth xdotool
    qt6-translations-l10n qt6-charts-dev libqt6opengl6-dev imagemagick
    ccache clang clang-tidy clang-format libclang-rt-14-dev
    desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
