// The lines that reprogram a remote family I device by SMS, one line a message: the 17
// programming texts ("#*a*" .. "#*q*") and the 99 phone-book entries ("#*r*NN...").
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/record.h"

constexpr int kRemoteTexts = 17;
constexpr int kRemoteEntries = 99;

using RemoteTexts = std::array<std::string, kRemoteTexts>;      // PXn at [n - 1]
using RemoteEntries = std::array<std::string, kRemoteEntries>;  // entry n at [n - 1]

// The 17 programming texts of a record, as the local programming writes them.
RemoteTexts RemoteTextsOf(const Tag_GlobalBuffer& record);

// The phone-book entries: telephone numbers 1 to 94, the ADT number as entry 95, the
// digital-communicator numbers as 96 to 99. An entry whose number is empty is its bare
// two-digit number, which clears it on the remote device.
RemoteEntries RemoteEntriesOf(const Tag_GlobalBuffer& record);

std::string RemoteTextLine(int n, const std::string& text);  // "#*" letter "*" text "*"
std::string RemoteEntryLine(const std::string& entry);       // "#*r*" entry "*"

// Everything (other absent), or only the texts and entries that differ from the other
// configuration's. Empty texts are never sent.
std::vector<std::string> RemoteLines(const RemoteTexts& texts, const RemoteEntries& entries,
                                     const RemoteTexts* otherTexts,
                                     const RemoteEntries* otherEntries);

// The lines for the live record against the customer stored under otherSerial, or all of
// them without one. The live record and header are never changed: the other customer is
// loaded into a record of its own. False (no lines) when that customer cannot be loaded;
// the archive has shown why.
bool RemoteLinesFor(const Tag_GlobalBuffer& live, const Tag_Cliente& header,
                    std::optional<int> otherSerial, std::vector<std::string>& lines);
