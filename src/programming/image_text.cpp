#include "programming/image_text.h"

std::string TrimBlanksAndControls(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

std::string MaskBits(uint8_t mask) {
  std::string bits(8, '0');
  for (int b = 0; b < 8; ++b)
    if (mask & (1u << b)) bits[b] = '1';
  return bits;
}
