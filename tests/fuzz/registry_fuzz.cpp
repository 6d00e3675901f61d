// Fuzzing the registry file's reader: any bytes read without a crash or a hang, and what
// was read is written so that it reads back the same, undamaged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "registry/regfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  RegStore first;
  RegReadText(std::string_view(reinterpret_cast<const char*>(data), size), first);
  const std::string written = RegWriteText(first);
  RegStore second;
  RegReadText(written, second);
  if (second.damaged || RegWriteText(second) != written) __builtin_trap();
  return 0;
}
