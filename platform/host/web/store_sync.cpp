// The store on a web page: the settings folder is the page's memory, kept in the browser's
// IndexedDB through emscripten's IDBFS. A flush there would sync the whole store and
// suspend the program until the browser answers, which a closing page never does; so a
// file is put in place in memory, and then its new contents go to IndexedDB in a request
// made before the save returns, the rest of the folder after it.
#include "host/store_sync.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(int, StoreInBrowser, (const char* folderName, const char* fileName), {
  // A browser that keeps nothing: the file stays in the page's memory, as the player was told.
  if (Module.marlixStoreless) return 1;
  const folder = UTF8ToString(folderName);
  const file = UTF8ToString(fileName);
  let stored = 1;
  // IDBFS keeps one open database for the mount the settings folder lies in.
  const names = Object.keys(IDBFS.dbs);
  const db = names.length > 0 ? IDBFS.dbs[names[0]] : null;
  if (db) {
    try {
      const transaction = db.transaction(['FILE_DATA'], 'readwrite');
      const store = transaction.objectStore('FILE_DATA');
      const folderStat = FS.stat(folder);
      store.put({ timestamp: folderStat.mtime, mode: folderStat.mode }, folder);
      const stat = FS.stat(file);
      store.put({ timestamp: stat.mtime, mode: stat.mode, contents: FS.readFile(file) }, file);
      if (transaction.commit) transaction.commit();
    } catch (error) {
      console.warn('The settings could not be stored in the browser: ' + error);
      stored = 0;
    }
  }
  try {
    FS.syncfs(false, (error) => {
      if (error) console.warn('The settings could not be stored in the browser: ' + error);
    });
  } catch (error) {
    console.warn('The settings could not be stored in the browser: ' + error);
  }
  return stored;
});
// clang-format on

}  // namespace

bool StoreFlushFile(int) { return true; }

bool StoreFlushFolder(const std::string& folder, const std::string& file) {
  return StoreInBrowser(folder.c_str(), file.c_str()) != 0;
}
