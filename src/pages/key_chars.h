// Typed keys as the pages' key rules see them: one Windows-1252 character, '\b' for
// Backspace, and kKeyOther for a character outside ASCII.
#pragma once

#include <string>

constexpr char kKeyBackspace = '\b';
constexpr char kKeyOther = '\x80';

inline bool IsDigit(char ch) {
  return ch >= '0' && ch <= '9';
}
inline bool IsAsciiLetter(char ch) {
  return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}
inline bool IsHexUpper(char ch) {
  return IsDigit(ch) || (ch >= 'A' && ch <= 'F');
}

// Blanks removed at both ends.
std::string Trimmed(const std::string& text);
// Reads a whole decimal number after trimming; false for anything else.
bool ReadNumber(const std::string& text, long& value);
