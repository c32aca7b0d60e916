// Family A records with a non-default value in every field the image carries, as the pages
// would leave them (input 4 normalised for the line-switching option in force).
#pragma once

#include <string>

#include "model/record.h"

enum class LineSwitch { None, UsaGsm, CommutaChiama };

// A reset record (defaults, labels of the current language).
Tag_GlobalBuffer DefaultRecord();

// Starts from base and changes every carried field; phone entries 1 to 8 get numbers.
Tag_GlobalBuffer NonDefaultRecord(const Tag_GlobalBuffer& base, LineSwitch lineSwitch);

// What an early-generation device keeps of source, the rest as in target.
Tag_GlobalBuffer EarlyCarried(const Tag_GlobalBuffer& source, const Tag_GlobalBuffer& target);

Tag_Cliente HeaderWithRelease(const std::string& release);
