#pragma once

#include <string>
#include <vector>

#include "cli_common.h"

// args[0] is the subcommand: list, show, save, load or delete.
int RunArchiveCommand(CliContext& ctx, const std::vector<std::string>& args);
