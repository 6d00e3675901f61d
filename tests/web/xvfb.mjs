// An X display of a test's own: Xvfb on the first free display number (it names the number
// itself), gone again with `stop`.
import { spawn } from 'node:child_process';
import { ownChild } from './child.mjs';

export async function startXvfb({ width = 1024, height = 768 } = {}) {
  const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', `${width}x${height}x24`, '-nolisten', 'tcp'], {
    stdio: ['ignore', 'ignore', 'ignore', 'pipe'],
  });
  const stop = ownChild(xvfb);
  const display = await new Promise((resolve, reject) => {
    let text = '';
    xvfb.stdio[3].on('data', (chunk) => {
      text += chunk;
      if (text.includes('\n')) resolve(`:${text.trim()}`);
    });
    xvfb.on('exit', () => reject(new Error('Xvfb ended')));
  });
  return { display, stop };
}
