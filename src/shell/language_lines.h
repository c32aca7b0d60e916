// Line-level helpers of the language files and packs: plain Windows-1252 text whose lines
// end with CR LF, LF or CR.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Splits a file's bytes into lines. CR LF counts as one break; a last line without a
// break is kept; a break at the very end adds no empty line.
std::vector<std::string_view> SplitTextLines(std::string_view bytes);

// The integer conversion the language files were written for: leading spaces skipped, an
// optional sign, decimal digits, nothing after them, within the 32-bit range.
std::optional<int> ParseTextNumber(std::string_view text);

// Case-insensitive order of two Windows-1252 texts (accented capitals fold to their small
// letters); returns <0, 0 or >0.
int CompareTextNoCase(std::string_view a, std::string_view b);

// Reads a whole file; throws std::runtime_error with the system's reason on failure.
std::string ReadWholeFile(const std::string& path);
