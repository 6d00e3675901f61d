// The page as the finger benchmark needs it: the site's folder and the saved game from the
// tests' helpers, and a wait for the screen in the shape the page was opened in.
export { NoPauses, pageSavedBoard, siteFolder, sleep } from '../../tests/web/site.mjs';

// Waits until the canvas is the handheld's screen held as the page is (landscape or not)
// and shows something.
export async function waitForScreenOf(page, landscape, timeout = 20000) {
  await page.waitForFunction(
    (wide) => {
      const c = document.querySelector('canvas');
      return c && c.width > 2 && c.height > 2 && c.width > c.height === wide;
    },
    { timeout, polling: 100 },
    landscape,
  );
}
