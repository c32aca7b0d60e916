// The commands the main window starts, each joining the window to its subsystem.
#pragma once

#include <string>

class QWidget;
class TfrmMain;
class TPageForm;

TPageForm* CreateWelcomePage(QWidget* host);

void MainPortDialog(TfrmMain& window);
bool MainInstallerDialog(TfrmMain& window);  // true when confirmed
void MainShowManual(TfrmMain& window);
void MainChooseLanguage(TfrmMain& window);

// Module-information poller (family A).
void MainUpdatePoller(TfrmMain& window, bool initial);
// The close request's questions; false keeps the window open.
bool MainMayClose(TfrmMain& window);
// Closing: stop the poller and everything that uses the port.
void MainStopForClose(TfrmMain& window);
// The window is going away: the poller no longer reports to it.
void MainDetachPoller(TfrmMain& window);

// Transfers with the device.
void MainSend(TfrmMain& window);
void MainLoad(TfrmMain& window);
void MainRemote(TfrmMain& window);

// Customer archive.
void MainConfigureArchive(TfrmMain& window);
void MainFillCustomerList(TfrmMain& window, const std::string& index);
void MainNewCustomer(TfrmMain& window);
void MainSaveCustomer(TfrmMain& window, bool fromMenu);
void MainLoadSelectedCustomer(TfrmMain& window);
void MainDeleteSelectedCustomer(TfrmMain& window);
