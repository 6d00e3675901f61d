#!/bin/sh
# The resource folder the web version packs, from the desktop's: what a page can show and
# play, made smaller for the download. The page's screen is 480 x 640 upright or 640 x 480
# sideways, so only those sizes' pictures go; the sounds at half the desktop's sample rate
# (the game's chimes have nothing above a quarter of it); the font cut to the characters
# of Latin text, its glyphs and hinting as they were.
#
#   tools/web/pack-res.sh RES_FOLDER OUT_FOLDER
set -eu
res=$1
out=$2
rm -rf "$out"
mkdir -p "$out"

for picture in "$res"/*_480x640.gif "$res"/*_640x480.gif; do
  cp "$picture" "$out/"
done

# Debian's own Python, with the font tools (python3-fonttools), whatever is first on PATH.
/usr/bin/python3 -W ignore::DeprecationWarning - "$res" "$out" <<'PYTHON'
import audioop, glob, os, sys, wave
res, out = sys.argv[1], sys.argv[2]
for path in sorted(glob.glob(os.path.join(res, "*.wav"))):
    with wave.open(path, "rb") as source:
        channels, width, rate, frames = source.getnchannels(), source.getsampwidth(), source.getframerate(), source.getnframes()
        samples = source.readframes(frames)
    halved, _ = audioop.ratecv(samples, width, channels, rate, rate // 2, None)
    with wave.open(os.path.join(out, os.path.basename(path)), "wb") as target:
        target.setnchannels(channels)
        target.setsampwidth(width)
        target.setframerate(rate // 2)
        target.writeframes(halved)
PYTHON

# Printable ASCII, Latin-1 and the general punctuation: every text the program shows.
/usr/bin/python3 -m fontTools.subset "$res/DejaVuSans.ttf" --output-file="$out/DejaVuSans.ttf" \
  --unicodes=U+0020-007E,U+00A0-00FF,U+2010-2027,U+2030-203A,U+20AC,U+FFFD --layout-features='*' \
  --name-IDs='*' --name-languages='*' --notdef-outline --glyph-names --legacy-kern
touch "$out/.packed"
