// Basic V.250 commands, identity, network and SIM security of the simulated module.
#include <ctime>

#include "sim/gsm_module.h"

namespace {

constexpr char kOperator[] = "SIMNET";
constexpr char kOperatorCode[] = "22201";
constexpr char kPuk[] = "12345678";
constexpr int kSignal = 18;  // +CSQ rssi

std::string Quoted(const std::string& s) {
  return "\"" + s + "\"";
}

}  // namespace

GsmModule::Result GsmModule::Basic(const AtCommand& cmd, Answer* a) {
  const std::string& n = cmd.name;
  const std::string& v = cmd.args;
  auto flag = [&](bool* target) {
    if (v.empty() || v == "0") {
      *target = false;
    } else if (v == "1") {
      *target = true;
    } else {
      return Result::kError;
    }
    return Result::kOk;
  };
  if (n == "E") return flag(&echo_);
  if (n == "Q") return flag(&quiet_);
  if (n == "V") return flag(&verbose_);
  if (n == "Z" || n == "&F") {  // result-code settings back to the start; echo stays
    cmee_ = 1;
    verbose_ = true;
    quiet_ = false;
    return Result::kOk;
  }
  if (n == "H" || n == "X" || n == "L" || n == "M" || n == "P" || n == "T" || n == "&C" ||
      n == "&D" || n == "&K" || n == "&W")
    return Result::kOk;
  if (n == "I") {
    a->info.push_back(profile_.manufacturer);
    a->info.push_back(profile_.model);
    a->info.push_back(profile_.revision);
    return Result::kOk;
  }
  if (n[0] == 'S' && n.size() > 1) {
    const int reg = std::stoi(n.substr(1));
    static const int kDefaults[] = {0, 0, 43, 13, 10, 8, 2, 60, 2, 6, 14};
    if (reg > 10) return Result::kError;
    if (cmd.kind == AtCommand::kRead) {
      std::string value = std::to_string(kDefaults[reg]);
      a->info.push_back(std::string(3 - value.size(), '0') + value);
    }
    return Result::kOk;
  }
  return Result::kError;  // A, D, O and the rest: no calls here
}

GsmModule::Result GsmModule::Identity(const AtCommand& cmd, Answer* a, bool* handled) {
  const std::string& n = cmd.name;
  std::string value;
  std::string prefix;
  if (n == "+CGMI" || n == "+GMI") {
    value = profile_.manufacturer;
    prefix = "+CGMI: ";
  } else if (n == "+CGMM" || n == "+GMM") {
    value = profile_.model;
    prefix = "+CGMM: ";
  } else if (n == "+CGMR" || n == "+GMR") {
    value = profile_.revision;
    prefix = "+CGMR: ";
  } else if (n == "+CGSN" || n == "+GSN") {
    value = profile_.imei;
    prefix = "+CGSN: ";
  } else if (n == "+CIMI") {
    value = profile_.imsi;
    prefix = "+CIMI: ";
  } else if (n == "^SCID" && profile_.siemensExtensions) {
    *handled = true;
    if (cmd.kind == AtCommand::kTest) return Result::kOk;
    if (cmd.kind != AtCommand::kAction) return Result::kError;
    a->info.push_back("^SCID: " + profile_.iccid);
    return Result::kOk;
  } else {
    return Result::kOk;
  }
  *handled = true;
  if (cmd.kind == AtCommand::kTest) return Result::kOk;
  if (cmd.kind != AtCommand::kAction) return Result::kError;
  if (n == "+CIMI" && pinState_ != kReady) return Cme(a, pinState_ == kSimPin ? 11 : 12);
  if (!profile_.prefixedIdentity) {
    a->info.push_back(value);
  } else if (n == "+CIMI") {
    a->info.push_back(prefix + value);
  } else {
    a->info.push_back(prefix + Quoted(value));
  }
  return Result::kOk;
}

