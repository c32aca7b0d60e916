#include "sim/controller.h"

#include <cctype>
#include <cstdio>

namespace {

constexpr uint8_t kEnterWrite = 0xCC;
constexpr uint8_t kEnterRead = 0xC3;
constexpr uint8_t kDeviceCommand = 0xC6;
constexpr uint8_t kAccepted = 0xFE;
constexpr uint8_t kLeave = 0xFF;

// Six digits at a key such as "MP:" in a programming text; 0 when missing.
unsigned SixDigitsAfter(const std::string& text, const char* key) {
  const size_t p = text.find(key);
  if (p == std::string::npos) return 0;
  unsigned v = 0;
  for (size_t i = p + 3; i < p + 9 && i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return v;
    v = v * 10 + static_cast<unsigned>(text[i] - '0');
  }
  return v;
}

unsigned Remaining(unsigned first, unsigned interval, unsigned elapsed) {
  if (elapsed < first) return first - elapsed;
  if (interval == 0) return 0;
  return interval - (elapsed - first) % interval;
}

}  // namespace

std::string ControllerByteName(uint8_t byte) {
  if (byte > 32 && byte < 127 && !std::isalpha(byte))
    return std::string(1, static_cast<char>(byte));
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%02X", byte);
  return buf;
}

Controller::Controller(GsmModule* module, SimCard* sim, const Faults* faults, std::string firmware,
                       std::vector<std::string>* log)
    : module_(module), sim_(sim), faults_(faults), firmware_(std::move(firmware)), log_(log) {
  counterStart_ = WaitStart();
}

std::string Controller::Frame(uint8_t a, uint8_t b, uint8_t c) const {
  uint8_t sum = static_cast<uint8_t>(a + b + c);
  if (faults_->badChecksum) ++sum;
  return std::string{static_cast<char>(a), static_cast<char>(b), static_cast<char>(c),
                     static_cast<char>(sum)};
}

std::string Controller::Frame(const char* text) const {
  return Frame(static_cast<uint8_t>(text[0]), static_cast<uint8_t>(text[1]),
               static_cast<uint8_t>(text[2]));
}

// The minutes to the next periodic SMS or report, as the firmware counts them from the
// phone-book entry 100 the programming wrote and the intervals of its third text. No entry,
// no counters: the controller answers "ERR".
std::string Controller::Counter(bool report) {
  const bool motorola = module_->profile().maker == "MOTOROLA";
  const auto& book = sim_->phoneBooks[motorola ? "MT" : "SM"];
  auto slot = book.find(100);
  if (slot == book.end() || slot->second.number.size() != 12) return Frame("ERR");
  for (char c : slot->second.number)
    if (!std::isdigit(static_cast<unsigned char>(c))) return Frame("ERR");
  if (slot->second.number != counterEntry_) {
    counterEntry_ = slot->second.number;
    counterStart_ = WaitStart();
  }
  const unsigned first = static_cast<unsigned>(std::stoul(counterEntry_.substr(report ? 6 : 0, 6)));
  std::string third;
  if (motorola) {
    for (const auto& [index, e] : book)
      if (e.name == "PX3" && !e.number.empty() &&
          std::isdigit(static_cast<unsigned char>(e.number[0]))) {
        auto m = sim_->messages.find(std::stoi(e.number));
        if (m != sim_->messages.end()) third = m->second.text;
        break;
      }
  } else if (sim_->messages.count(3)) {
    third = sim_->messages[3].text;
  }
  const unsigned interval = SixDigitsAfter(third, report ? "DP:" : "MP:");
  const unsigned elapsed = static_cast<unsigned>(NominalMsSince(counterStart_) / 60000);
  const unsigned minutes = Remaining(first, interval, elapsed);
  return std::string{static_cast<char>(minutes & 0xFF), static_cast<char>((minutes >> 8) & 0xFF),
                     static_cast<char>((minutes >> 16) & 0xFF),
                     static_cast<char>((minutes >> 24) & 0xFF)};
}

void Controller::Receive(char byte, DeviceOutput* out) {
  const uint8_t b = static_cast<uint8_t>(byte);
  if (passthrough_) {
    if (b != kLeave) {
      module_->Receive(byte, out);
      return;
    }
    if (log_) log_->push_back(ControllerByteName(b));
    module_->AbandonInput();
    passthrough_ = false;
    out->Reply(faults_->Refuses(ControllerByteName(b)) ? Frame("ERR") : std::string(1, '\xFF'));
    return;
  }
  static const std::string kCommands = "?0123:;<6789\xC3\xC6\xCC\xFF";
  if (kCommands.find(static_cast<char>(b)) == std::string::npos) {
    armed_ = false;
    return;  // the controller ignores bytes it does not know
  }
  if (log_) log_->push_back(ControllerByteName(b));
  Command(b, out);
}

void Controller::Command(uint8_t b, DeviceOutput* out) {
  const bool armed = armed_;
  armed_ = false;
  if (faults_->Refuses(ControllerByteName(b))) {
    out->Reply(Frame("ERR"));
    return;
  }
  const DeviceStatus& s = status_;
  switch (b) {
    case '?':
      armed_ = true;
      out->Reply(Frame("PRG"));
      return;
    case kEnterWrite:
    case kEnterRead:
      if (!armed) return;  // the path opens only right after "PRG"
      passthrough_ = true;
      out->Reply(std::string(1, static_cast<char>(kAccepted)));
      return;
    case kDeviceCommand:
      out->Reply(armed ? Frame("OK ") : Frame("ERR"));
      return;
    case kLeave:
      out->Reply(std::string(1, static_cast<char>(kLeave)));
      return;
    case '6': {
      std::string digits;
      for (char c : firmware_)
        if (c != '.') digits += c;
      digits.resize(3, '0');
      out->Reply(Frame(digits.c_str()));
      return;
    }
    case '7': {
      const uint8_t warnings =
          faults_->warning >= 0 ? static_cast<uint8_t>(faults_->warning) : s.warnings;
      out->Reply(Frame(s.signal, warnings, s.supply));
      return;
    }
    case '8': {
      uint8_t flags = s.inputFlags & 0xFC;
      if (module_->WantsPin()) flags |= 1;
      if (s.notReady || faults_->notReady) flags |= 2;
      out->Reply(Frame(s.inputs, flags, s.outputValues[0]));
      return;
    }
    case ':':
      out->Reply(Frame(s.outputsOn, s.outputModes, s.outputsValued));
      return;
    case '9':
      out->Reply(Frame(s.outputValues[1], s.outputValues[2], s.outputValues[3]));
      return;
    case ';':
    case '<':
      out->Reply(Counter(b == '<'));
      return;
    case '0':
    case '1':
    case '2':
    case '3':
      status_.outputsOn ^= static_cast<uint8_t>(1u << (b - '0'));
      out->Reply(Frame(s.outputsOn, s.outputModes, s.outputsValued));
      return;
    default:
      return;
  }
}
