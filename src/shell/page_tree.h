// Which configuration pages exist for a device type, where they sit in the page tree and
// how they are captioned.
#pragma once

#include <vector>

enum class PageKind {
  Welcome,
  Phones,
  DialerInputs,
  Sms,
  Outputs,
  DigitalCommunicator,
  Calls,
  Status
};

struct PageInfo {
  PageKind kind;
  int textNumber;  // language text of the node
  int image;       // index in the tree's image list
};

// The pages below the root for a device type, in tree order (positions 1, 2, ...).
std::vector<PageInfo> PagesForType(int tipoCentrale);

// Position of a page kind in the tree of a type: 0 for the root's welcome page, -1 when the
// page does not exist for that type.
int PagePosition(PageKind kind, int tipoCentrale);
