#include <QApplication>

#include "model/record.h"
#include "shell/branding.h"
#include "shell/language_packs.h"
#include "shell/main_window.h"
#include "shell/qt_ui_host.h"
#include "shell/settings.h"

int main(int argc, char** argv) {
  // The application object comes first: the host's boxes (a language file that cannot be
  // read) need it while the settings are loaded.
  QApplication app(argc, argv);
  ApplyBranding();
  QApplication::setApplicationName(QString::fromStdString(ApplicationTitle));  // boxes' title
  QtUiHost host;
  InstallUiHost(&host);
  LoadSettings();
  // A pack unpacked here takes effect when the main window loads the language again.
  if (HasLanguagePack(Language)) UnpackLanguagePacks();

  TfrmMain window;
  host.SetMainWindow(&window);
  window.show();
  const int code = app.exec();
  InstallUiHost(nullptr);
  return code;
}
