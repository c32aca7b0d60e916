// Short-message commands of the simulated module in text mode (27.005): storage, read, list,
// write, delete, send. PDU mode is not simulated.
#include "sim/gsm_module.h"

namespace {

constexpr char kStorage[] = "SM";

bool StatusMatches(const std::string& wanted, const std::string& status) {
  return wanted == "ALL" || wanted == status;
}

// Text-mode <stat> from its name or from the PDU-mode number some clients send.
bool ListStatus(const AtArg& arg, std::string* status) {
  static const char* kNames[] = {"REC UNREAD", "REC READ", "STO UNSENT", "STO SENT", "ALL"};
  if (arg.empty()) {
    *status = kNames[0];
    return true;
  }
  for (int i = 0; i < 5; ++i) {
    if (arg.text == kNames[i] || arg.text == std::to_string(i)) {
      *status = kNames[i];
      return true;
    }
  }
  return false;
}

std::string Quoted(const std::string& s) {
  return "\"" + s + "\"";
}

}  // namespace

int GsmModule::FreeMessageIndex() const {
  const int from = faults_->storeFrom > 0 ? faults_->storeFrom : 1;
  for (int i = from; i <= profile_.messageCapacity; ++i)
    if (!sim_->messages.count(i)) return i;
  return 0;
}

// <stat>,<oa/da>,[<alpha>][,<scts>] as +CMGR and +CMGL give it without the detailed header.
std::string GsmModule::MessageHeader(const StoredMessage& m) const {
  std::string h = Quoted(m.status) + "," + Quoted(m.address) + ",";
  if (m.status.compare(0, 3, "REC") == 0) h += "," + Quoted(m.timestamp);
  return h;
}

