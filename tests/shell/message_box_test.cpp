#include "shell/message_box.h"

#include <gtest/gtest.h>

#include <thread>

#include "scripted_host.h"

namespace {

TEST(ShowMessageBox, LiftsTheWaitCursorWhileUpAndReturnsTheAnswer) {
  ScopedScriptedHost scoped;
  auto& host = scoped.host;
  host.SetWaitCursor(true);
  host.Answer(MsgResult::Yes);
  EXPECT_EQ(ShowMessageBox("Save?", MsgKind::Confirmation, MsgButtons::YesNo), MsgResult::Yes);
  EXPECT_TRUE(host.WaitCursorShown());
  ASSERT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(host.Boxes()[0].text, "Save?");
}

TEST(ShowMessageBox, FromAnotherThreadReachesTheHost) {
  ScopedScriptedHost scoped;
  std::thread worker([] { ShowMessageBox("from thread", MsgKind::Warning, MsgButtons::Ok); });
  worker.join();
  EXPECT_EQ(scoped.host.BoxTexts(), std::vector<std::string>{"from thread"});
}

TEST(ShowMessageBox, WithoutAHostAnswersOkOrNo) {
  EXPECT_EQ(ShowMessageBox("x", MsgKind::Warning, MsgButtons::Ok), MsgResult::Ok);
  EXPECT_EQ(ShowMessageBox("x", MsgKind::Confirmation, MsgButtons::YesNo), MsgResult::No);
}

}  // namespace
