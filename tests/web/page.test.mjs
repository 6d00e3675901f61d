// The page around the game: the screen filling a phone upright and sideways and a desktop
// page, installable, playing with the network gone, a new build taking over from an old
// one, and a browser that keeps nothing.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cp, mkdtemp, readFile, rm, stat, writeFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, test } from 'node:test';
import { cellMiddle, drawn, loadSheets, OwnerComputer, readBoard } from './board.mjs';
import { contentType, launch, resolveInside, serve, tap } from './harness.mjs';
import { freeLine, NoPauses, openGame, pageSavedBoard, resFolder, settled, siteFolder, sleep } from './site.mjs';

const serviceWorkerScript = fileURLToPath(new URL('../../tools/web/service-worker.sh', import.meta.url));

let sheets;
before(async () => (sheets = await loadSheets(resFolder)));

// The middle of a line on the 800 x 480 screen, whose board lies further right and is
// flatter than the upright screens' (cellMiddle's).
function sidewaysMiddle(cell) {
  const top = 52, originX = 106, originY = 62, gap = 14, long = 68, short = 26, thick = 14;
  const row = Math.floor(cell / 22), offset = cell % 22;
  if (offset <= 6)
    return { x: originX + gap + (gap + long) * offset + long / 2, y: top + originY + (gap + short) * row + thick / 2 };
  return { x: originX + (gap + long) * ((offset - 7) / 2) + thick / 2, y: top + originY + gap + (gap + short) * row + short / 2 };
}

// Taps a free line (a finger's tap where `touch`) and waits until the move and the answer
// are saved.
async function playLine(page, owners, from, { touch = false, sideways = false } = {}) {
  const before = await pageSavedBoard(page);
  const cell = freeLine(owners, from);
  const { x, y } = sideways ? sidewaysMiddle(cell) : cellMiddle(cell);
  await tap(page, x, y, { touch });
  return settled(() => pageSavedBoard(page), before);
}

// The game the page saved once the computer opened it, whatever the screen.
async function savedOpening(page) {
  for (let i = 0; i < 100; ++i) {
    const owners = await pageSavedBoard(page);
    if (owners && drawn(owners, OwnerComputer).length > 0) return owners;
    await sleep(50);
  }
  assert.fail('no game saved');
}

// Waits until the canvas shows `owners`.
async function shows(page, owners) {
  let board;
  for (let i = 0; i < 100; ++i) {
    board = await readBoard(page, sheets);
    if (JSON.stringify(board.owners) === JSON.stringify(owners)) return;
    await sleep(50);
  }
  assert.deepEqual(board.owners, owners, 'the canvas does not show the saved board');
}

async function openingBoard(page) {
  for (let i = 0; i < 100; ++i) {
    const board = await readBoard(page, sheets);
    if (drawn(board.owners, OwnerComputer).length > 0) return board.owners;
    await sleep(50);
  }
  assert.fail('no board on the screen');
}

// Where the page shows the screen, and how: the canvas's own size, its box in CSS pixels,
// the room inside the safe area, and whether the smoothed picture is over it.
const placement = (page) =>
  page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    const box = canvas.getBoundingClientRect();
    // The page less its safe area; the whole page where the page does not say.
    const safe = document.getElementById('room');
    const room = safe ? safe.getBoundingClientRect() : { left: 0, top: 0, width: innerWidth, height: innerHeight };
    const shown = document.getElementById('shown') || { width: 0, height: 0 };
    return {
      screen: [canvas.width, canvas.height],
      box: { left: box.left, top: box.top, width: box.width, height: box.height },
      room: { left: room.left, top: room.top, width: room.width, height: room.height },
      crisp: canvas.classList.contains('crisp'),
      smooth: shown instanceof HTMLElement && getComputedStyle(shown).display !== 'none',
      shownSize: [shown.width, shown.height],
    };
  });

