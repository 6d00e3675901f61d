// The desktop program, for comparing the page with: the build's marlix-pentro on an Xvfb
// display of its own with a fresh settings folder and its pauses off, tapped with xdotool,
// its board read from the game it saves after every move.
import { spawn, spawnSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { mkdtemp, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { startXvfb } from './xvfb.mjs';

const top = fileURLToPath(new URL('../../', import.meta.url));

// The program (MARLIX_DESKTOP_PROGRAM, else the test build's), or why it cannot be run.
export function desktopProgram() {
  const program = process.env.MARLIX_DESKTOP_PROGRAM || join(top, 'build-test', 'marlix-pentro');
  if (!existsSync(program)) return { missing: `no desktop program at ${program} (build it, or set MARLIX_DESKTOP_PROGRAM)` };
  for (const tool of ['Xvfb', 'xdotool'])
    if (spawnSync('sh', ['-c', `command -v ${tool}`]).status !== 0) return { missing: `${tool} is missing` };
  return { program };
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The board of the last saved game: owners of the 161 cells (-1, 0, 1), or null before any.
export function savedBoard(registryText) {
  const match = /"occ"=hex:((?:[0-9a-f]{2}|,|\\\n\s*)*)/.exec(registryText);
  if (!match) return null;
  const bytes = Buffer.from(match[1].replace(/[^0-9a-f]/g, ''), 'hex');
  if (bytes.length !== 161 * 4) return null;
  return [...Array(161).keys()].map((cell) => bytes.readInt32LE(cell * 4));
}

export async function startDesktop(program) {
  const work = await mkdtemp(join(tmpdir(), 'marlix-desktop-'));
  const xvfb = await startXvfb();
  const display = xvfb.display;
  const env = {
    ...process.env,
    DISPLAY: display,
    HOME: work,
    XDG_CONFIG_HOME: join(work, 'config'),
    XDG_RUNTIME_DIR: work,
    MARLIX_PENTRO_PAUSES: '0',
    MARLIX_PENTRO_SCALE: '1',
    // The board is what is compared here; the sounds have tests of their own.
    SDL_AUDIODRIVER: 'dummy',
  };
  const game = spawn(program, [], { env, stdio: ['ignore', 'ignore', 'pipe'] });
  let said = '';
  game.stderr.on('data', (chunk) => (said += chunk));
  const registry = join(work, 'config', 'marlix-pentro', 'registry.reg');
  const xdotool = (...args) => spawnSync('xdotool', args, { env, encoding: 'utf8' });
  let window = '';
  // Thirty seconds: the program starts in a moment, but a browser starting beside it on
  // a two-core machine can hold it back for many.
  for (let i = 0; i < 300 && !window && game.exitCode === null; ++i) {
    window = xdotool('search', '--name', '^Marlix Pentro$').stdout.trim().split('\n')[0] || '';
    if (!window) await sleep(100);
  }
  if (!window) {
    game.kill();
    await xvfb.stop();
    throw new Error(`the desktop program showed no window (${game.exitCode === null ? 'still running' : `ended with ${game.exitCode}`}; it said: ${said.trim() || 'nothing'})`);
  }
  const board = async () => {
    try {
      return savedBoard(await readFile(registry, 'utf8'));
    } catch {
      return null;
    }
  };
  return {
    board,
    // Taps a pixel of the 480 × 640 screen and waits until the saved game has settled (the
    // computer answered with its pauses off).
    async tap(x, y) {
      const before = JSON.stringify(await board());
      xdotool('mousemove', '--window', window, String(x), String(y), 'click', '1');
      let last = before, steady = 0;
      for (let i = 0; i < 100 && steady < 3; ++i) {
        await sleep(50);
        const now = JSON.stringify(await board());
        steady = now !== before && now === last ? steady + 1 : 0;
        last = now;
      }
    },
    async stop() {
      game.kill();
      await new Promise((resolve) => (game.exitCode !== null ? resolve() : game.on('exit', resolve)));
      await xvfb.stop();
      await rm(work, { recursive: true, force: true });
    },
  };
}
