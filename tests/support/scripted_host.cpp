#include "scripted_host.h"

#include <chrono>

ScriptedHost::ScriptedHost() : uiThread_(std::this_thread::get_id()) {}

ScriptedHost::~ScriptedHost() = default;

void ScriptedHost::Answer(MsgResult result) {
  std::lock_guard lock(mutex_);
  answers_.push_back(result);
}

std::vector<RecordedBox> ScriptedHost::Boxes() const {
  std::lock_guard lock(mutex_);
  return boxes_;
}

std::vector<std::string> ScriptedHost::BoxTexts() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> texts;
  for (const auto& box : boxes_) texts.push_back(box.text);
  return texts;
}

void ScriptedHost::ClearBoxes() {
  std::lock_guard lock(mutex_);
  boxes_.clear();
}

MsgResult ScriptedHost::Box(const std::string& text, MsgKind kind, MsgButtons buttons) {
  std::lock_guard lock(mutex_);
  MsgResult answer = buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::No;
  if (buttons != MsgButtons::Ok && !answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  boxes_.push_back({text, kind, buttons, answer});
  return answer;
}

void ScriptedHost::ProgressShow() {
  ++progressShows;
  progressVisible = true;
  progressPosition = 0;
}

void ScriptedHost::WaitWithEvents(int realMs) {
  std::this_thread::sleep_for(std::chrono::milliseconds(realMs));
}

void ScriptedHost::Post(std::function<void()> fn) {
  std::lock_guard lock(mutex_);
  posted_.push_back(std::move(fn));
}

void ScriptedHost::RunOnUiThread(const std::function<void()>& fn) {
  // Boxes from another thread are serialised; the test thread plays the UI thread.
  std::lock_guard lock(mutex_);
  fn();
}

int ScriptedHost::RunPosted() {
  int ran = 0;
  for (;;) {
    std::function<void()> fn;
    {
      std::lock_guard lock(mutex_);
      if (posted_.empty()) return ran;
      fn = std::move(posted_.front());
      posted_.pop_front();
    }
    fn();
    ++ran;
  }
}
