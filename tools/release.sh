#!/usr/bin/env bash
# Builds the release from a clean build tree and writes dist/Quarnel-1.20-win64.zip, which
# holds Quarnel.exe, README.txt and LICENSE.txt (both with CR LF), then prints its SHA-256.
#
#   tools/release.sh
#
# Reproducible: the same commit gives the same zip, byte for byte, wherever it is built. The
# exe carries no time stamp (the linker's is switched off, the resource compiler writes none,
# nothing is left for a debug directory); the zip holds no directory entries, no extra fields
# (uid, gid, Unix times), fixed permissions and, for every entry, the commit's time in UTC
# (SOURCE_DATE_EPOCH when set), in a fixed order.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
tools/install-deps.sh

readonly version=1.20
readonly name=Quarnel-$version-win64.zip
build=$root/build/release
dist=$root/dist

if [ -n "$(git status --porcelain 2>/dev/null)" ]; then
    echo "release: the working tree has changes that are not committed; the zip is not the commit's" >&2
fi
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 1767225600)}

# A fresh build tree, so that nothing of an earlier build can slip in.
rm -rf "$build"
cmake -S . -B "$build" -G Ninja --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    >/dev/null
cmake --build "$build" --target Quarnel

stage=$build/stage
mkdir -p "$stage" "$dist"
cp "$build/bin/Quarnel.exe" "$stage/Quarnel.exe"
sed 's/\r*$/\r/' docs/README.txt >"$stage/README.txt"
sed 's/\r*$/\r/' LICENSE >"$stage/LICENSE.txt"
files=(Quarnel.exe README.txt LICENSE.txt)
for file in "${files[@]}"; do
    chmod 644 "$stage/$file"
    touch -d "@$epoch" "$stage/$file"
done
rm -f "$dist/$name"
(cd "$stage" && TZ=UTC zip -X -D -9 -q "$dist/$name" "${files[@]}")

echo "wrote dist/$name ($(stat -c %s "$dist/$name") bytes; Quarnel.exe $(stat -c %s "$stage/Quarnel.exe") bytes)"
sha256sum "$dist/$name" | awk -v n="$name" '{print "SHA-256 " $1 "  " n}'
