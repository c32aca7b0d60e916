#include "sim/gsm_module.h"

#include <cctype>

namespace {

constexpr char kCtrlZ = 0x1A;
constexpr char kEsc = 0x1B;
constexpr char kBackspace = 0x08;
constexpr size_t kMaxLine = 1024;
constexpr size_t kMaxText = 160;  // one short message of 7-bit characters
constexpr int kNetworkDelayMs = 300;

const char* CmeText(int code) {
  switch (code) {
    case 3:
      return "operation not allowed";
    case 4:
      return "operation not supported";
    case 10:
      return "SIM not inserted";
    case 11:
      return "SIM PIN required";
    case 12:
      return "SIM PUK required";
    case 16:
      return "incorrect password";
    case 20:
      return "memory full";
    case 21:
      return "invalid index";
    case 24:
      return "text string too long";
    case 26:
      return "dial string too long";
    case 27:
      return "invalid characters in dial string";
    case 30:
      return "no network service";
    default:
      return "unknown";
  }
}

// Where "AT" starts on a received line; characters before it are noise (V.250).
size_t FindPrefix(const std::string& line) {
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    if ((line[i] == 'A' || line[i] == 'a') && (line[i + 1] == 'T' || line[i + 1] == 't')) return i;
  }
  return std::string::npos;
}

}  // namespace

void DeviceOutput::Echo(const std::string& bytes) {
  if (bytes.empty()) return;
  if (!parts.empty() && !parts.back().reply && parts.back().delayMs == 0) {
    parts.back().bytes += bytes;
  } else {
    parts.push_back({false, bytes, 0});
  }
}

void DeviceOutput::Reply(const std::string& bytes) {
  parts.push_back({true, bytes, 0});
}

void DeviceOutput::Unsolicited(const std::string& bytes, int delayMs) {
  parts.push_back({false, bytes, delayMs});
}

GsmModule::GsmModule(ModuleProfile profile, SimCard* sim, const Faults* faults,
                     std::vector<std::string>* log)
    : profile_(std::move(profile)), sim_(sim), faults_(faults), log_(log) {
  PowerUp(false);
}

void GsmModule::PowerUp(bool echo) {
  echo_ = echo;
  verbose_ = true;
  quiet_ = false;
  cmee_ = 1;
  textMode_ = true;  // the device's firmware selects text mode at start
  charset_ = "IRA";
  phoneBook_ = profile_.defaultPhoneBook;
  creg_ = 0;
  pinState_ = (sim_->pinRequest || faults_->pin) ? kSimPin : kReady;
  pinAttempts_ = 3;
  line_.clear();
  overflow_ = false;
  entering_ = false;
}

void GsmModule::RequirePin(bool on) {
  if (on && pinState_ == kReady) pinState_ = kSimPin;
  if (!on) pinState_ = kReady;
}

void GsmModule::AbandonInput() {
  entering_ = false;
  line_.clear();
}

void GsmModule::Receive(char byte, DeviceOutput* out) {
  if (entering_) {
    if (byte == kCtrlZ || byte == kEsc) {
      FinishText(byte == kCtrlZ, out);
    } else if (byte == '\r') {
      entryText_ += '\n';
      out->Echo("\r\n> ");
    } else if (byte == kBackspace) {
      if (!entryText_.empty()) entryText_.pop_back();
      if (echo_) out->Echo(std::string(1, byte));
    } else if (byte != '\n') {
      if (entryText_.size() <= kMaxText) entryText_ += byte;  // the rest is refused anyway
      if (echo_) out->Echo(std::string(1, byte));
    }
    return;
  }
  if (echo_) out->Echo(std::string(1, byte));
  if (byte == '\r') {
    const std::string line = line_;
    const bool overflow = overflow_;
    line_.clear();
    overflow_ = false;
    if (overflow) {
      Answer a;
      a.result = Result::kError;
      out->Reply(Format(a));
    } else if (FindPrefix(line) != std::string::npos) {
      RunLine(line.substr(FindPrefix(line)), out);
    }
    return;
  }
  if (byte == '\n') return;
  if (byte == kBackspace) {
    if (!line_.empty()) line_.pop_back();
    return;
  }
  if (byte == '/' && (line_ == "A" || line_ == "a")) {  // A/ repeats the last line
    line_.clear();
    if (!lastLine_.empty()) RunLine(lastLine_, out);
    return;
  }
  if (line_.size() >= kMaxLine) {
    overflow_ = true;
    return;
  }
  line_ += byte;
}

