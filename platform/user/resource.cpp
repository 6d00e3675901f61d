// Objects made from the module's resources: strings, icons, accelerator tables and bitmaps.
#include <map>

#include "gdi/gdi.h"
#include "kernel/module.h"
#include "platform/winbase.h"
#include "platform/winuser.h"
#include "user/input.h"
#include "user/window.h"

struct HACCEL__ {
  const ACCEL* entries;
  size_t count;
};

namespace {

// Made once per resource and kept as long as the program, as the device shares them.
struct Icons {
  std::map<const RESOURCE*, HICON__> made;
  ~Icons() {
    for (auto& icon : made) HostImageFree(icon.second.pixels);
  }
};
Icons icons;
std::map<const RESOURCE*, HACCEL__> accelerators;

}  // namespace

int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  buffer[0] = 0;
  const RESOURCE* entry = ModuleResource(instance, MAKEINTRESOURCE(static_cast<WORD>(id)), RT_STRING);
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
  const RESOURCE* entry = ModuleResource(instance, name, RT_GROUP_ICON);
  if (entry == nullptr || entry->data == nullptr) return nullptr;
  auto known = icons.made.find(entry);
  if (known != icons.made.end()) return &known->second;
  HostImage* pixels = HostImageDecodeBmp(entry->data, entry->size);
  if (pixels == nullptr) return nullptr;
  return &icons.made.emplace(entry, HICON__{pixels}).first->second;
}

HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name) {
  const RESOURCE* entry = ModuleResource(instance, name, RT_BITMAP);
  if (entry == nullptr || entry->data == nullptr) return nullptr;
  return NewBitmap(HostImageDecodeBmp(entry->data, entry->size));
}

HACCEL LoadAcceleratorsW(HINSTANCE instance, LPCWSTR name) {
  if (instance == nullptr) instance = GetModuleHandleW(nullptr);
  const RESOURCE* entry = ModuleResource(instance, name, RT_ACCELERATOR);
  if (entry == nullptr || entry->data == nullptr) return nullptr;
  const HACCEL__ table{static_cast<const ACCEL*>(entry->data), entry->size / sizeof(ACCEL)};
  return &accelerators.emplace(entry, table).first->second;
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