// The handheld pixels whose neighbours all have their colour, compared with the middle of
// where the page shows them: the enlarged picture must be the screen, pixel for pixel, in
// place. Gives the number of pixels that differ, of those looked at.
const enlargedMismatches = (page) =>
  page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    const shown = document.getElementById('shown');
    const from = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const to = shown.getContext('2d').getImageData(0, 0, shown.width, shown.height).data;
    const scaleX = shown.width / canvas.width, scaleY = shown.height / canvas.height;
    const at = (x, y) => (y * canvas.width + x) * 4;
    let looked = 0, differ = 0;
    for (let y = 1; y < canvas.height - 1; y += 3)
      for (let x = 1; x < canvas.width - 1; x += 3) {
        const i = at(x, y);
        let even = true;
        for (let dy = -1; dy <= 1 && even; ++dy)
          for (let dx = -1; dx <= 1 && even; ++dx)
            for (let c = 0; c < 3; ++c) if (from[at(x + dx, y + dy) + c] !== from[i + c]) even = false;
        if (!even) continue;
        ++looked;
        const j = (Math.floor((y + 0.5) * scaleY) * shown.width + Math.floor((x + 0.5) * scaleX)) * 4;
        if (Math.abs(to[j] - from[i]) > 2 || Math.abs(to[j + 1] - from[i + 1]) > 2 || Math.abs(to[j + 2] - from[i + 2]) > 2)
          ++differ;
      }
    return { looked, differ };
  });

// The built site served and a Chromium, for the tests of one describe block: `server` and
// `chromium` of what it gives back are there once the block's `before` has run.
function siteInChromium() {
  const served = {};
  before(async () => {
    served.server = await serve(siteFolder);
    served.chromium = await launch();
  });
  after(async () => {
    await served.chromium?.close();
    await served.server?.close();
  });
  return served;
}

describe('the screen fills the page', () => {
  const served = siteInChromium();

  // A phone shows its taller screen across the whole short side, smoothed evenly; a desktop
  // page the screen of its shape, sharp, by a whole factor.
  const pages = [
    { name: 'a phone held upright, 390 x 844 at 3 device pixels', viewport: { width: 390, height: 844, scale: 3, touch: true }, screen: [480, 800], side: 'width' },
    { name: 'a phone held sideways, 844 x 390 at 3 device pixels', viewport: { width: 844, height: 390, scale: 3, touch: true }, screen: [800, 480], side: 'height' },
    { name: 'a desktop page of 1280 x 800', viewport: { width: 1280, height: 800 }, screen: [800, 480], factor: 1 },
  ];
  for (const { name, viewport, screen, side, factor } of pages)
    test(name, async () => {
      const { page, errors } = await openGame(served.chromium.browser, served.server.url + NoPauses, viewport);
      try {
        let owners = await savedOpening(page);
        const shape = await placement(page);
        assert.deepEqual(shape.screen, screen, 'the screen chosen');
        const { box, room } = shape;
        assert.ok(box.left >= room.left - 0.5 && box.top >= room.top - 0.5, 'inside the room');
        assert.ok(box.left + box.width <= room.left + room.width + 0.5 && box.top + box.height <= room.top + room.height + 0.5, 'inside the room');
        if (factor) {
          assert.deepEqual([box.width, box.height], [screen[0] * factor, screen[1] * factor], 'a whole factor');
          assert.ok(shape.crisp && !shape.smooth, 'sharp pixels');
        } else {
          const covered = side === 'width' ? box.width / room.width : box.height / room.height;
          assert.ok(covered >= 0.9, `the screen covers ${(covered * 100).toFixed(1)} % of the page's ${side}`);
          assert.ok(shape.smooth, 'the enlarged picture is shown');
          assert.deepEqual(shape.shownSize, [Math.round(box.width * viewport.scale), Math.round(box.height * viewport.scale)]);
          const first = await enlargedMismatches(page);
          assert.ok(first.looked > 5000 && first.differ === 0, `${first.differ} of ${first.looked} pixels differ`);
          // A finger's move shows there too.
          const picture = await page.$eval('#shown', (shown) => shown.toDataURL());
          owners = await playLine(page, owners, 0, { touch: true, sideways: screen[0] > screen[1] });
          await sleep(200);
          assert.notEqual(await page.$eval('#shown', (shown) => shown.toDataURL()), picture, 'the move shown');
          const afterMove = await enlargedMismatches(page);
          assert.equal(afterMove.differ, 0, 'after a move');
        }
        assert.deepEqual(errors, []);
      } finally {
        await page.close();
      }
    });

  test('a page that changes shape chooses again, the game kept', async () => {
    const { page, errors } = await openGame(served.chromium.browser, served.server.url + NoPauses, { width: 500, height: 700 });
    try {
      let owners = await openingBoard(page);
      owners = await playLine(page, owners, 30);
      const turns = [
        [{ width: 700, height: 1000 }, [480, 800]],
        [{ width: 1280, height: 800 }, [800, 480]],
        [{ width: 700, height: 560 }, [640, 480]],
        [{ width: 500, height: 700 }, [480, 640]],
      ];
      for (const [viewport, want] of turns) {
        await page.setViewport(viewport);
        let shape;
        for (let i = 0; i < 60; ++i) {
          shape = await placement(page);
          if (JSON.stringify(shape.screen) === JSON.stringify(want)) break;
          await sleep(50);
        }
        assert.deepEqual(shape.screen, want, `on a page of ${viewport.width} x ${viewport.height}`);
      }
      await shows(page, owners);
      assert.deepEqual(errors, []);
    } finally {
      await page.close();
    }
  });
});

