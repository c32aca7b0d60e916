// The main window's side of Send, Load and the module-information poller.
#include <QApplication>
#include <QTreeWidget>

#include "programming/transfers.h"
#include "shell/app_state.h"
#include "shell/main_window.h"
#include "shell/main_window_commands.h"
#include "shell/module_poller.h"
#include "shell/settings.h"
#include "widgets/lcd_display.h"
#include "widgets/qt_text.h"

namespace {

// The poller reports to the one main window through this; the window unhooks it when it
// goes away.
PollerWindow g_pollerWindow;

void Render(TfrmMain& window) {
  const LcdPanelState& lcd = g_pollerWindow.lcd;
  window.lcd->SetLine(1, ToQString(lcd.line1));
  window.lcd->SetLine(2, ToQString(lcd.line2));
  if (lcd.picture.empty())
    window.lcd->ClearPicture();
  else if (!window.lcd->SetPictureFile(QString::fromStdString(BitmapFolder + "lcd/" + lcd.picture)))
    g_pollerWindow.lcd.picture.clear();  // a picture that cannot be loaded is removed
}

void Hook(TfrmMain& window) {
  g_pollerWindow.lcd.line1 = FromQString(window.lcd->Line(1));
  g_pollerWindow.lcd.line2 = FromQString(window.lcd->Line(2));
  g_pollerWindow.render = [&window] { Render(window); };
  g_pollerWindow.showLcdPanel = [&window](bool on) { window.lcdPanel->setVisible(on); };
}

TransferTarget Target(TfrmMain& window) {
  return LiveTransferTarget([&window] {
    window.SelectRoot();
    window.tvPages->repaint();
  });
}

}  // namespace

void MainUpdatePoller(TfrmMain& window, bool initial) {
  Hook(window);
  UpdatePoller(initial, g_pollerWindow);
}

void MainStopForClose(TfrmMain&) {
  Closing = true;
  QApplication::processEvents();
  StopPoller();
  g_pollerWindow = PollerWindow{};
}

void MainDetachPoller(TfrmMain&) {
  if (PollerRunning()) StopPoller();
  g_pollerWindow = PollerWindow{};
}

void MainSend(TfrmMain& window) {
  SendProgramming(Target(window));
  window.UpdateMainCaption();
}

void MainLoad(TfrmMain& window) {
  const int before = Cliente.TipoCentrale;
  LoadProgramming(Target(window));
  if (Cliente.TipoCentrale != before) window.ApplyDeviceType();
  window.UpdateMainCaption();
}
