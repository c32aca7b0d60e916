#include "link/at_text.h"

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

bool ContainsNoCase(std::string_view text, std::string_view word) {
  return LowerAscii(text).find(LowerAscii(word)) != std::string::npos;
}

std::string BetweenQuotes(std::string_view text) {
  const size_t first = text.find('"');
  const size_t last = text.rfind('"');
  if (first == std::string_view::npos || first == last) return {};
  return std::string(text.substr(first + 1, last - first - 1));
}
