// What every vela-cli subcommand shares: the working folder, the exit codes, the console
// host and a small parser for a subcommand's arguments.
#pragma once

#include <QJsonObject>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "console_host.h"

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;  // a device, transfer or archive failure
constexpr int kExitUsage = 2;   // bad usage or a bad file; nothing was written

struct CliContext {
  std::string root = ".";  // language files under root/LANGUAGE, the archive under root/Data
  ConsoleHost* host = nullptr;

  std::string DataPath() const { return root + "/Data"; }
  std::string DataFolder() const { return DataPath() + "/LR4090"; }
};

// A subcommand's arguments: words, and options from the lists given (an option in
// `valued` takes the next argument as its value). Anything else is a usage error.
class CliArgs {
 public:
  CliArgs(const std::vector<std::string>& args, const std::set<std::string>& flags,
          const std::set<std::string>& valued);

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  const std::vector<std::string>& words() const { return words_; }
  bool Has(const std::string& option) const { return options_.count(option) != 0; }
  std::string Value(const std::string& option) const;

 private:
  std::vector<std::string> words_;
  std::map<std::string, std::string> options_;
  std::string error_;
};

// The serial line from --port (1 to 4, "COM2", or a device path) or --device PATH, and the
// pacing from --speed K; kExitOk when they make sense, else a usage error's code.
int TakeLineOptions(const CliArgs& args, const char* usage);

// Prints "vela-cli: message" on stderr and gives kExitUsage.
int UsageError(const std::string& message, const char* usage);

// Reads a whole file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Reads a file holding one JSON object; false with a message naming the file otherwise.
bool ReadJsonObjectFile(const std::string& path, QJsonObject& object, std::string& error);
// Writes a file through a temporary one, so a failure leaves no half-written file.
bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string& error);