GsmModule::Result GsmModule::Messages(const AtCommand& cmd, Answer* a, bool* handled) {
  const std::string& n = cmd.name;
  const std::vector<AtArg> args = SplitArgs(cmd.args);
  const int capacity = profile_.messageCapacity;
  int v = 0;
  *handled = true;

  if (n == "+CMGF") {
    if (cmd.kind == AtCommand::kRead) a->info.push_back(textMode_ ? "+CMGF: 1" : "+CMGF: 0");
    if (cmd.kind == AtCommand::kTest) a->info.push_back("+CMGF: (0,1)");
    if (cmd.kind == AtCommand::kSet) {
      if (!ArgNumber(args, 0, &v) || v > 1) return Cms(a, 302);
      textMode_ = v == 1;
    }
    return Result::kOk;
  }
  if (n == "+CSMS") {
    if (cmd.kind == AtCommand::kRead) a->info.push_back("+CSMS: 0,1,1,1");
    if (cmd.kind == AtCommand::kTest) a->info.push_back("+CSMS: (0)");
    if (cmd.kind == AtCommand::kSet) {
      if (!ArgNumber(args, 0, &v) || v != 0) return Cms(a, 303);
      a->info.push_back("+CSMS: 1,1,1");
    }
    return Result::kOk;
  }
  if (n == "+CSMP") {
    if (cmd.kind == AtCommand::kRead) a->info.push_back("+CSMP: 17,167,0,0");
    return Result::kOk;
  }
  if (n == "+CSDH") {
    // The detailed text-mode header is not simulated, so it cannot be switched on.
    if (cmd.kind == AtCommand::kRead) a->info.push_back("+CSDH: 0");
    if (cmd.kind == AtCommand::kTest) a->info.push_back("+CSDH: (0)");
    if (cmd.kind == AtCommand::kSet && (!ArgNumber(args, 0, &v) || v != 0)) return Result::kError;
    return Result::kOk;
  }
  if (n != "+CPMS" && n != "+CSCA" && n != "+CMGR" && n != "+CMGL" && n != "+CMGW" &&
      n != "+CMGD" && n != "+CMGS") {
    *handled = false;
    return Result::kOk;
  }
  if (pinState_ != kReady) return Cms(a, pinState_ == kSimPin ? 311 : 316);
  const std::string used = std::to_string(sim_->messages.size());
  const std::string total = std::to_string(capacity);

  if (n == "+CPMS") {
    const std::string pair = used + "," + total;
    if (cmd.kind == AtCommand::kRead) {
      const std::string one = Quoted(kStorage) + "," + pair;
      a->info.push_back("+CPMS: " + one + "," + one + "," + one);
    } else if (cmd.kind == AtCommand::kTest) {
      a->info.push_back("+CPMS: (\"SM\"),(\"SM\"),(\"SM\")");
    } else if (cmd.kind == AtCommand::kSet) {
      if (args.empty()) return Cms(a, 302);
      for (const AtArg& arg : args)
        if (!arg.empty() && arg.text != kStorage) return Cms(a, 302);
      a->info.push_back("+CPMS: " + pair + "," + pair + "," + pair);
    }
    return Result::kOk;
  }
  if (n == "+CSCA") {
    if (cmd.kind == AtCommand::kRead)
      a->info.push_back("+CSCA: " + Quoted(smsc_) + "," + std::to_string(smscType_));
    if (cmd.kind == AtCommand::kSet) {
      if (args.empty() || args[0].text.empty()) return Cms(a, 304);
      smsc_ = args[0].text;
      smscType_ = smsc_[0] == '+' ? 145 : 129;
      if (ArgNumber(args, 1, &v)) smscType_ = v;
    }
    return Result::kOk;
  }
  if (n == "+CMGD") {
    if (cmd.kind == AtCommand::kTest) {
      std::string list;
      for (const auto& [index, m] : sim_->messages)
        list += (list.empty() ? "" : ",") + std::to_string(index);
      a->info.push_back("+CMGD: (" + list + "),(0-4)");
      return Result::kOk;
    }
    int index = 0;
    int flag = 0;
    if (cmd.kind != AtCommand::kSet || !ArgNumber(args, 0, &index)) return Cms(a, 302);
    if (args.size() > 1 && (!ArgNumber(args, 1, &flag) || flag > 4)) return Cms(a, 302);
    if (flag == 0) {
      if (index < 1 || index > capacity) return Cms(a, 321);
      sim_->messages.erase(index);
      return Result::kOk;
    }
    // 1: read ones, 2: and sent, 3: and unsent, 4: all.
    for (auto it = sim_->messages.begin(); it != sim_->messages.end();) {
      const std::string& s = it->second.status;
      const bool drop = flag == 4 || s == "REC READ" || (flag >= 2 && s == "STO SENT") ||
                        (flag >= 3 && s == "STO UNSENT");
      it = drop ? sim_->messages.erase(it) : std::next(it);
    }
    return Result::kOk;
  }
  if (!textMode_) return Cms(a, 303);

  if (n == "+CMGR") {
    int index = 0;
    if (cmd.kind != AtCommand::kSet || !ArgNumber(args, 0, &index)) return Cms(a, 302);
    if (index < 1 || index > capacity) return Cms(a, 321);
    auto it = sim_->messages.find(index);
    if (it == sim_->messages.end()) return Result::kOk;  // an empty place answers OK alone
    a->info.push_back("+CMGR: " + MessageHeader(it->second));
    a->info.push_back(it->second.text);
    if (it->second.status == "REC UNREAD") it->second.status = "REC READ";
    return Result::kOk;
  }
  if (n == "+CMGL") {
    if (cmd.kind == AtCommand::kTest) {
      a->info.push_back("+CMGL: (\"REC UNREAD\",\"REC READ\",\"STO UNSENT\",\"STO SENT\",\"ALL\")");
      return Result::kOk;
    }
    std::string wanted;
    if (!ListStatus(args.empty() ? AtArg() : args[0], &wanted)) return Cms(a, 302);
    for (auto& [index, m] : sim_->messages) {
      if (!StatusMatches(wanted, m.status)) continue;
      a->info.push_back("+CMGL: " + std::to_string(index) + "," + MessageHeader(m));
      a->info.push_back(m.text);
      if (m.status == "REC UNREAD") m.status = "REC READ";
    }
    return Result::kOk;
  }
  // +CMGW[=<da>[,<toda>[,<stat>]]] and +CMGS=<da>[,<toda>]
  if (cmd.kind == AtCommand::kTest) return Result::kOk;
  if (cmd.kind == AtCommand::kRead) return Cms(a, 302);
  const bool sending = n == "+CMGS";
  if (sending && (args.empty() || args[0].text.empty())) return Cms(a, 304);
  entryAddress_ = args.empty() ? std::string() : args[0].text;
  if (ArgNumber(args, 1, &v) && v == 145 && !entryAddress_.empty() && entryAddress_[0] != '+')
    entryAddress_.insert(entryAddress_.begin(), '+');
  entryStatus_ = "STO UNSENT";
  if (!sending && args.size() > 2 && !args[2].empty()) {
    if (!ListStatus(args[2], &entryStatus_) || entryStatus_ == "ALL") return Cms(a, 302);
  }
  if (!sending && FreeMessageIndex() == 0) return Cms(a, 322);
  entrySends_ = sending;
  return Result::kPrompt;
}
