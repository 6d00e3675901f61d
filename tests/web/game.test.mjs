// The game in every browser engine, played as a player would: it loads cleanly, opens on the
// desktop program's line, keeps its pauses, answers taps with the desktop program's board,
// comes back whole after a reload, plays sound, changes skin in Options, and plays a whole
// game to its question, with F1's help in a new tab; where the engine can be a phone, a
// finger plays it.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { cellMiddle, drawn, loadSheets, OwnerComputer, OwnerUser, readBoard } from './board.mjs';
import { desktopProgram, startDesktop } from './desktop.mjs';
import { eachEngine } from './engines.mjs';
import { serve, tap } from './harness.mjs';
import { freeLine, NoPauses, openGame, pageSavedBoard, resFolder, settled, siteFolder, sleep } from './site.mjs';

// The tap order's seed: which free line each tap picks. Printed, so a failure can be replayed.
const seed = Number(process.env.MARLIX_WEB_SEED || 7);
console.log(`taps from seed ${seed} (MARLIX_WEB_SEED)`);
const pick = (step) => ((seed * 131 + step * 37) % 161 + 161) % 161;

let server, sheets;
before(async () => {
  server = await serve(siteFolder);
  sheets = await loadSheets(resFolder);
});
after(async () => server?.close());

// Taps a line on the page and waits until the move, and the computer's answer, are saved.
async function tapLine(page, cell, { timeout = 10000 } = {}) {
  const before = await pageSavedBoard(page);
  const { x, y } = cellMiddle(cell);
  await tap(page, x, y);
  return settled(() => pageSavedBoard(page), before, { timeout });
}

// Waits until the canvas shows the board `owners` (the paint follows the save).
async function shows(page, owners) {
  let board;
  for (let i = 0; i < 100; ++i) {
    board = await readBoard(page, sheets);
    if (JSON.stringify(board.owners) === JSON.stringify(owners)) return board;
    await sleep(50);
  }
  assert.deepEqual(board.owners, owners, 'the canvas does not show the saved board');
}

// The board once the page has painted it: the computer has always drawn a line by then.
async function boardShown(page) {
  let board;
  for (let i = 0; i < 100; ++i) {
    board = await readBoard(page, sheets);
    if (drawn(board.owners, OwnerComputer).length > 0) return board;
    await sleep(50);
  }
  assert.fail('no board on the screen');
}

eachEngine('a fresh page', (engine) => {
  let browser;
  before(async () => (browser = await engine.launch()));
  after(async () => browser?.close());

  test('loads without a console error and opens on the desktop program\'s line, cell 61', async () => {
    const { page, errors } = await openGame(browser.browser, server.url + NoPauses);
    const board = await boardShown(page);
    assert.equal(board.skin, 0, 'the default skin');
    assert.deepEqual(drawn(board.owners, OwnerComputer), [61]);
    assert.deepEqual(drawn(board.owners, OwnerUser), []);
    assert.deepEqual(await page.$eval('canvas', (c) => [c.width, c.height]), [480, 640]);
    assert.equal(await page.title(), 'Marlix Pentro');
    await sleep(500);
    assert.deepEqual(errors, []);
  });
});

eachEngine('the pauses', (engine) => {
  let browser;
  before(async () => (browser = await engine.launch()));
  after(async () => browser?.close());

  test('are real unless switched off: the player\'s line at once, the answer 600 ms on', async () => {
    const { page } = await openGame(browser.browser, server.url);
    const opening = new Array(161).fill(0);
    opening[61] = OwnerComputer;
    await shows(page, opening);
    const { x, y } = cellMiddle(0);
    // Polled at every animation frame in the page: when the tapped line, and then the
    // computer's second line, first show. The watch is left running in the page (a
    // WebDriver session does one command at a time, so the tap could not come meanwhile).
    await page.evaluate(
      (x, y) => {
        window.marlixTiming = null;
        const canvas = document.getElementById('canvas');
        const context = canvas.getContext('2d');
        const start = performance.now();
        const first = context.getImageData(x, y, 1, 1).data.join();
        let userAt = null;
        const computerFrom = context.getImageData(0, 0, canvas.width, canvas.height).data;
        const look = () => {
          const now = performance.now() - start;
          if (userAt === null && context.getImageData(x, y, 1, 1).data.join() !== first) userAt = now;
          if (userAt !== null) {
            const all = context.getImageData(0, 0, canvas.width, canvas.height).data;
            let changed = 0;
            for (let i = 0; i < all.length; i += 4) if (all[i] !== computerFrom[i]) ++changed;
            // The tapped line is 48 × 14 pixels; another line besides it is the answer.
            if (changed > 48 * 14 + 200) return (window.marlixTiming = { userAt, computerAt: now });
          }
          if (now > 5000) return (window.marlixTiming = { userAt, computerAt: null });
          requestAnimationFrame(look);
        };
        requestAnimationFrame(look);
      },
      x,
      y,
    );
    await tap(page, x, y);
    await page.waitForFunction(() => window.marlixTiming !== null, { timeout: 10000, polling: 100 });
    const { userAt, computerAt } = await page.evaluate(() => window.marlixTiming);
    assert.ok(userAt !== null && userAt < 300, `the player's line showed after ${userAt} ms`);
    assert.ok(computerAt !== null && computerAt - userAt >= 550, `the answer came ${computerAt - userAt} ms later`);
  });
});

