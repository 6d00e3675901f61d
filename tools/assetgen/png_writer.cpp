// PNG files: the signature and three chunks (header, zlib-compressed rows, end), each chunk
// its length, type, data and a CRC over type and data, numbers big-endian.
#include "tools/assetgen/png_writer.h"

#include <zlib.h>

#include <cstdio>
#include <fstream>

namespace {

void Put32(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(value >> shift & 0xFF);
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
  Put32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out += type;
  out += data;
  const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + start);
  Put32(out, static_cast<uint32_t>(crc32(0, bytes, static_cast<uInt>(out.size() - start))));
}

}  // namespace

bool WritePng(const std::string& path, const Canvas& canvas, const std::vector<uint8_t>& alpha) {
  std::string header;
  Put32(header, static_cast<uint32_t>(canvas.width));
  Put32(header, static_cast<uint32_t>(canvas.height));
  header += '\x08';                // bits per channel
  header += '\x06';                // red, green, blue and alpha
  header += std::string(3, '\0');  // deflate, adaptive filtering, no interlace

  // Each row starts with its filter, 0: the bytes as they are.
  std::string rows;
  for (int y = 0; y < canvas.height; ++y) {
    rows += '\0';
    for (int x = 0; x < canvas.width; ++x) {
      const size_t i = static_cast<size_t>(y) * canvas.width + x;
      rows += static_cast<char>(canvas.pixels[i] >> 16 & 0xFF);
      rows += static_cast<char>(canvas.pixels[i] >> 8 & 0xFF);
      rows += static_cast<char>(canvas.pixels[i] & 0xFF);
      rows += static_cast<char>(alpha[i]);
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
  std::string packed(packedSize, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                reinterpret_cast<const Bytef*>(rows.data()), static_cast<uLong>(rows.size()),
                Z_BEST_COMPRESSION) != Z_OK) {
    std::fprintf(stderr, "%s: cannot compress\n", path.c_str());
    return false;
  }
  packed.resize(packedSize);

  std::string bytes = "\x89PNG\r\n\x1a\n";
  PutChunk(bytes, "IHDR", header);
  PutChunk(bytes, "IDAT", packed);
  PutChunk(bytes, "IEND", "");
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) std::fprintf(stderr, "%s: cannot write\n", path.c_str());
  return static_cast<bool>(file);
}
