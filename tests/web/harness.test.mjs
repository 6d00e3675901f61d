// The harness's own checks: what the server hands out, and that taps and pixels meet the
// canvas where they should, on a stand-in page, in every browser engine.
import assert from 'node:assert/strict';
import { mkdtemp, mkdir, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { chosenEngines, eachEngine } from './engines.mjs';
import { canvasPixels, contentType, open, resolveInside, serve, tap, waitForScreen } from './harness.mjs';
import { watchedAgentWord } from './watcher.mjs';
import { keyValue } from './webdriver.mjs';

describe('static server', () => {
  test('requests stay inside the folder served', () => {
    const root = '/srv/site';
    const cases = [
      ['/', '/srv/site/index.html'],
      ['/marlix-pentro.wasm?v=1', '/srv/site/marlix-pentro.wasm'],
      ['/res/Marlix%20Pentro.htm', '/srv/site/res/Marlix Pentro.htm'],
      ['/res/../index.html', '/srv/site/index.html'],
      ['/../etc/passwd', null],
      ['/%2e%2e/etc/passwd', null],
      ['/res/%2e%2e/%2e%2e/x', null],
      ['/a%00b', null],
      ['/%E0%A4%A', null],
    ];
    for (const [url, want] of cases) assert.equal(resolveInside(root, url), want, url);
  });

  test('types browsers insist on', () => {
    const cases = [
      ['x.wasm', 'application/wasm'],
      ['x.js', 'text/javascript; charset=utf-8'],
      ['Marlix Pentro.HTM', 'text/html; charset=utf-8'],
      ['x.data', 'application/octet-stream'],
      ['no-extension', 'application/octet-stream'],
    ];
    for (const [path, want] of cases) assert.equal(contentType(path), want, path);
  });

  test('puts the error watcher into HTML pages only, and only for the browser that asks for it', async () => {
    const root = await mkdtemp(join(tmpdir(), 'marlix-serve-'));
    const page = '<!doctype html>\n<html lang="en">\n<head>\n<script>window.first = 1;</script>\n</head></html>\n';
    await writeFile(join(root, 'index.html'), page);
    await writeFile(join(root, 'a.js'), '<head>');
    const server = await serve(root);
    try {
      const get = async (path, agent) => (await fetch(server.url + path, { headers: { 'User-Agent': agent } })).text();
      assert.equal(await get('', 'Mozilla/5.0 Chrome'), page, 'an engine that reports errors itself');
      const watched = await get('', `Mozilla/5.0 Safari ${watchedAgentWord}`);
      assert.ok(watched.startsWith('<!doctype html>\n<html lang="en">\n<head><script>'), watched.slice(0, 80));
      assert.ok(watched.indexOf('sessionStorage') < watched.indexOf('window.first'), 'the watcher comes before the page\'s scripts');
      assert.equal(await get('a.js', watchedAgentWord), '<head>', 'a script is left alone');
      assert.equal(server.counter.bytes, 2 * page.length + 6, 'the watcher is not counted');
    } finally {
      await server.close();
      await rm(root, { recursive: true, force: true });
    }
  });

  test('serves files with their type, counts the bytes, and answers 404 otherwise', async () => {
    const root = await mkdtemp(join(tmpdir(), 'marlix-serve-'));
    await mkdir(join(root, 'res'));
    await writeFile(join(root, 'a.wasm'), Buffer.from([0, 0x61, 0x73, 0x6d]));
    const server = await serve(root);
    try {
      const wasm = await fetch(server.url + 'a.wasm');
      assert.equal(wasm.status, 200);
      assert.equal(wasm.headers.get('content-type'), 'application/wasm');
      assert.equal((await wasm.arrayBuffer()).byteLength, 4);
      assert.equal((await fetch(server.url + 'missing.js')).status, 404);
      assert.equal((await fetch(server.url + 'res/')).status, 404, 'a folder without an index');
      assert.equal(server.counter.bytes, 4);
    } finally {
      await server.close();
      await rm(root, { recursive: true, force: true });
    }
  });
});

describe('engines and their keys', () => {
  test('MARLIX_ENGINES picks engines in its order, and names no engine that does not exist', () => {
    assert.deepEqual(chosenEngines('').map((e) => e.name), ['chromium', 'firefox', 'webkit']);
    assert.deepEqual(chosenEngines('webkit, chromium').map((e) => e.name), ['webkit', 'chromium']);
    assert.throws(() => chosenEngines('chromium,safari'), /no engine "safari"/);
  });

  test('puppeteer\'s key names as WebDriver key values', () => {
    const cases = [
      ['Control', '\uE009'],
      ['F1', '\uE031'],
      ['F12', '\uE03C'],
      ['KeyQ', 'q'],
      ['Digit7', '7'],
      ['ArrowDown', '\uE015'],
      ['Enter', '\uE007'],
      ['y', 'y'],
    ];
    for (const [key, want] of cases) assert.equal(keyValue(key), want, key);
    assert.throws(() => keyValue('F13'), /no WebDriver key/);
  });
});

eachEngine('the stand-in page', (engine) => {
  let server, browser;
  before(async () => {
    server = await serve(fileURLToPath(new URL('fixture/', import.meta.url)));
    browser = await engine.launch();
  });
  after(async () => {
    await browser?.close();
    await server?.close();
  });

  // The page shows its 48 × 64 canvas at 240 × 320 CSS pixels, off the page's corner.
  const viewports = [
    { name: 'desktop', width: 1280, height: 800, scale: 1, touch: false },
    { name: 'phone', width: 390, height: 844, scale: 3, touch: true },
  ];
  for (const viewport of viewports.filter((v) => !v.touch || (engine.can.touch && engine.can.phone))) {
    test(`${viewport.name}: pixels read and taps land on the canvas's own pixels`, async () => {
      const { page, errors } = await open(browser.browser, server.url, viewport);
      await waitForScreen(page);
      const pixels = await canvasPixels(page);
      assert.deepEqual([pixels.width, pixels.height], [48, 64]);
      assert.deepEqual(pixels.rgb(0, 0), [255, 0, 0]);
      assert.deepEqual(pixels.rgb(47, 0), [0, 255, 0]);
      assert.deepEqual(pixels.rgb(0, 63), [0, 0, 255]);
      assert.deepEqual(pixels.rgb(24, 32), [255, 255, 0]);
      const spots = [
        [0, 0],
        [47, 63],
        [23, 31],
        [24, 32],
      ];
      for (const [x, y] of spots) await tap(page, x, y, { touch: viewport.touch });
      const taps = await page.evaluate(() => window.taps);
      assert.deepEqual(
        taps.map((t) => [t.x, t.y]),
        spots,
      );
      assert.ok(taps.every((t) => t.type === (viewport.touch ? 'touch' : 'mouse')));
      assert.deepEqual(errors, []);
      await page.close();
    });
  }

  test('the page\'s size, keys, a reload and tabs come out alike in every engine', async () => {
    const { page, errors } = await open(browser.browser, server.url, { width: 640, height: 480 });
    assert.deepEqual(await page.evaluate(() => [innerWidth, innerHeight]), [640, 480]);
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyQ');
    await page.keyboard.up('Control');
    for (const key of ['Tab', 'ArrowDown', 'Enter', 'y']) await page.keyboard.press(key);
    const want = [['Control', true], ['q', true], ['Tab', false], ['ArrowDown', false], ['Enter', false], ['y', false]];
    assert.deepEqual(await page.evaluate(() => window.keys), want);

    await page.evaluate(() => (window.before = 1));
    await Promise.all([page.waitForNavigation(), page.evaluate(() => setTimeout(() => location.reload(), 100))]);
    assert.equal(await page.evaluate(() => window.before ?? null), null, 'a new document');

    // A second tab, then both closed and a third opened: each plays on its own.
    const second = await open(browser.browser, server.url);
    await tap(second.page, 1, 1);
    await page.close();
    await second.page.close();
    const third = await open(browser.browser, server.url);
    await tap(third.page, 30, 40);
    assert.deepEqual(await third.page.evaluate(() => window.taps.map((t) => [t.x, t.y])), [[30, 40]]);
    assert.deepEqual([...errors, ...second.errors, ...third.errors], []);
    await third.page.close();
  });

  test('what goes wrong while the page loads is collected too, and kept across a reload', async () => {
    const { page, errors } = await open(browser.browser, server.url + 'broken.html');
    const seen = async (count) => {
      for (let i = 0; i < 40 && errors.length < count; ++i) await new Promise((resolve) => setTimeout(resolve, 50));
      return `collected: ${JSON.stringify(errors)}`;
    };
    await seen(2);
    assert.ok(errors.some((e) => e.startsWith('exception:') && e.includes('broken while loading')), await seen(2));
    assert.ok(errors.some((e) => e.includes('missing.png')), await seen(2));
    await page.reload({ waitUntil: 'load' });
    await seen(4);
    assert.equal(errors.filter((e) => e.includes('broken while loading')).length, 2, await seen(4));
    await page.close();
  });

  test('console errors, exceptions and missing files are collected', async () => {
    const { page, errors } = await open(browser.browser, server.url);
    await page.evaluate(() => {
      console.error('broken');
      console.warn('only a warning');
      setTimeout(() => {
        throw new Error('thrown');
      });
      return fetch('missing.wasm');
    });
    // Some engines report a little later than others.
    for (let i = 0; i < 40 && errors.length < 3; ++i) await new Promise((resolve) => setTimeout(resolve, 50));
    assert.ok(errors.includes('console: broken'), errors.join('\n'));
    assert.ok(errors.some((e) => e.startsWith('exception:') && e.includes('thrown')), errors.join('\n'));
    assert.ok(errors.some((e) => e.startsWith('HTTP 404') && e.endsWith('/missing.wasm')), errors.join('\n'));
    assert.ok(!errors.some((e) => e.includes('only a warning')));
    await page.close();
  });
});
