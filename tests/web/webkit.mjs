// WebKit, as Debian's webkit2gtk-driver gives it: WebKitWebDriver starting WebKitGTK's
// MiniBrowser on an Xvfb display and with a sound server of its own, with a fresh home for
// its files, driven over WebDriver's HTTP protocol (webdriver.mjs).
import { spawn, spawnSync } from 'node:child_process';
import { existsSync, readdirSync } from 'node:fs';
import { mkdtemp, rm } from 'node:fs/promises';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { ownChild } from './child.mjs';
import { driverSession, webdriverBrowser } from './webdriver.mjs';
import { startSoundServer } from './pulse.mjs';
import { watchedAgentWord } from './watcher.mjs';
import { startXvfb } from './xvfb.mjs';

export const webkitDriverPath = process.env.MARLIX_WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver';

// MiniBrowser lives in the library folder of the WebKitGTK API version installed.
export function miniBrowserPath() {
  if (process.env.MARLIX_MINIBROWSER) return process.env.MARLIX_MINIBROWSER;
  for (const lib of ['/usr/lib/x86_64-linux-gnu', '/usr/lib/aarch64-linux-gnu', '/usr/lib']) {
    let names = [];
    try {
      names = readdirSync(lib).filter((name) => /^webkit2?gtk-[0-9.]+$/.test(name)).sort().reverse();
    } catch {
      continue;
    }
    for (const name of names) if (existsSync(join(lib, name, 'MiniBrowser'))) return join(lib, name, 'MiniBrowser');
  }
  return null;
}

// Why WebKit cannot run here, or null.
export function webkitMissing() {
  if (!existsSync(webkitDriverPath)) return `no ${webkitDriverPath} (Debian's webkit2gtk-driver)`;
  if (!miniBrowserPath()) return 'no MiniBrowser (Debian\'s webkit2gtk-driver)';
  if (spawnSync('sh', ['-c', 'command -v Xvfb']).status !== 0) return 'Xvfb is missing';
  return null;
}

async function freePort() {
  const server = createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// WebKit's own user agent with a word added, by which the test server knows to put its error
// watcher into the pages (the driver reports no console messages).
const userAgent = `Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/18.0 Safari/605.1.15 ${watchedAgentWord}`;

// A running MiniBrowser session: { browser, profile, close }. MiniBrowser under automation
// keeps its site data only for the session, so a profile cannot be handed on.
export async function launchWebKit({ profile } = {}) {
  if (profile) throw new Error('WebKit\'s automation session keeps no profile to hand on');
  const home = await mkdtemp(join(tmpdir(), 'marlix-webkit-'));
  const xvfb = await startXvfb({ width: 1600, height: 1200 });
  const sound = await startSoundServer();
  const port = await freePort();
  const env = {
    ...process.env,
    DISPLAY: xvfb.display,
    HOME: home,
    XDG_CONFIG_HOME: join(home, 'config'),
    XDG_CACHE_HOME: join(home, 'cache'),
    XDG_DATA_HOME: join(home, 'data'),
    XDG_RUNTIME_DIR: home,
    // No accessibility bus to wait for on the bare display.
    NO_AT_BRIDGE: '1',
    ...(sound ? { PULSE_SERVER: sound.server } : {}),
  };
  const driver = spawn(webkitDriverPath, [`--port=${port}`, '--host=127.0.0.1'], { env, stdio: 'ignore' });
  const base = `http://127.0.0.1:${port}`;
  // A test that ends without closing its browser still takes the driver along.
  const stopDriver = ownChild(driver);
  const stop = async () => {
    await stopDriver();
    await xvfb.stop();
    await sound?.stop();
    // WebKit's helper processes may still be writing their caches for a moment.
    await rm(home, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
  };
  try {
    let ready = false;
    for (let i = 0; i < 100 && !ready; ++i) {
      ready = await fetch(`${base}/status`)
        .then((response) => response.ok)
        .catch(() => false);
      if (!ready) await sleep(50);
    }
    if (!ready) throw new Error('WebKitWebDriver did not answer');
    const response = await fetch(`${base}/session`, {
      method: 'POST',
      headers: { 'Content-Type': 'application/json' },
      body: JSON.stringify({
        capabilities: {
          alwaysMatch: {
            timeouts: { pageLoad: 30000, script: 30000 },
            'webkitgtk:browserOptions': {
              binary: miniBrowserPath(),
              args: ['--automation', `--user-agent=${userAgent}`],
            },
          },
        },
      }),
    });
    const answer = await response.json();
    if (response.status !== 200) throw new Error(`no WebKit session: ${JSON.stringify(answer.value)}`);
    const session = driverSession(base, answer.value.sessionId);
    const first = await session.send('GET', '/window');
    const browser = webdriverBrowser(session, first);
    return {
      browser,
      profile: null,
      close: async () => {
        for (const page of [...browser.pages]) page.stopWatching();
        await session.serial(() => session.send('DELETE', '')).catch(() => {});
        await stop();
      },
    };
  } catch (error) {
    await stop();
    throw error;
  }
}
