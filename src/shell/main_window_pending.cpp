// Commands whose subsystems are not joined to the window yet.
#include <QApplication>
#include "shell/app_state.h"
#include "shell/main_window.h"
#include "shell/main_window_commands.h"

void MainUpdatePoller(TfrmMain&, bool) {}
void MainStopForClose(TfrmMain&) {
  Closing = true;
  QApplication::processEvents();
}
void MainSend(TfrmMain&) {}
void MainLoad(TfrmMain&) {}
void MainRemote(TfrmMain&) {}
