// Small pieces the archive operations share: the engine's message box and the wait cursor.
#pragma once

#include <string>

#include "shell/message_box.h"

inline void ShowEngineWarning(const std::string& message) {
  ShowMessageBox(message, MsgKind::Warning, MsgButtons::Ok);
}

// Shows the wait cursor for the life of the object and restores the previous state after.
class ScopedWaitCursor {
 public:
  ScopedWaitCursor() : host_(CurrentUiHost()) {
    if (!host_) return;
    previous_ = host_->WaitCursorShown();
    host_->SetWaitCursor(true);
  }
  ~ScopedWaitCursor() {
    if (host_) host_->SetWaitCursor(previous_);
  }
  ScopedWaitCursor(const ScopedWaitCursor&) = delete;
  ScopedWaitCursor& operator=(const ScopedWaitCursor&) = delete;

 private:
  UiHost* host_;
  bool previous_ = false;
};
