// The web version's figures, in Debian's headless Chromium on loopback, run by hand after
// tools/web/build.sh (the browser tests' npm packages installed: tools/install-deps.sh
// webtest):
//
//   node bench/web/page.mjs [loads] [taps] [idle seconds] [phone]
//
// Page load to the first frame of the board (a fresh browser profile each time); the bytes
// the page downloads, raw and as gzip -9 would send them, and those of the whole site its
// service worker keeps; a tap to the frame that shows the tapped line; and the page's
// main-thread time while it idles. Then the same once more for the page as its service
// worker serves it, a reload with the site kept.
import { gzipSync } from 'node:zlib';
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { launch, serve, tap } from '../../tests/web/harness.mjs';
import { cellMiddle, lineCells } from '../../tests/web/board.mjs';
import { freeLine, NoPauses, pageSavedBoard, siteFolder, sleep } from '../../tests/web/site.mjs';

const loads = Number(process.argv[2] || 5);
const taps = Number(process.argv[3] || 10);
const idleSeconds = Number(process.argv[4] || 10);
// "phone": a 390 x 844 page at 3 device pixels to the CSS pixel, which shows the 480 x 800
// screen enlarged smoothly; else a 480 x 640 page showing the 480 x 640 screen as it is.
const viewport =
  process.argv[5] === 'phone'
    ? { width: 390, height: 844, deviceScaleFactor: 3, hasTouch: true, isMobile: true }
    : { width: 480, height: 640 };

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const summary = (values, unit = 'ms') =>
  values.length === 0
    ? 'no runs'
    : `median ${median(values).toFixed(1)} ${unit}, min ${Math.min(...values).toFixed(1)}, max ${Math.max(...values).toFixed(1)} (${values.length} runs)`;

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
  for (let i = 0; i < loads; ++i) {
    const context = await chromium.browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport(viewport);
    await page.evaluateOnNewDocument(`window.marlixFirstFrame = (${firstFrame.toString()})();`);
    await page.goto(server.url, { waitUntil: 'load' });
    times.push(await page.evaluate(() => window.marlixFirstFrame));
    await context.close();
  }
  console.log(`page load to the first frame of the board: ${summary(times)}`);

  // The page's own files: what it needs for its first frame, and the site the service
  // worker then keeps beside it (the help page and its pictures, the icons).
  const sizes = async (paths) => {
    let raw = 0, gzipped = 0;
    for (const path of paths) {
      const bytes = await readFile(join(siteFolder, path));
      const packed = gzipSync(bytes, { level: 9 }).length;
      raw += bytes.length;
      gzipped += packed;
      console.log(`  ${path}: ${bytes.length} bytes, ${packed} with gzip`);
    }
    return { raw, gzipped };
  };
  const pagePaths = ['index.html', 'marlix-pentro.js', 'marlix-pentro.wasm', 'marlix-pentro.data'];
  const worker = await readFile(join(siteFolder, 'sw.js'), 'utf8');
  const sitePaths = JSON.parse(worker.match(/const Files = (\[.*\]);/)[1]).filter((path) => path !== './' && !pagePaths.includes(path));
  const own = await sizes(pagePaths);
  console.log(`bytes the page downloads for its first frame: ${own.raw} raw, ${own.gzipped} with gzip (aim: 1300000)`);
  const rest = await sizes(sitePaths);
  console.log(
    `and the rest of the site the service worker keeps (fetched again whole on a first visit, past the browser's cache): ${rest.raw} raw, ${rest.gzipped} with gzip`,
  );

  // 2. A tap to the frame that shows its line, the pauses off so that the computer's
  // answers stay out of the way; and 3. the idle page. `page` shows the board already.
  async function tapsAndIdle(page, label) {
    const frameGap = await page.evaluate(
      () =>
        new Promise((resolve) => {
          const stamps = [];
          const step = (t) => (stamps.push(t), stamps.length < 31 ? requestAnimationFrame(step) : resolve((stamps[30] - stamps[0]) / 30));
          requestAnimationFrame(step);
        }),
    );
    const delays = [];
    for (let step = 0; step < taps; ++step) {
      // A line free in the game as saved; one the computer draws meanwhile is not counted.
      const owners = await pageSavedBoard(page);
      const cell = owners ? freeLine(owners, (step * 37) % 161) : lineCells[step];
      if (cell < 0) break;
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
              if (tappedAt !== null && context.getImageData(x, y, 1, 1).data.join() !== before) return resolve(now - tappedAt);
              // A line the computer drew meanwhile changes nothing when tapped: not counted.
              if (tappedAt !== null && now - tappedAt > 2000) return resolve(null);
              requestAnimationFrame(look);
            };
            requestAnimationFrame(look);
          }),
        x,
        y,
      );
      await sleep(50);
      await tap(page, x, y);
      const delay = await waiting;
      if (delay !== null) delays.push(delay);
      await sleep(300);
    }
    console.log(`${label}: tap to the frame that shows the line: ${summary(delays)}; one animation frame: ${frameGap.toFixed(1)} ms`);

    // The sound device lingers a little after the last sound; the page is left alone first.
    await sleep(3000);
    const start = await page.metrics();
    await sleep(idleSeconds * 1000);
    const end = await page.metrics();
    const task = (end.TaskDuration - start.TaskDuration) * 1000;
    const script = (end.ScriptDuration - start.ScriptDuration) * 1000;
    console.log(
      `${label}: idle page over ${idleSeconds} s: ${task.toFixed(1)} ms of main-thread tasks, ${script.toFixed(1)} ms of script (aim: none)`,
    );
  }

  const context = await chromium.browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport(viewport);
  await page.evaluateOnNewDocument(`window.marlixFirstFrame = (${firstFrame.toString()})();`);
  await page.goto(server.url + NoPauses, { waitUntil: 'load' });
  await page.evaluate(() => window.marlixFirstFrame);
  await tapsAndIdle(page, 'from the network');

  // 4. The page as its service worker serves it: reloads with the whole site kept.
  await page.waitForFunction(() => navigator.serviceWorker.getRegistration().then((r) => !!(r && r.active && r.active.state === 'activated')), {
    timeout: 30000,
    polling: 100,
  });
  const kept = [];
  let sent = 0;
  for (let i = 0; i < loads; ++i) {
    const before = server.counter.bytes;
    await page.goto(server.url + NoPauses, { waitUntil: 'load' });
    kept.push(await page.evaluate(() => window.marlixFirstFrame));
    sent += server.counter.bytes - before;
  }
  console.log(`reload served by the service worker, to the first frame of the board: ${summary(kept)}`);
  console.log(`bytes the server sent for those ${loads} reloads (the service worker's look for a new build): ${sent}`);
  await tapsAndIdle(page, 'served by the service worker');
  await context.close();
} finally {
  await chromium.close();
  await server.close();
}
