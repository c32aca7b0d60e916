// Renders the main window of both device types, each page and each dialog into PNG files:
// vela-screenshots WORKING_FOLDER OUTPUT_FOLDER (run under a real X server, e.g. xvfb-run).
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWidget>
#include <cstdio>
#include <functional>

#include "archive/archive.h"
#include "model/record.h"
#include "pages/installer_dialog.h"
#include "shell/language_dialog.h"
#include "shell/main_window.h"
#include "shell/module_poller.h"
#include "shell/pacing.h"
#include "shell/port_dialog.h"
#include "shell/progress_window.h"
#include "shell/qt_ui_host.h"
#include "shell/settings.h"
#include "sim/simulator.h"
#include "widgets/gauge.h"

namespace {

QString g_out;

bool Save(QWidget& widget, const QString& name) {
  widget.show();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  const QString path = g_out + "/" + name + ".png";
  if (widget.grab().save(path)) {
    std::printf("%s\n", qPrintable(path));
    return true;
  }
  std::fprintf(stderr, "vela-screenshots: cannot write %s\n", qPrintable(path));
  return false;
}

// A few customers in a scratch archive, so the list shows what an installer sees.
void StoreSampleCustomers() {
  const struct {
    const char* name;
    const char* town;
    int type;
  } samples[] = {{"Bianchi Impianti", "Varese", 21},
                 {"Farmacia Centrale", "Como", 22},
                 {"Rossi Mario", "Milano", 21},
                 {"Villa Verdi", "Lecco", 22}};
  int code = 1;
  for (const auto& sample : samples) {
    Tag_Cliente header;
    header.TipoCentrale = sample.type;
    header.Rel_firmware = sample.type == 22 ? "1.00" : "1.10";
    header.Nome = sample.name;
    header.Comune = sample.town;
    header.CodiceCliente = "000" + std::to_string(code++);
    Tag_GlobalBuffer record;
    ResetConfiguration(record, header, false);
    ArchiveSave(header, record, "");
  }
}

// Lets the module poller's first report reach the LCD panel.
void WaitForModule() {
  const auto start = WaitStart();
  while (!ModuleReady && WholeSecondsSince(start) < 15) {
    QApplication::processEvents();
    Pause(100);
  }
}

// The main window of a type, then each of its pages in turn.
bool ShootType(int type, const QString& tag) {
  Cliente.TipoCentrale = type;
  Cliente.Rel_firmware = type == 22 ? "1.00" : "1.10";
  TfrmMain window;
  window.resize(1100, 760);
  window.show();
  if (type == 21) WaitForModule();
  bool ok = Save(window, "main-" + tag);
  QTreeWidgetItem* root = window.tvPages->topLevelItem(0);
  for (int i = 0; i < root->childCount(); ++i) {
    window.tvPages->setCurrentItem(root->child(i));
    ok &= Save(window, QString("page-%1-%2").arg(tag).arg(i + 1));
  }
  window.tvPages->setCurrentItem(root);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vela-screenshots WORKING_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  QApplication app(argc, argv);
  QtUiHost host;
  InstallUiHost(&host);
  g_out = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(g_out);
  SetSettingsFile(QDir(g_out).absoluteFilePath("screenshots.ini").toStdString());
  LoadSettings(argv[1]);
  Language = "English";

  // A scratch archive and a simulated device: the user's own files stay untouched.
  QTemporaryDir scratch;
  DataPath = scratch.path().toStdString();
  DataFolder = DataPath + "/LR4090";
  ConfigureArchiveTables(DataPath, DataFolder);
  StoreSampleCustomers();
  SimConfig config;
  config.family = 'A';
  config.firmware = "1.10";
  config.linkPath = scratch.filePath("com1").toStdString();
  Simulator device(config);
  std::string error;
  if (!device.Start(&error)) {
    std::fprintf(stderr, "vela-screenshots: %s\n", error.c_str());
    return 1;
  }
  SetComDevicePath(1, config.linkPath);

  bool ok = ShootType(21, "vela-a") && ShootType(22, "vela-i");
  {
    Cliente.TipoCentrale = 21;
    Cliente.Rel_firmware = "1.10";
    TfrmCodInst installer;
    ok &= Save(installer, "dialog-installer");
    PortDialog port(1);
    ok &= Save(port, "dialog-port");
    LanguageDialog language("Language", "English");
    ok &= Save(language, "dialog-language");
    ProgressWindow progress;
    progress.gauge()->SetMaximum(165);
    progress.gauge()->SetPosition(70);
    ok &= Save(progress, "dialog-progress");
  }
  QFile::remove(QDir(g_out).absoluteFilePath("screenshots.ini"));
  InstallUiHost(nullptr);
  return ok ? 0 : 1;
}
