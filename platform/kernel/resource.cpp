// Modules and their resources: the program's resource script compiled in as a table, read
// by type and name.
#include <memory>
#include <string_view>
#include <vector>

#include "kernel/module.h"
#include "platform/emulator.h"
#include "platform/winbase.h"
#include "platform/winuser.h"

struct HINSTANCE__ {
  const RESOURCE* resources;
  size_t count;
};

namespace {

std::vector<std::unique_ptr<HINSTANCE__>> modules;

bool SameName(LPCWSTR a, LPCWSTR b) {
  if (IS_INTRESOURCE(a) || IS_INTRESOURCE(b)) return a == b;
  return std::u16string_view(a) == std::u16string_view(b);
}

}  // namespace

const RESOURCE* ModuleResource(HMODULE module, LPCWSTR name, LPCWSTR type) {
  if (module == nullptr) module = GetModuleHandleW(nullptr);
  if (module == nullptr || name == nullptr || type == nullptr) return nullptr;
  for (size_t i = 0; i < module->count; ++i) {
    const RESOURCE& entry = module->resources[i];
    if (SameName(entry.type, type) && SameName(entry.name, name)) return &entry;
  }
  return nullptr;
}

HINSTANCE EmulatorLoadModule(const RESOURCE* resources, size_t count) {
  for (const auto& module : modules)
    if (module->resources == resources && module->count == count) return module.get();
  modules.push_back(std::make_unique<HINSTANCE__>(HINSTANCE__{resources, count}));
  return modules.back().get();
}

HMODULE GetModuleHandleW(LPCWSTR moduleName) {
  if (moduleName != nullptr || modules.empty()) return nullptr;
  return modules.front().get();
}

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
  return reinterpret_cast<HRSRC>(const_cast<RESOURCE*>(ModuleResource(module, name, type)));
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
  if (resource == nullptr) return nullptr;
  return const_cast<void*>(reinterpret_cast<const RESOURCE*>(resource)->data);
}

LPVOID LockResource(HGLOBAL data) { return data; }

DWORD SizeofResource(HMODULE, HRSRC resource) {
  return resource == nullptr ? 0 : reinterpret_cast<const RESOURCE*>(resource)->size;
}
