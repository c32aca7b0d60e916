// Splitting an AT command line (V.250) into its commands, and the parameters of one command.
#pragma once

#include <string>
#include <vector>

struct AtCommand {
  enum Kind { kAction, kRead, kTest, kSet };
  std::string name;  // upper case: "+CMGW", "^SCID", "E", "&F", "S0", "D"
  Kind kind = kAction;
  std::string args;  // the raw text after "=" (or after a basic command's letter)
};

// The commands of a line that starts with "AT" (the prefix already removed). Basic commands
// follow each other directly ("E0V1"); extended ones end at ";". False when the line does not
// parse (an unterminated string, a character that starts no command).
bool SplitCommandLine(const std::string& body, std::vector<AtCommand>* commands);

struct AtArg {
  std::string text;  // unquoted content, or the trimmed bare text
  bool quoted = false;
  bool empty() const { return text.empty() && !quoted; }
};

// The comma-separated parameters; commas inside double quotes do not split. Bare values are
// taken as written (modules accept unquoted strings too).
std::vector<AtArg> SplitArgs(const std::string& args);

// A decimal parameter; false when absent or not a number.
bool ArgNumber(const std::vector<AtArg>& args, size_t i, int* value);
