// How often a finger draws the line it was aimed at, on a phone's page in Debian's headless
// Chromium with touch (run by hand after tools/web/build.sh, the browser tests' npm
// packages installed):
//
//   node bench/web/fingers.mjs [taps a page] [slides a page] [seed]
//
// Quick taps aimed at the middle of a free line and scattered as fingers scatter (normal,
// sigma 1.5 mm = 9.4 CSS px on a phone's glass, independently across and along), on a
// 390 x 844 page and an 844 x 390 one, both at 3 device pixels a CSS pixel: the share that
// drew the line aimed at, another line, or nothing. Then presses 3 mm beside a free line's
// middle, slid onto it and lifted there: the share that drew it. Seeded; the seed is printed.
//
// Beside each page's figures, the most any rule could do with the same taps on the same
// boards: knowing how fingers scatter, a touch most likely means the free line whose middle
// is nearest, and a rule that must take the line the hit test finds, and may otherwise
// refuse the least certain touches, can at best trade aimed lines for wrong ones along the
// line printed as "at best".
import { launch, serve } from '../../tests/web/harness.mjs';
import { CssPixelsPerMm, fingers } from '../../tests/web/fingers.mjs';
import { NoPauses, pageSavedBoard, siteFolder, sleep, waitForScreenOf } from './fingers_page.mjs';

const tapsPerPage = Number(process.argv[2] || 100);
const slidesPerPage = Number(process.argv[3] || 20);
const seed = Number(process.argv[4] || process.env.MARLIX_BENCH_SEED || Date.now() % 100000);
console.log(`seed ${seed} (node bench/web/fingers.mjs ${tapsPerPage} ${slidesPerPage} ${seed})`);

