// The contrast ratio of two colours as the web's accessibility guidelines count it, 1 to 21,
// each colour given as 0xRRGGBB.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

inline double ContrastRatio(uint32_t a, uint32_t b) {
  const auto luminance = [](uint32_t rgb) {
    const double weights[] = {0.2126, 0.7152, 0.0722};
    double sum = 0;
    for (int i = 0; i < 3; ++i) {
      const double v = (rgb >> (16 - 8 * i) & 0xFF) / 255.0;
      sum += weights[i] * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    }
    return sum;
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
