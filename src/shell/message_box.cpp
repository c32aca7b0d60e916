#include "shell/message_box.h"

MsgResult ShowMessageBox(const std::string& text, MsgKind kind, MsgButtons buttons,
                         int /*helpContext*/) {
  UiHost* host = CurrentUiHost();
  if (!host) return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::No;
  MsgResult result = MsgResult::Ok;
  host->RunOnUiThread([&] {
    const bool waiting = host->WaitCursorShown();
    if (waiting) host->SetWaitCursor(false);
    result = host->Box(text, kind, buttons);
    if (waiting) host->SetWaitCursor(true);
  });
  return result;
}
