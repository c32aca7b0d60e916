#include "sim/module_profile.h"

#include <cctype>

namespace {

std::vector<PhoneBookSpec> CallLists() {
  return {{"RC", 10, 18, false, ""}, {"MC", 10, 18, false, ""}, {"DC", 10, 18, false, ""}};
}

}  // namespace

const PhoneBookSpec* ModuleProfile::FindPhoneBook(const std::string& name) const {
  for (const PhoneBookSpec& p : phoneBooks)
    if (p.name == name) return &p;
  return nullptr;
}

bool ProfileFor(const std::string& makerName, ModuleProfile* p) {
  std::string maker;
  for (char c : makerName) maker += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  *p = ModuleProfile();
  p->maker = maker;
  p->imsi = "222019876543210";
  if (maker == "A") {
    p->manufacturer = "SIMULATED";
    p->model = "GSM-A900";
    p->revision = "REVISION 02.10";
    p->imei = "351234567890125";
    p->iccid = "89390100001234567890";
    p->siemensExtensions = true;
    p->phoneBooks = {{"SM", 100, 18, true, ""}};
    p->defaultPhoneBook = "SM";
  } else if (maker == "MOTOROLA") {
    p->manufacturer = "Motorola";
    p->model = "GSM900\",\"GSM1800\",\"MODEL=G20";
    p->revision = "G20_G_0C.11.61R";
    p->imei = "351234567890133";
    p->prefixedIdentity = true;
    // "MT" is the module's own combined book, larger than the SIM's.
    p->phoneBooks = {{"MT", 250, 24, true, ""}, {"SM", 100, 18, true, ""}};
    p->defaultPhoneBook = "MT";
  } else if (maker == "ERICSSON") {
    p->manufacturer = "ERICSSON";
    p->model = "GM47 DUAL BAND";
    p->revision = "R4A03 CXC1122528";
    p->imei = "520001234567891";
    p->phoneBooks = {{"SM", 100, 18, true, ""}, {"MT", 100, 18, true, "SM"}};
    p->defaultPhoneBook = "SM";
  } else {
    return false;
  }
  for (const PhoneBookSpec& c : CallLists()) p->phoneBooks.push_back(c);
  return true;
}
