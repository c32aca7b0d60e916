#include "remote/remote_send.h"

#include "link/at_text.h"
#include "programming/family_i_send.h"
#include "shell/language.h"
#include "shell/message_box.h"
#include "shell/pacing.h"
#include "shell/ui_host.h"

namespace {

constexpr int kPromptSeconds = 10;
constexpr int kMessageSpacingMs = 10000;
constexpr char kCtrlZ = 0x1A;

void Warn(int text) {
  ShowMessageBox(LanguageText(text), MsgKind::Warning, MsgButtons::Ok);
}

bool SendOne(TComm& port, const std::string& number, const std::string& line) {
  SendCommand(port, "AT+CMGS=\"" + number + "\"\r");
  const auto start = WaitStart();
  bool prompted = false;
  while (!prompted && WholeSecondsSince(start) <= kPromptSeconds)
    prompted = CollectPrompt(port).find('>') != std::string::npos;
  if (!prompted) return false;
  std::string reply;
  return QueryLine(port, line + kCtrlZ, reply);
}

class WaitCursor {
 public:
  WaitCursor() {
    if (UiHost* host = CurrentUiHost()) host->SetWaitCursor(true);
  }
  ~WaitCursor() {
    if (UiHost* host = CurrentUiHost()) host->SetWaitCursor(false);
  }
};

}  // namespace

RemoteSendResult SendRemoteLines(TComm& port, Dati_Modulo& module, const std::string& number,
                                 const std::vector<std::string>& lines, int* sent) {
  WaitCursor cursor;
  if (sent) *sent = 0;
  if (!EnsureOpen(port)) {
    Warn(237);
    return RemoteSendResult::NoDevice;
  }
  if (!ReadModuleInfo(port, module, false, false)) {
    Warn(237);
    CloseComm(port);
    return RemoteSendResult::NoDevice;
  }
  RemoteSendResult result = RemoteSendResult::Sent;
  if (!ContainsNoCase(module.Manufacturer, "MOTOROLA")) {
    result = RemoteSendResult::NotMotorola;
  } else {
    for (const std::string& line : lines) {
      if (!SendOne(port, number, line)) {
        result = RemoteSendResult::Failed;
        break;
      }
      if (sent) ++*sent;
      Pause(kMessageSpacingMs);
    }
  }
  EndPassthrough(port);
  if (result == RemoteSendResult::Failed) Warn(122);
  // Only a MOTOROLA module is known to send these texts; saying so beats sending nothing.
  if (result == RemoteSendResult::NotMotorola) Warn(1140);
  CloseComm(port);
  return result;
}
