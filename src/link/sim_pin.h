// The device checks built on the controller's status frame, and entering the SIM PIN
// through the module path so that the device can use its SIM unattended.
#pragma once

#include <functional>
#include <string>

#include "link/serial_port.h"

// True when the status frame came with a good check byte and says the device is ready.
// Neither opens nor closes the port.
bool CheckDeviceReady(TComm& port);

// What one press of the dialog's confirm button leads to.
enum class PinResult {
  None,   // the dialog stays open for another try
  Ok,     // PIN entered and its request switched off
  Abort,  // the controller or the module refused: the dialog closes
};

// The confirm exchange for the PIN as typed (blanks at the ends are not part of it).
PinResult SubmitSimPin(TComm& port, const std::string& typedPin);

// Shows the PIN dialog modally; each confirm calls submit with the typed PIN, and the
// dialog closes on a result other than None. True when it closed with Ok.
using SimPinSubmit = std::function<PinResult(const std::string& typedPin)>;
using SimPinDialog = std::function<bool(const SimPinSubmit& submit)>;
// The windows install the real dialog at start-up.
void InstallSimPinDialog(SimPinDialog dialog);

// Opens the port, asks the device whether its SIM waits for the PIN and, if so, lets the
// user enter it. True when the device answered and no PIN is needed or it was entered.
// The port is closed afterwards.
bool CheckSimPin(TComm& port);
bool CheckSimPin(TComm& port, const SimPinDialog& dialog);
