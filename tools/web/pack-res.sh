#!/bin/sh
# The resource folder the web version packs, from the desktop's: what a page can show and
# play, made smaller for the download. A page shows the large screens, 480 x 640 or
# 480 x 800 upright and 640 x 480 or 800 x 480 sideways, so only those sizes' pictures go;
# the sounds at half the desktop's sample rate (the game's chimes have nothing above a
# quarter of it) and in 4-bit IMA ADPCM, which SDL decodes, a quarter of their 16 bits; the
# font cut to the characters the program's texts use, its glyphs and hinting as they were.
#
#   tools/web/pack-res.sh RES_FOLDER OUT_FOLDER
set -eu
res=$1
out=$2
rm -rf "$out"
mkdir -p "$out"

for picture in "$res"/*_480x640.gif "$res"/*_480x800.gif "$res"/*_640x480.gif "$res"/*_800x480.gif; do
  cp "$picture" "$out/"
done

# Debian's own Python, with the font tools (python3-fonttools), whatever is first on PATH.
/usr/bin/python3 -W ignore::DeprecationWarning - "$res" "$out" <<'PYTHON'
import audioop, glob, os, struct, sys, wave
res, out = sys.argv[1], sys.argv[2]

STEPS = [7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45, 50, 55, 60, 66,
         73, 80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209, 230, 253, 279, 307, 337, 371, 408,
         449, 494, 544, 598, 658, 724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552, 1707, 1878, 2066,
         2272, 2499, 2749, 3024, 3327, 3660, 4026, 4428, 4871, 5358, 5894, 6484, 7132, 7845, 8630,
         9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794,
         32767]
INDEX_STEPS = [-1, -1, -1, -1, 2, 4, 6, 8]
BLOCK = 256                          # bytes of a block, mono
PER_BLOCK = (BLOCK - 4) * 2 + 1      # samples of a block: the header's one and two a byte

# IMA ADPCM as a wave file holds it: blocks that each start from a whole sample and the
# step reached, then two samples a byte, the earlier in the low four bits.
def ima_adpcm(samples):
    samples = samples + [0] * (-len(samples) % PER_BLOCK)
    index, blocks = 0, []
    for start in range(0, len(samples), PER_BLOCK):
        block = samples[start:start + PER_BLOCK]
        predicted = block[0]
        data = bytearray(struct.pack('<hBB', predicted, index, 0))
        nibbles = []
        for sample in block[1:]:
            step = STEPS[index]
            difference = sample - predicted
            nibble = 8 if difference < 0 else 0
            difference = abs(difference)
            change = step >> 3
            for bit in (4, 2, 1):
                if difference >= step:
                    nibble |= bit
                    difference -= step
                    change += step
                step >>= 1
            predicted = max(-32768, min(32767, predicted - change if nibble & 8 else predicted + change))
            index = max(0, min(88, index + INDEX_STEPS[nibble & 7]))
            nibbles.append(nibble)
        for i in range(0, len(nibbles), 2):
            data.append(nibbles[i] | nibbles[i + 1] << 4)
        blocks.append(bytes(data))
    return b''.join(blocks), len(samples)

for path in sorted(glob.glob(os.path.join(res, "*.wav"))):
    with wave.open(path, "rb") as source:
        channels, width, rate, frames = source.getnchannels(), source.getsampwidth(), source.getframerate(), source.getnframes()
        pcm = source.readframes(frames)
    if channels != 1 or width != 2:
        sys.exit(f"{path}: the web data takes 16-bit mono sounds")
    halved, _ = audioop.ratecv(pcm, width, channels, rate, rate // 2, None)
    data, count = ima_adpcm(list(struct.unpack(f'<{len(halved) // 2}h', halved)))
    rate //= 2
    fmt = struct.pack('<HHIIHHHH', 0x11, 1, rate, rate * BLOCK // PER_BLOCK, BLOCK, 4, 2, PER_BLOCK)
    chunks = b'fmt ' + struct.pack('<I', len(fmt)) + fmt + b'fact' + struct.pack('<II', 4, count)
    chunks += b'data' + struct.pack('<I', len(data)) + data
    with open(os.path.join(out, os.path.basename(path)), "wb") as target:
        target.write(b'RIFF' + struct.pack('<I', 4 + len(chunks)) + b'WAVE' + chunks)
PYTHON

# Printable ASCII, the general punctuation and a few signs: every text the program shows
# (all of it ASCII) with room for typographic quotes and dashes.
/usr/bin/python3 -m fontTools.subset "$res/DejaVuSans.ttf" --output-file="$out/DejaVuSans.ttf" \
  --unicodes=U+0020-007E,U+00A0,U+00A9,U+00B0,U+00D7,U+2010-2027,U+2030-203A,U+20AC,U+FFFD --layout-features='*' \
  --name-IDs='*' --name-languages='*' --notdef-outline --glyph-names --legacy-kern
touch "$out/.packed"
