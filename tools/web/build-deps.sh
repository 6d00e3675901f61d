#!/bin/sh
# Builds the libraries the web version links, SDL2, SDL2_image (GIF only), SDL2_ttf and
# freetype, from Debian's source packages with Debian's emscripten, into a cache folder that
# later builds reuse. Prints the folder (the libraries' install prefix) as its last line.
#
#   tools/web/build-deps.sh            build what the cache lacks, then print its folder
#   MARLIX_WEB_DEPS=DIR ...            use DIR as the cache's top folder instead
#   tools/web/build-deps.sh --source-entry   print the temporary deb-src entry, change nothing
#
# emscripten's own "ports" would download these libraries from the internet; Debian's
# sources come through apt like everything else the project installs.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)

# The upstream versions the web version is built and tested with. Debian's source packages
# of the same upstream version (any Debian revision) are used.
sdl2=2.26.5
sdl2_image=2.6.3
sdl2_ttf=2.20.1
freetype=2.12.1

# How each is configured; part of the cache's key, so a change builds them again.
# SDL without the parts the program never uses (renderers, joysticks, haptics, sensors,
# power, locale, URLs): less to download and to instrument for ASYNCIFY.
sdl2_flags="-DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_RENDER=OFF -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF -DSDL_HIDAPI=OFF -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF -DSDL_LOCALE=OFF -DSDL_MISC=OFF"
# GIF only, by SDL2_image's own decoder; no other format and no outside image library.
image_flags="-DSDL2IMAGE_GIF=ON -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_DEPS_SHARED=OFF -DSDL2IMAGE_SAMPLES=OFF"
image_flags="$image_flags -DSDL2IMAGE_TESTS=OFF -DSDL2IMAGE_BACKEND_STB=OFF"
for format in AVIF BMP JPG JXL LBM PCX PNG PNM QOI SVG TGA TIF WEBP XCF XPM XV; do
  image_flags="$image_flags -DSDL2IMAGE_$format=OFF"
done
freetype_flags="-DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON"
freetype_flags="$freetype_flags -DFT_DISABLE_BROTLI=ON"
ttf_flags="-DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF"
common_flags="-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF"

log() { echo "build-deps: $*" >&2; }

# The deb-src entry for the archive and suite the machine already installs packages from
# (the first Debian archive in apt's sources that is not the security archive).
apt_etc=${MARLIX_APT_ETC:-/etc/apt}
source_entry() {
  entry=$(cat "$apt_etc"/sources.list.d/*.sources 2>/dev/null | awk '
    BEGIN { RS = ""; FS = "\n" }
    /(^|\n)Types:[^\n]*deb($|[ \n])/ && /debian-archive-keyring|(^|\n)URIs:[^\n]*debian/ && !/security/ {
      for (i = 1; i <= NF; i++) {
        if ($i ~ /^URIs:/) uris = $i
        if ($i ~ /^Suites:/) suites = $i
      }
      print uris; print suites; exit
    }')
  if [ -z "$entry" ]; then
    # The one-line format: "deb [options] URI SUITE COMPONENTS".
    entry=$(cat "$apt_etc/sources.list" "$apt_etc"/sources.list.d/*.list 2>/dev/null | awk '
      $1 == "deb" && $0 ~ /debian/ && $0 !~ /security/ {
        i = 2; if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
        print "URIs: " $i; print "Suites: " $(i + 1); exit }')
  fi
  [ -n "$entry" ] || return 1
  printf 'Types: deb-src\n%s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' "$entry"
}

if [ "${1:-}" = --source-entry ]; then
  source_entry
  exit
fi

"$top/tools/install-deps.sh" web >&2

# Debian's emcc is a Python script; a wrapper earlier on PATH may start a slower Python.
export EMSDK_PYTHON=/usr/bin/python3
# Without it emcc cannot find acorn for its optimising passes.
export NODE_PATH=/usr/share/nodejs

emscripten=$(dpkg-query -W -f='${Version}' emscripten)
recipe=$(echo "$sdl2_flags|$image_flags|$freetype_flags|$ttf_flags|$common_flags" | sha256sum | cut -c1-12)
key="sdl2-$sdl2+image-$sdl2_image+ttf-$sdl2_ttf+freetype-$freetype+emscripten-$emscripten+$recipe"
cache=${MARLIX_WEB_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/marlix-pentro/web-deps}
prefix=$cache/$key

if [ -f "$prefix/.complete" ]; then
  log "reusing $prefix"
  echo "$prefix"
  exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/marlix-web-deps.XXXXXX")
srclist=/etc/apt/sources.list.d/marlix-pentro-web-src.sources
cleanup() {
  status=$?
  # The source entry goes again whatever happened, so apt is left as it was found.
  if [ -f "$srclist" ]; then
    as_root rm -f "$srclist"
    as_root apt-get update -q >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
  exit $status
}
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

if ! entry=$(source_entry); then
  log "no Debian archive found in apt's sources"
  exit 1
fi
log "adding a temporary deb-src entry"
echo "$entry" | as_root tee "$srclist" >/dev/null
as_root apt-get update -q >&2

mkdir -p "$work/src"
(cd "$work/src" && apt-get source -q --only-source libsdl2 libsdl2-image libsdl2-ttf freetype >&2)
as_root rm -f "$srclist"
as_root apt-get update -q >/dev/null 2>&1 || true

# The unpacked source folder of one package, checked against the version wanted.
source_dir() {
  dir=$(find "$work/src" -maxdepth 1 -type d -name "$1-$2*" | head -n 1)
  if [ -z "$dir" ]; then
    log "Debian's source of $1 is not version $2:"
    ls "$work/src" >&2
    exit 1
  fi
  echo "$dir"
}

jobs=${MARLIX_JOBS:-$(nproc)}
# Installed in place (the libraries' CMake files name their prefix); only a finished build is
# marked complete, so a failed one is built again from the start.
staging=$prefix
rm -rf "$staging"
mkdir -p "$staging"

# One CMake project built for the web and installed into the cache.
build() {
  name=$1
  src=$2
  shift 2
  log "building $name"
  log=$work/$name.log
  # shellcheck disable=SC2086
  emcmake cmake -S "$src" -B "$work/build-$name" $common_flags -DCMAKE_INSTALL_PREFIX="$staging" \
    -DCMAKE_FIND_ROOT_PATH="$staging" -DCMAKE_PREFIX_PATH="$staging" "$@" >"$log" 2>&1 &&
    cmake --build "$work/build-$name" -j "$jobs" >>"$log" 2>&1 &&
    cmake --install "$work/build-$name" >>"$log" 2>&1 || {
    tail -n 40 "$log" >&2
    log "building $name failed"
    exit 1
  }
}

# shellcheck disable=SC2086
build sdl2 "$(source_dir libsdl2 $sdl2)" $sdl2_flags
# shellcheck disable=SC2086
build sdl2_image "$(source_dir libsdl2-image $sdl2_image)" $image_flags
# shellcheck disable=SC2086
build freetype "$(source_dir freetype $freetype)" $freetype_flags
# shellcheck disable=SC2086
build sdl2_ttf "$(source_dir libsdl2-ttf $sdl2_ttf)" $ttf_flags

# Which Debian revisions went in, for whoever wonders later.
ls "$work/src" | grep '\.dsc$' >"$staging/debian-sources.txt"
touch "$staging/.complete"
log "built into $prefix"
echo "$prefix"
