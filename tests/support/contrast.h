// The contrast ratio of two colours as the web's accessibility guidelines count it, 1 to 21,
// each colour given as its red, green and blue from 0 to 255.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>

inline double ContrastRatio(std::array<int, 3> a, std::array<int, 3> b) {
  const auto luminance = [](std::array<int, 3> rgb) {
    const double weights[] = {0.2126, 0.7152, 0.0722};
    double sum = 0;
    for (int i = 0; i < 3; ++i) {
      const double v = rgb[i] / 255.0;
      sum += weights[i] * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    }
    return sum;
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
