// The Send and Load commands: the whole programming between the live record and the
// communicator on the serial port. A family A device is written and read here; a family I
// device is handed over to family_i_transfers.h. The windows call these from the menu
// commands; everything the user sees goes through the user-interface host.
#pragma once

#include <functional>

#include "link/serial_port.h"
#include "model/record.h"

enum class TransferOutcome {
  Done,        // the transfer ran to its end
  NotStarted,  // the status monitor owns the port: nothing happened
  Failed,      // a check failed and its message was shown
  Stopped,     // the user declined an event question or the module refused a text
  HandedOver,  // a family I device: the family I transfer ran
};

// What a transfer works on. The windows pass the global instances.
struct TransferTarget {
  TComm& port;
  Tag_GlobalBuffer& record;
  Tag_Cliente& header;
  int& outputEventCount;
  std::function<void()> selectFirstNode;  // the page tree commits the open page
};
TransferTarget LiveTransferTarget(std::function<void()> selectFirstNode = {});

TransferOutcome SendProgramming(const TransferTarget& target);
TransferOutcome LoadProgramming(const TransferTarget& target);

// Gauge maxima by firmware generation; 0 leaves the gauge's maximum as it is.
int SendGaugeMaximum(double f);
int LoadGaugeMaximum(double f);
