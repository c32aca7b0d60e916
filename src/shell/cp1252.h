// Record texts, line texts and language files are Windows-1252 byte strings. These convert
// to and from UTF-8 at the edges (windows, JSON files, terminal output).
#pragma once

#include <string>

std::string Cp1252ToUtf8(const std::string& text);
// A character with no single-byte form becomes "?"; malformed UTF-8 bytes too.
std::string Utf8ToCp1252(const std::string& text);
