// Reads a Windows-style INI file as bytes (Windows-1252 texts stay untouched): sections and
// keys match without regard to ASCII case, values lose surrounding blanks and one pair of
// enclosing quotes, lines starting with ";" are comments, the first occurrence wins.
#pragma once

#include <optional>
#include <string>
#include <vector>

class IniFile {
 public:
  IniFile() = default;
  explicit IniFile(const std::string& bytes);
  // False when the file cannot be read; the object then answers nothing.
  bool Load(const std::string& path);

  std::optional<std::string> Value(const std::string& section, const std::string& key) const;
  // The value's text, or fallback when the key is absent.
  std::string Text(const std::string& section, const std::string& key,
                   const std::string& fallback) const;
  // The value as a decimal integer, or fallback when absent or not a number.
  int Integer(const std::string& section, const std::string& key, int fallback) const;

 private:
  struct Entry {
    std::string section, key, value;
  };
  void Parse(const std::string& bytes);
  std::vector<Entry> entries_;
};

// A decimal integer with an optional sign, blanks around it allowed; nothing else.
std::optional<int> ParseDecimal(const std::string& text);
