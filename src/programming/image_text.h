// Text helpers of the family A image and its parsers: item trimming and mask bit strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Removes blanks and control characters (every byte up to 32) at both ends.
std::string TrimBlanksAndControls(std::string_view text);

// Eight characters "0"/"1", bit 0 (item 1) first.
std::string MaskBits(uint8_t mask);
