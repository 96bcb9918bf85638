#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the release files of the committed tree into dist/:
#   Emberlux-<version>-setup.exe     the Windows installer
#   Emberlux-<version>-windows.zip   both screen savers (x86_64 and i686), each
#                                    with the sample palettes, README, LICENSE,
#                                    notices
#   emberlux_<version>_amd64.deb     the native Linux saver's package
#   emberlux.html                    the page in one file (WebAssembly inside)
#   Emberlux-<version>-web.zip       the page folder, with LICENSE and notices
#   SHA256SUMS                       the checksums of all of them
# The build runs in a fresh export of HEAD with build folders of its own, so
# neither uncommitted changes nor earlier builds reach the release; a working
# tree with uncommitted changes is refused.
# Usage: scripts/make-release.sh
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "make-release: commit or stash your changes first" >&2
  exit 1
fi
version=$(sed -n 's/^project(Emberlux VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
tree=$(mktemp -d /tmp/emberlux-release.XXXXXX)
trap 'rm -rf "$tree"' EXIT
git archive HEAD | tar -x -C "$tree"
cd "$tree"
export JOBS=${JOBS:-$(nproc)}

echo "== Windows installer and screen savers ($(git -C "$repo" rev-parse --short HEAD), version $version)"
setup=$(packaging/windows/build-installer.sh)

echo "== zip"
name=Emberlux-$version
stage=$tree/stage/$name
# Each screen saver with the palettes beside it: with no InstallPath set (no
# installer ran) the saver finds its palettes in its own folder.
for arch in x86_64 i686; do
  mkdir -p "$stage/$arch/Palettes"
  cp "build/win-$arch/windows/saver/Emberlux.scr" "$stage/$arch/"
  cp resources/palettes/*.pal "$stage/$arch/Palettes/"
done
cp README.md THIRD-PARTY-NOTICES.md "$stage/"
cp LICENSE "$stage/LICENSE.txt"
(cd "$tree/stage" && python3 -m zipfile -c "$tree/$name-windows.zip" "$name")

echo "== Linux package"
cmake --preset linux-release >/dev/null
cmake --build build/linux-release -j"$JOBS" >/dev/null
(cd build/linux-release && cpack -G DEB >/dev/null)
mapfile -t debs < <(find build/linux-release -maxdepth 1 -name '*.deb')
[ ${#debs[@]} = 1 ] || { echo "make-release: expected one .deb, found ${#debs[@]}" >&2; exit 1; }

echo "== the page"
cmake --preset web >/dev/null
cmake --build build/web -j"$JOBS" >/dev/null
mkdir -p "$tree/stage-web"
cp -r build/web/page "$tree/stage-web/$name-web"
cp THIRD-PARTY-NOTICES.md "$tree/stage-web/$name-web/"
cp LICENSE "$tree/stage-web/$name-web/LICENSE.txt"
(cd "$tree/stage-web" && python3 -m zipfile -c "$tree/$name-web.zip" "$name-web")

rm -rf "$repo/dist"
mkdir -p "$repo/dist"
cp "$setup" "$tree/$name-windows.zip" "${debs[@]}" build/web/emberlux.html "$tree/$name-web.zip" "$repo/dist/"
cd "$repo/dist"
sha256sum -- * >SHA256SUMS
echo "== dist/"
ls -l
