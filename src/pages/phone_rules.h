// Rules of the phone numbers page: key filters, the SMS marks and the runs of numbers
// that may command each of outputs 1 to 4 (family I). Entries count from 1, outputs from
// 0 here (output o + 1 is bit o of an entry's Uscite mask).
#pragma once

#include <cstddef>

#include "model/record.h"

constexpr std::size_t kPhoneTextLength = 20;
constexpr std::size_t kPrefixLength = 4;
constexpr int kRunOutputs = 4;

// Grid keys ('\b' = Backspace): column 1 free text, column 2 digits and "+", both at most
// 20 characters; other columns take none.
bool PhoneGridKeyAccepted(int col, char ch, std::size_t cellLength);
bool PrefixKeyAccepted(char ch);

// Family A below the late release has no digits to remove.
bool DigitsToRemoveEnabled(const Tag_Cliente& header);

// Entries 1 to 8 get a mark when some input of the seven sends them SMS.
bool PhoneGetsSms(const Tag_GlobalBuffer& record, int entry);
bool PhoneHasOutput(const Tag_GlobalBuffer& record, int entry, int output);

// A click on entry `entry` in the column of `output` over entries 1..entryCount: inside
// the run it removes the whole run, at its ends (or alone) that entry only; outside it
// extends the run to the entry and marks the output commanded by telephone.
void ClickOutputRun(Tag_GlobalBuffer& record, int entryCount, int entry, int output);
