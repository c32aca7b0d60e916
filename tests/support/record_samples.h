// Records for round-trip tests: every field set to a value that differs from its default,
// so a field that a codec forgets to carry shows up as a difference.
#pragma once

#include "model/record.h"

// Sets every field of header and record. variant shifts every value, so two variants
// differ in every field too. Values stay within what the archive can hold: flags 0 or 1,
// the credit check on with a non-zero interval, texts with Windows-1252 letters.
void FillEveryField(Tag_Cliente& header, Tag_GlobalBuffer& record, int variant = 0);
