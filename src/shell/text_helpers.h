// Small text, path and bit helpers used throughout the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Pads on the left (right) with ch up to width characters; a longer text is never cut.
std::string PadLeft(std::string_view text, int width, char ch);
std::string PadRight(std::string_view text, int width, char ch);

// Removes leading and trailing blanks (character 32 only: tabs and controls stay).
std::string TrimSpaces(std::string_view text);

// Removes every "&" and "." (menu captions made into titles).
std::string StripAccelerators(std::string_view text);

// 1-based position of the last ch in text, 0 when absent.
int LastCharPos(std::string_view text, char ch);

// a + b with one "/" between them when neither brings one; two are kept if both do.
std::string JoinPath(std::string_view a, std::string_view b);

// Bit n of a byte set (on) or cleared in place; n outside 0..7 leaves the byte alone.
void SetBit(uint8_t& byte, int n, bool on);
// Bit n of an integer; n outside 0..31 clears nothing and tests false.
int ClearBit(int value, int n);
bool TestBit(int value, int n);
