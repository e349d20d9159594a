#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quarnel need.
# Does nothing when they are all present already.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev googletest
          g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 xvfb xdotool x11-utils
          imagemagick librsvg2-bin fonts-ipafont-gothic)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
