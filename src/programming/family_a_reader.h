// Reading the family A image from the SIM: stored texts and phone-book numbers, on an open
// port. The parsing itself is family_a_parse.h.
#pragma once

#include <string>

#include "link/serial_port.h"
#include "model/record.h"

// The body line of stored message index, with the line feed before it; empty when the
// module refused (an empty index, say) or nothing came.
std::string ReadStoredText(TComm& port, int index);
// Numero of phone entries 1 to PhoneEntryCount from the SIM phone book; names are not read.
void ReadPhoneNumbers(TComm& port, Tag_GlobalBuffer& record);
