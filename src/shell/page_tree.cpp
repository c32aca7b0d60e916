#include "shell/page_tree.h"

#include <algorithm>

namespace {

struct Row {
  PageInfo info;
  int positionTypeI;  // type 22
  int positionOther;  // every other type
};

// Fixed table order; -1 = the page does not exist for that type.
constexpr Row kRows[] = {
    {{PageKind::Phones, 109, 1}, 1, 1},
    {{PageKind::DialerInputs, 110, 2}, -1, 2},
    {{PageKind::Sms, 111, 3}, 2, 3},
    {{PageKind::Outputs, 112, 4}, 3, 4},
    {{PageKind::DigitalCommunicator, 203, 7}, 4, -1},
    {{PageKind::Calls, 113, 5}, 5, 5},
    {{PageKind::Status, 114, 6}, 6, 6},
};

constexpr int kPositionCount = 7;

int PositionOf(const Row& row, int tipoCentrale) {
  return tipoCentrale == 22 ? row.positionTypeI : row.positionOther;
}

}  // namespace

std::vector<PageInfo> PagesForType(int tipoCentrale) {
  std::vector<PageInfo> pages;
  for (int p = 1; p <= kPositionCount; ++p)
    for (const Row& row : kRows)
      if (PositionOf(row, tipoCentrale) == p) pages.push_back(row.info);
  return pages;
}

int PagePosition(PageKind kind, int tipoCentrale) {
  if (kind == PageKind::Welcome) return 0;
  const auto* row = std::find_if(std::begin(kRows), std::end(kRows),
                                 [kind](const Row& r) { return r.info.kind == kind; });
  return row == std::end(kRows) ? -1 : PositionOf(*row, tipoCentrale);
}
