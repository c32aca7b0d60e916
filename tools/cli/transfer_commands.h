#pragma once

#include <string>
#include <vector>

#include "cli_common.h"

// vela-cli send --in FILE ... and vela-cli load [--out FILE] ...: the programming between a
// record file and the communicator on the port, for either family.
int RunSendCommand(CliContext& ctx, const std::vector<std::string>& args);
int RunLoadCommand(CliContext& ctx, const std::vector<std::string>& args);
// vela-cli defaults --type 21|22 [--firmware R]: a fresh record as JSON on stdout.
int RunDefaultsCommand(CliContext& ctx, const std::vector<std::string>& args);
