// The program's module, for the layers above that make their objects from its resources.
#pragma once

#include "platform/winbase.h"

// The entry of a type and name in the module's resources (the program's module for null),
// or null.
const RESOURCE* ModuleResource(HMODULE module, LPCWSTR name, LPCWSTR type);
