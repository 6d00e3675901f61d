// The registry file in the program's folder on the desktop's disk: read whole, and replaced
// whole by the host's store so a crash never leaves it torn.
#include "host/store.h"
#include "registry/regfile.h"

namespace {

constexpr const char* FileName = "registry.reg";

}  // namespace

std::string RegFolder() { return StoreFolder(); }

void RegLoad(RegStore& store) {
  store = RegStore{};
  store.keys.try_emplace(u"");
  const std::string folder = RegFolder();
  if (folder.empty()) return;
  // One byte past the limit tells the reader that the file was longer.
  std::string text;
  const StoreRead read = StoreReadFile(folder + "/" + FileName, RegMaxFileBytes, text);
  if (read == StoreRead::Missing) return;
  // There, but unreadable: keep it when replacing it.
  if (read == StoreRead::Failed) store.damaged = true;
  if (read == StoreRead::Failed && text.empty()) return;
  RegReadText(text, store);
}

bool RegSave(const RegStore& store, const std::string& folder) {
  return StoreReplaceFile(folder, FileName, RegWriteText(store), store.damaged);
}
