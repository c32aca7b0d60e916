#pragma once

#include <string>
#include <vector>

#include "cli_common.h"

// status --port P --type 21|22: one identification and poll cycle, printed.
int RunStatusCommand(CliContext& ctx, const std::vector<std::string>& args);
// calls --port P --type 21|22: the module's call lists, printed.
int RunCallsCommand(CliContext& ctx, const std::vector<std::string>& args);
// remote --in FILE [--compare NAME] [--number N --send --port P]: the remote-programming
// lines of a record file, printed and, with --send, sent by SMS.
int RunRemoteCommand(CliContext& ctx, const std::vector<std::string>& args);
