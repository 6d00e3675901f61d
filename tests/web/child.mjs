// A helper process of a test's own (a sound server, a driver, a display): killed when Node
// exits without having stopped it, so a test that fails midway leaves none behind.
export function ownChild(child) {
  const ended = new Promise((resolve) =>
    child.exitCode !== null || child.signalCode !== null ? resolve() : child.on('exit', resolve),
  );
  const orphan = () => child.kill();
  process.on('exit', orphan);
  // Kills it and waits for its end.
  return async () => {
    process.off('exit', orphan);
    child.kill();
    await ended;
  };
}
