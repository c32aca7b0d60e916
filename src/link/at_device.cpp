// What the channel asks the device about itself: its firmware release, its module's
// identity, the SIM credit and the head of a phone book.
#include <cstdio>

#include "link/at_channel.h"
#include "link/at_text.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/message_box.h"
#include "shell/pacing.h"
#include "shell/text_helpers.h"
#include "shell/ui_host.h"

namespace {

// Releases are read with FirmwareNumber, which rounds a text once, so "1.19" equals 1.19.
bool InRange(double value, double low, double high) {
  return value >= low && value <= high;
}

bool IsEarlyRelease(double v) {
  return InRange(v, 1.0, 1.09);
}
bool IsLateRelease(double v) {
  return InRange(v, 1.1, 1.19);
}

// Digits with at most one point, and at least one digit.
bool IsDecimalNumber(const std::string& text) {
  int digits = 0;
  int points = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9')
      ++digits;
    else if (c == '.' && ++points == 1)
      continue;
    else
      return false;
  }
  return digits > 0;
}

std::string ReleaseText(double release) {
  char field[32];
  std::snprintf(field, sizeof field, "%4.2f", release);
  return std::string(field).substr(0, 4);
}

void Inform(const std::string& text) {
  ShowMessageBox(text, MsgKind::Information, MsgButtons::Ok);
}
void Warn(const std::string& text) {
  ShowMessageBox(text, MsgKind::Warning, MsgButtons::Ok);
}

// Reading the module's identity: "ERICSSON"-style modules answer bare texts, "MOTOROLA"
// modules quote them.
std::string ManufacturerOf(const std::string& reply) {
  const std::string trimmed = TrimSpaces(reply);
  if (trimmed.empty() || reply.find('"') != std::string::npos)
    return UpperAscii(BetweenQuotes(reply));
  return reply;
}

std::string ModelOf(const std::string& reply, bool motorola) {
  if (!motorola) {
    if (reply.find("GM47") != std::string::npos) return "GM47 EU";
    if (reply.find("GM48") != std::string::npos) return "GM48 AM";
    return reply;
  }
  std::string model;
  const size_t at = reply.find("MODEL");
  const size_t lastQuote = reply.rfind('"');
  if (at != std::string::npos && lastQuote != std::string::npos && lastQuote > at + 6)
    model = reply.substr(at + 6, lastQuote - at - 6);
  if (reply.find("GSM900") != std::string::npos)
    model += " EU";
  else if (reply.find("GSM1900") != std::string::npos)
    model += " AM";
  return model;
}

}  // namespace

int CheckRevision(TComm& port, Tag_Cliente& header, const std::string& expected) {
  if (!EnsureOpen(port)) return 2;
  SendCommand(port, "at+cmgr=1");
  Pause(100);
  const auto start = WaitStart();
  std::string line;
  for (;;) {
    ReadReplyLine(port, line);
    if (UiHost* host = CurrentUiHost()) host->ProcessMessages();
    if (ContainsNoCase(line, "rev") || WholeSecondsSince(start) > 5 || Closing) break;
  }
  if (!ContainsNoCase(line, "rev")) return 2;
  if (line.compare(0, 4, "VELA") != 0) return 3;

  const size_t point = line.find('.');
  const double device =
      point == std::string::npos ? 0 : FirmwareNumber(TrimSpaces(line.substr(point + 1)));
  const double configured = FirmwareNumber(expected);
  int result = 1;
  if (IsEarlyRelease(configured))
    result = IsEarlyRelease(device) ? 0 : 1;
  else if (IsLateRelease(configured))
    result = IsLateRelease(device) ? 0 : 1;
  else
    return 1;
  header.Rel_firmware = ReleaseText(device);
  return result;
}

int CheckRevision(const std::string& expected) {
  return CheckRevision(Comm, Cliente, expected);
}

bool ReadDeviceVersion(TComm& port, std::string& version, bool warn) {
  if (!EnsureOpen(port)) return true;
  SendCommand(port, "6");
  FrameBuffer frame;
  if (!ReadFrame(port, frame, 3, true)) return false;
  version = std::string{static_cast<char>(frame[0]), '.', static_cast<char>(frame[1]),
                        static_cast<char>(frame[2])};
  if (!IsDecimalNumber(version)) {
    Warn(LanguageText(146));
    return true;
  }
  if (InRange(FirmwareNumber(version), 0, 1.09)) return false;
  if (warn) Warn(LanguageText(146));
  return true;
}

bool ReadModuleInfo(TComm& port, Dati_Modulo& info, bool endAfter, bool forWriting) {
  if (!StartPassthrough(port, forWriting)) return false;
  std::string reply;
  bool motorola = false;
  // Each step runs only while the module keeps answering; the first failure ends the chain.
  [&] {
    if (!QueryLine(port, "AT+CGMI\r", reply)) return;
    info.Manufacturer = ManufacturerOf(reply);
    motorola = ContainsNoCase(info.Manufacturer, "MOTOROLA");
    Pause(300);
    if (!QueryLine(port, "AT+CGMM\r", reply)) return;
    info.Model = ModelOf(reply, motorola);
    Pause(300);
    if (!QueryLine(port, "AT+GMR\r", reply)) return;
    info.Revision = motorola ? BetweenQuotes(reply) : reply;
    Pause(300);
    if (!QueryLine(port, "AT+CGSN\r", reply)) return;
    info.SerialNumber = motorola ? BetweenQuotes(reply) : reply;
    Pause(300);
    if (!QueryLine(port, "AT+CIMI\r", reply)) return;
    info.Imsi = motorola ? reply.substr(std::min<size_t>(7, reply.size())) : reply;
    Pause(300);
    if (!QueryLine(port, "AT+COPS?\r", reply)) return;
    info.Operator = BetweenQuotes(reply);
  }();
  if (endAfter) EndPassthrough(port);
  return true;
}

bool QueryCredit(TComm& port, bool endAfter, bool forWriting) {
  if (!StartPassthrough(port, forWriting)) return false;
  std::string reply;
  if (QueryLine(port, "AT+CUSD=1, \"*123#\"\r", reply) && !TrimSpaces(reply).empty()) {
    const size_t quote = reply.find('"');
    if (quote == std::string::npos)
      Inform(LanguageText(164));
    else
      Inform(reply.substr(quote));
  }
  if (endAfter) EndPassthrough(port);
  return true;
}

void ReadPhoneBookHead(TComm& port, std::string& text) {
  SendCommand(port, Cliente.TipoCentrale == kTypeVelaA ? "AT+CPBR=1,10" : "AT+CPBR=1,10\r");
  Pause(200);
  const auto start = WaitStart();
  do {
    ReadUntilOk(port, text);
  } while (text.empty() && WholeSecondsSince(start) < 4);
}
