// Modules and their resources: the program's resource script compiled in as a table, read
// by type and name; strings, icons and accelerator tables made from its entries.
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/emulator.h"
#include "platform/gdi.h"
#include "platform/input.h"
#include "platform/winbase.h"
#include "platform/winuser.h"

struct HACCEL__ {
  const ACCEL* entries;
  size_t count;
};

struct HINSTANCE__ {
  const RESOURCE* resources;
  size_t count;
  // Made once per resource and kept as long as the module, as the device shares them.
  std::map<const RESOURCE*, HICON__> icons;
  std::map<const RESOURCE*, HACCEL__> accelerators;
  ~HINSTANCE__() {
    for (auto& icon : icons) HostImageFree(icon.second.pixels);
  }
};

namespace {

std::vector<std::unique_ptr<HINSTANCE__>> modules;

bool SameName(LPCWSTR a, LPCWSTR b) {
  if (IS_INTRESOURCE(a) || IS_INTRESOURCE(b)) return a == b;
  return std::u16string_view(a) == std::u16string_view(b);
}

const RESOURCE* Find(HMODULE module, LPCWSTR name, LPCWSTR type) {
  if (module == nullptr) module = GetModuleHandleW(nullptr);
  if (module == nullptr || name == nullptr || type == nullptr) return nullptr;
  for (size_t i = 0; i < module->count; ++i) {
    const RESOURCE& entry = module->resources[i];
    if (SameName(entry.type, type) && SameName(entry.name, name)) return &entry;
  }
  return nullptr;
}

}  // namespace

HINSTANCE EmulatorLoadModule(const RESOURCE* resources, size_t count) {
  for (const auto& module : modules)
    if (module->resources == resources && module->count == count) return module.get();
  modules.push_back(std::make_unique<HINSTANCE__>());
  modules.back()->resources = resources;
  modules.back()->count = count;
  return modules.back().get();
}

HMODULE GetModuleHandleW(LPCWSTR moduleName) {
  if (moduleName != nullptr || modules.empty()) return nullptr;
  return modules.front().get();
}

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
  return reinterpret_cast<HRSRC>(const_cast<RESOURCE*>(Find(module, name, type)));
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
  if (resource == nullptr) return nullptr;
  return const_cast<void*>(reinterpret_cast<const RESOURCE*>(resource)->data);
}

LPVOID LockResource(HGLOBAL data) { return data; }

DWORD SizeofResource(HMODULE, HRSRC resource) {
  return resource == nullptr ? 0 : reinterpret_cast<const RESOURCE*>(resource)->size;
}

int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  buffer[0] = 0;
  const RESOURCE* entry = Find(instance, MAKEINTRESOURCE(static_cast<WORD>(id)), RT_STRING);
  if (entry == nullptr || entry->data == nullptr) return 0;
  const auto* text = static_cast<LPCWSTR>(entry->data);
  int length = 0;
  while (length < size - 1 && text[length] != 0) {
    buffer[length] = text[length];
    ++length;
  }
  buffer[length] = 0;
  return length;
}

HICON LoadIconW(HINSTANCE instance, LPCWSTR name) {
  if (instance == nullptr) instance = GetModuleHandleW(nullptr);
  const RESOURCE* entry = Find(instance, name, RT_GROUP_ICON);
  if (entry == nullptr || entry->data == nullptr) return nullptr;
  auto known = instance->icons.find(entry);
  if (known != instance->icons.end()) return &known->second;
  HostImage* pixels = HostImageDecodeBmp(entry->data, entry->size);
  if (pixels == nullptr) return nullptr;
  return &instance->icons.emplace(entry, HICON__{pixels}).first->second;
}

HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name) {
  const RESOURCE* entry = Find(instance, name, RT_BITMAP);
  if (entry == nullptr || entry->data == nullptr) return nullptr;
  return NewBitmap(HostImageDecodeBmp(entry->data, entry->size));
}

HACCEL LoadAcceleratorsW(HINSTANCE instance, LPCWSTR name) {
  if (instance == nullptr) instance = GetModuleHandleW(nullptr);
  const RESOURCE* entry = Find(instance, name, RT_ACCELERATOR);
  if (entry == nullptr || entry->data == nullptr) return nullptr;
  const HACCEL__ table{static_cast<const ACCEL*>(entry->data), entry->size / sizeof(ACCEL)};
  return &instance->accelerators.emplace(entry, table).first->second;
}

int TranslateAcceleratorW(HWND window, HACCEL table, LPMSG msg) {
  if (table == nullptr || msg == nullptr || msg->message != WM_KEYDOWN || !IsWindow(window)) return 0;
  const bool control = InputKeyDown(VK_CONTROL), shift = InputKeyDown(VK_SHIFT), alt = InputKeyDown(VK_MENU);
  for (size_t i = 0; i < table->count; ++i) {
    const ACCEL& entry = table->entries[i];
    if ((entry.fVirt & FVIRTKEY) == 0 || entry.key != msg->wParam) continue;
    if (((entry.fVirt & FCONTROL) != 0) != control || ((entry.fVirt & FSHIFT) != 0) != shift ||
        ((entry.fVirt & FALT) != 0) != alt)
      continue;
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
    return 1;
  }
  return 0;
}
