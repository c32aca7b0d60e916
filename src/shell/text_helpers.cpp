#include "shell/text_helpers.h"

#include <algorithm>

std::string PadLeft(std::string_view text, int width, char ch) {
  const int missing = width - static_cast<int>(text.size());
  std::string out(missing > 0 ? missing : 0, ch);
  out += text;
  return out;
}

std::string PadRight(std::string_view text, int width, char ch) {
  std::string out(text);
  const int missing = width - static_cast<int>(text.size());
  if (missing > 0) out.append(missing, ch);
  return out;
}

std::string TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string StripAccelerators(std::string_view text) {
  std::string out;
  std::copy_if(text.begin(), text.end(), std::back_inserter(out),
               [](char c) { return c != '&' && c != '.'; });
  return out;
}

int LastCharPos(std::string_view text, char ch) {
  const auto pos = text.rfind(ch);
  return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + 1;
}

std::string JoinPath(std::string_view a, std::string_view b) {
  std::string out(a);
  const bool aEnds = !a.empty() && a.back() == '/';
  const bool bBegins = !b.empty() && b.front() == '/';
  if (!aEnds && !bBegins) out += '/';
  out += b;
  return out;
}

void SetBit(uint8_t& byte, int n, bool on) {
  if (n < 0 || n > 7) return;
  const auto mask = static_cast<uint8_t>(1u << n);
  byte = on ? static_cast<uint8_t>(byte | mask) : static_cast<uint8_t>(byte & ~mask);
}

int ClearBit(int value, int n) {
  if (n < 0 || n > 31) return value;
  return static_cast<int>(static_cast<unsigned>(value) & ~(1u << n));
}

bool TestBit(int value, int n) {
  if (n < 0 || n > 31) return false;
  return (static_cast<unsigned>(value) >> n) & 1u;
}
