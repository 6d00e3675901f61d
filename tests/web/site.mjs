// The built web version as the tests and benchmarks play it: the site folder served on
// loopback, the game's page opened in headless Chromium, its saved game read from the page's
// own file system, and its board from the canvas.
import { fileURLToPath } from 'node:url';
import { open, waitForScreen } from './harness.mjs';
import { isLine, lineCells } from './board.mjs';
import { savedBoard } from './desktop.mjs';

const top = fileURLToPath(new URL('../../', import.meta.url));
export const siteFolder = process.env.MARLIX_WEB_SITE || `${top}build-web`;
// The generated pictures, among them the sprite sheets the board is read against.
export const resFolder = process.env.MARLIX_WEB_RES || `${top}build-web-cmake/res`;

export const NoPauses = '?MARLIX_PENTRO_PAUSES=0';
const registry = '/home/web_user/.config/marlix-pentro/registry.reg';
export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Opens the game and waits for its first paint.
export async function openGame(browser, url, viewport = {}) {
  const opened = await open(browser, url, viewport);
  await waitForScreen(opened.page);
  return opened;
}

// The game the page saved last (owners of the 161 cells), or null before its first save.
export async function pageSavedBoard(page) {
  const text = await page.evaluate((path) => {
    try {
      return FS.readFile(path, { encoding: 'utf8' });
    } catch {
      return '';
    }
  }, registry);
  return savedBoard(text);
}

// Waits until `read()` gives something other than `before` that then stays the same for a
// few looks; returns it.
export async function settled(read, before, { timeout = 10000, interval = 50 } = {}) {
  const end = Date.now() + timeout;
  let last = await read(), steady = 0;
  while (Date.now() < end) {
    await sleep(interval);
    const now = await read();
    const text = JSON.stringify(now);
    steady = text !== JSON.stringify(before) && text === JSON.stringify(last) ? steady + 1 : 0;
    last = now;
    if (steady >= 3) return now;
  }
  throw new Error('nothing settled');
}

// A free line of a board, the first at or after `from` in the order of cell numbers.
export function freeLine(owners, from = 0) {
  const lines = lineCells.filter((cell) => owners[cell] === 0);
  if (lines.length === 0) return -1;
  return lines.find((cell) => cell >= from) ?? lines[0];
}

export { isLine };
