#!/bin/sh
# Installs the Debian packages the game needs: "play" to build and run it, "test" for
# everything the tests and benchmarks need as well, "web" to build the web version and
# "webtest" to play it in a headless browser. Asks for root through sudo if needed.
set -eu

# xdg-utils: xdg-open shows the help page.
play="cmake make g++ pkg-config libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libgif-dev fonts-dejavu-core xdg-utils"
# libclang-rt-dev: libFuzzer and the sanitizer runtimes for clang (the fuzz targets).
test="$play libgtest-dev libbenchmark-dev clang libclang-rt-dev xvfb xauth xdotool x11-utils imagemagick"

# The web version: what the native build needs (the asset generator runs natively), and
# dpkg-dev for fetching the libraries' Debian sources (tools/web/build-deps.sh).
web="$play emscripten dpkg-dev xz-utils"
# npm comes with Debian's nodejs only as a package of its own; a Node.js with npm built in
# (as from other vendors) needs none.
webtest="$web chromium"
if ! command -v npm >/dev/null 2>&1; then webtest="$webtest npm"; fi

case "${1:-}" in
  play) packages=$play ;;
  test) packages=$test ;;
  web) packages=$web ;;
  webtest) packages=$webtest ;;
  *) echo "usage: $0 play|test|web|webtest" >&2; exit 2 ;;
esac

if [ "$(id -u)" -ne 0 ]; then
  exec sudo "$0" "$@"
fi

# Nothing to fetch when everything is there already.
missing=$(dpkg-query -W -f='${Status} ${Package}\n' $packages 2>/dev/null | grep -c -v '^install ok installed' || true)
installed=$(dpkg-query -W -f='${Status}\n' $packages 2>/dev/null | grep -c '^install ok installed' || true)
count=$(echo $packages | wc -w)
if [ "$missing" -eq 0 ] && [ "$installed" -eq "$count" ]; then
  exit 0
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends $packages
