// A sound server of a browser's own, as a desktop has one: PulseAudio with a null sink in a
// private folder. Firefox without any sound server closes the tab when a page starts its
// audio, which no player's desktop would see.
import { spawn, spawnSync } from 'node:child_process';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { ownChild } from './child.mjs';

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// { server (for PULSE_SERVER), stop }, or null where PulseAudio is not installed.
export async function startSoundServer() {
  if (spawnSync('sh', ['-c', 'command -v pulseaudio && command -v pactl']).status !== 0) return null;
  const home = await mkdtemp(join(tmpdir(), 'marlix-pulse-'));
  const env = { ...process.env, HOME: home, XDG_RUNTIME_DIR: home, XDG_CONFIG_HOME: home, PULSE_RUNTIME_PATH: join(home, 'run') };
  delete env.DISPLAY;
  // No session bus: the server has nothing to look for there.
  env.DBUS_SESSION_BUS_ADDRESS = 'disabled:';
  const pulse = spawn(
    'pulseaudio',
    ['-n', '--daemonize=no', '--exit-idle-time=-1', '--disallow-exit', '-L', 'module-null-sink', '-L', 'module-native-protocol-unix auth-anonymous=1'],
    { env, stdio: 'ignore' },
  );
  const server = `unix:${join(home, 'run', 'native')}`;
  const stopPulse = ownChild(pulse);
  const stop = async () => {
    await stopPulse();
    await rm(home, { recursive: true, force: true });
  };
  for (let i = 0; i < 100; ++i) {
    if (spawnSync('pactl', ['info'], { env: { ...process.env, PULSE_SERVER: server }, stdio: 'ignore' }).status === 0) return { server, stop };
    await sleep(50);
  }
  await stop();
  throw new Error('PulseAudio did not start');
}
