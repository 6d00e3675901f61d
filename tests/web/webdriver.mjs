// A small client of the W3C WebDriver protocol over HTTP, for the engine puppeteer does not
// drive (WebKit): a session's tabs shaped as the part of a puppeteer page the tests use.
// One command at a time goes to the driver, and each first makes its own tab the current one.

import { writeFile } from 'node:fs/promises';

// Puppeteer's key names as WebDriver's key values.
const namedKeys = {
  Backspace: '\uE003',
  Tab: '\uE004',
  Enter: '\uE007',
  Shift: '\uE008',
  Control: '\uE009',
  Alt: '\uE00A',
  Escape: '\uE00C',
  Space: ' ',
  ArrowLeft: '\uE012',
  ArrowUp: '\uE013',
  ArrowRight: '\uE014',
  ArrowDown: '\uE015',
  Delete: '\uE017',
};

export function keyValue(key) {
  if (namedKeys[key]) return namedKeys[key];
  const f = /^F([1-9]|1[0-2])$/.exec(key);
  if (f) return String.fromCharCode(0xe031 + Number(f[1]) - 1);
  const letter = /^Key([A-Z])$/.exec(key);
  if (letter) return letter[1].toLowerCase();
  const digit = /^Digit([0-9])$/.exec(key);
  if (digit) return digit[1];
  if ([...key].length === 1) return key;
  throw new Error(`no WebDriver key for "${key}"`);
}

