// What the simulated module keeps on its SIM (and in its own memory): phone books and call
// lists by storage name, stored messages by index, the PIN, and the sink of sent messages.
// The text form written by FormatSimText is documented in sim/README.md.
#pragma once

#include <map>
#include <string>
#include <vector>

struct PhoneEntry {
  std::string number;
  int type = 129;  // 145 for an international number
  std::string name;
  bool operator==(const PhoneEntry&) const = default;
};

struct StoredMessage {
  std::string status = "STO UNSENT";  // "REC UNREAD", "REC READ", "STO UNSENT" or "STO SENT"
  std::string address;                // originator or destination, may be empty
  std::string timestamp;              // service-centre time of a received message
  std::string text;
  bool operator==(const StoredMessage&) const = default;
};

struct SentMessage {
  std::string destination;
  std::string text;
  bool operator==(const SentMessage&) const = default;
};

struct SimCard {
  std::map<std::string, std::map<int, PhoneEntry>> phoneBooks;  // "SM", "MT", "RC", ...
  std::map<int, StoredMessage> messages;
  std::vector<SentMessage> sent;
  std::string pin = "1234";
  bool pinRequest = false;  // the SIM asks for the PIN at power-up
};

// A SIM as a fresh one comes: empty phone book and texts, a few calls in the call lists.
SimCard FreshSimCard();

std::string FormatSimText(const SimCard& sim);
// Parses the text form; on failure *error names the line.
bool ParseSimText(const std::string& text, SimCard* sim, std::string* error);

// Quoting used by the text form: "..." with \" \\ \r \n \t and \xNN for other bytes below 32
// or at 127.
std::string QuoteSimText(const std::string& text);