// A server of the site that can go away (as the network does) and be given another build.
async function switchableServer(root) {
  const sockets = new Set();
  const state = { root, down: false };
  const server = createServer(async (request, response) => {
    if (state.down) return request.socket.destroy();
    const file = resolveInside(state.root, request.url);
    let body = null;
    try {
      if (file !== null && (await stat(file)).isFile()) body = await readFile(file);
    } catch {
      body = null;
    }
    if (body === null) {
      response.writeHead(404);
      return response.end();
    }
    response.writeHead(200, { 'Content-Type': contentType(file), 'Cache-Control': 'no-store' });
    response.end(body);
  });
  server.on('connection', (socket) => {
    sockets.add(socket);
    socket.on('close', () => sockets.delete(socket));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    goDown() {
      state.down = true;
      for (const socket of sockets) socket.destroy();
    },
    close: () => {
      for (const socket of sockets) socket.destroy();
      return new Promise((resolve) => server.close(resolve));
    },
  };
}

// Waits until the page's service worker has kept the site and runs; gives its cache's name.
async function siteKept(page) {
  await page.waitForFunction(
    () => navigator.serviceWorker.getRegistration().then((r) => !!(r && r.active && r.active.state === 'activated')),
    { timeout: 20000, polling: 100 },
  );
  return page.evaluate(() => caches.keys());
}

const buildOf = async (site) => (await readFile(join(site, 'sw.js'), 'utf8')).match(/const Build = '([0-9a-z.-]+)'/)[1];

describe('installed and offline', () => {
  let site;
  before(async () => {
    site = await mkdtemp(join(tmpdir(), 'marlix-site-'));
    await cp(siteFolder, site, { recursive: true });
  });
  after(async () => site && rm(site, { recursive: true, force: true }));

  // The copy of the site served, the game opened on it in a fresh Chromium, `play` run on
  // its page, and no error on the page's console; the browser and server closed after.
  async function playSite(play) {
    const server = await switchableServer(site);
    const chromium = await launch();
    try {
      const { page, errors } = await openGame(chromium.browser, server.url + NoPauses);
      await play(page, server);
      assert.deepEqual(errors, []);
    } finally {
      await chromium.close();
      await server.close();
    }
  }

  test('the browser finds the page installable, with its icons and favicon', () =>
    playSite(async (page, server) => {
      await siteKept(page);
      const session = await page.createCDPSession();
      const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
      assert.deepEqual(installabilityErrors, []);
      const manifest = JSON.parse(await readFile(join(site, 'manifest.webmanifest'), 'utf8'));
      assert.ok(['standalone', 'fullscreen'].includes(manifest.display));
      const icons = await page.evaluate(
        (icons) =>
          Promise.all(
            icons.map(
              (icon) =>
                new Promise((resolve) => {
                  const image = new Image();
                  image.onload = () => resolve(`${icon.purpose} ${icon.sizes} ${image.naturalWidth}x${image.naturalHeight}`);
                  image.onerror = () => resolve(`${icon.src} does not load`);
                  image.src = icon.src;
                }),
            ),
          ),
        manifest.icons,
      );
      for (const want of ['any 192x192 192x192', 'any 512x512 512x512', 'maskable 512x512 512x512'])
        assert.ok(icons.includes(want), `${want} among ${icons}`);
      const favicon = await page.$eval('link[rel="icon"]', (link) => link.href);
      assert.doesNotMatch(favicon, /^data:/);
    }));

  test('with the network gone a reload plays, and shows the saved game', () =>
    playSite(async (page, server) => {
      let owners = await openingBoard(page);
      for (let step = 0; step < 3; ++step) owners = await playLine(page, owners, step * 40);
      assert.deepEqual(await siteKept(page), [`marlix-pentro-${await buildOf(site)}`]);
      server.goDown();
      await page.reload({ waitUntil: 'load' });
      await shows(page, owners);
      owners = await playLine(page, owners, 100);
      await shows(page, owners);
      // The help page and its pictures come from the cache as well.
      const help = await page.evaluate(async () => {
        const text = await (await fetch('res/Marlix%20Pentro.htm')).text();
        const pictures = [...text.matchAll(/src="([^"]+)"/g)].map((m) => m[1]);
        const sizes = await Promise.all(pictures.map(async (p) => (await fetch('res/' + p)).status));
        return { length: text.length, sizes };
      });
      assert.ok(help.length > 1000 && help.sizes.length > 0 && help.sizes.every((s) => s === 200), JSON.stringify(help));
    }));

  test('a new build replaces the old one at the next start, whose cache then goes', () =>
    playSite(async (page, server) => {
      const owners = await playLine(page, await openingBoard(page), 50);
      const first = await buildOf(site);
      assert.deepEqual(await siteKept(page), [`marlix-pentro-${first}`]);

      // The next build differs in its page.
      const index = join(site, 'index.html');
      await writeFile(index, (await readFile(index, 'utf8')).replace('<title>', '<meta name="marlix-test-mark" content="second">\n<title>'));
      execFileSync('sh', [serviceWorkerScript, site]);
      const second = await buildOf(site);
      assert.notEqual(second, first);
      const marked = () => page.evaluate(() => document.querySelector('meta[name="marlix-test-mark"]') !== null);

      // A start while the old build is kept plays the old build, and fetches the new one,
      // which takes over once it is kept whole.
      await page.reload({ waitUntil: 'load' });
      await shows(page, owners);
      assert.equal(await marked(), false, 'the old build plays on');
      await page.waitForFunction(
        (second) => caches.has(`marlix-pentro-${second}`).then((has) => has && navigator.serviceWorker.getRegistration().then((r) => !r.waiting && !r.installing)),
        { timeout: 20000, polling: 100 },
        second,
      );
      // The next start plays the new build.
      await page.reload({ waitUntil: 'load' });
      await page.waitForFunction(() => document.querySelector('meta[name="marlix-test-mark"]') !== null, { timeout: 20000 });
      await shows(page, owners);
      let names;
      for (let i = 0; i < 50; ++i) {
        names = await page.evaluate(() => caches.keys());
        if (names.length === 1) break;
        await sleep(100);
      }
      assert.deepEqual(names, [`marlix-pentro-${second}`]);
    }));
});

describe('a browser that keeps nothing', () => {
  const served = siteInChromium();

  // Put in place before the page's own script runs.
  const browsers = [
    ['without IndexedDB', () => Object.defineProperty(window, 'indexedDB', { get: () => undefined, configurable: true })],
    [
      'whose IndexedDB refuses',
      () => {
        IDBFactory.prototype.open = function () {
          const request = { error: new DOMException('The storage is switched off', 'UnknownError') };
          setTimeout(() => request.onerror && request.onerror({ target: request, preventDefault() {} }), 20);
          return request;
        };
      },
    ],
    ['whose IndexedDB never answers', () => (IDBFactory.prototype.open = () => ({}))],
  ];
  for (const [name, breakStorage] of browsers)
    test(`plays in a browser ${name}, and says once that the game is not kept`, async () => {
      const page = await served.chromium.browser.newPage();
      const errors = [];
      const notices = [];
      page.on('pageerror', (error) => errors.push(error.message));
      page.on('console', (message) => {
        if (message.type() === 'error') errors.push(message.text());
        if (/not be kept/.test(message.text())) notices.push(message.text());
      });
      try {
        await page.evaluateOnNewDocument(breakStorage);
        await page.setViewport({ width: 480, height: 640 });
        await page.goto(served.server.url + NoPauses, { waitUntil: 'load' });
        let owners = await openingBoardWithin(page, 15000);
        for (let step = 0; step < 3; ++step) owners = await playLine(page, owners, step * 50);
        await shows(page, owners);
        const notice = await page.$eval('#unkept', (p) => ({ shown: getComputedStyle(p).display !== 'none', text: p.textContent }));
        assert.ok(notice.shown, 'the notice');
        assert.match(notice.text, /will not keep the game/);
        assert.equal(notices.length, 1, `told ${notices.length} times`);
        assert.deepEqual(errors, []);
      } finally {
        await page.close();
      }
    });
});

async function openingBoardWithin(page, timeout) {
  await page.waitForFunction(() => document.getElementById('canvas').width > 0, { timeout });
  const end = Date.now() + timeout;
  while (Date.now() < end) {
    const board = await readBoard(page, sheets).catch(() => null);
    if (board && drawn(board.owners, OwnerComputer).length > 0) return board.owners;
    await sleep(100);
  }
  assert.fail('no board on the screen');
}
