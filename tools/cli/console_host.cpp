#include "console_host.h"

#include <chrono>
#include <string>

#include "shell/cp1252.h"

namespace {

const char* KindLabel(MsgKind kind) {
  switch (kind) {
    case MsgKind::Warning:
      return "warning";
    case MsgKind::Error:
      return "error";
    case MsgKind::Information:
      return "information";
    case MsgKind::Confirmation:
      return "question";
  }
  return "";
}

const char* AnswerLabel(MsgResult answer) {
  switch (answer) {
    case MsgResult::Yes:
      return "yes";
    case MsgResult::No:
      return "no";
    case MsgResult::Cancel:
      return "cancel";
    case MsgResult::Ok:
      return "ok";
  }
  return "";
}

}  // namespace

ConsoleHost::ConsoleHost(std::FILE* out) : out_(out), uiThread_(std::this_thread::get_id()) {}

MsgResult ConsoleHost::Box(const std::string& text, MsgKind kind, MsgButtons buttons) {
  std::lock_guard lock(mutex_);
  // Record texts are Windows-1252; a carriage return inside a text ends a line.
  std::string utf8 = Cp1252ToUtf8(text);
  for (char& c : utf8)
    if (c == '\r') c = '\n';
  if (buttons == MsgButtons::Ok) {
    if (kind == MsgKind::Warning || kind == MsgKind::Error) ++failures_;
    std::fprintf(out_, "%s: %s\n", KindLabel(kind), utf8.c_str());
    return MsgResult::Ok;
  }
  MsgResult answer = answer_;
  if (buttons == MsgButtons::YesNo && answer == MsgResult::Cancel) answer = MsgResult::No;
  std::fprintf(out_, "%s: %s -> %s\n", KindLabel(kind), utf8.c_str(), AnswerLabel(answer));
  return answer;
}

void ConsoleHost::ProgressShow() {
  position_ = 0;
}

void ConsoleHost::ProgressHide() {}

void ConsoleHost::ProcessMessages() {
  for (;;) {
    std::function<void()> fn;
    {
      std::lock_guard lock(mutex_);
      if (posted_.empty()) return;
      fn = std::move(posted_.front());
      posted_.pop_front();
    }
    fn();
  }
}

void ConsoleHost::WaitWithEvents(int realMs) {
  ProcessMessages();
  std::this_thread::sleep_for(std::chrono::milliseconds(realMs));
  ProcessMessages();
}

void ConsoleHost::Post(std::function<void()> fn) {
  std::lock_guard lock(mutex_);
  posted_.push_back(std::move(fn));
}

void ConsoleHost::RunOnUiThread(const std::function<void()>& fn) {
  // One thread at a time prints; the console needs no thread of its own.
  std::lock_guard lock(mutex_);
  fn();
}
