#include "shell/main_window_commands.h"

#include "pages/installer_dialog.h"
#include "shell/help_viewer.h"
#include "shell/language_choice.h"
#include "shell/language_dialog.h"
#include "shell/logo_page.h"
#include "shell/main_window.h"
#include "shell/port_dialog.h"
#include "shell/settings.h"

TPageForm* CreateWelcomePage(QWidget* host) {
  return new TfrmLogo(host);
}

void MainPortDialog(TfrmMain& window) {
  PortDialog dialog(LocalPort, &window);
  dialog.exec();
}

bool MainInstallerDialog(TfrmMain& window) {
  TfrmCodInst dialog(&window);
  return dialog.exec() == QDialog::Accepted;
}

void MainShowManual(TfrmMain& window) {
  ShowManual(0, &window);
}

void MainChooseLanguage(TfrmMain& window) {
  const LanguageChooser chooser = [&window](const char* file, char* buffer, const char* title) {
    RunLanguageDialog(&window, file, buffer, title);
  };
  ChooseLanguage(Language, chooser,
                 {[] { SaveSettings(SettingsGroup::Language); },
                  [&window] {
                    window.RefreshCaptions();
                    window.RecaptionPageTree();
                  }});
  window.SelectRoot();
}
