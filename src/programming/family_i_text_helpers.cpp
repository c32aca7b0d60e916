#include "programming/family_i_text_helpers.h"

#include <charconv>

int Pos(std::string_view token, std::string_view text, int from) {
  if (from < 1) from = 1;
  if (from > static_cast<int>(text.size()) + 1) return 0;
  const auto at = text.find(token, from - 1);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string Copy(std::string_view text, int index, int count) {
  if (index < 1) index = 1;
  if (count <= 0 || index > static_cast<int>(text.size())) return {};
  return std::string(text.substr(index - 1, count));
}

std::string CopyFrom(std::string_view text, int index) {
  return Copy(text, index, static_cast<int>(text.size()) + 1);
}

std::string CharAt(std::string_view text, int k) {
  return Copy(text, k, 1);
}

std::optional<long long> ParseNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::string_view digits = text;
  if (digits.front() == '+' || digits.front() == '-') digits.remove_prefix(1);
  if (digits.empty() || digits.front() == '+' || digits.front() == '-') return std::nullopt;
  long long value = 0;
  const char* begin = text.data() + (text.front() == '+' ? 1 : 0);
  const auto [end, ec] = std::from_chars(begin, text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

long long NumberOr(std::string_view text, long long fallback) {
  return ParseNumber(text).value_or(fallback);
}
