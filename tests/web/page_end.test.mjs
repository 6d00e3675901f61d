// The page's end as the window's end: a tab hidden while the computer pauses before its
// answer, or while the end-of-game question is open, and then stopped by the browser without
// a word (its renderer crashed), comes back in a new tab as the game stood when it was
// hidden. And a screen size the page's data has no pictures for is refused in one line on
// the console, the game playing at 480 x 640.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { cellMiddle, drawn, lineCells, loadSheets, OwnerComputer, OwnerUser, readBoard } from './board.mjs';
import { launch, serve, tap } from './harness.mjs';
import { freeLine, NoPauses, openGame, pageSavedBoard, resFolder, siteFolder, sleep } from './site.mjs';

const registry = '/home/web_user/.config/marlix-pentro/registry.reg';

let server, sheets;
before(async () => {
  server = await serve(siteFolder);
  sheets = await loadSheets(resFolder);
});
after(async () => server?.close());

// The saved game's text in the page's own files ('' before the first save).
const savedText = (page) =>
  page.evaluate((path) => {
    try {
      return FS.readFile(path, { encoding: 'utf8' });
    } catch {
      return '';
    }
  }, registry);
// One dword of the saved game, by its name ("f" and "F" are two values).
function savedValue(text, name) {
  const match = new RegExp(`^"${name}"=dword:([0-9a-f]{8})`, 'm').exec(text);
  return match ? parseInt(match[1], 16) | 0 : null;
}

// A saved game one move from its end: every line drawn and every box taken, 24 by each side,
// but the top-left box (cell 8), whose top and left lines (cells 0 and 7) are free; the
// player to move. The player's top line hands the computer the last box.
function nearlyFinished() {
  const occ = new Array(161).fill(0), box = new Array(161).fill(0);
  lineCells.forEach((cell, i) => (occ[cell] = i % 2 === 0 ? OwnerComputer : OwnerUser));
  let taken = 0;
  for (let r = 0; r < 7; ++r)
    for (let c = 0; c < 7; ++c) {
      const b = 22 * r + 8 + 2 * c;
      if (b === 8) continue;
      box[b] = 15;
      occ[b] = taken++ % 2 ? OwnerComputer : OwnerUser;
    }
  occ[0] = occ[7] = 0;
  box[8] = 4 | 8;
  const hex = (values) =>
    values.map((v) => [0, 8, 16, 24].map((shift) => ((v >>> shift) & 0xff).toString(16).padStart(2, '0')).join(',')).join(',');
  return (
    'Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Marlix Pentro\\Status]\n' +
    '"UserScore"=dword:00000018\n"ComputerScore"=dword:00000018\n' +
    `"box"=hex:${hex(box)}\n"occ"=hex:${hex(occ)}\n` +
    '"f"=dword:00000000\n"F"=dword:00000000\n"first"=dword:00000000\n'
  );
}

// Puts a saved game in the page's store, in the browser's IndexedDB, stops the page before
// it can save its own game over it (as it would when it is left), and opens the game on it
// in a new tab.
async function seed(browser, page, text) {
  // The page saves its own opening line first.
  for (let i = 0; i < 100 && drawn((await pageSavedBoard(page)) ?? [], OwnerComputer).length === 0; ++i)
    await sleep(50);
  await page.evaluate(
    (path, contents) =>
      new Promise((resolve, reject) => {
        FS.writeFile(path, contents);
        FS.syncfs(false, (error) => (error ? reject(error) : resolve()));
      }),
    registry,
    text,
  );
  await crash(page);
  return openGame(browser, server.url + NoPauses);
}

// The browser stops the page at once, without unloading it.
async function crash(page) {
  const session = await page.target().createCDPSession();
  const crashed = new Promise((resolve) => page.once('error', resolve));
  session.send('Page.crash').catch(() => {});
  await Promise.race([crashed, sleep(3000)]);
}

// Shows another tab over the page, so the page is hidden; then the browser stops the page
// at once, as it may stop any hidden page, without unloading it. Returns the milliseconds
// from `since` until the page was stopped.
async function hideAndStop(page, other, since) {
  await other.bringToFront();
  await page.waitForFunction(() => document.visibilityState === 'hidden', { timeout: 2000, polling: 10 });
  const stopped = Date.now() - since;
  await crash(page);
  return stopped;
}

