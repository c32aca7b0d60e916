// What the logic below the windows needs from the user interface. The GUI installs the Qt
// implementation at start-up; tests install a scripted one. No logic file shows a dialog.
#pragma once

#include <functional>
#include <string>

enum class MsgKind { Warning, Error, Information, Confirmation };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgResult { Ok, Yes, No, Cancel };

class UiHost {
 public:
  virtual ~UiHost() = default;

  // A modal box; called on the user-interface thread only (ShowMessageBox marshals).
  virtual MsgResult Box(const std::string& text, MsgKind kind, MsgButtons buttons) = 0;

  // The progress window: showing it resets the gauge to 0.
  virtual void ProgressShow() = 0;
  virtual void ProgressHide() = 0;
  virtual void ProgressSetMaximum(int maximum) = 0;
  virtual void ProgressSetCaption(const std::string& /*caption*/) {}
  virtual void ProgressSetPosition(int position) = 0;
  virtual int ProgressPosition() const = 0;

  virtual void SetWaitCursor(bool on) = 0;
  virtual bool WaitCursorShown() const = 0;
  virtual void Beep() {}

  // Lets queued user-interface messages run (repaints during a long operation).
  virtual void ProcessMessages() = 0;
  // Waits real milliseconds on the user-interface thread while the event loop turns.
  virtual void WaitWithEvents(int realMs) = 0;

  virtual bool IsUiThread() const = 0;
  // Runs fn later on the user-interface thread (a posted notification).
  virtual void Post(std::function<void()> fn) = 0;
  // Runs fn on the user-interface thread and returns when it has run.
  virtual void RunOnUiThread(const std::function<void()>& fn) = 0;
};

// The installed host; null before start-up installs one. The host is not owned here.
void InstallUiHost(UiHost* host);
UiHost* CurrentUiHost();
