// A family I record with a non-default value in every field the image carries, and the check
// that a record read back holds them.
#pragma once

#include "model/record.h"
#include "programming/family_i_image.h"

// A record reset to its defaults (the customer header untouched).
Tag_GlobalBuffer DefaultRecord();

// Values chosen to catch shifted positions: wide numbers, a command name holding "O2" and a
// comma, a telephone number holding a pause, a name starting with "PX", an empty input text,
// a blank telephone number and gaps in the commanding runs.
Tag_GlobalBuffer RichFamilyIRecord();

// Expects that `read`, a reset record after reading the image of RichFamilyIRecord(), holds
// every field the image carries. Where the image carries less than the record, the fixed
// values are expected: the second event of a pair takes the pair's codes, input 4's service
// pair comes back 0, input 7's restore text and a blank number's description stay at their
// defaults, a commanding run is cut at its first gap.
void ExpectRichRecordRead(const Tag_GlobalBuffer& read, ModuleVariant variant);
