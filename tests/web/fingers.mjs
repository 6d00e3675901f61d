// Fingers on the page, sent as the browser's own touch events through the DevTools
// protocol: a quick tap, or a press, slides and the lift one by one, at canvas pixels
// (fractions allowed) or at page points; and the size of the canvas's pixels on the glass.
import { pagePoint } from './harness.mjs';

// A CSS pixel on a phone's glass, as browsers keep it: 1/160 inch.
export const CssPixelsPerMm = 160 / 25.4;

export async function fingers(page) {
  const session = await page.createCDPSession();
  const send = (type, points) => session.send('Input.dispatchTouchEvent', { type, touchPoints: points });
  return {
    pressAt: (point) => send('touchStart', [{ x: point.x, y: point.y }]),
    slideTo: (point) => send('touchMove', [{ x: point.x, y: point.y }]),
    lift: () => send('touchEnd', []),
    async tapAt(point) {
      await send('touchStart', [{ x: point.x, y: point.y }]);
      await send('touchEnd', []);
    },
  };
}

// A canvas pixel's place on the page (CSS pixels).
export const at = (page, x, y) => pagePoint(page, x, y);

// Canvas pixels a millimetre on a phone's glass, as the page shows the canvas now.
export async function canvasPixelsPerMm(page) {
  const cssPerCanvas = await page.$eval('canvas', (c) => c.getBoundingClientRect().width / c.width);
  return CssPixelsPerMm / cssPerCanvas;
}