// A finger, where the engine can pretend to be a phone with a touch screen.
eachEngine('a phone', (engine) => {
  test('plays by touch, and turning it turns the screen, upright and back, the game kept', async () => {
    const browser = await engine.launch();
    try {
      const upright = { width: 390, height: 844, scale: 3, touch: true };
      const { page, errors } = await openGame(browser.browser, server.url + NoPauses, upright);
      let owners = (await boardShown(page)).owners;
      const before = await pageSavedBoard(page);
      const { x, y } = cellMiddle(freeLine(owners, pick(0)));
      await tap(page, x, y, { touch: true });
      owners = await settled(() => pageSavedBoard(page), before);
      await shows(page, owners);
      const size = () => page.$eval('canvas', (c) => [c.width, c.height]);
      assert.deepEqual(await size(), [480, 800]);

      const turns = [
        [{ ...upright, width: 844, height: 390 }, [800, 480]],
        [upright, [480, 800]],
      ];
      for (const [viewport, want] of turns) {
        await page.setViewport({ ...viewport, deviceScaleFactor: 3, hasTouch: true, isMobile: true });
        for (let i = 0; i < 50 && JSON.stringify(await size()) !== JSON.stringify(want); ++i) await sleep(50);
        assert.deepEqual(await size(), want);
      }
      // Back upright, the board is the one played before the turns.
      await shows(page, owners);
      assert.deepEqual(errors, []);
    } finally {
      await browser.close();
    }
  });
}, { needs: ['touch', 'phone'] });

eachEngine('taps', (engine) => {
  test('give, cell for cell, the desktop program\'s board for the same taps', async (t) => {
    const { program, missing } = desktopProgram();
    if (missing) return t.skip(missing);
    const browser = await engine.launch();
    let desktop = null;
    try {
      desktop = await startDesktop(program);
      const { page, errors } = await openGame(browser.browser, server.url + NoPauses);
      let owners = (await boardShown(page)).owners;
      for (let step = 0; step < 12; ++step) {
        const cell = freeLine(owners, pick(step));
        const { x, y } = cellMiddle(cell);
        owners = await tapLine(page, cell);
        await desktop.tap(x, y);
        assert.deepEqual(await desktop.board(), owners, `after tap ${step + 1}, on cell ${cell}`);
        await shows(page, owners);
      }
      assert.ok(drawn(owners, OwnerUser).length >= 12);
      assert.deepEqual(errors, []);
    } finally {
      await desktop?.stop();
      await browser.close();
    }
  });
});

eachEngine('the saved game', (engine) => {
  test('comes back exactly after a reload, and in a new tab after the tab is closed', async () => {
    const browser = await engine.launch();
    try {
      const { page } = await openGame(browser.browser, server.url + NoPauses);
      let owners = (await boardShown(page)).owners;
      for (let step = 0; step < 6; ++step) owners = await tapLine(page, freeLine(owners, pick(step)));
      await shows(page, owners);
      const picture = await page.$eval('canvas', (c) => c.toDataURL());

      await page.reload({ waitUntil: 'load' });
      await shows(page, owners);
      assert.equal(await page.$eval('canvas', (c) => c.toDataURL()), picture, 'the screen after the reload');

      // The move made right before the tab closes is kept too.
      owners = await tapLine(page, freeLine(owners, pick(6)));
      await page.close();
      const again = await openGame(browser.browser, server.url + NoPauses);
      await shows(again.page, owners);
      assert.deepEqual(again.errors, []);
    } finally {
      await browser.close();
    }
  });
});