describe('a hidden page', () => {
  test('stopped in the computer\'s pause, comes back with the player\'s line, the computer to move', async () => {
    // The tab must be hidden and stopped inside the 600 ms pause; a machine too busy for that
    // is given another try.
    for (let attempt = 1; ; ++attempt) {
      const chromium = await launch();
      try {
        const { page } = await openGame(chromium.browser, server.url);
        const other = await chromium.browser.newPage();
        await page.bringToFront();
        let owners = null;
        for (let i = 0; i < 100 && !(owners && drawn(owners, OwnerComputer).length === 1); ++i) {
          await sleep(50);
          owners = await pageSavedBoard(page);
        }
        assert.ok(owners, 'the opening line was not saved');
        const cell = freeLine(owners, 30);
        const { x, y } = cellMiddle(cell);
        const start = Date.now();
        await tap(page, x, y);
        const stopped = await hideAndStop(page, other, start);
        if (stopped > 450 && attempt < 3) {
          console.log(`attempt ${attempt}: the page was stopped ${stopped} ms after the tap; again`);
          continue;
        }
        assert.ok(stopped <= 450, `the page was stopped only ${stopped} ms after the tap`);

        const again = await openGame(chromium.browser, server.url + NoPauses);
        const text = await savedText(again.page);
        const saved = await pageSavedBoard(again.page);
        assert.equal(saved?.[cell], OwnerUser, 'the player\'s line made before the tab was hidden');
        assert.equal(drawn(saved, OwnerComputer).length, 1, 'only the opening line is the computer\'s');
        assert.equal(savedValue(text, 'f'), 1, 'the computer to move');
        const board = await readBoard(again.page, sheets);
        assert.equal(board.owners[cell], OwnerUser, 'the player\'s line on the screen');
        assert.deepEqual(again.errors, []);
        return;
      } finally {
        await chromium.close();
      }
    }
  });

  test('stopped while the end-of-game question is open, comes back as the question found it', async () => {
    const chromium = await launch();
    try {
      const first = await openGame(chromium.browser, server.url + NoPauses);
      const { page } = await seed(chromium.browser, first.page, nearlyFinished());
      const other = await chromium.browser.newPage();
      await page.bringToFront();
      await page.waitForFunction(() => document.querySelector('canvas')?.width === 480);
      await sleep(500);
      const seeded = (await pageSavedBoard(page)) ?? [];
      assert.equal(lineCells.filter((cell) => seeded[cell] === OwnerUser).length, 55, 'the seeded game');
      // The player's top line of the last box; the computer takes the box and asks.
      const { x, y } = cellMiddle(0);
      await tap(page, x, y);
      await sleep(1000);
      await hideAndStop(page, other, Date.now());

      const again = await openGame(chromium.browser, server.url + NoPauses);
      const text = await savedText(again.page);
      const saved = await pageSavedBoard(again.page);
      assert.deepEqual(
        lineCells.filter((cell) => saved?.[cell] === 0),
        [],
        'every line drawn',
      );
      assert.deepEqual(
        ['f', 'F', 'first', 'UserScore', 'ComputerScore'].map((name) => savedValue(text, name)),
        [1, 1, 0, 24, 25],
        'the computer took the last box, F still 1',
      );
      const board = await readBoard(again.page, sheets);
      assert.deepEqual(
        lineCells.filter((cell) => board.owners[cell] === 0),
        [],
        'the full board on the screen',
      );
      assert.deepEqual(again.errors, []);
    } finally {
      await chromium.close();
    }
  });
});

describe('a screen size the page cannot show', () => {
  test('is refused in one line on the console, and the game plays at 480 x 640', async () => {
    const chromium = await launch();
    try {
      const page = await chromium.browser.newPage();
      const said = [];
      page.on('console', (message) => said.push(message.text()));
      await page.setViewport({ width: 480, height: 640 });
      await page.goto(server.url + '?MARLIX_PENTRO_SCREEN=240x320', { waitUntil: 'load' });
      await page.waitForFunction(() => document.querySelector('canvas')?.width === 480, { timeout: 20000 });
      let board;
      for (let i = 0; i < 100; ++i) {
        board = await readBoard(page, sheets);
        if (drawn(board.owners, OwnerComputer).length === 1) break;
        await sleep(50);
      }
      assert.equal(drawn(board.owners, OwnerComputer).length, 1, 'the opening line on a 480 x 640 screen');
      assert.deepEqual(
        said.filter((text) => text.includes('240x320')),
        [said.find((text) => text.includes('240x320'))],
        `one line names the size: ${JSON.stringify(said)}`,
      );
      assert.ok(said.some((text) => text.includes('240x320')), `no line names the size: ${JSON.stringify(said)}`);
    } finally {
      await chromium.close();
    }
  });
});
