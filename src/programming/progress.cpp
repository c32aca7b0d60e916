#include "programming/progress.h"

#include "shell/ui_host.h"

// Each operation lets queued messages run, so the window repaints during a transfer.

void ShowProgress() {
  if (UiHost* host = CurrentUiHost()) {
    host->ProgressShow();
    host->ProcessMessages();
  }
}

void ProgressStep(int amount) {
  if (UiHost* host = CurrentUiHost()) {
    host->ProgressSetPosition(host->ProgressPosition() + amount);
    host->ProcessMessages();
  }
}

void ProgressFull() {
  if (UiHost* host = CurrentUiHost()) {
    host->ProgressSetPosition(100);
    host->ProcessMessages();
  }
}
