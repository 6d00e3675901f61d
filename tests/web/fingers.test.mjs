// Fingers on a phone's page, in headless Chromium with touch: a tap a millimetre beside a
// line draws it, a touch at a box's middle draws nothing, a press slid from one line to
// another takes the second, a lift off the board takes nothing; and a mouse click beside a
// line draws nothing.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { cellRect, OwnerUser } from './board.mjs';
import { at, canvasPixelsPerMm, fingers } from './fingers.mjs';
import { launch, serve } from './harness.mjs';
import { freeLine, NoPauses, openGame, pageSavedBoard, settled, siteFolder, sleep } from './site.mjs';

const phone = { width: 390, height: 844, scale: 3, touch: true };

let server;
before(async () => (server = await serve(siteFolder)));
after(async () => server?.close());

// A canvas point `mm` beside a line's middle: below a horizontal line, right of a vertical
// one, beyond its sprite.
function beside(cell, mm, pixelsPerMm) {
  const r = cellRect(cell);
  const off = mm * pixelsPerMm;
  if (r.w > r.h) return { x: r.x + r.w / 2, y: r.y + r.h - 1 + off };
  return { x: r.x + r.w - 1 + off, y: r.y + r.h / 2 };
}

// The page point `mm` beside a line's middle.
async function near(page, cell, mm, pixelsPerMm) {
  const p = beside(cell, mm, pixelsPerMm);
  return at(page, p.x, p.y);
}

// The saved board after the page has had time to act on input that should change nothing.
async function unchanged(page, before) {
  await sleep(1000);
  assert.deepEqual(await pageSavedBoard(page), before, 'a line was drawn');
}

// The saved board once a tap has changed it, or null when nothing changed within a while.
async function changed(page, before) {
  try {
    return await settled(() => pageSavedBoard(page), before, { timeout: 5000 });
  } catch {
    return null;
  }
}

// The board's first saved state: the computer's opening line is drawn and saved.
async function opened(page) {
  return settled(() => pageSavedBoard(page), null, { timeout: 20000 });
}

describe('fingers on a phone', () => {
  let chromium, page, errors, finger, perMm;
  before(async () => {
    chromium = await launch();
    ({ page, errors } = await openGame(chromium.browser, server.url + NoPauses, phone));
    finger = await fingers(page);
    perMm = await canvasPixelsPerMm(page);
  });
  after(async () => chromium?.close());

  test('a quick tap 1 mm beside a free line draws it', async () => {
    await opened(page);
    for (const from of [0, 100]) {
      const board = await pageSavedBoard(page);
      const cell = freeLine(board, from);
      await finger.tapAt(await near(page, cell, 1, perMm));
      const now = await changed(page, board);
      assert.equal(now?.[cell], OwnerUser, `cell ${cell} not drawn by a tap 1 mm beside it`);
    }
    assert.deepEqual(errors, []);
  });

  test('a touch at a box\'s middle draws nothing', async () => {
    const board = await pageSavedBoard(page);
    const box = cellRect(8 + 22 * 3 + 2 * 3);
    await finger.tapAt(await at(page, box.x + box.w / 2, box.y + box.h / 2));
    await unchanged(page, board);
  });

  test('a press slid from one line onto another takes the second', async () => {
    const board = await pageSavedBoard(page);
    const first = freeLine(board, 40);
    const second = freeLine(board, first + 1);
    await finger.pressAt(await near(page, first, 1, perMm));
    await sleep(100);
    await finger.slideTo(await near(page, first, 2, perMm));
    await finger.slideTo(await near(page, second, 1, perMm));
    await sleep(100);
    await finger.lift();
    const now = await changed(page, board);
    assert.equal(now?.[second], OwnerUser, `cell ${second}, slid to, not drawn`);
    assert.notEqual(now[first], OwnerUser, `cell ${first}, first pressed, drawn`);
  });

  test('a lift off the board takes nothing', async () => {
    const board = await pageSavedBoard(page);
    const cell = freeLine(board, 60);
    await finger.pressAt(await near(page, cell, 1, perMm));
    await sleep(100);
    await finger.slideTo({ x: 200, y: 830 });  // the page's foot, below the canvas
    await finger.lift();
    await unchanged(page, board);
    assert.deepEqual(errors, []);
  });
});

describe('the mouse', () => {
  test('a click 1 mm beside a line draws nothing', async () => {
    const chromium = await launch();
    try {
      const { page, errors } = await openGame(chromium.browser, server.url + NoPauses);
      const board = await opened(page);
      const perMm = await canvasPixelsPerMm(page);
      const point = await near(page, freeLine(board, 0), 1, perMm);
      await page.mouse.click(point.x, point.y);
      await unchanged(page, board);
      assert.deepEqual(errors, []);
    } finally {
      await chromium.close();
    }
  });
});
