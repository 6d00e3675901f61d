// Before the program starts on a web page: the folder of its settings and saved game lives
// in the browser's IndexedDB and is read in first; and the page's address may set the
// program's variables (?MARLIX_PENTRO_PAUSES=0 for tests), as a desktop's environment does.
// Where IndexedDB is missing or refuses (a private window, a full disk, a setting), or does
// not answer within a few seconds, the folder lives in the page's memory only: the game
// plays, and the page says once that it is not kept.
Module.preRun = Module.preRun || [];
Module.preRun.push(() => {
  const folder = '/home/web_user/.config';
  FS.mkdirTree(folder);
  const unkept = (why) => {
    console.warn('The game will not be kept in this browser: ' + why);
    Module.marlixStoreless = true;
    if (Module.marlixUnkept) Module.marlixUnkept();
  };
  let stores = false;
  try {
    stores = typeof indexedDB !== 'undefined' && indexedDB !== null;
  } catch (error) {
    // Some browsers throw on the mere look when storage is switched off.
  }
  if (!stores) {
    unkept('no IndexedDB');
  } else {
    FS.mount(IDBFS, {}, folder);
    addRunDependency('marlix-store');
    let answered = false;
    const answer = (error) => {
      if (answered) return;
      answered = true;
      clearTimeout(waiting);
      if (error) unkept(error);
      removeRunDependency('marlix-store');
    };
    const waiting = setTimeout(() => answer('no answer'), 4000);
    // The database is opened here, where a refusal is heard, and handed to IDBFS, which
    // would take it for an answer, as it does for one it opened itself.
    try {
      const request = indexedDB.open(folder, IDBFS.DB_VERSION);
      request.onupgradeneeded = () => {
        const db = request.result;
        const files = db.objectStoreNames.contains(IDBFS.DB_STORE_NAME)
          ? request.transaction.objectStore(IDBFS.DB_STORE_NAME)
          : db.createObjectStore(IDBFS.DB_STORE_NAME);
        if (!files.indexNames.contains('timestamp')) files.createIndex('timestamp', 'timestamp', { unique: false });
      };
      request.onsuccess = () => {
        IDBFS.dbs[folder] = request.result;
        try {
          FS.syncfs(true, (error) => answer(error));
        } catch (error) {
          answer(error);
        }
      };
      request.onerror = (event) => {
        event.preventDefault();
        answer(request.error || 'refused');
      };
    } catch (error) {
      answer(error);
    }
  }
  // (emscripten's own minifier reads older JavaScript: no destructuring here.)
  new URLSearchParams(location.search).forEach((value, name) => {
    if (/^MARLIX_PENTRO_[A-Z_]+$/.test(name)) ENV[name] = value;
  });
});
