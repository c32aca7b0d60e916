#include "link/sim_pin.h"

#include "link/at_channel.h"
#include "link/at_text.h"
#include "shell/language.h"
#include "shell/message_box.h"
#include "shell/pacing.h"
#include "shell/text_helpers.h"
#include "shell/ui_host.h"

namespace {

constexpr uint8_t kSimWantsPin = 0x01;
constexpr uint8_t kNotReady = 0x02;

SimPinDialog g_dialog;

// The controller's status frame: its second data byte carries the SIM and readiness bits.
bool ReadStatus(TComm& port, uint8_t& flags) {
  SendCommand(port, "8");
  FrameBuffer frame;
  if (!ReadFrame(port, frame, 3, true)) return false;
  flags = frame[1];
  return true;
}

void SetWaitCursor(bool on) {
  if (UiHost* host = CurrentUiHost()) host->SetWaitCursor(on);
}

void Warn(const std::string& text) {
  ShowMessageBox(text, MsgKind::Warning, MsgButtons::Ok);
}

// With the module path open: the PIN, then up to three tries to switch its request off.
PinResult EnterPin(TComm& port, const std::string& pin) {
  if (!WaitOkOrError(port, "AT+CPIN=\"" + pin + "\"\r")) {
    Warn(LanguageText(234));
    return PinResult::Abort;
  }
  Pause(1000);
  for (int attempt = 0; attempt < 3; ++attempt) {
    Pause(1000);
    if (WaitOkOrError(port, "AT+CLCK=\"SC\",0,\"" + pin + "\"\r")) return PinResult::Ok;
  }
  Warn(LanguageText(234));
  return PinResult::None;
}

}  // namespace

bool CheckDeviceReady(TComm& port) {
  uint8_t flags = 0;
  return ReadStatus(port, flags) && !(flags & kNotReady);
}

PinResult SubmitSimPin(TComm& port, const std::string& typedPin) {
  SetWaitCursor(true);
  PinResult result = PinResult::Abort;
  SendCommand(port, "?");
  FrameBuffer frame;
  if (ReadFrame(port, frame, 3, true) && FrameText(frame, 0, 3) == "PRG") {
    SendCommand(port, "\xC3");
    result = ReadCharTimeout(port, CharTimeout) == "\xFE" ? EnterPin(port, TrimSpaces(typedPin))
                                                          : PinResult::None;
    // Leave the module path whatever happened inside it; the answer is not looked at.
    Pause(200);
    SendCommand(port, "\xFF");
    Pause(200);
    ReadCharTimeout(port, CharTimeout);
  }
  SetWaitCursor(false);
  return result;
}

void InstallSimPinDialog(SimPinDialog dialog) {
  g_dialog = std::move(dialog);
}

bool CheckSimPin(TComm& port) {
  return CheckSimPin(port, g_dialog);
}

bool CheckSimPin(TComm& port, const SimPinDialog& dialog) {
  if (!EnsureOpen(port)) return false;
  uint8_t flags = 0;
  bool result = ReadStatus(port, flags);
  if (result && (flags & kSimWantsPin))
    result = dialog && dialog([&port](const std::string& pin) { return SubmitSimPin(port, pin); });
  CloseComm(port);
  return result;
}
