// The serial devices this machine offers, for the port dialog's choice.
#pragma once

#include <string>
#include <vector>

// USB and ACM adapters, the first four on-board ports, and simulator links in /tmp, sorted.
std::vector<std::string> FindSerialDevices(const std::string& devFolder = "/dev",
                                           const std::string& linkFolder = "/tmp");
