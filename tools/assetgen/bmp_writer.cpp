// Bitmap files, assembled byte by byte in little-endian order.
#include "tools/assetgen/bmp_writer.h"

#include <cstdio>
#include <fstream>

#include "tools/assetgen/palette.h"

namespace {

constexpr uint32_t FileHeaderSize = 14;
constexpr uint32_t InfoHeaderSize = 40;
constexpr int32_t PixelsPerMetre = 2835;  // 72 dots per inch

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8 & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// Both headers; rows run bottom-up, so the height is positive.
std::string Headers(const Canvas& canvas, int bitsPerPixel, uint32_t paletteEntries) {
  const uint32_t rowBytes = (static_cast<uint32_t>(canvas.width) * bitsPerPixel / 8 + 3) & ~3u;
  const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(canvas.height);
  const uint32_t dataOffset = FileHeaderSize + InfoHeaderSize + 4 * paletteEntries;
  std::string out;
  out += "BM";
  Put32(out, dataOffset + imageBytes);
  Put32(out, 0);  // two reserved words
  Put32(out, dataOffset);
  Put32(out, InfoHeaderSize);
  Put32(out, static_cast<uint32_t>(canvas.width));
  Put32(out, static_cast<uint32_t>(canvas.height));
  Put16(out, 1);  // planes
  Put16(out, static_cast<uint32_t>(bitsPerPixel));
  Put32(out, 0);  // uncompressed
  Put32(out, imageBytes);
  Put32(out, PixelsPerMetre);
  Put32(out, PixelsPerMetre);
  Put32(out, paletteEntries);  // colours used
  Put32(out, 0);               // all of them important
  return out;
}

bool Save(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) std::fprintf(stderr, "%s: cannot write\n", path.c_str());
  return static_cast<bool>(file);
}

}  // namespace

bool WriteIndexedBmp(const std::string& path, const Canvas& canvas) {
  std::vector<Colour> palette;
  std::vector<uint8_t> indices;
  if (!BuildPalette(canvas, palette, indices)) {
    std::fprintf(stderr, "%s: more than %d colours\n", path.c_str(), MaxPaletteColours);
    return false;
  }
  std::string bytes = Headers(canvas, 8, MaxPaletteColours);
  for (int i = 0; i < MaxPaletteColours; ++i) {
    const Colour colour = i < static_cast<int>(palette.size()) ? palette[i] : 0;
    Put32(bytes, colour);  // blue, green, red and a zero byte, as 0x00RRGGBB lies in memory
  }
  const size_t padding = (4 - canvas.width % 4) % 4;
  for (int y = canvas.height - 1; y >= 0; --y) {
    const uint8_t* row = &indices[static_cast<size_t>(y) * canvas.width];
    bytes.append(reinterpret_cast<const char*>(row), static_cast<size_t>(canvas.width));
    bytes.append(padding, '\0');
  }
  return Save(path, bytes);
}

bool WriteAlphaBmp(const std::string& path, const Canvas& canvas, const std::vector<uint8_t>& alpha) {
  std::string bytes = Headers(canvas, 32, 0);
  for (int y = canvas.height - 1; y >= 0; --y)
    for (int x = 0; x < canvas.width; ++x) {
      const size_t i = static_cast<size_t>(y) * canvas.width + x;
      Put32(bytes, canvas.pixels[i] | static_cast<uint32_t>(alpha[i]) << 24);
    }
  return Save(path, bytes);
}
