// Before the program starts on a web page: the folder of its settings and saved game lives
// in the browser's IndexedDB and is read in first; and the page's address may set the
// program's variables (?MARLIX_PENTRO_PAUSES=0 for tests), as a desktop's environment does.
Module.preRun = Module.preRun || [];
Module.preRun.push(() => {
  const folder = '/home/web_user/.config';
  FS.mkdirTree(folder);
  FS.mount(IDBFS, {}, folder);
  addRunDependency('marlix-store');
  FS.syncfs(true, (error) => {
    if (error) console.warn('The stored settings could not be read: ' + error);
    removeRunDependency('marlix-store');
  });
  // (emscripten's own minifier reads older JavaScript: no destructuring here.)
  new URLSearchParams(location.search).forEach((value, name) => {
    if (/^MARLIX_PENTRO_[A-Z_]+$/.test(name)) ENV[name] = value;
  });
});
