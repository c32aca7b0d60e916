#include "pages/credit_query.h"

#include "link/at_channel.h"
#include "link/serial_port.h"

void RunCreditQuery() {
  // A port that cannot be opened has already said so; the port is closed in every case.
  if (EnsureOpen(Comm)) QueryCredit(Comm, true, true);
  CloseComm(Comm);
}