eachEngine('the program\'s end and its help', (engine) => {
  test('Ctrl+Q leaves word that the game is saved, and a tap plays it again', async () => {
    const browser = await engine.launch();
    try {
      const { page, errors } = await openGame(browser.browser, server.url + NoPauses);
      let owners = (await boardShown(page)).owners;
      owners = await tapLine(page, freeLine(owners, pick(0)));
      await page.keyboard.down('Control');
      await page.keyboard.press('KeyQ');
      await page.keyboard.up('Control');
      await page.waitForFunction(() => getComputedStyle(document.getElementById('ended')).display !== 'none');
      await sleep(400);
      await Promise.all([page.waitForNavigation({ waitUntil: 'load' }), page.mouse.click(100, 100)]);
      await shows(page, owners);
      assert.deepEqual(errors, []);
    } finally {
      await browser.close();
    }
  });

  test('F1 opens the help page in a new tab, and the game goes on', async () => {
    const browser = await engine.launch();
    try {
      const { page, errors } = await openGame(browser.browser, server.url + NoPauses);
      const owners = (await boardShown(page)).owners;
      const opened = browser.browser.waitForTarget((target) => target.url().includes('/res/'));
      await page.keyboard.press('F1');
      const help = await (await opened).page();
      await help.waitForFunction(() => document.readyState === 'complete');
      assert.match(help.url(), /\/res\/Marlix%20Pentro\.htm$/);
      assert.match(await help.title(), /Marlix Pentro/);
      const broken = await help.$$eval('img', (images) => images.filter((i) => !i.complete || i.naturalWidth === 0).map((i) => i.src));
      assert.deepEqual(broken, [], 'pictures the help page lacks');
      await page.bringToFront();
      await tapLine(page, freeLine(owners, pick(1)));
      assert.deepEqual(errors, []);
    } finally {
      await browser.close();
    }
  });
});

eachEngine('sound', (engine) => {
  test('a tap starts the browser\'s audio, which is suspended again once the page is quiet', async () => {
    const browser = await engine.launch();
    try {
      const { page, errors } = await openGame(browser.browser, server.url + NoPauses);
      const owners = (await boardShown(page)).owners;
      const state = () => page.evaluate(() => (Module.SDL2 && Module.SDL2.audioContext ? Module.SDL2.audioContext.state : 'none'));
      const { x, y } = cellMiddle(freeLine(owners, pick(0)));
      await tap(page, x, y);
      let seen = await state();
      for (let i = 0; i < 40 && seen !== 'running'; ++i) {
        await sleep(50);
        seen = await state();
      }
      assert.equal(seen, 'running', 'the tap\'s sound');
      // The sounds are a second long at most, and the output lingers two seconds after.
      for (let i = 0; i < 100 && seen === 'running'; ++i) {
        await sleep(100);
        seen = await state();
      }
      assert.equal(seen, 'suspended', 'the quiet page');
      assert.deepEqual(errors, []);
    } finally {
      await browser.close();
    }
  });
});

eachEngine('Options', (engine) => {
  test('changes the skin, which the board then shows, kept after a reload', async () => {
    const browser = await engine.launch();
    try {
      const { page, errors } = await openGame(browser.browser, server.url + NoPauses);
      const opening = await boardShown(page);
      assert.equal(opening.skin, 0);
      // Ctrl+O opens Options; Tab goes to the skin list, Down picks the next skin, Enter is Done.
      await page.keyboard.down('Control');
      await page.keyboard.press('KeyO');
      await page.keyboard.up('Control');
      await sleep(300);
      for (const key of ['Tab', 'ArrowDown', 'Enter']) {
        await page.keyboard.press(key);
        await sleep(100);
      }
      let board;
      for (let i = 0; i < 50 && (board = await readBoard(page, sheets)).skin === 0; ++i) await sleep(100);
      assert.equal(board.skin, 1, 'the next skin');
      assert.deepEqual(board.owners, opening.owners, 'the same board in the new skin');
      await page.reload({ waitUntil: 'load' });
      await sleep(500);
      for (let i = 0; i < 50 && (board = await readBoard(page, sheets)).owners[61] === 0; ++i) await sleep(100);
      assert.equal(board.skin, 1, 'the skin after a reload');
      assert.deepEqual(errors, []);
    } finally {
      await browser.close();
    }
  });
});

eachEngine('a whole game', (engine) => {
  test('reaches the end-of-game question, and Yes starts the next game', async () => {
    const browser = await engine.launch();
    try {
      const { page, errors } = await openGame(browser.browser, server.url + NoPauses);
      let owners = (await boardShown(page)).owners;
      // Free lines are tapped until a tap is no longer answered: the last move opened the
      // question, which holds the board until it is answered.
      let taps = 0;
      for (;;) {
        const cell = freeLine(owners, pick(taps));
        if (cell < 0) break;
        const next = await tapLine(page, cell, { timeout: 3000 }).catch(() => null);
        if (next === null) break;
        owners = next;
        assert.ok(++taps < 112, 'more taps than lines');
      }
      assert.ok(taps > 10, `only ${taps} taps`);
      const covered = await readBoard(page, sheets);
      assert.notDeepEqual(covered.owners, owners, 'no question over the board');
      await page.keyboard.press('KeyY');
      let board;
      for (let i = 0; i < 100; ++i) {
        board = await readBoard(page, sheets);
        if (drawn(board.owners, OwnerUser).length === 0 && drawn(board.owners, OwnerComputer).length === 1) break;
        await sleep(50);
      }
      assert.equal(drawn(board.owners, OwnerUser).length, 0, 'a new game after Yes');
      assert.equal(drawn(board.owners, OwnerComputer).length, 1, 'the computer opens the new game');
      assert.deepEqual(errors, []);
    } finally {
      await browser.close();
    }
  });
});
