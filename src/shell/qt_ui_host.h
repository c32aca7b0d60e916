// The user-interface host on Qt Widgets, installed by vela at start-up.
#pragma once

#include <QPointer>

#include "shell/ui_host.h"

#include "shell/progress_window.h"
class QWidget;

class QtUiHost : public UiHost {
 public:
  QtUiHost();
  ~QtUiHost() override;

  // The window boxes are centred on; the progress window is made on first use.
  void SetMainWindow(QWidget* window) { main_ = window; }
  void SetProgressWindow(ProgressWindow* window) { progress_ = window; }
  ProgressWindow* progressWindow();

  MsgResult Box(const std::string& text, MsgKind kind, MsgButtons buttons) override;
  void ProgressShow() override;
  void ProgressHide() override;
  void ProgressSetMaximum(int maximum) override;
  void ProgressSetCaption(const std::string& caption) override;
  void ProgressSetPosition(int position) override;
  int ProgressPosition() const override;
  void SetWaitCursor(bool on) override;
  bool WaitCursorShown() const override;
  void Beep() override;
  void ProcessMessages() override;
  void WaitWithEvents(int realMs) override;
  bool IsUiThread() const override;
  void Post(std::function<void()> fn) override;
  void RunOnUiThread(const std::function<void()>& fn) override;

 private:
  QPointer<QWidget> main_;
  QPointer<ProgressWindow> progress_;
  bool waitCursor_ = false;
};
