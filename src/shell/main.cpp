#include <QApplication>
#include <QMainWindow>

#include "model/record.h"
#include "shell/branding.h"
#include "shell/cp1252.h"
#include "shell/language.h"
#include "shell/language_packs.h"
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
  // A pack unpacked here takes effect when the language is loaded again below.
  if (HasLanguagePack(Language)) UnpackLanguagePacks();

  QMainWindow window;
  window.setWindowTitle(QString::fromStdString(Cp1252ToUtf8(TypeNames[Cliente.TipoCentrale])));
  host.SetMainWindow(&window);
  LoadLanguage(Language);
  ResetConfiguration(true);
  TakeSavedCopy();
  window.show();
  const int code = app.exec();

  SaveSettings(SettingsGroup::Language);
  SaveSettings(SettingsGroup::Layout);
  InstallUiHost(nullptr);
  return code;
}
