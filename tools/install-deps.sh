#!/bin/sh
# Installs the Debian packages the game needs: "play" to build and run it, "test" for
# everything the tests, the benchmarks, the Debian package and the web version's browser
# tests need as well, "web" to build the web version and "webtest" to play it in a headless
# browser. Asks for root (through sudo) only when a package is missing. For "test" and
# "webtest" it then installs the browser tests' npm packages (tests/web, `npm ci`, as the
# user who runs it).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)

# xdg-utils: xdg-open shows the help page. libx11-dev: the program hears from Xlib when
# the display goes away.
play="cmake make g++ pkg-config libsdl2-dev libx11-dev libsdl2-image-dev libsdl2-ttf-dev libgif-dev zlib1g-dev fonts-dejavu-core xdg-utils"
# libclang-rt-dev: libFuzzer and the sanitizer runtimes for clang (the fuzz targets).
# git: tests/check-layering.sh reads the checkout. dpkg-dev and file: CPack's .deb and its
# library dependencies; lintian, appstream and desktop-file-utils check the installed files,
# reuse the licence of every file in a release's source.
# pulseaudio, pulseaudio-utils: a sound server of the tests' own; libxtst-dev: the clicks
# of the tap benchmark. openbox: a window manager to minimise, raise, maximise and turn the
# game under, wmctrl to maximise it there;
# python3: another user's process in the single-copy test.
test="$play git libgtest-dev libbenchmark-dev clang libclang-rt-dev xvfb xauth xdotool x11-utils imagemagick
  dpkg-dev file lintian appstream desktop-file-utils reuse pulseaudio pulseaudio-utils libxtst-dev openbox wmctrl python3"

# The web version: what the native build needs (the asset generator runs natively),
# dpkg-dev for fetching the libraries' Debian sources (tools/web/build-deps.sh), and Python's
# font tools for the page's smaller font (tools/web/pack-res.sh). The site ships the
# copyright files of the libraries it compiles in from their Debian packages
# (tools/web/licenses.sh); libfreetype6 comes with SDL2_ttf, named here as the site names it.
web="$play emscripten dpkg-dev xz-utils python3 python3-fonttools libfreetype6"
# The browser tests run in every engine: chromium, firefox-esr (driven through WebDriver
# BiDi) and WebKitGTK's MiniBrowser (webkit2gtk-driver) on an Xvfb display, the last two
# with a PulseAudio of their own. npm comes with Debian's nodejs only as a package of its
# own; a Node.js with npm built in (as from other vendors) needs none.
webtest="$web chromium firefox-esr webkit2gtk-driver xvfb pulseaudio pulseaudio-utils"
if ! command -v npm >/dev/null 2>&1; then webtest="$webtest npm"; fi

case "${1:-}" in
  play) packages=$play ;;
  test) packages="$test $webtest" ;;
  web) packages=$web ;;
  webtest) packages=$webtest ;;
  *) echo "usage: $0 play|test|web|webtest" >&2; exit 2 ;;
esac

missing=""
for package in $packages; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing="$missing $package"
done
missing=${missing# }

# Nothing to fetch, and so nothing to ask root for, when everything is there already.
if [ -n "$missing" ]; then
  if [ "$(id -u)" -eq 0 ]; then
    as_root=""
  elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
  else
    echo "$0: these Debian packages are missing: $missing" >&2
    echo "Install them as root, for example with:  su -c 'apt-get update && apt-get install $missing'" >&2
    echo "then run $0 $1 again." >&2
    exit 1
  fi
  $as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
  # shellcheck disable=SC2086
  $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
else
  echo "$0 $1: every Debian package it needs is installed already"
fi

# The browser tests' packages from npm, exactly as the lock file names them.
case "$1" in
  test | webtest)
    (cd "$top/tests/web" && npm ci --no-audit --no-fund --loglevel=error) ;;
esac
