// Text pieces of the family I image. Positions are 1-based as the device's syntax counts
// them; a token that is missing reads from the start of the text and a character past the
// end reads as nothing, which is how the device's own reader treats a damaged text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// 1-based position of the first occurrence of token at or after position from, 0 if none.
int Pos(std::string_view token, std::string_view text, int from = 1);
// count characters from position index; an index below 1 counts as 1.
std::string Copy(std::string_view text, int index, int count);
// From position index to the end.
std::string CopyFrom(std::string_view text, int index);
// Character k as a one-character text, empty past the end.
std::string CharAt(std::string_view text, int k);

// A decimal number with an optional sign and nothing else; nullopt otherwise or on overflow.
std::optional<long long> ParseNumber(std::string_view text);
long long NumberOr(std::string_view text, long long fallback);
