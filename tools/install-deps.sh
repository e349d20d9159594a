#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quarnel need, then checks
# that every command the build and the tests call is on the PATH.
# Does nothing but the check when the packages are all present already.
set -euo pipefail
# wine gives the `wine` command (wine64 alone has only the loader); fonts-wine gives Tahoma,
# Marlett and the rest of Wine's own fonts, which --no-install-recommends would skip.
packages=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev googletest
          g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 fonts-wine xvfb xdotool
          x11-utils x11-xkb-utils imagemagick librsvg2-bin fonts-ipafont-gothic zip unzip)
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

# command:package that gives it
commands=(wine:wine wineserver:wine wineboot:wine x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64-posix
          x86_64-w64-mingw32-windres:binutils-mingw-w64-x86-64 Xvfb:xvfb xdotool:xdotool
          xdpyinfo:x11-utils setxkbmap:x11-xkb-utils convert:imagemagick import:imagemagick rsvg-convert:librsvg2-bin
          ninja:ninja-build cmake:cmake ctest:cmake clang:clang g++:g++ zip:zip unzip:unzip)
absent=()
for entry in "${commands[@]}"; do
    command -v "${entry%%:*}" >/dev/null || absent+=("${entry%%:*} (package ${entry#*:})")
done
if ((${#absent[@]})); then
    printf 'install-deps: missing command: %s\n' "${absent[@]}" >&2
    exit 1
fi
