#!/bin/sh
# Builds the web version into build-web/: index.html, marlix-pentro.js, .wasm and .data, the
# help page with its pictures in res/, the icons in icons/, in licenses/ the licences of the
# game and of every third-party piece the site ships, the manifest that makes the page
# installable and the service worker (sw.js) that keeps the whole site of this build for
# play without the network. Any static file server serves the folder:
#
#   tools/web/build.sh && python3 -m http.server -d build-web
#
# The libraries come from tools/web/build-deps.sh (built once, then cached); the asset
# generator is built natively first, as the data is drawn at build time like the desktop's.
# build-web-native/ and build-web-cmake/ hold the two builds.
set -eu
cd "$(dirname "$0")/../.."
jobs=${MARLIX_JOBS:-$(nproc)}
export MARLIX_JOBS=$jobs
export EMSDK_PYTHON=/usr/bin/python3
export NODE_PATH=/usr/share/nodejs

prefix=$(tools/web/build-deps.sh | tail -n 1)

# MARLIX_ASSETGEN names an asset generator built natively already (by the desktop build of
# the same sources, as tools/release.sh has one).
assetgen=${MARLIX_ASSETGEN:-}
if [ -z "$assetgen" ]; then
  echo "== the asset generator, built natively =="
  cmake -S . -B build-web-native -DCMAKE_BUILD_TYPE=Release -DMARLIX_TESTS=OFF -DMARLIX_BENCH=OFF >/dev/null
  cmake --build build-web-native -j "$jobs" --target assetgen
  assetgen=$PWD/build-web-native/tools/assetgen
fi

echo "== the web version =="
# CMake keeps where it found the libraries; other libraries need a fresh configuration.
if [ "$(cat build-web-cmake/deps-prefix 2>/dev/null)" != "$prefix" ]; then
  rm -rf build-web-cmake
  mkdir -p build-web-cmake
  echo "$prefix" >build-web-cmake/deps-prefix
fi
emcmake cmake -S . -B build-web-cmake -DCMAKE_BUILD_TYPE=Release \
  -DMARLIX_ASSETGEN="$assetgen" \
  -DCMAKE_FIND_ROOT_PATH="$prefix" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build build-web-cmake -j "$jobs" --target marlix-pentro

# The folder served holds nothing but the page, the program and what the help page shows.
rm -rf build-web
mkdir -p build-web/res
cp build-web-cmake/index.html build-web-cmake/marlix-pentro.js build-web-cmake/marlix-pentro.wasm \
  build-web-cmake/marlix-pentro.data build-web/
# The page's own comments are for its readers here, not for every phone that loads it: whole
# comment lines of its script go (a kilobyte and more with gzip, on the first frame's path).
sed -i '/^[[:space:]]*\/\/ /d; /^[[:space:]]*\/\/$/d' build-web/index.html
cp "build-web-cmake/res/Marlix Pentro.htm" build-web/res/
sed -n 's/.*src="\([^"/]*\)".*/\1/p' "build-web-cmake/res/Marlix Pentro.htm" | sort -u | while read -r picture; do
  cp "build-web-cmake/res/$picture" build-web/res/
done
# The icons the page, the browser's tab and a phone's launcher show, drawn by the asset
# generator; then the service worker, named by a hash of all the files above.
mkdir -p build-web/icons
for icon in 32 192 512 full-512; do
  cp "build-web-cmake/generated/marlix-pentro-$icon.png" build-web/icons/
done
cp build-web-cmake/generated/marlix-pentro.svg build-web/icons/
cp tools/web/manifest.webmanifest build-web/
tools/web/licenses.sh build-web/licenses
tools/web/service-worker.sh build-web
echo "version $(cat build-web-cmake/version)"
ls -l build-web
