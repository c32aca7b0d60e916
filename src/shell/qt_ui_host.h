// The user-interface host on Qt Widgets, installed by vela at start-up.
#pragma once

#include <QPointer>

#include "shell/ui_host.h"

class QProgressBar;
class QWidget;

class QtUiHost : public UiHost {
 public:
  QtUiHost();
  ~QtUiHost() override;

  // The window boxes are centred on; the progress window is made on first use.
  void SetMainWindow(QWidget* window) { main_ = window; }
  void SetProgressWindow(QWidget* window, QProgressBar* gauge);

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
  void EnsureProgressWindow();

  QPointer<QWidget> main_;
  QPointer<QWidget> progress_;
  QPointer<QProgressBar> gauge_;
  bool waitCursor_ = false;
};
