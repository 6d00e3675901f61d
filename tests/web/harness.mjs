// Plays a page in a browser: a static server for a folder on loopback, Debian's headless
// Chromium started with a profile of its own (engines.mjs starts the others), the page's
// console errors collected, taps at the handheld's pixels and the pixels the canvas shows.
import { createServer } from 'node:http';
import { mkdtemp, readFile, rm, stat } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { extname, join, normalize, sep } from 'node:path';
import puppeteer from 'puppeteer-core';
import { isWatched, withWatcher } from './watcher.mjs';

export const chromiumPath = process.env.MARLIX_CHROMIUM || '/usr/bin/chromium';

// Without the background-networking flags Chromium keeps trying to reach its vendor's
// servers, which this machine's closed network refuses, many at a time.
export const chromiumFlags = [
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
  '--disable-default-apps',
  '--mute-audio',
];

const types = {
  '.html': 'text/html; charset=utf-8',
  '.htm': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  // Browsers compile WebAssembly while it downloads only when it comes with its own type.
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
  '.gif': 'image/gif',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json',
  '.wav': 'audio/wav',
  '.ttf': 'font/ttf',
};

export function contentType(path) {
  return types[extname(path).toLowerCase()] || 'application/octet-stream';
}

// The file a request names inside `root`, or null for one that would leave it.
export function resolveInside(root, urlPath) {
  let path;
  try {
    path = decodeURIComponent(urlPath.split('?')[0]);
  } catch {
    return null;
  }
  if (path.includes('\0')) return null;
  if (path.endsWith('/')) path += 'index.html';
  const full = normalize(join(root, path));
  const top = normalize(root + sep);
  return full.startsWith(top) ? full : null;
}

// Serves `root` on 127.0.0.1 at a port of the system's choosing. `bytes` counts what was
// sent, for the page-weight figures. A browser whose driver does not report a page's errors
// gets its HTML pages with a watcher in front (not counted in `bytes`).
export async function serve(root) {
  const counter = { bytes: 0, requests: [] };
  const server = createServer(async (request, response) => {
    const file = resolveInside(root, request.url);
    let body = null;
    if (file !== null) {
      try {
        if ((await stat(file)).isFile()) body = await readFile(file);
      } catch {
        body = null;
      }
    }
    counter.requests.push(request.url);
    if (body === null) {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('not found');
      return;
    }
    counter.bytes += body.length;
    const type = contentType(file);
    if (type.startsWith('text/html') && isWatched(request.headers['user-agent'])) body = withWatcher(body);
    response.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-store' });
    response.end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  return {
    url: `http://127.0.0.1:${port}/`,
    counter,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}

// A browser with a fresh, empty profile, removed again by `close`. The same profile may be
// handed to a second launch to see what a page kept (IndexedDB) across browser restarts.
export async function launch({ profile } = {}) {
  const userDataDir = profile || (await mkdtemp(join(tmpdir(), 'marlix-chromium-')));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    userDataDir,
    args: chromiumFlags,
  });
  return {
    browser,
    profile: userDataDir,
    close: async ({ keepProfile = false } = {}) => {
      await browser.close();
      if (!keepProfile && !profile) await rm(userDataDir, { recursive: true, force: true });
    },
  };
}

// Opens `url` in a new tab of the given viewport and collects what the page reports as
// going wrong: console errors, uncaught exceptions and requests that failed.
export async function open(browser, url, { width = 480, height = 640, scale = 1, touch = false } = {}) {
  const page = await browser.newPage();
  if (browser.webdriver) {
    await page.setViewport({ width, height, deviceScaleFactor: scale, hasTouch: touch });
    await page.goto(url);
    return { page, errors: page.errors };
  }
  const errors = [];
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(`console: ${message.text()}`);
  });
  page.on('pageerror', (error) => errors.push(`exception: ${error.message}`));
  page.on('requestfailed', (request) => errors.push(`request failed: ${request.url()}`));
  page.on('response', (response) => {
    if (response.status() >= 400) errors.push(`HTTP ${response.status()}: ${response.url()}`);
  });
  await page.setViewport({ width, height, deviceScaleFactor: scale, hasTouch: touch, isMobile: touch });
  await page.goto(url, { waitUntil: 'load' });
  return { page, errors };
}

// Waits until the canvas has the given size in its own pixels (the program sets it when its
// screen opens) and shows something other than one colour.
export async function waitForScreen(page, { selector = 'canvas', timeout = 20000 } = {}) {
  await page.waitForFunction(
    (sel) => {
      const canvas = document.querySelector(sel);
      if (!canvas || canvas.width < 2 || canvas.height < 2) return false;
      const context = canvas.getContext('2d');
      if (!context) return false;
      const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
      for (let i = 4; i < data.length; i += 4)
        if (data[i] !== data[0] || data[i + 1] !== data[1] || data[i + 2] !== data[2]) return true;
      return false;
    },
    { timeout, polling: 100 },
    selector,
  );
}

// Where the centre of a canvas pixel lies on the page, in CSS pixels: the canvas may be
// shown larger or smaller than its own size.
export async function pagePoint(page, x, y, selector = 'canvas') {
  return page.$eval(
    selector,
    (canvas, px, py) => {
      const box = canvas.getBoundingClientRect();
      return {
        x: box.left + ((px + 0.5) * box.width) / canvas.width,
        y: box.top + ((py + 0.5) * box.height) / canvas.height,
      };
    },
    x,
    y,
  );
}

// A tap at a pixel of the canvas: a mouse click, or a finger on a touch screen (the page
// must be opened with `touch`).
export async function tap(page, x, y, { touch = false, selector = 'canvas' } = {}) {
  const point = await pagePoint(page, x, y, selector);
  if (touch) await page.touchscreen.tap(point.x, point.y);
  else await page.mouse.click(point.x, point.y);
}

// The canvas's pixels in its own size: { width, height, rgb(x, y) } with rgb as [r, g, b].
export async function canvasPixels(page, selector = 'canvas') {
  const { width, height, base64 } = await page.$eval(selector, (canvas) => {
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let text = '';
    for (let i = 0; i < data.length; i += 0x8000) text += String.fromCharCode(...data.subarray(i, i + 0x8000));
    return { width: canvas.width, height: canvas.height, base64: btoa(text) };
  });
  const data = Buffer.from(base64, 'base64');
  return {
    width,
    height,
    rgb(x, y) {
      const i = (y * width + x) * 4;
      return [data[i], data[i + 1], data[i + 2]];
    },
  };
}

// Waits until the pixel at (x, y) of the canvas has the colour `rgb`, or fails after `timeout`.
export async function waitForPixel(page, x, y, rgb, { selector = 'canvas', timeout = 10000 } = {}) {
  await page.waitForFunction(
    (sel, px, py, want) => {
      const canvas = document.querySelector(sel);
      if (!canvas || px >= canvas.width || py >= canvas.height) return false;
      const d = canvas.getContext('2d').getImageData(px, py, 1, 1).data;
      return d[0] === want[0] && d[1] === want[1] && d[2] === want[2];
    },
    { timeout, polling: 50 },
    selector,
    x,
    y,
    rgb,
  );
}
