// The web version's data as packed for the download: the pictures of every screen a page
// may choose, and sounds that, decoded as a wave file's IMA ADPCM is decoded, are the
// desktop's at half the rate.
import assert from 'node:assert/strict';
import { readdir, readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { test } from 'node:test';
import { resFolder } from './site.mjs';

const top = fileURLToPath(new URL('../../', import.meta.url));
const packed = process.env.MARLIX_WEB_PACKED || `${top}build-web-cmake/web-res`;

// The chunks of a RIFF wave file by name.
function chunks(bytes) {
  assert.equal(bytes.toString('latin1', 0, 4), 'RIFF');
  assert.equal(bytes.toString('latin1', 8, 12), 'WAVE');
  const found = {};
  for (let at = 12; at + 8 <= bytes.length; ) {
    const size = bytes.readUInt32LE(at + 4);
    found[bytes.toString('latin1', at, at + 4)] = bytes.subarray(at + 8, at + 8 + size);
    at += 8 + size + (size & 1);
  }
  return found;
}

// The table every IMA ADPCM decoder carries.
const Steps = [
  7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45, 50, 55, 60, 66, 73, 80, 88, 97, 107, 118,
  130, 143, 157, 173, 190, 209, 230, 253, 279, 307, 337, 371, 408, 449, 494, 544, 598, 658, 724, 796, 876, 963, 1060,
  1166, 1282, 1411, 1552, 1707, 1878, 2066, 2272, 2499, 2749, 3024, 3327, 3660, 4026, 4428, 4871, 5358, 5894, 6484,
  7132, 7845, 8630, 9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767,
];
const IndexSteps = [-1, -1, -1, -1, 2, 4, 6, 8];

// A decoder of IMA ADPCM as wave files hold it, mono: each block a whole first sample and a
// step index, then two samples a byte, low four bits first.
function decodeImaAdpcm(format, data) {
  const blockAlign = format.readUInt16LE(12);
  const perBlock = format.readUInt16LE(18);
  const samples = [];
  for (let at = 0; at + blockAlign <= data.length; at += blockAlign) {
    let predicted = data.readInt16LE(at);
    let index = data[at + 2];
    samples.push(predicted);
    for (let n = 1; n < perBlock; ++n) {
      const byte = data[at + 4 + ((n - 1) >> 1)];
      const nibble = (n - 1) % 2 === 0 ? byte & 15 : byte >> 4;
      const step = Steps[index];
      let change = step >> 3;
      if (nibble & 4) change += step;
      if (nibble & 2) change += step >> 1;
      if (nibble & 1) change += step >> 2;
      predicted = Math.max(-32768, Math.min(32767, nibble & 8 ? predicted - change : predicted + change));
      index = Math.max(0, Math.min(88, index + IndexSteps[nibble & 7]));
      samples.push(predicted);
    }
  }
  return samples;
}

test('every sound decodes to the desktop\'s, at half its rate, within the noise of 4 bits', async () => {
  const names = (await readdir(packed)).filter((name) => name.endsWith('.wav')).sort();
  assert.deepEqual(names, ['box.wav', 'computer.wav', 'lose.wav', 'player.wav', 'start.wav', 'win.wav']);
  for (const name of names) {
    const web = chunks(await readFile(join(packed, name)));
    const desktop = chunks(await readFile(join(resFolder, name)));
    assert.equal(web['fmt '].readUInt16LE(0), 0x11, `${name}: IMA ADPCM`);
    assert.equal(web['fmt '].readUInt16LE(2), 1, `${name}: mono`);
    const rate = web['fmt '].readUInt32LE(4);
    assert.equal(rate * 2, desktop['fmt '].readUInt32LE(4), `${name}: half the rate`);
    assert.equal((web['fmt '].readUInt16LE(12) - 4) * 2 + 1, web['fmt '].readUInt16LE(18), `${name}: samples a block`);
    const decoded = decodeImaAdpcm(web['fmt '], web.data);
    const original = [];
    for (let i = 0; i + 1 < desktop.data.length; i += 4) original.push(desktop.data.readInt16LE(i));
    assert.ok(decoded.length >= original.length - 2, `${name}: ${decoded.length} samples of ${original.length}`);
    // The desktop's every other sample against the decoded one, a sample either way for
    // the resampler's delay: the best of the three alignments.
    let best = -Infinity;
    for (const shift of [-1, 0, 1]) {
      let signal = 0, noise = 0;
      for (let i = 2; i < original.length - 2; ++i) {
        signal += original[i] ** 2;
        noise += (decoded[i + shift] - original[i]) ** 2;
      }
      best = Math.max(best, 10 * Math.log10(signal / noise));
    }
    assert.ok(best > 20, `${name}: ${best.toFixed(1)} dB over the difference`);
  }
});

test('the pictures of the four large screens in every skin, and no others', async () => {
  const pictures = (await readdir(packed)).filter((name) => name.endsWith('.gif'));
  for (const size of ['480x640', '480x800', '640x480', '800x480'])
    for (const skin of ['default', 'skin1', 'skin2', 'skin3', 'skin4', 'skin5'])
      assert.ok(pictures.includes(`${skin}_background_${size}.gif`), `${skin} at ${size}`);
  for (const sheet of ['horizontal_lines', 'vertical_lines', 'squares'])
    for (const size of ['480x640', '640x480']) assert.ok(pictures.includes(`${sheet}_${size}.gif`), `${sheet} at ${size}`);
  assert.equal(pictures.length, 24 + 6);
});
