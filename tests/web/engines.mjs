// The browser engines the page is played in: Chromium and Firefox ESR through puppeteer
// (Chrome's DevTools protocol and WebDriver BiDi), WebKit through its WebDriver (webkit.mjs).
// MARLIX_ENGINES picks some (a comma list); by default every installed one runs, and one
// that is not installed is skipped with the reason.
import { existsSync, mkdtempSync } from 'node:fs';
import { rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { describe } from 'node:test';
import puppeteer from 'puppeteer-core';
import { chromiumPath, launch } from './harness.mjs';
import { startSoundServer } from './pulse.mjs';
import { launchWebKit, webkitMissing } from './webkit.mjs';

export const firefoxPath = process.env.MARLIX_FIREFOX || '/usr/bin/firefox-esr';

// The machine has no way out: Firefox is kept from asking its vendor's servers for updates,
// add-ons, safe-browsing lists and the like (puppeteer already turns most of these off).
const firefoxPrefs = {
  'app.update.enabled': false,
  'app.update.auto': false,
  'browser.safebrowsing.update.enabled': false,
  'extensions.update.enabled': false,
  'network.captive-portal-service.enabled': false,
  'network.connectivity-service.enabled': false,
  'browser.region.network.url': '',
  'media.gmp-manager.url': '',
  'toolkit.telemetry.enabled': false,
  'datareporting.healthreport.uploadEnabled': false,
};

// Firefox takes seconds to start. Without a profile asked for, one process is kept warm
// between the tests of a file, and each test gets a browser context of its own: storage of
// its own, as a fresh profile would have. The process ends a second after its last context.
let warm = null;

async function firefoxContext() {
  if (warm === null) {
    const entry = { started: startFirefox(), users: 0, timer: null };
    entry.started.then(
      ({ browser }) => browser.on('disconnected', () => warm === entry && (warm = null)),
      () => warm === entry && (warm = null),
    );
    warm = entry;
  }
  const entry = warm;
  clearTimeout(entry.timer);
  ++entry.users;
  let context;
  try {
    context = await (await entry.started).browser.createBrowserContext();
  } catch (error) {
    --entry.users;
    throw error;
  }
  return {
    browser: context,
    profile: null,
    close: async () => {
      await context.close().catch(() => {});
      if (--entry.users > 0) return;
      entry.timer = setTimeout(() => {
        if (warm === entry) warm = null;
        entry.started.then((started) => started.close()).catch(() => {});
      }, 1000);
    },
  };
}

function launchFirefox({ profile } = {}) {
  return profile ? startFirefox({ profile }) : firefoxContext();
}

async function startFirefox({ profile } = {}) {
  const userDataDir = profile || mkdtempSync(join(tmpdir(), 'marlix-firefox-'));
  const sound = await startSoundServer();
  let browser;
  try {
    browser = await puppeteer.launch({
      browser: 'firefox',
      protocol: 'webDriverBiDi',
      executablePath: firefoxPath,
      headless: true,
      userDataDir,
      extraPrefsFirefox: firefoxPrefs,
      env: sound ? { ...process.env, PULSE_SERVER: sound.server } : process.env,
    });
  } catch (error) {
    await sound?.stop();
    throw error;
  }
  return {
    browser,
    profile: userDataDir,
    close: async ({ keepProfile = false } = {}) => {
      await browser.close();
      await sound?.stop();
      if (!keepProfile && !profile) await rm(userDataDir, { recursive: true, force: true });
    },
  };
}

// Each engine: how to start it, why it cannot run here (or null), and what it can do beyond
// the common ground. `touch`: a finger reaches the page as a touch (WebKitGTK's driver sends
// touch actions as a mouse). `phone`: a viewport of a phone's size and pixel ratio.
// `profile`: a profile that outlives the browser.
export const allEngines = {
  chromium: {
    name: 'chromium',
    launch,
    missing: () => (existsSync(chromiumPath) ? null : `no ${chromiumPath} (Debian's chromium)`),
    can: { touch: true, phone: true, profile: true },
  },
  firefox: {
    name: 'firefox',
    launch: launchFirefox,
    missing: () => (existsSync(firefoxPath) ? null : `no ${firefoxPath} (Debian's firefox-esr)`),
    can: { touch: true, phone: true, profile: true },
  },
  webkit: {
    name: 'webkit',
    launch: launchWebKit,
    missing: webkitMissing,
    can: { touch: false, phone: false, profile: false },
  },
};

// The engines asked for, in MARLIX_ENGINES's order; an unknown name is an error, not a skip.
export function chosenEngines(list = process.env.MARLIX_ENGINES) {
  const names = list ? list.split(',').map((name) => name.trim()).filter(Boolean) : Object.keys(allEngines);
  for (const name of names) if (!allEngines[name]) throw new Error(`MARLIX_ENGINES: no engine "${name}" (${Object.keys(allEngines).join(', ')})`);
  return names.map((name) => allEngines[name]);
}

// Runs `body(engine)` in a group of its own for each chosen engine among `only` (default all)
// that has every ability in `needs`: "in firefox: <title>". An engine not installed is
// skipped with the reason.
export function eachEngine(title, body, { only = null, needs = [] } = {}) {
  for (const engine of chosenEngines()) {
    if (only && !only.includes(engine.name)) continue;
    if (!needs.every((ability) => engine.can[ability])) continue;
    const missing = engine.missing();
    describe(`in ${engine.name}: ${title}`, { skip: missing || false }, () => body(engine));
  }
}
