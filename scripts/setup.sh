#!/usr/bin/env bash
# Installs the Debian packages the build, the editor and the tests need, when missing.
set -euo pipefail

packages=(
    juce-modules-source cmake ninja-build g++ pkg-config ccache
    libasound2-dev libfreetype-dev libfontconfig1-dev libpng-dev libjpeg-dev zlib1g-dev
    libx11-dev libxext-dev libxinerama-dev libxrandr-dev libxcursor-dev libxrender-dev
    libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
    xvfb xauth xdotool imagemagick fonts-liberation
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y "${missing[@]}"
fi
