// Reads the 17 family I texts back into the configuration record. One parser serves both
// module variants; a text that was not found on the SIM is given as nullopt and left alone.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/record.h"

using LocatedTexts = std::array<std::optional<std::string>, 17>;  // PXn at [n - 1]

void ParseFamilyITexts(const LocatedTexts& texts, Tag_GlobalBuffer& record);

// The single texts, in the record fields they carry.
void ParseOutputsText(std::string_view text, Tag_GlobalBuffer& record);  // PX1
void ParseInputsText(std::string_view text, Tag_GlobalBuffer& record);   // PX2
void ParseOptionsText(std::string_view text, Tag_GlobalBuffer& record);  // PX3
void ParseEventsText(std::string_view text, Tag_GlobalBuffer& record);   // PX4
