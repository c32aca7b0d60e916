// Sending the remote-programming lines as SMS through the module of the device on the
// serial port, one message a line, 10 seconds apart.
#pragma once

#include <string>
#include <vector>

#include "link/at_channel.h"

enum class RemoteSendResult {
  Sent,         // every line went out
  NoDevice,     // no port, or no module answer (language text 237)
  NotMotorola,  // the module cannot send them (language text 1140)
  Failed,       // a prompt missing or a message refused (language text 122); the lines
                // before it stay sent
};

// Sends each line to the number as typed. Tells the user of every failure itself; the
// port is closed at the end. `sent` counts the lines the module accepted.
RemoteSendResult SendRemoteLines(TComm& port, Dati_Modulo& module, const std::string& number,
                                 const std::vector<std::string>& lines, int* sent = nullptr);