void GsmModule::RunLine(const std::string& line, DeviceOutput* out) {
  if (log_) log_->push_back(line);
  lastLine_ = line;
  Answer a;
  std::vector<AtCommand> commands;
  if (!SplitCommandLine(line.substr(2), &commands)) {
    a.result = Result::kError;
    out->Reply(Format(a));
    return;
  }
  for (const AtCommand& cmd : commands) {
    if (faults_->Refuses(cmd.name)) {
      a.result = Result::kError;
      break;
    }
    a.result = Dispatch(cmd, &a);
    if (a.result != Result::kOk) break;
  }
  if (a.result != Result::kPrompt) {
    out->Reply(Format(a));
    if (!a.after.empty()) out->Unsolicited(a.after, kNetworkDelayMs);
    return;
  }
  std::string prompt;
  for (const std::string& info : a.info) prompt += "\r\n" + info + "\r\n";
  prompt += faults_->promptCrLf ? ">\r\n" : "\r\n> ";
  out->Reply(prompt);
  entering_ = true;
  entryText_.clear();
}

void GsmModule::FinishText(bool store, DeviceOutput* out) {
  entering_ = false;
  Answer a;
  if (!store) {
    out->Reply(Format(a));
    return;
  }
  if (entryText_.size() > kMaxText) {
    Cms(&a, 305);
  } else if (entrySends_) {
    sim_->sent.push_back(SentMessage{entryAddress_, entryText_});
    messageRef_ = (messageRef_ + 1) % 256;
    a.info.push_back("+CMGS: " + std::to_string(messageRef_));
  } else {
    const int index = FreeMessageIndex();
    if (index == 0) {
      Cms(&a, 322);
    } else {
      sim_->messages[index] = StoredMessage{entryStatus_, entryAddress_, "", entryText_};
      a.info.push_back("+CMGW: " + std::to_string(index));
    }
  }
  a.result = a.code ? Result::kCms : Result::kOk;
  out->Reply(Format(a));
}

GsmModule::Result GsmModule::Dispatch(const AtCommand& cmd, Answer* a) {
  const char first = cmd.name[0];
  if (std::isalpha(static_cast<unsigned char>(first)) || first == '&') return Basic(cmd, a);
  bool handled = false;
  Result r = Identity(cmd, a, &handled);
  if (!handled) r = Network(cmd, a, &handled);
  if (!handled) r = Security(cmd, a, &handled);
  if (!handled) r = PhoneBook(cmd, a, &handled);
  if (!handled) r = Messages(cmd, a, &handled);
  return handled ? r : Result::kError;
}

GsmModule::Result GsmModule::Cme(Answer* a, int code) {
  a->code = code;
  return cmee_ == 0 ? Result::kError : Result::kCme;
}

GsmModule::Result GsmModule::Cms(Answer* a, int code) {
  a->code = code;
  return Result::kCms;
}

std::string GsmModule::Format(const Answer& a) const {
  std::string out;
  if (verbose_) {
    if (!a.info.empty()) {
      out = "\r\n";
      for (const std::string& line : a.info) out += line + "\r\n";
    }
  } else {
    for (const std::string& line : a.info) out += line + "\r\n";
  }
  if (!quiet_) {
    std::string code;
    switch (a.result) {
      case Result::kOk:
        code = verbose_ ? "OK" : "0";
        break;
      case Result::kError:
        code = verbose_ ? "ERROR" : "4";
        break;
      case Result::kCme:
        code =
            "+CME ERROR: " + (cmee_ == 2 ? std::string(CmeText(a.code)) : std::to_string(a.code));
        break;
      case Result::kCms:
        code = "+CMS ERROR: " + std::to_string(a.code);
        break;
      case Result::kPrompt:
        break;
    }
    out += verbose_ ? "\r\n" + code + "\r\n" : code + "\r";
  }
  return out;
}
