// Small text tests of the AT channel's reply handling (byte strings, ASCII case only).
#pragma once

#include <string>
#include <string_view>

std::string LowerAscii(std::string_view text);
std::string UpperAscii(std::string_view text);
bool ContainsNoCase(std::string_view text, std::string_view word);
// Leading and trailing blanks removed.
std::string TrimSpaces(std::string_view text);
// The text between the first and the last double quote; empty when there are fewer than two.
std::string BetweenQuotes(std::string_view text);
