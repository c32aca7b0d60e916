// Runs the built vela-cli on a working folder of its own, away from the user's settings.
#pragma once

#include <string>
#include <vector>

#include "temp_dir.h"

struct CliRun {
  int code = -1;
  std::string out;
  std::string err;
};

// vela-cli --root DIR args...; stdout and stderr are kept in files of DIR, stdin is the
// file input (nothing when none is given).
CliRun RunCli(const TempDir& dir, std::vector<std::string> args, const std::string& input = {});