// mulberry32: small, seeded, the same on every machine.
let state = seed >>> 0;
function random() {
  state = (state + 0x6d2b79f5) >>> 0;
  let t = state;
  t = Math.imul(t ^ (t >>> 15), t | 1);
  t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const gauss = () => Math.sqrt(-2 * Math.log(1 - random())) * Math.cos(2 * Math.PI * random());

// The handheld's layouts by screen size: a pitch of gap + line length; the client area
// starts below the 52-pixel task bar.
const Top = 52;
const layouts = {
  '480x640': { originX: 16, originY: 62, gap: 14, long: 48, across: 48 },
  '480x800': { originX: 16, originY: 62, gap: 14, long: 48, across: 48 },
  '640x480': { originX: 26, originY: 62, gap: 14, long: 68, across: 26 },
  '800x480': { originX: 106, originY: 62, gap: 14, long: 68, across: 26 },
};

// A line's rectangle on the canvas: `long` is the horizontal lines' length, `across` the
// vertical lines'.
function lineRect(m, cell) {
  const row = Math.floor(cell / 22), offset = cell % 22;
  const pitchX = m.gap + m.long, pitchY = m.gap + m.across;
  if (offset <= 6) return { x: m.originX + m.gap + pitchX * offset, y: Top + m.originY + pitchY * row, w: m.long, h: m.gap };
  return { x: m.originX + pitchX * ((offset - 7) / 2), y: Top + m.originY + m.gap + pitchY * row, w: m.gap, h: m.across };
}

const isLine = (cell) => cell % 22 <= 6 || (cell < 154 && (cell % 22) % 2 === 1);
const freeLines = (owners) => owners.map((o, cell) => (isLine(cell) && o === 0 ? cell : -1)).filter((c) => c >= 0);

// How sure a rule could be of a touch at canvas point (x, y), aimed at `cell`, with scatter
// `sigma` canvas pixels: the line a touch on a free line's pixels must take (certainty
// Infinity), nothing for a touch on a drawn line's pixels (-Infinity), otherwise the free
// line with the nearest middle, and the chance that it is the one meant.
function certainty(m, owners, cell, x, y, sigma) {
  const px = Math.floor(x) + 0.5, py = Math.floor(y) + 0.5;
  const inside = (r) => px >= r.x && px < r.x + r.w && py >= r.y && py < r.y + r.h;
  let weights = 0, best = -1, bestWeight = -1;
  for (let line = 0; line < owners.length; ++line) {
    if (!isLine(line)) continue;
    const r = lineRect(m, line);
    if (inside(r)) return { p: owners[line] === 0 ? Infinity : -Infinity, right: line === cell };
    if (owners[line] !== 0) continue;
    const dx = px - (r.x + r.w / 2), dy = py - (r.y + r.h / 2);
    const weight = Math.exp(-(dx * dx + dy * dy) / (2 * sigma * sigma));
    weights += weight;
    if (weight > bestWeight) [best, bestWeight] = [line, weight];
  }
  return { p: bestWeight / weights, right: best === cell };
}

// The trade the most certain touches allow: the most aimed lines with at most 5 % wrong
// ones, and the fewest wrong ones with at least 85 % aimed.
function best(certainties) {
  const taps = certainties.length, sorted = certainties.filter((c) => c.p > -Infinity).sort((a, b) => b.p - a.p);
  let aimed = 0, other = 0, mostAimed = 0, fewestOther = null;
  for (let i = 0; i < sorted.length; ++i) {
    if (sorted[i].right) ++aimed;
    else ++other;
    if (i + 1 < sorted.length && sorted[i + 1].p === sorted[i].p) continue;
    if (other <= 0.05 * taps) mostAimed = Math.max(mostAimed, aimed);
    if (aimed >= 0.85 * taps && fewestOther === null) fewestOther = other;
  }
  const pct = (n) => `${((100 * n) / taps).toFixed(1)} %`;
  return `${pct(mostAimed)} aimed with at most 5 % another line; ${
    fewestOther === null ? 'never 85 % aimed' : `${pct(fewestOther)} another line at 85 % aimed`}`;
}

// Where a canvas point (fractions allowed) lies on the page.
async function pageGeometry(page) {
  return page.$eval('canvas', (c) => {
    const b = c.getBoundingClientRect();
    return { left: b.left, top: b.top, scale: b.width / c.width, width: c.width, height: c.height };
  });
}
const toPage = (g, x, y) => ({ x: g.left + x * g.scale, y: g.top + y * g.scale });

// What a tap did to the saved game: the line the player drew, or -1 after a while without change.
async function drewAfter(page, before, act) {
  await act();
  for (let i = 0; i < 40; ++i) {
    await sleep(25);
    const now = await pageSavedBoard(page);
    if (JSON.stringify(now) === JSON.stringify(before)) continue;
    const drawn = now.findIndex((o, cell) => isLine(cell) && o === -1 && before[cell] !== -1);
    return drawn;
  }
  return -1;
}

async function runPage(chromium, server, viewport) {
  const counts = { aimed: 0, other: 0, nothing: 0, slid: 0, slides: 0 };
  const certainties = [];
  let page = null, context = null, finger, g, m, perMm;
  const fresh = async () => {
    if (context) await context.close();
    context = await chromium.browser.createBrowserContext();
    page = await context.newPage();
    await page.setViewport({ width: viewport.width, height: viewport.height, deviceScaleFactor: 3, hasTouch: true, isMobile: true });
    await page.goto(server.url + NoPauses, { waitUntil: 'load' });
    await waitForScreenOf(page, viewport.width > viewport.height);
    // A busy machine may show the page a moment before its screen takes the shape's size.
    for (let i = 0; ; ++i) {
      g = await pageGeometry(page);
      m = layouts[`${g.width}x${g.height}`];
      if (m) break;
      if (i === 200) throw new Error(`the page shows a ${g.width} x ${g.height} screen, not one of ${Object.keys(layouts)}`);
      await sleep(50);
    }
    perMm = CssPixelsPerMm / g.scale;  // canvas pixels a millimetre
    finger = await fingers(page);
    for (let i = 0; i < 200 && (await pageSavedBoard(page)) === null; ++i) await sleep(25);
  };
  await fresh();
  console.log(`${viewport.width} x ${viewport.height} x 3: the screen ${g.width} x ${g.height} at ${(g.scale * 3).toFixed(2)} device px a pixel, a line every ${((m.gap + m.long) / perMm).toFixed(1)} x ${((m.gap + m.across) / perMm).toFixed(1)} mm`);
  const board = async () => {
    let owners = await pageSavedBoard(page);
    if (freeLines(owners).length < 40) {
      await fresh();
      owners = await pageSavedBoard(page);
    }
    return owners;
  };
  for (let i = 0; i < tapsPerPage; ++i) {
    const owners = await board();
    const free = freeLines(owners);
    const cell = free[Math.floor(random() * free.length)];
    const r = lineRect(m, cell);
    const x = r.x + r.w / 2 + gauss() * 1.5 * perMm, y = r.y + r.h / 2 + gauss() * 1.5 * perMm;
    const drawn = await drewAfter(page, owners, () => finger.tapAt(toPage(g, x, y)));
    certainties.push(certainty(m, owners, cell, x, y, 1.5 * perMm));
    if (drawn === cell) ++counts.aimed;
    else if (drawn === -1) ++counts.nothing;
    else ++counts.other;
  }
  for (let i = 0; i < slidesPerPage; ++i) {
    const owners = await board();
    const free = freeLines(owners);
    const cell = free[Math.floor(random() * free.length)];
    const r = lineRect(m, cell);
    const mx = r.x + r.w / 2, my = r.y + r.h / 2;
    const side = random() < 0.5 ? -1 : 1, horizontal = r.w > r.h;
    const start = horizontal ? { x: mx, y: my + side * 3 * perMm } : { x: mx + side * 3 * perMm, y: my };
    const drawn = await drewAfter(page, owners, async () => {
      await finger.pressAt(toPage(g, start.x, start.y));
      for (let step = 1; step <= 4; ++step) {
        const f = step / 4;
        await finger.slideTo(toPage(g, start.x + (mx - start.x) * f, start.y + (my - start.y) * f));
      }
      await finger.lift();
    });
    ++counts.slides;
    if (drawn === cell) ++counts.slid;
  }
  await context.close();
  const pct = (n, of) => `${((100 * n) / of).toFixed(1)} %`;
  console.log(`  ${tapsPerPage} quick taps: ${pct(counts.aimed, tapsPerPage)} drew the line aimed at, ${pct(counts.other, tapsPerPage)} another line, ${pct(counts.nothing, tapsPerPage)} nothing`);
  console.log(`  at best: ${best(certainties)}`);
  console.log(`  ${counts.slides} presses 3 mm off, slid onto the line: ${pct(counts.slid, counts.slides)} drew it`);
}

const server = await serve(siteFolder);
const chromium = await launch();
try {
  await runPage(chromium, server, { width: 390, height: 844 });
  await runPage(chromium, server, { width: 844, height: 390 });
} finally {
  await chromium.close();
  await server.close();
}
