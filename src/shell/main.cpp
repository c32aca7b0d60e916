#include <QApplication>

#include "model/record.h"
#include "shell/branding.h"
#include "shell/main_window.h"
#include "shell/qt_ui_host.h"
#include "shell/settings.h"

int main(int argc, char** argv) {
  // The application object comes first: the host's boxes (a language file that cannot be
  // read) need it while the settings are loaded.
  QApplication app(argc, argv);
  QtUiHost host;
  InstallUiHost(&host);
  LoadSettings();

  app.setApplicationName(QString::fromStdString(ApplicationTitle));

  TfrmMain window;
  host.SetMainWindow(&window);
  window.show();
  const int code = app.exec();
  InstallUiHost(nullptr);
  return code;
}