// The script the driver runs for `fn(...args)`: asynchronous, so that a function returning a
// promise is waited for; a throw comes back as { thrown } rather than as the driver's error.
export function scriptFor(fn, { element = null } = {}) {
  const call = element === null ? `(${fn})(...args)` : `(${fn})(document.querySelector(${JSON.stringify(element)}), ...args)`;
  const check =
    element === null ? '' : `if (!document.querySelector(${JSON.stringify(element)})) throw new Error('no element matches ${element.replace(/'/g, '')}');`;
  return `const done = arguments[arguments.length - 1];
const args = Array.prototype.slice.call(arguments, 0, -1);
new Promise((resolve) => { ${check} resolve(${call}); }).then(
  (value) => done({ value: value === undefined ? null : value }),
  (error) => done({ thrown: String((error && error.stack) || error) }));`;
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A driver's session: `send(method, path, body)` runs a command in the session, answering its
// value or throwing the driver's error; `serial(step)` runs a step after all steps before.
export function driverSession(base, sessionId) {
  let queue = Promise.resolve();
  const send = async (method, path, body) => {
    // A browser that stopped answering fails the test instead of hanging it.
    const response = await fetch(`${base}/session/${sessionId}${path}`, {
      method,
      headers: { 'Content-Type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body),
      signal: AbortSignal.timeout(60000),
    });
    const answer = await response.json();
    if (response.status !== 200) {
      const { error, message } = answer.value || {};
      throw new Error(`WebDriver ${method} ${path}: ${error} ${message || ''}`.trim());
    }
    return answer.value;
  };
  // Commands one after another: the driver has one current tab, which each step sets first.
  const serial = (step) => {
    const result = queue.then(step);
    queue = result.catch(() => {});
    return result;
  };
  return { send, serial };
}

// A browser made of a session: `newPage()` gives a tab, the first one being the window the
// session opened with. Each further one is a window of its own: MiniBrowser's tabs behind
// the one shown get no input, and the driver waits on them for good. Closing the last tab
// leaves it on a blank page, for the session would end with it.
export function webdriverBrowser(session, firstHandle) {
  const pages = [];
  // Every window the session has had in hand, so that one the page opens stands out.
  const known = new Set([firstHandle]);
  let current = firstHandle;
  let spare = firstHandle;
  const adopt = (handle, url) => {
    known.add(handle);
    const page = makePage(handle, url);
    pages.push(page);
    return page;
  };
  const browser = {
    webdriver: true,
    pages,
    async newPage() {
      let handle = spare;
      spare = null;
      if (handle === null) handle = (await session.serial(() => session.send('POST', '/window/new', { type: 'window' }))).handle;
      return adopt(handle, 'about:blank');
    },
    // A window a page opened (window.open), as puppeteer's targets: { url(), page() }.
    async waitForTarget(predicate, { timeout = 30000 } = {}) {
      const end = Date.now() + timeout;
      for (;;) {
        const handles = await session.serial(() => session.send('GET', '/window/handles'));
        for (const handle of handles.filter((h) => !known.has(h))) {
          const url = await inTab(handle, () => session.send('GET', '/url'));
          const target = { url: () => url, page: async () => adopt(handle, url) };
          if (predicate(target)) return target;
        }
        if (Date.now() > end) throw new Error(`no window the page opened matched in ${timeout} ms`);
        await sleep(100);
      }
    },
  };

  // Runs `step` with this tab current.
  const inTab = (handle, step) =>
    session.serial(async () => {
      if (current !== handle) {
        await session.send('POST', '/window', { handle });
        current = handle;
      }
      return step();
    });

  function makePage(handle, firstUrl) {
    const errors = [];
    let lastUrl = firstUrl;
    let closed = false;
    // WebKitGTK's driver now and then answers a script with an "unknown error" and no
    // message while the machine is busy; such a script is given once more (said on stderr).
    const run = (fn, args, options) =>
      inTab(handle, async () => {
        const body = { script: scriptFor(fn, options), args };
        let answer;
        try {
          answer = await session.send('POST', '/execute/async', body);
        } catch (error) {
          if (!/: unknown error/.test(error.message)) throw error;
          console.error(`WebKit's driver: ${error.message}; the script runs once more`);
          answer = await session.send('POST', '/execute/async', body);
        }
        if (answer && answer.thrown !== undefined) throw new Error(`in the page: ${answer.thrown}`);
        return answer ? answer.value : null;
      });
    // What went wrong in the page, as the served pages' watcher noted it (the server adds it
    // to pages for this engine); kept in the tab's session storage across reloads.
    const collect = async () => {
      if (closed) return;
      const noted = await run(() => {
        let list = [];
        try {
          list = JSON.parse(sessionStorage.getItem('marlix-errors') || '[]');
          sessionStorage.removeItem('marlix-errors');
        } catch {}
        const kept = window.marlixErrors || [];
        window.marlixErrors = [];
        return { href: location.href, errors: list.concat(kept) };
      }, []).catch(() => ({ href: lastUrl, errors: [] }));
      lastUrl = noted.href;
      errors.push(...noted.errors);
    };
    const poll = setInterval(() => collect().catch(() => {}), 250);
    poll.unref();

    const pointer = (type, steps) =>
      inTab(handle, () =>
        session.send('POST', '/actions', {
          actions: [{ type: 'pointer', id: type, parameters: { pointerType: type }, actions: steps }],
        }),
      );
    const move = (x, y) => ({ type: 'pointerMove', x: Math.floor(x), y: Math.floor(y), origin: 'viewport' });
    const keys = (steps) =>
      inTab(handle, () => session.send('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions: steps }] }));

    const page = {
      errors,
      collectErrors: collect,
      evaluate: (fn, ...args) => run(fn, args),
      $eval: (selector, fn, ...args) => run(fn, args, { element: selector }),
      $$eval: (selector, fn, ...args) =>
        run(`(sel, ...rest) => (${fn})([...document.querySelectorAll(sel)], ...rest)`, [selector, ...args]),
      async waitForFunction(fn, options = {}, ...args) {
        const { timeout = 30000, polling = 100 } = typeof options === 'object' ? options : {};
        const end = Date.now() + timeout;
        for (;;) {
          const value = await run(fn, args);
          if (value) return value;
          if (Date.now() > end) throw new Error(`waiting for ${String(fn).slice(0, 80)}: timed out after ${timeout} ms`);
          await sleep(typeof polling === 'number' ? polling : 100);
        }
      },
      // Resolves once the tab shows a new document, loaded: the one it shows now is marked
      // first (before any command given after this call), and the mark is gone in the next.
      async waitForNavigation({ timeout = 30000 } = {}) {
        const mark = `${Date.now()}-${Math.random()}`;
        await run((m) => (window.marlixNavigationMark = m), [mark]);
        await page.waitForFunction(
          (m) => window.marlixNavigationMark !== m && document.readyState === 'complete',
          { timeout, polling: 50 },
          mark,
        );
      },
      async goto(url) {
        await collect();
        await inTab(handle, () => session.send('POST', '/url', { url }));
        lastUrl = url;
      },
      async reload() {
        await collect();
        await inTab(handle, () => session.send('POST', '/refresh', {}));
      },
      // As in puppeteer, at once: the address last seen (the error watch looks every 250 ms).
      url: () => lastUrl,
      title: () => inTab(handle, () => session.send('GET', '/title')),
      bringToFront: () => inTab(handle, async () => {}),
      // The tab's page as a PNG, written to `path` when one is given.
      async screenshot({ path } = {}) {
        const png = Buffer.from(await inTab(handle, () => session.send('GET', '/screenshot')), 'base64');
        if (path) await writeFile(path, png);
        return png;
      },
      // The window is sized so that the page gets the given CSS size. WebKit here cannot
      // pretend to be a phone: no pixel ratio but the display's, and no touch screen.
      async setViewport({ width, height, deviceScaleFactor = 1, hasTouch = false }) {
        if (deviceScaleFactor !== 1 || hasTouch)
          throw new Error('WebKit\'s driver emulates no phone: no device pixel ratio of its own, no touch screen');
        const inner = () => run(() => [innerWidth, innerHeight], []);
        let [w, h] = [width, height];
        // The window takes its new size a moment after the driver answers, later still on a
        // busy machine: the page's size is read until it holds still.
        const settled = async () => {
          let last = await inner();
          for (let i = 0; i < 20; ++i) {
            await new Promise((resolve) => setTimeout(resolve, 100));
            const now = await inner();
            if (now[0] === last[0] && now[1] === last[1] && (now[0] === width && now[1] === height || i >= 2)) return now;
            last = now;
          }
          return last;
        };
        for (let i = 0; i < 4; ++i) {
          await inTab(handle, () => session.send('POST', '/window/rect', { width: w, height: h }));
          const [iw, ih] = await settled();
          if (iw === width && ih === height) return;
          [w, h] = [w + width - iw, h + height - ih];
        }
        const [iw, ih] = await inner();
        throw new Error(`WebKit's window cannot show a ${width} × ${height} page (it shows ${iw} × ${ih})`);
      },
      mouse: {
        click: (x, y) =>
          pointer('mouse', [move(x, y), { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }]),
        move: (x, y) => pointer('mouse', [move(x, y)]),
        down: () => pointer('mouse', [{ type: 'pointerDown', button: 0 }]),
        up: () => pointer('mouse', [{ type: 'pointerUp', button: 0 }]),
      },
      // WebKitGTK's driver turns touch actions into mouse events: the page would see a mouse.
      touchscreen: {
        tap: async () => {
          throw new Error('WebKit\'s driver sends no touches (its touch actions arrive as a mouse)');
        },
      },
      keyboard: {
        down: (key) => keys([{ type: 'keyDown', value: keyValue(key) }]),
        up: (key) => keys([{ type: 'keyUp', value: keyValue(key) }]),
        press: (key) => keys([{ type: 'keyDown', value: keyValue(key) }, { type: 'keyUp', value: keyValue(key) }]),
      },
      async close() {
        if (closed) return;
        await collect();
        closed = true;
        clearInterval(poll);
        pages.splice(pages.indexOf(page), 1);
        if (pages.length > 0 || spare !== null) {
          await inTab(handle, () => session.send('DELETE', '/window'));
          current = null;
        } else {
          await inTab(handle, () => session.send('POST', '/url', { url: 'about:blank' }));
          spare = handle;
        }
      },
      stopWatching() {
        closed = true;
        clearInterval(poll);
      },
    };
    return page;
  }
  return browser;
}
