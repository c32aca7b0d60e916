#include "shell/page_tree.h"

#include <gtest/gtest.h>

namespace {

std::vector<PageKind> Kinds(int type) {
  std::vector<PageKind> kinds;
  for (const auto& page : PagesForType(type)) kinds.push_back(page.kind);
  return kinds;
}

TEST(PageTree, EachTypeHasSixPagesInItsOrder) {
  using K = PageKind;
  EXPECT_EQ(Kinds(21),
            (std::vector{K::Phones, K::DialerInputs, K::Sms, K::Outputs, K::Calls, K::Status}));
  EXPECT_EQ(Kinds(22), (std::vector{K::Phones, K::Sms, K::Outputs, K::DigitalCommunicator, K::Calls,
                                    K::Status}));
  EXPECT_EQ(Kinds(23), Kinds(21));  // every type but 22 gets the family A tree
}

TEST(PageTree, PositionsAndCaptions) {
  EXPECT_EQ(PagePosition(PageKind::Welcome, 22), 0);
  EXPECT_EQ(PagePosition(PageKind::DialerInputs, 22), -1);
  EXPECT_EQ(PagePosition(PageKind::DigitalCommunicator, 21), -1);
  EXPECT_EQ(PagePosition(PageKind::Sms, 22), 2);
  EXPECT_EQ(PagePosition(PageKind::Sms, 21), 3);
  const auto pages = PagesForType(22);
  EXPECT_EQ(pages[3].textNumber, 203);
  EXPECT_EQ(pages[3].image, 7);
}

}  // namespace
