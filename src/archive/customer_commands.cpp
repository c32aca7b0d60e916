// The archive's commands in the main window: new customer, save, load and delete from the
// list, and the unsaved-changes questions.
#include <QApplication>
#include <QTreeWidget>

#include "archive/archive.h"
#include "archive/customer_form.h"
#include "archive/customer_list_view.h"
#include "programming/progress.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/main_window.h"
#include "shell/main_window_commands.h"
#include "shell/message_box.h"
#include "shell/settings.h"
#include "shell/ui_host.h"
#include "widgets/qt_text.h"

namespace {

void WaitCursor(bool on) {
  if (UiHost* host = CurrentUiHost()) host->SetWaitCursor(on);
}

// Shows the customer form; true when the customer was stored.
bool SaveThroughForm(TfrmMain& window) {
  TfrmCliente form(&window);
  if (form.exec() != QDialog::Accepted) return false;
  TakeSavedCopy();
  MainFillCustomerList(window, "Nome");
  return true;
}

// Asks before unsaved changes are replaced; Yes stores them through the form first.
void OfferToSave(TfrmMain& window) {
  if (IsUnchanged()) return;
  if (ShowMessageBox(LanguageText(126), MsgKind::Confirmation, MsgButtons::YesNo) == MsgResult::Yes)
    SaveThroughForm(window);
}

// The steps a new configuration and a customer load share: the page commits its edits,
// the user may save, and the record starts afresh.
void StartNewConfiguration(TfrmMain& window, bool withInstallerDialog) {
  window.SelectRoot();
  OfferToSave(window);
  if (withInstallerDialog) {
    const int before = Cliente.TipoCentrale;
    if (MainInstallerDialog(window) && Cliente.TipoCentrale != before)
      MainUpdatePoller(window, false);
  }
  ResetConfiguration(true);
  window.ApplyDeviceType();
  TakeSavedCopy();
  window.UpdateMainCaption();
}

}  // namespace

void MainConfigureArchive(TfrmMain&) {
  ConfigureArchiveTables(DataPath, DataFolder);
}

void MainFillCustomerList(TfrmMain& window, const std::string& index) {
  window.customerList->Fill(index);
}

void MainNewCustomer(TfrmMain& window) {
  if (BusyFlag) return;
  StartNewConfiguration(window, true);
}

void MainSaveCustomer(TfrmMain& window, bool fromMenu) {
  if (BusyFlag) return;
  if (fromMenu) window.SelectRoot();
  SaveThroughForm(window);
}

void MainLoadSelectedCustomer(TfrmMain& window) {
  if (BusyFlag || TransferFlag) return;
  WaitCursor(true);
  const int before = Cliente.TipoCentrale;
  const int serial = window.customerList->SelectedSerial();
  if (serial >= 0) {
    StartNewConfiguration(window, false);
    if (ArchiveLoadCustomer(serial)) {
      window.ApplyDeviceType();
      if (Cliente.TipoCentrale != before) MainUpdatePoller(window, false);
      TakeSavedCopy();
      window.UpdateMainCaption();
    }
  }
  WaitCursor(false);
  QApplication::processEvents();
}

void MainDeleteSelectedCustomer(TfrmMain& window) {
  const int row = window.customerList->SelectedRow();
  if (row < 0) return;
  const std::string question =
      LanguageText(131) + "\r" + FromQString(window.lvClienti->topLevelItem(row)->text(0)) + " ?";
  if (ShowMessageBox(question, MsgKind::Warning, MsgButtons::YesNo) != MsgResult::Yes) return;
  ArchiveDeleteCustomer(window.customerList->SelectedSerial());
  MainFillCustomerList(window, "Nome");
}

bool MainMayClose(TfrmMain& window) {
  if (BusyFlag) {
    ShowMessageBox(LanguageText(161), MsgKind::Warning, MsgButtons::Ok);
    return false;
  }
  window.SelectRoot();
  if (IsUnchanged()) return true;
  switch (ShowMessageBox(LanguageText(126), MsgKind::Confirmation, MsgButtons::YesNoCancel)) {
    case MsgResult::Yes:
      SaveThroughForm(window);  // closing goes on whatever the form's outcome
      return true;
    case MsgResult::Cancel:
      return false;
    default:
      return true;
  }
}
