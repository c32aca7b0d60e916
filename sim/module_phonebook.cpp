// Phone-book storages of the simulated module (+CPBS, +CPBR, +CPBW), call lists included.
#include <cctype>

#include "sim/gsm_module.h"

namespace {

constexpr size_t kNumberLength = 40;

bool ValidNumber(const std::string& number) {
  for (size_t i = 0; i < number.size(); ++i) {
    const char c = number[i];
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '*' || c == '#' || c == 'p' ||
        c == 'P' || c == 'w' || c == 'W' || (c == '+' && i == 0))
      continue;
    return false;
  }
  return true;
}

std::string EntryLine(int index, const PhoneEntry& e) {
  return "+CPBR: " + std::to_string(index) + ",\"" + e.number + "\"," + std::to_string(e.type) +
         ",\"" + e.name + "\"";
}

}  // namespace

std::map<int, PhoneEntry>& GsmModule::Book(const PhoneBookSpec& spec) {
  return sim_->phoneBooks[spec.aliasOf.empty() ? spec.name : spec.aliasOf];
}

GsmModule::Result GsmModule::PhoneBook(const AtCommand& cmd, Answer* a, bool* handled) {
  const std::string& n = cmd.name;
  if (n != "+CPBS" && n != "+CPBR" && n != "+CPBW") return Result::kOk;
  *handled = true;
  if (pinState_ != kReady) return Cme(a, pinState_ == kSimPin ? 11 : 12);
  const std::vector<AtArg> args = SplitArgs(cmd.args);
  const PhoneBookSpec* spec = profile_.FindPhoneBook(phoneBook_);
  if (!spec) return Cme(a, 3);
  const std::string range = "(1-" + std::to_string(spec->capacity) + ")";

  if (n == "+CPBS") {
    if (cmd.kind == AtCommand::kRead) {
      a->info.push_back("+CPBS: \"" + phoneBook_ + "\"," + std::to_string(Book(*spec).size()) +
                        "," + std::to_string(spec->capacity));
    } else if (cmd.kind == AtCommand::kTest) {
      std::string list;
      for (const PhoneBookSpec& p : profile_.phoneBooks)
        list += (list.empty() ? "\"" : ",\"") + p.name + "\"";
      a->info.push_back("+CPBS: (" + list + ")");
    } else if (cmd.kind == AtCommand::kSet) {
      if (args.empty() || !profile_.FindPhoneBook(args[0].text)) return Cme(a, 4);
      phoneBook_ = args[0].text;
    } else {
      return Result::kError;
    }
    return Result::kOk;
  }

  std::map<int, PhoneEntry>& book = Book(*spec);
  if (n == "+CPBR") {
    if (cmd.kind == AtCommand::kTest) {
      a->info.push_back("+CPBR: " + range + "," + std::to_string(kNumberLength) + "," +
                        std::to_string(spec->nameLength));
      return Result::kOk;
    }
    int first = 0;
    int last = 0;
    if (cmd.kind != AtCommand::kSet || !ArgNumber(args, 0, &first)) return Cme(a, 4);
    if (args.size() > 1 && !ArgNumber(args, 1, &last)) return Cme(a, 4);
    if (args.size() == 1) last = first;
    if (first < 1 || first > spec->capacity || last < first || last > spec->capacity)
      return Cme(a, 21);
    for (auto it = book.lower_bound(first); it != book.end() && it->first <= last; ++it)
      a->info.push_back(EntryLine(it->first, it->second));
    return Result::kOk;
  }

  // +CPBW=[index][,number[,type[,text]]]
  if (cmd.kind == AtCommand::kTest) {
    a->info.push_back("+CPBW: " + range + "," + std::to_string(kNumberLength) + ",(129,145)," +
                      std::to_string(spec->nameLength));
    return Result::kOk;
  }
  if (cmd.kind != AtCommand::kSet || args.empty()) return Cme(a, 4);
  if (!spec->writable) return Cme(a, 3);
  int index = 0;
  if (!args[0].empty() && !ArgNumber(args, 0, &index)) return Cme(a, 4);
  if (!args[0].empty() && (index < 1 || index > spec->capacity)) return Cme(a, 21);
  const bool deleting =
      args.size() < 2 || (args[1].text.empty() && (args.size() < 4 || args[3].text.empty()));
  if (deleting) {
    if (index == 0) return Cme(a, 21);
    book.erase(index);
    return Result::kOk;
  }
  PhoneEntry e;
  e.number = args[1].text;
  e.name = args.size() > 3 ? args[3].text : std::string();
  int type = 0;
  if (args.size() > 2 && !args[2].empty() &&
      (!ArgNumber(args, 2, &type) || type < 128 || type > 255))
    return Cme(a, 4);
  if (e.number.empty()) return Cme(a, 3);
  if (e.number.size() > kNumberLength) return Cme(a, 26);
  if (!ValidNumber(e.number)) return Cme(a, 27);
  if (static_cast<int>(e.name.size()) > spec->nameLength) return Cme(a, 24);
  // The number is kept as the module shows it: an international one with its "+".
  if (e.number[0] == '+') type = 145;
  if (type == 145 && e.number[0] != '+') e.number.insert(e.number.begin(), '+');
  e.type = type ? type : 129;
  if (index == 0) {
    for (int i = 1; i <= spec->capacity && index == 0; ++i)
      if (!book.count(i)) index = i;
    if (index == 0) return Cme(a, 20);
  }
  book[index] = e;
  return Result::kOk;
}
