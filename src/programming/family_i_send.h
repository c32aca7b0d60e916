// Family I Send: through the controller's module path, the phone book and the 17 texts are
// written in the variant of the module's maker. Every outcome is shown to the user here.
#pragma once

#include <string>

#include "link/at_channel.h"
#include "model/record.h"

enum class FamilyIOutcome {
  Done,
  NoPort,        // the port could not be opened (the port's own message was shown)
  NotReady,      // device not ready, or the module path was refused: text 237
  UnknownMaker,  // neither MOTOROLA nor ERICSSON: text 236, then 123 / 122
  Failed,        // a step on the module failed: text 123 (Send) or 122 (Load)
};

// Writes the record's image. The port is closed afterwards when this opened it.
FamilyIOutcome SendFamilyIImage(TComm& port, const Tag_GlobalBuffer& record, Dati_Modulo& info);

// The module's answer to "AT+CMGW": characters without CR and LF until one does not come
// within the character timeout or 33 have come.
std::string CollectPrompt(TComm& port);
