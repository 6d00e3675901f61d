#!/bin/sh
# Installs the Debian packages the game needs: "play" to build and run it, "test" for
# everything the tests and benchmarks need as well. Asks for root through sudo if needed.
set -eu

# xdg-utils: xdg-open shows the help page.
play="cmake make g++ pkg-config libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libgif-dev fonts-dejavu-core xdg-utils"
# libclang-rt-dev: libFuzzer and the sanitizer runtimes for clang (the fuzz targets).
# pulseaudio, pulseaudio-utils: a sound server of the tests' own; libxtst-dev: the clicks
# of the tap benchmark.
test="$play libgtest-dev libbenchmark-dev clang libclang-rt-dev xvfb xauth xdotool x11-utils imagemagick"
test="$test pulseaudio pulseaudio-utils libxtst-dev"

case "${1:-}" in
  play) packages=$play ;;
  test) packages=$test ;;
  *) echo "usage: $0 play|test" >&2; exit 2 ;;
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
