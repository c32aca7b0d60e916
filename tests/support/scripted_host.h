// A user-interface host for tests: records every box, answers questions from a script and
// keeps the progress gauge's figures. Posted notifications wait until RunPosted().
#pragma once

#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "shell/ui_host.h"

struct RecordedBox {
  std::string text;
  MsgKind kind;
  MsgButtons buttons;
  MsgResult answer;
};

class ScriptedHost : public UiHost {
 public:
  ScriptedHost();
  ~ScriptedHost() override;

  // Answers for the next questions, in order. Without one, a box answers OK / No.
  void Answer(MsgResult result);
  std::vector<RecordedBox> Boxes() const;
  std::vector<std::string> BoxTexts() const;
  void ClearBoxes();

  int progressShows = 0;
  int progressMaximum = 0;
  std::string progressCaption;

  MsgResult Box(const std::string& text, MsgKind kind, MsgButtons buttons) override;
  void ProgressShow() override;
  void ProgressHide() override { progressVisible = false; }
  void ProgressSetMaximum(int maximum) override { progressMaximum = maximum; }
  void ProgressSetCaption(const std::string& caption) override { progressCaption = caption; }
  void ProgressSetPosition(int position) override { progressPosition = position; }
  int ProgressPosition() const override { return progressPosition; }
  void SetWaitCursor(bool on) override { waitCursor = on; }
  bool WaitCursorShown() const override { return waitCursor; }
  void Beep() override { ++beeps; }
  void ProcessMessages() override { ++processed; }
  void WaitWithEvents(int realMs) override;
  bool IsUiThread() const override { return std::this_thread::get_id() == uiThread_; }
  void Post(std::function<void()> fn) override;
  void RunOnUiThread(const std::function<void()>& fn) override;
  // Runs the posted notifications on the calling thread; returns how many ran.
  int RunPosted();

  bool progressVisible = false;
  int progressPosition = 0;
  bool waitCursor = false;
  int beeps = 0;
  int processed = 0;

 private:
  mutable std::recursive_mutex mutex_;
  std::deque<MsgResult> answers_;
  std::vector<RecordedBox> boxes_;
  std::deque<std::function<void()>> posted_;
  std::thread::id uiThread_;
};

// Installs a ScriptedHost for the lifetime of the object and uninstalls it after.
class ScopedScriptedHost {
 public:
  ScopedScriptedHost() { InstallUiHost(&host); }
  ~ScopedScriptedHost() { InstallUiHost(nullptr); }
  ScriptedHost host;
};
