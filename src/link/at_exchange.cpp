// Command and reply exchanges, the controller's module path and the quiet-line check.
#include "link/at_channel.h"
#include "link/at_text.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/message_box.h"
#include "shell/pacing.h"
#include "shell/poller_flags.h"

namespace {

constexpr int kReplySeconds = 11;
constexpr char kEnterForWriting = static_cast<char>(0xCC);
constexpr char kEnterForReading = static_cast<char>(0xC3);
constexpr char kAccepted = static_cast<char>(0xFE);
constexpr char kLeave = static_cast<char>(0xFF);

std::string WithoutLineEnds(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

}  // namespace

Dati_Modulo ModuleInfo;

bool EnsureOpen(TComm& port) {
  if (port.Handle == -1 && !OpenComm(port)) {
    ShowMessageBox(LanguageText(119), MsgKind::Warning, MsgButtons::Ok);
    return false;
  }
  SetDtr(port, false);
  return true;
}

bool WaitOkOrError(TComm& port, const std::string& command) {
  SendCommand(port, command);
  const auto start = WaitStart();
  std::string line;
  for (;;) {
    ReadReplyLine(port, line);
    const std::string lower = LowerAscii(line);
    if (lower.find("ok") != std::string::npos || lower.find("error") != std::string::npos) break;
    if (WholeSecondsSince(start) >= kReplySeconds) break;
  }
  return ContainsNoCase(line, "ok");
}

bool QueryLine(TComm& port, const std::string& command, std::string& reply) {
  SendCommand(port, command);
  const std::string echo = WithoutLineEnds(command);
  const auto start = WaitStart();
  std::string line;
  bool answered = false;
  for (;;) {
    ReadReplyLine(port, line);
    answered = line.size() > 4 && line != echo;
    if (answered || WholeSecondsSince(start) >= kReplySeconds) break;
  }
  reply = line;
  // An echo followed by silence is no answer, however long the echo.
  return answered && !ContainsNoCase(line, "error");
}

bool StartPassthrough(TComm& port, bool forWriting) {
  SendCommand(port, "?");
  FrameBuffer frame;
  if (!ReadFrame(port, frame, 3, true) || FrameText(frame, 0, 3) != "PRG") return false;
  SendCommand(port, std::string(1, forWriting ? kEnterForWriting : kEnterForReading));
  Pause(200);
  return ReadCharTimeout(port, CharTimeout) == std::string(1, kAccepted);
}

bool EndPassthrough(TComm& port) {
  SendCommand(port, std::string(1, kLeave));
  Pause(200);
  return ReadCharTimeout(port, CharTimeout) == std::string(1, kLeave);
}

void FlushLine(TComm& port) {
  SendCommand(port, "");
  SendCommand(port, "");
  std::string dropped;
  ReadReplyLine(port, dropped);
}

bool LineIsQuiet(TComm& port) {
  FlushLine(port);
  const auto start = WaitStart();
  std::string line;
  bool heard = ReadReplyLine(port, line);
  while (!heard && WholeSecondsSince(start) <= 2 && !Closing && PollerRun)
    heard = ReadReplyLine(port, line);
  return !heard;
}
