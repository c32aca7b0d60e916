// The family A programming image: the bodies of the stored texts the communicator's
// firmware parses (text t lands at SIM storage index t + 2). Built from the record and the
// customer header only; writing them is family_a_writer.h.
#pragma once

#include <string>

#include "model/record.h"

// Text 0 to 13 for the firmware release number f (early generation: texts 0 to 2 only).
std::string BuildFamilyAText(const Tag_GlobalBuffer& record, const Tag_Cliente& header, int text,
                             double f);
// On the live record and customer header.
std::string BuildFamilyAText(int text, double f);

// The phone-book write of entry k: number and name unquoted, type left empty.
std::string PhoneBookWriteCommand(int k, const std::string& number);
