// Named faults of the simulated communicator: what goes wrong on the line, switched on at start
// or at run time. Names and meanings are listed in sim/README.md.
#pragma once

#include <set>
#include <string>
#include <vector>

struct Faults {
  bool silent = false;            // "silent": nothing comes back, not even the echo
  int silentAfter = -1;           // "silent-after=N": N commands answered, then silence
  bool garbage = false;           // "garbage": line noise before every reply
  bool chatter = false;           // "chatter": a junk line every nominal second, unasked
  std::set<std::string> refused;  // "error=NAME": that command answers ERROR (or "ERR")
  bool badChecksum = false;       // "bad-checksum": controller frames carry a wrong check byte
  bool pin = false;               // "pin": the SIM asks for its PIN (1234 unless --pin says)
  bool notReady = false;          // "not-ready": the controller reports the device not ready
  int warning = -1;               // "warning[=N]": warnings byte of the controller (default 0x20)
  bool cut = false;               // "cut": the line is cut (the pseudo-terminal closes)
  int cutAfter = -1;              // "cut-after=N": N commands answered, then the line is cut
  int slowMs = 0;                 // "slow[=MS]": nominal delay before each reply (default 1000)
  bool promptCrLf = false;        // "prompt-crlf": the text prompt is ">" CR LF
  int storeFrom = 0;              // "store-from=N": new texts go to the lowest free index >= N

  bool Refuses(const std::string& name) const;
};

// The canonical command name for "error=": "AT+CMGW", "+cmgw" and "CMGW" all give "+CMGW";
// a controller byte is one character ("8", "?") or written in hex ("0xCC").
std::string RefusedName(const std::string& text);

// Applies one fault by name ("slow=500"); false with a message for an unknown name or value.
bool SetFault(Faults* faults, const std::string& spec, std::string* error);
// Switches a fault off by name (the part before "="); "error=NAME" removes that one name.
bool ClearFault(Faults* faults, const std::string& spec, std::string* error);
// The faults switched on, in the form SetFault takes.
std::vector<std::string> FaultNames(const Faults& faults);
