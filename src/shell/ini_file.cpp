#include "shell/ini_file.h"

#include <charconv>
#include <fstream>
#include <iterator>

namespace {

std::string TrimSpaces(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string Unquote(const std::string& value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

IniFile::IniFile(const std::string& bytes) {
  Parse(bytes);
}

bool IniFile::Load(const std::string& path) {
  entries_.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return false;
  Parse(bytes);
  return true;
}

void IniFile::Parse(const std::string& bytes) {
  std::string section;
  std::size_t start = 0;
  while (start < bytes.size()) {
    auto end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    const std::string line = TrimSpaces(bytes.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const auto close = line.find(']');
      section =
          TrimSpaces(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    entries_.push_back(
        {section, TrimSpaces(line.substr(0, eq)), Unquote(TrimSpaces(line.substr(eq + 1)))});
  }
}

std::optional<std::string> IniFile::Value(const std::string& section,
                                          const std::string& key) const {
  for (const auto& e : entries_)
    if (SameIgnoringCase(e.section, section) && SameIgnoringCase(e.key, key)) return e.value;
  return std::nullopt;
}

std::string IniFile::Text(const std::string& section, const std::string& key,
                          const std::string& fallback) const {
  return Value(section, key).value_or(fallback);
}

int IniFile::Integer(const std::string& section, const std::string& key, int fallback) const {
  const auto value = Value(section, key);
  if (!value) return fallback;
  return ParseDecimal(*value).value_or(fallback);
}

std::optional<int> ParseDecimal(const std::string& text) {
  std::string trimmed = TrimSpaces(text);
  if (trimmed.size() > 1 && trimmed[0] == '+' && trimmed[1] >= '0' && trimmed[1] <= '9')
    trimmed.erase(0, 1);
  int value = 0;
  const char* begin = trimmed.data();
  const char* end = begin + trimmed.size();
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end || trimmed.empty()) return std::nullopt;
  return value;
}
