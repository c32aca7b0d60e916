#include "shell/page_form.h"

#include <gtest/gtest.h>

#include <QMainWindow>

namespace {

class CountingPage : public TPageForm {
 public:
  using TPageForm::TPageForm;
  void PageShow() override { ++shows; }
  void PageClose() override { ++closes; }
  int shows = 0, closes = 0;
};

TEST(TPageForm, EmbedsInAChildHostAndCommitsOnce) {
  QMainWindow window;
  auto* area = new QWidget(&window);
  window.setCentralWidget(area);
  auto* page = new CountingPage(area);
  EXPECT_EQ(page->Host(), area);
  EXPECT_FALSE(page->isWindow());
  page->ClosePage();  // never shown: nothing to commit
  EXPECT_EQ(page->closes, 0);
  window.show();
  page->show();
  page->hide();
  page->show();
  EXPECT_EQ(page->shows, 1);
  page->ClosePage();
  page->ClosePage();
  EXPECT_EQ(page->closes, 1);
}

TEST(TPageForm, TopLevelOwnerGivesAWindow) {
  QMainWindow window;
  CountingPage page(&window);
  EXPECT_EQ(page.Host(), nullptr);
  EXPECT_TRUE(page.isWindow());
}

}  // namespace