GsmModule::Result GsmModule::Network(const AtCommand& cmd, Answer* a, bool* handled) {
  const std::string& n = cmd.name;
  const std::vector<AtArg> args = SplitArgs(cmd.args);
  const bool registered = pinState_ == kReady;
  int v = 0;
  *handled = true;
  if (n == "+CSQ") {
    if (cmd.kind == AtCommand::kTest) {
      a->info.push_back("+CSQ: (0-31,99),(0-7,99)");
    } else if (cmd.kind == AtCommand::kAction) {
      a->info.push_back("+CSQ: " + std::to_string(kSignal) + ",99");
    } else {
      return Result::kError;
    }
    return Result::kOk;
  }
  if (n == "+COPS") {
    if (cmd.kind == AtCommand::kRead) {
      a->info.push_back(registered ? "+COPS: 0,0," + Quoted(kOperator) : "+COPS: 0");
    } else if (cmd.kind == AtCommand::kTest) {
      a->info.push_back("+COPS: (2," + Quoted(kOperator) + "," + Quoted(kOperator) + "," +
                        Quoted(kOperatorCode) + "),,(0-4),(0-2)");
    } else if (cmd.kind == AtCommand::kSet) {
      if (!ArgNumber(args, 0, &v) || v > 4) return Cme(a, 4);
    }
    return Result::kOk;
  }
  if (n == "+CREG") {
    if (cmd.kind == AtCommand::kSet) {
      if (!ArgNumber(args, 0, &v) || v > 2) return Cme(a, 4);
      creg_ = v;
    } else if (cmd.kind == AtCommand::kRead) {
      std::string line = "+CREG: " + std::to_string(creg_) + "," + (registered ? "1" : "0");
      if (creg_ == 2 && registered) line += ",\"00A1\",\"1F2B\"";
      a->info.push_back(line);
    } else if (cmd.kind == AtCommand::kTest) {
      a->info.push_back("+CREG: (0-2)");
    }
    return Result::kOk;
  }
  if (n == "+CFUN") {
    if (cmd.kind == AtCommand::kRead) a->info.push_back("+CFUN: 1");
    if (cmd.kind == AtCommand::kTest) a->info.push_back("+CFUN: (0,1,4),(0,1)");
    if (cmd.kind == AtCommand::kSet && (!ArgNumber(args, 0, &v) || (v != 0 && v != 1 && v != 4)))
      return Cme(a, 4);
    return Result::kOk;
  }
  if (n == "+CPAS") {
    if (cmd.kind == AtCommand::kAction) a->info.push_back("+CPAS: 0");
    if (cmd.kind == AtCommand::kTest) a->info.push_back("+CPAS: (0-5)");
    return Result::kOk;
  }
  if (n == "+CCLK") {
    if (cmd.kind == AtCommand::kRead) {
      const std::time_t now = std::time(nullptr);
      std::tm tm{};
      localtime_r(&now, &tm);
      char buf[32];
      std::strftime(buf, sizeof buf, "%y/%m/%d,%H:%M:%S+00", &tm);
      a->info.push_back(std::string("+CCLK: ") + Quoted(buf));
    }
    return Result::kOk;  // setting the clock is accepted and forgotten
  }
  if (n == "+CMEE") {
    if (cmd.kind == AtCommand::kSet) {
      if (!ArgNumber(args, 0, &v) || v > 2) return Result::kError;
      cmee_ = v;
    } else if (cmd.kind == AtCommand::kRead) {
      a->info.push_back("+CMEE: " + std::to_string(cmee_));
    } else if (cmd.kind == AtCommand::kTest) {
      a->info.push_back("+CMEE: (0-2)");
    }
    return Result::kOk;
  }
  if (n == "+CSCS") {
    if (cmd.kind == AtCommand::kSet) {
      if (args.empty() ||
          (args[0].text != "IRA" && args[0].text != "GSM" && args[0].text != "8859-1"))
        return Cme(a, 4);
      charset_ = args[0].text;
    } else if (cmd.kind == AtCommand::kRead) {
      a->info.push_back("+CSCS: " + Quoted(charset_));
    } else if (cmd.kind == AtCommand::kTest) {
      a->info.push_back("+CSCS: (\"GSM\",\"IRA\",\"8859-1\")");
    }
    return Result::kOk;
  }
  if (n == "+CNUM") return cmd.kind == AtCommand::kAction ? Result::kOk : Result::kError;
  if (n == "+CUSD") {
    if (cmd.kind == AtCommand::kRead) a->info.push_back("+CUSD: 1");
    if (cmd.kind == AtCommand::kTest) a->info.push_back("+CUSD: (0-2)");
    if (cmd.kind != AtCommand::kSet) return Result::kOk;
    if (!ArgNumber(args, 0, &v) || v > 2) return Cme(a, 4);
    if (args.size() < 2 || args[1].text.empty()) return Result::kOk;
    if (!registered) return Cme(a, pinState_ == kSimPin ? 11 : 12);
    // The network's answer arrives after the command's own OK.
    if (args[1].text == "*123#")
      a->after = "\r\n+CUSD: 0,\"Credito residuo 12,50 EUR\",15\r\n";
    else
      a->after = "\r\n+CUSD: 4\r\n";
    return Result::kOk;
  }
  if (n == "^MONP" && profile_.siemensExtensions) {
    if (cmd.kind != AtCommand::kAction) return Result::kError;
    a->info.push_back("chann rs  dBm   PLMN  BCC C1 C2");
    a->info.push_back("62    18  -78   22201 3   29 29");
    a->info.push_back("75    14  -86   22201 5   21 21");
    a->info.push_back("18    9   -96   22201 1   11 11");
    a->info.push_back("521   6   -102  22201 2   5  5");
    return Result::kOk;
  }
  *handled = false;
  return Result::kOk;
}

