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
  let page = null, context = null, finger, g, m, perMm;
  const fresh = async () => {
    if (context) await context.close();
    context = await chromium.browser.createBrowserContext();
    page = await context.newPage();
    await page.setViewport({ width: viewport.width, height: viewport.height, deviceScaleFactor: 3, hasTouch: true, isMobile: true });
    await page.goto(server.url + NoPauses, { waitUntil: 'load' });
    await waitForScreenOf(page, viewport.width > viewport.height);
    g = await pageGeometry(page);
    m = layouts[`${g.width}x${g.height}`];
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
