// Commands whose subsystems are not joined to the window yet.
#include <QApplication>
#include "shell/app_state.h"
#include "shell/main_window.h"
#include "shell/main_window_commands.h"

void MainUpdatePoller(TfrmMain&, bool) {}
bool MainMayClose(TfrmMain&) {
  return true;
}
void MainStopForClose(TfrmMain&) {
  Closing = true;
  QApplication::processEvents();
}
void MainSend(TfrmMain&) {}
void MainLoad(TfrmMain&) {}
void MainRemote(TfrmMain&) {}
void MainConfigureArchive(TfrmMain&) {}
void MainFillCustomerList(TfrmMain&, const std::string&) {}
void MainNewCustomer(TfrmMain&) {}
void MainSaveCustomer(TfrmMain&, bool) {}
void MainLoadSelectedCustomer(TfrmMain&) {}
void MainDeleteSelectedCustomer(TfrmMain&) {}
