// The GSM modules the simulator can play: the one family A devices carry (addressed directly,
// with the ^SCID and ^MONP extensions) and the two makers behind a family I controller.
#pragma once

#include <string>
#include <vector>

struct PhoneBookSpec {
  std::string name;  // storage name for +CPBS
  int capacity = 0;
  int nameLength = 18;   // longest <text>
  bool writable = true;  // call lists are written by the module only
  std::string aliasOf;   // a second name for another storage
};

struct ModuleProfile {
  std::string maker;               // "A" for the family A module, else "MOTOROLA" or "ERICSSON"
  std::string manufacturer;        // +CGMI
  std::string model;               // +CGMM
  std::string revision;            // +CGMR
  std::string imei;                // +CGSN
  std::string imsi;                // +CIMI
  std::string iccid;               // ^SCID
  bool prefixedIdentity = false;   // identity answers carry "+CGMI: " and quotes
  bool siemensExtensions = false;  // ^SCID and ^MONP
  std::vector<PhoneBookSpec> phoneBooks;
  std::string defaultPhoneBook;
  int messageCapacity = 40;

  const PhoneBookSpec* FindPhoneBook(const std::string& name) const;
};

// "A", "MOTOROLA" or "ERICSSON" (case-insensitive); false for another maker.
bool ProfileFor(const std::string& maker, ModuleProfile* profile);