GsmModule::Result GsmModule::Security(const AtCommand& cmd, Answer* a, bool* handled) {
  const std::string& n = cmd.name;
  const std::vector<AtArg> args = SplitArgs(cmd.args);
  *handled = true;
  if (n == "+CPIN") {
    if (cmd.kind == AtCommand::kRead) {
      static const char* kStates[] = {"READY", "SIM PIN", "SIM PUK"};
      a->info.push_back(std::string("+CPIN: ") + kStates[pinState_]);
      return Result::kOk;
    }
    if (cmd.kind == AtCommand::kTest) return Result::kOk;
    if (cmd.kind != AtCommand::kSet || args.empty()) return Cme(a, 4);
    if (pinState_ == kReady) return Cme(a, 3);
    if (pinState_ == kSimPuk) {
      if (args[0].text != kPuk || args.size() < 2 || args[1].text.size() < 4) return Cme(a, 16);
      sim_->pin = args[1].text;
    } else if (args[0].text != sim_->pin) {
      if (--pinAttempts_ <= 0) pinState_ = kSimPuk;
      return Cme(a, 16);
    }
    pinState_ = kReady;
    pinAttempts_ = 3;
    return Result::kOk;
  }
  if (n == "+CLCK" || n == "+CPWD") {
    if (cmd.kind == AtCommand::kTest) {
      a->info.push_back(n + ": (\"SC\")");
      return Result::kOk;
    }
    if (cmd.kind != AtCommand::kSet || args.empty()) return Cme(a, 4);
    if (args[0].text != "SC") return Cme(a, 4);
    if (pinState_ != kReady) return Cme(a, pinState_ == kSimPin ? 11 : 12);
    if (n == "+CPWD") {
      if (args.size() < 3 || args[1].text != sim_->pin || args[2].text.size() < 4)
        return Cme(a, 16);
      sim_->pin = args[2].text;
      return Result::kOk;
    }
    int mode = 0;
    if (!ArgNumber(args, 1, &mode) || mode > 2) return Cme(a, 4);
    if (mode == 2) {
      a->info.push_back(std::string("+CLCK: ") + (sim_->pinRequest ? "1" : "0"));
      return Result::kOk;
    }
    if (args.size() < 3 || args[2].text != sim_->pin) return Cme(a, 16);
    sim_->pinRequest = mode == 1;
    return Result::kOk;
  }
  *handled = false;
  return Result::kOk;
}
