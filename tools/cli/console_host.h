// The user-interface host of vela-cli: boxes are printed on stderr in UTF-8, and a question
// is answered from the command line (--yes or --no; No when neither was given).
#pragma once

#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>

#include "shell/ui_host.h"

class ConsoleHost : public UiHost {
 public:
  explicit ConsoleHost(std::FILE* out = stderr);

  // The answer to every question; No unless set.
  void SetAnswer(MsgResult answer) { answer_ = answer; }
  // Warning and error boxes shown so far: a command that showed one did not succeed.
  int Failures() const { return failures_; }
  void ResetFailures() { failures_ = 0; }

  MsgResult Box(const std::string& text, MsgKind kind, MsgButtons buttons) override;
  void ProgressShow() override;
  void ProgressHide() override;
  void ProgressSetMaximum(int maximum) override { maximum_ = maximum; }
  void ProgressSetPosition(int position) override { position_ = position; }
  int ProgressPosition() const override { return position_; }
  void SetWaitCursor(bool on) override { waitCursor_ = on; }
  bool WaitCursorShown() const override { return waitCursor_; }
  void ProcessMessages() override;
  void WaitWithEvents(int realMs) override;
  bool IsUiThread() const override { return std::this_thread::get_id() == uiThread_; }
  void Post(std::function<void()> fn) override;
  void RunOnUiThread(const std::function<void()>& fn) override;

 private:
  std::FILE* out_;
  MsgResult answer_ = MsgResult::No;
  int failures_ = 0;
  int maximum_ = 0;
  int position_ = 0;
  bool waitCursor_ = false;
  std::thread::id uiThread_;
  std::recursive_mutex mutex_;
  std::deque<std::function<void()>> posted_;
};
