// The web version's figures, in Debian's headless Chromium on loopback, run by hand after
// tools/web/build.sh (the browser tests' npm packages installed: tools/install-deps.sh
// webtest):
//
//   node bench/web/page.mjs [loads] [taps] [idle seconds]
//
// Page load to the first frame of the board (a fresh browser profile each time); the bytes
// the page downloads, raw and as gzip -9 would send them; a tap to the frame that shows the
// tapped line; and the page's main-thread time while it idles.
import { gzipSync } from 'node:zlib';
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { launch, serve, tap } from '../../tests/web/harness.mjs';
import { cellMiddle, lineCells } from '../../tests/web/board.mjs';
import { NoPauses, siteFolder, sleep } from '../../tests/web/site.mjs';

const loads = Number(process.argv[2] || 5);
const taps = Number(process.argv[3] || 10);
const idleSeconds = Number(process.argv[4] || 10);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const summary = (values, unit = 'ms') =>
  `median ${median(values).toFixed(1)} ${unit}, min ${Math.min(...values).toFixed(1)}, max ${Math.max(...values).toFixed(1)} (${values.length} runs)`;

// Resolves, in the page, with the time (ms since the navigation started) of the first
// animation frame whose canvas shows the computer's opening line over the board: the first
// whole paint.
const firstFrame = () =>
  new Promise((resolve) => {
    const look = () => {
      const canvas = document.getElementById('canvas');
      if (canvas && canvas.width === 480) {
        // The opening line's middle, cell 61, in the computer's red.
        const [r, g, b] = canvas.getContext('2d').getImageData(333, 52 + 62 + 14 + 62 * 2 + 24, 1, 1).data;
        if (r > 150 && g < 120 && b < 120) return resolve(performance.now());
      }
      requestAnimationFrame(look);
    };
    requestAnimationFrame(look);
  });

const server = await serve(siteFolder);
const chromium = await launch();
try {
  // 1. Load to first frame, and what was downloaded.
  const times = [];
  let requests = [];
  for (let i = 0; i < loads; ++i) {
    const context = await chromium.browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 480, height: 640 });
    server.counter.requests.length = 0;
    await page.evaluateOnNewDocument(`window.marlixFirstFrame = (${firstFrame.toString()})();`);
    await page.goto(server.url, { waitUntil: 'load' });
    times.push(await page.evaluate(() => window.marlixFirstFrame));
    requests = [...server.counter.requests];
    await context.close();
  }
  console.log(`page load to the first frame of the board: ${summary(times)}`);

  let raw = 0, gzipped = 0;
  for (const request of new Set(requests)) {
    const path = request === '/' ? 'index.html' : decodeURIComponent(request.slice(1).split('?')[0]);
    const bytes = await readFile(join(siteFolder, path));
    const packed = gzipSync(bytes, { level: 9 }).length;
    raw += bytes.length;
    gzipped += packed;
    console.log(`  ${path}: ${bytes.length} bytes, ${packed} with gzip`);
  }
  console.log(`bytes the page downloads: ${raw} raw, ${gzipped} with gzip (aim: 1500000)`);

  // 2. A tap to the frame that shows its line, the pauses off so that the computer's
  // answers stay out of the way; and 3. the idle page.
  const context = await chromium.browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 480, height: 640 });
  await page.evaluateOnNewDocument(`window.marlixFirstFrame = (${firstFrame.toString()})();`);
  await page.goto(server.url + NoPauses, { waitUntil: 'load' });
  await page.evaluate(() => window.marlixFirstFrame);
  const frameGap = await page.evaluate(
    () =>
      new Promise((resolve) => {
        const stamps = [];
        const step = (t) => (stamps.push(t), stamps.length < 31 ? requestAnimationFrame(step) : resolve((stamps[30] - stamps[0]) / 30));
        requestAnimationFrame(step);
      }),
  );
  const delays = [];
  for (const cell of lineCells.filter((c) => c !== 61).slice(0, taps)) {
    const { x, y } = cellMiddle(cell);
    const waiting = page.evaluate(
      (x, y) =>
        new Promise((resolve) => {
          const canvas = document.getElementById('canvas');
          const context = canvas.getContext('2d');
          const before = context.getImageData(x, y, 1, 1).data.join();
          let tappedAt = null;
          canvas.addEventListener('pointerdown', (event) => (tappedAt = event.timeStamp), { once: true, capture: true });
          const look = (now) => {
            if (tappedAt !== null && context.getImageData(x, y, 1, 1).data.join() !== before)
              return resolve(now - tappedAt);
            requestAnimationFrame(look);
          };
          requestAnimationFrame(look);
        }),
      x,
      y,
    );
    await sleep(50);
    await tap(page, x, y);
    delays.push(await waiting);
    await sleep(300);
  }
  console.log(`tap to the frame that shows the line: ${summary(delays)}; one animation frame: ${frameGap.toFixed(1)} ms`);

  // The sound device lingers a little after the last sound; the page is left alone first.
  await sleep(3000);
  const start = await page.metrics();
  await sleep(idleSeconds * 1000);
  const end = await page.metrics();
  const task = (end.TaskDuration - start.TaskDuration) * 1000;
  const script = (end.ScriptDuration - start.ScriptDuration) * 1000;
  console.log(
    `idle page over ${idleSeconds} s: ${task.toFixed(1)} ms of main-thread tasks, ${script.toFixed(1)} ms of script (aim: none)`,
  );
  await context.close();
} finally {
  await chromium.close();
  await server.close();
}
