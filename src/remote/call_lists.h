// The GSM module's lists of received, missed and (family I) dialled calls: the first ten
// entries of the phone-book storages "RC", "MC" and "DC", read on the installer's request.
#pragma once

#include <string>
#include <vector>

#include "link/serial_port.h"
#include "model/record.h"

// One call as a grid row shows it.
struct CallEntry {
  std::string name;  // language text 164 when the call has none
  std::string number;
};

// The calls of a storage's "+CPBR:" reply lines; lines without a number add nothing.
std::vector<CallEntry> CallEntriesFromLines(const std::vector<std::string>& lines);

// The reply lines of each storage; a storage that was refused or not confirmed is empty.
struct CallLists {
  std::vector<std::string> received;  // "RC"
  std::vector<std::string> missed;    // "MC"
  std::vector<std::string> dialled;   // "DC", family I only
};

// Family I: through the module path, which is left with the module's phone book on "MT".
// False when the port did not open or the path was refused (language text 237): the grids
// keep what they show.
bool LoadCallListsFamilyI(TComm& port, CallLists& lists);

// Family A, on the module directly, once the module-information poller has let go of the
// port. The release is checked first (language text 146 on a mismatch, 54 when the device
// does not answer or is not this product, 54 when moduleReady is clear). Nothing is read
// while the line is busy after "ATH". True when the lists were read; answering is then set.
// The phone book is left on "SM" and the port open for the poller.
bool LoadCallListsFamilyA(TComm& port, Tag_Cliente& header, bool moduleReady, CallLists& lists,
                          bool& answering);
