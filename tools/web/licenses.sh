#!/bin/sh
# Writes the web site's licenses/ folder: the game's licence, its copyright file (which names
# every third-party piece the site ships) and, for each of those pieces, the full copyright
# file Debian ships with the package built from the same sources.
#
#   tools/web/licenses.sh FOLDER
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
out=$1
rm -rf "$out"
mkdir -p "$out"
cp "$top/LICENSE" "$out/Marlix-Pentro.txt"
cp "$top/cmake/debian/copyright" "$out/copyright.txt"
# The piece, and the Debian package whose copyright file covers its source.
while read -r piece package; do
  file=/usr/share/doc/$package/copyright
  if [ ! -f "$file" ]; then
    echo "$0: $file is missing: install $package (tools/install-deps.sh web)" >&2
    exit 1
  fi
  cp "$file" "$out/$piece.txt"
done <<'PIECES'
SDL2 libsdl2-2.0-0
SDL2_image libsdl2-image-2.0-0
SDL2_ttf libsdl2-ttf-2.0-0
FreeType libfreetype6
DejaVu-fonts fonts-dejavu-core
Emscripten emscripten
PIECES
cat >"$out/README.txt" <<'TEXT'
Marlix Pentro is free software under the MIT licence: Marlix-Pentro.txt.

This site also ships, under their own licences:
- in marlix-pentro.data, a cut of the DejaVu Sans font (Bitstream Vera licence, DejaVu's
  changes in the public domain): DejaVu-fonts.txt;
- compiled into marlix-pentro.wasm and marlix-pentro.js: SDL2, SDL2_image and SDL2_ttf
  (zlib licence): SDL2.txt, SDL2_image.txt, SDL2_ttf.txt; FreeType (the FreeType
  Project's licence): FreeType.txt; Emscripten's runtime and its C and C++ libraries
  (MIT, and Apache-2.0 with the LLVM exception): Emscripten.txt.
Portions of this software are copyright (C) 2022 The FreeType Project
(www.freetype.org). All rights reserved.

copyright.txt says the same in Debian's machine-readable format.
TEXT
