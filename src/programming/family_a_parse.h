// Reading the family A image back: each stored text, as the module hands over its body line
// (with the line feed that ended the header line in front), fills the record fields it came
// from. The parsers find items by their keys and then take characters at fixed offsets, as
// the device's own texts are laid out; fields a text does not reach keep their values.
#pragma once

#include <string>
#include <string_view>

#include "model/record.h"

// Text 0 to 13 for the firmware release number f. Texts 1 and 4 recount outputEventCount.
void ParseFamilyAText(int text, std::string_view asRead, double f, Tag_GlobalBuffer& record,
                      int& outputEventCount);
// On the live record and OutputEventCount.
void ParseFamilyAText(int text, std::string_view asRead, double f);

// The number of a "+CPBR:" reply line: the text between its first two double quotes, empty
// when the line holds fewer than two (an empty entry answers only "OK").
std::string PhoneBookNumber(std::string_view line);
