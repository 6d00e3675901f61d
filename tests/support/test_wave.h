// A quiet test tone written as a 16-bit mono wave file, for tests of the wave player.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "tests/support/temp_config.h"

// Writes folder/name and returns its path as the device writes paths (backslashes).
inline std::u16string WriteTestWave(const std::string& folder, const std::string& name, double seconds, int rate) {
  const uint32_t frames = static_cast<uint32_t>(seconds * rate);
  std::string bytes;
  auto put = [&bytes](uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes += static_cast<char>(value >> (8 * i));
  };
  bytes += "RIFF";
  put(36 + frames * 2, 4);
  bytes += "WAVEfmt ";
  put(16, 4);
  put(1, 2);  // PCM
  put(1, 2);  // mono
  put(static_cast<uint32_t>(rate), 4);
  put(static_cast<uint32_t>(rate) * 2, 4);
  put(2, 2);
  put(16, 2);
  bytes += "data";
  put(frames * 2, 4);
  for (uint32_t i = 0; i < frames; ++i)
    put(static_cast<uint16_t>(static_cast<int16_t>(3000 * std::sin(i * 0.05))), 2);
  WriteFileText(folder + "/" + name, bytes);
  std::u16string path;
  for (char c : folder + "/" + name) path += c == '/' ? u'\\' : static_cast<char16_t>(c);
  return path;
}
