// The board as the page shows it, read from the canvas's pixels against the skin's own
// sprites (the GIF sheets the asset generator drew), cell by cell as the desktop's pixel
// tests read it: every line and box of the 480 × 640 screen is the player's sprite, the
// computer's, or neither.
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';

export const CellCount = 161;
const RowStride = 22;
export const OwnerUser = -1;
export const OwnerComputer = 1;

export const isHorizontal = (cell) => cell % RowStride <= 6;
export const isVertical = (cell) => cell < 154 && cell % RowStride >= 7 && (cell % RowStride) % 2 === 1;
export const isBox = (cell) => cell < 154 && cell % RowStride >= 8 && (cell % RowStride) % 2 === 0;
export const isLine = (cell) => isHorizontal(cell) || isVertical(cell);
export const lineCells = [...Array(CellCount).keys()].filter(isLine);

// The 480 × 640 layout: boxes and lines 48 long and 14 wide, a pitch of 62, the board's
// corner at (16, 62) of the window's client area, which starts below the 52-pixel task bar.
const Top = 52;
const m = { box: 48, line: 14, gap: 14, originX: 16, originY: 62 };
const pitch = m.gap + m.box;

// Where a cell lies on the screen, and where its sprite lies in its sheet.
export function cellRect(cell) {
  const row = Math.floor(cell / RowStride);
  const offset = cell % RowStride;
  if (offset <= 6)
    return { x: m.originX + m.gap + pitch * offset, y: Top + m.originY + pitch * row, w: m.box, h: m.line };
  if (offset % 2 === 1)
    return { x: m.originX + pitch * ((offset - 7) / 2), y: Top + m.originY + m.gap + pitch * row, w: m.line, h: m.box };
  const col = (offset - 8) / 2;
  return { x: m.originX + m.gap + pitch * col, y: Top + m.originY + m.gap + pitch * row, w: m.box, h: m.box };
}

function spriteSource(cell, owner, skin) {
  const computer = owner === OwnerComputer;
  if (isHorizontal(cell)) return { sheet: 'h', x: computer ? m.box : 0, y: skin * m.line };
  if (isVertical(cell)) return { sheet: 'v', x: skin * m.line, y: computer ? m.box : 0 };
  return { sheet: 'b', x: computer ? m.box : 0, y: skin * m.box };
}

// The middle of a line, where a tap draws it, in canvas pixels.
export function cellMiddle(cell) {
  const r = cellRect(cell);
  return { x: r.x + Math.floor(r.w / 2), y: r.y + Math.floor(r.h / 2) };
}

// The three sprite sheets as data addresses, which a page may read back from a canvas.
export async function loadSheets(resFolder) {
  const url = async (name) => `data:image/gif;base64,${(await readFile(join(resFolder, name))).toString('base64')}`;
  return {
    h: await url('horizontal_lines_480x640.gif'),
    v: await url('vertical_lines_480x640.gif'),
    b: await url('squares_480x640.gif'),
  };
}

// Every cell's place and its sprites' places, for the page to compare.
const plan = [...Array(CellCount).keys()]
  .filter((cell) => isLine(cell) || isBox(cell))
  .map((cell) => ({
    cell,
    rect: cellRect(cell),
    sprites: [0, 1, 2, 3, 4, 5].map((skin) => ({
      user: spriteSource(cell, OwnerUser, skin),
      computer: spriteSource(cell, OwnerComputer, skin),
    })),
  }));

// Reads the board off the page's canvas: { skin, owners } with owners[cell] in -1, 0, 1, for
// the skin (0-5) whose sprites account for the most cells; drawn pixels only (a sprite's
// clear pixels show the background). Runs in the page.
export async function readBoard(page, sheets) {
  return page.evaluate(
    async (sheets, plan) => {
      if (!window.marlixSheets) {
        const pixels = {};
        for (const [name, url] of Object.entries(sheets)) {
          const image = new Image();
          image.src = url;
          await image.decode();
          const canvas = document.createElement('canvas');
          canvas.width = image.width;
          canvas.height = image.height;
          const context = canvas.getContext('2d', { willReadFrequently: true });
          context.drawImage(image, 0, 0);
          pixels[name] = { width: image.width, data: context.getImageData(0, 0, image.width, image.height).data };
        }
        window.marlixSheets = pixels;
      }
      const sheetPixels = window.marlixSheets;
      const screen = document.getElementById('canvas');
      const shown = screen.getContext('2d').getImageData(0, 0, screen.width, screen.height).data;
      const matches = (rect, source) => {
        const sheet = sheetPixels[source.sheet];
        let drawn = 0;
        for (let y = 0; y < rect.h; ++y)
          for (let x = 0; x < rect.w; ++x) {
            const s = ((source.y + y) * sheet.width + source.x + x) * 4;
            if (sheet.data[s + 3] !== 255) continue;
            const d = ((rect.y + y) * screen.width + rect.x + x) * 4;
            if (shown[d] !== sheet.data[s] || shown[d + 1] !== sheet.data[s + 1] || shown[d + 2] !== sheet.data[s + 2])
              return false;
            ++drawn;
          }
        return drawn > 0;
      };
      let best = null;
      for (let skin = 0; skin < 6; ++skin) {
        const owners = new Array(161).fill(0);
        let found = 0;
        for (const { cell, rect, sprites } of plan) {
          if (matches(rect, sprites[skin].user)) owners[cell] = -1;
          else if (matches(rect, sprites[skin].computer)) owners[cell] = 1;
          if (owners[cell] !== 0) ++found;
        }
        if (best === null || found > best.found) best = { skin, owners, found };
      }
      return { skin: best.skin, owners: best.owners };
    },
    sheets,
    plan,
  );
}

// The cells a board's owners give to each side.
export function drawn(owners, owner) {
  return owners.map((o, cell) => (o === owner ? cell : -1)).filter((cell) => cell >= 0);
}
