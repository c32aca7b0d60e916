// The SIM credit request behind the SMS page's button: open the program's port, ask the
// module for the credit (its reply is shown in a box), close the port.
#pragma once

void RunCreditQuery();
