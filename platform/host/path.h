// The device's UTF-16 strings and backslash paths, and the desktop's UTF-8 strings and slash
// paths.
#pragma once

#include <string>

#include "platform/windef.h"

std::string Utf8FromDevice(LPCWSTR text);
std::u16string DeviceFromUtf8(const std::string& text);
// A device path ("\home\ann\res\player.wav") as the desktop names the file.
std::string HostPath(LPCWSTR devicePath);
// A desktop path as the device names it: slashes become backslashes.
std::u16string DevicePath(const std::string& hostPath);
