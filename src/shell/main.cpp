#include <QApplication>
#include <QMainWindow>

#include "shell/qt_ui_host.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QtUiHost host;
  InstallUiHost(&host);
  QMainWindow window;
  window.setWindowTitle("LR4090-A");
  host.SetMainWindow(&window);
  window.show();
  const int code = app.exec();
  InstallUiHost(nullptr);
  return code;
}
