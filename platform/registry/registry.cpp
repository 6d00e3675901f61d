// The registry calls on HKEY_CURRENT_USER. The file is the registry: it is read afresh
// whenever a key is opened while no other is open and no replacement waits, and replaced
// when a key through which something changed is closed, so the values set between an open
// and its close reach the disk together, in one replacement of the file. Replacements are
// written on a thread of their own; RegFlushKey waits for them.
#include <cstring>
#include <mutex>
#include <set>

#include "platform/winreg.h"
#include "registry/regfile.h"

namespace {

struct OpenKey {
  std::u16string path;
  bool changed;  // a key was created or a value set through this handle
};

std::mutex lock;
RegStore store;
std::set<OpenKey*> openKeys;

OpenKey* Find(HKEY key) {
  const auto found = openKeys.find(reinterpret_cast<OpenKey*>(key));
  return found == openKeys.end() ? nullptr : *found;
}

// Between uses the file may have been edited by the player or replaced by a test; while
// a replacement waits to be written, what is held here is newer than the file.
void LoadIfIdle() {
  if (openKeys.empty() && !RegSavesPending()) RegLoad(store);
}

// The queued copy keeps a damaged file aside before replacing it; should that fail, the
// next load finds the damage again.
void Save() {
  RegQueueSave(store);
  store.damaged = false;
}

// The path of `subKey` below `key`, or false when `key` is no key or the path is invalid.
LONG KeyPath(HKEY key, LPCWSTR subKey, std::u16string& path) {
  std::u16string base;
  if (key != HKEY_CURRENT_USER) {
    const OpenKey* open = Find(key);
    if (open == nullptr) return ERROR_INVALID_HANDLE;
    base = open->path;
  }
  std::u16string sub;
  if (!RegCanonicalKeyPath(subKey == nullptr ? u"" : subKey, sub)) return ERROR_INVALID_PARAMETER;
  path = base.empty() ? sub : sub.empty() ? base : base + u"\\" + sub;
  return path.size() <= RegMaxKeyPathChars ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
}

LONG OpenKeyAt(HKEY key, LPCWSTR subKey, bool create, PHKEY result, LPDWORD disposition) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  std::lock_guard<std::mutex> guard(lock);
  std::u16string path;
  const LONG status = KeyPath(key, subKey, path);
  if (status != ERROR_SUCCESS)
    return create || status == ERROR_INVALID_HANDLE ? status : ERROR_FILE_NOT_FOUND;
  LoadIfIdle();
  const bool exists = store.keys.count(path) != 0;
  if (!exists && !create) return ERROR_FILE_NOT_FOUND;
  if (!exists) RegAddKey(store, path);
  OpenKey* open = new OpenKey{path, !exists};
  openKeys.insert(open);
  *result = reinterpret_cast<HKEY>(open);
  if (disposition != nullptr) *disposition = exists ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
  return ERROR_SUCCESS;
}

// The key a value call names: an open key, or the hive itself.
RegKey* ValueKey(HKEY key) {
  if (key == HKEY_CURRENT_USER) {
    LoadIfIdle();
    return &store.keys[u""];
  }
  const OpenKey* open = Find(key);
  return open == nullptr ? nullptr : &store.keys[open->path];
}

}  // namespace

LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD, REGSAM, PHKEY result) {
  return OpenKeyAt(key, subKey, false, result, nullptr);
}

LONG RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD, LPWSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES,
                     PHKEY result, LPDWORD disposition) {
  return OpenKeyAt(key, subKey, true, result, disposition);
}

LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
  std::lock_guard<std::mutex> guard(lock);
  const RegKey* owner = ValueKey(key);
  if (owner == nullptr) return ERROR_INVALID_HANDLE;
  const RegValue* value = RegFindValue(*owner, valueName == nullptr ? u"" : valueName);
  if (value == nullptr) return ERROR_FILE_NOT_FOUND;
  if (data != nullptr && size == nullptr) return ERROR_INVALID_PARAMETER;
  if (type != nullptr) *type = value->type;
  const DWORD stored = static_cast<DWORD>(value->data.size());
  if (data != nullptr) {
    if (stored > *size) {
      *size = stored;
      return ERROR_MORE_DATA;
    }
    if (stored != 0) std::memcpy(data, value->data.data(), stored);
  }
  if (size != nullptr) *size = stored;
  return ERROR_SUCCESS;
}

LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD size) {
  const std::u16string name = valueName == nullptr ? u"" : valueName;
  if ((data == nullptr && size != 0) || size > RegMaxValueBytes || !RegValidValueName(name))
    return ERROR_INVALID_PARAMETER;
  std::lock_guard<std::mutex> guard(lock);
  RegKey* owner = ValueKey(key);
  if (owner == nullptr) return ERROR_INVALID_HANDLE;
  // A value set to what it holds already changes nothing, so the file is left alone.
  const RegValue* old = RegFindValue(*owner, name);
  if (old != nullptr && old->type == type && old->data.size() == size &&
      (size == 0 || std::memcmp(old->data.data(), data, size) == 0))
    return ERROR_SUCCESS;
  RegPutValue(*owner, name, type, std::vector<BYTE>(data, data + size));
  if (key == HKEY_CURRENT_USER)
    Save();  // no handle will be closed for it
  else
    Find(key)->changed = true;
  return ERROR_SUCCESS;
}

LONG RegFlushKey(HKEY key) {
  if (key != HKEY_CURRENT_USER) {
    std::lock_guard<std::mutex> guard(lock);
    if (Find(key) == nullptr) return ERROR_INVALID_HANDLE;
  }
  RegWaitForSaves();
  return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
  if (key == HKEY_CURRENT_USER) return ERROR_SUCCESS;
  std::lock_guard<std::mutex> guard(lock);
  OpenKey* open = Find(key);
  if (open == nullptr) return ERROR_INVALID_HANDLE;
  if (open->changed) Save();
  openKeys.erase(open);
  delete open;
  return ERROR_SUCCESS;
}
