// A configuration page shown on its own over the live record, reset for a family and
// release; closing the fixture closes the page (its edits go to the record first).
#pragma once

#include <QApplication>
#include <memory>

#include "model/record.h"

template <class Page>
struct ShownPage {
  ShownPage(int type, const char* release) {
    Cliente.TipoCentrale = static_cast<uint8_t>(type);
    Cliente.Rel_firmware = release;
    ResetConfiguration(false);
    SetPhoneEntryCount(type == kTypeVelaI ? 95 : 8);
  }
  // Shows the page; the record may be prepared before.
  Page& Show() {
    page = std::make_unique<Page>(nullptr);
    page->show();
    page->resize(800, 600);
    QApplication::processEvents();
    return *page;
  }
  void Close() {
    if (page) page->ClosePage();
  }
  ~ShownPage() { Close(); }
  Page* operator->() { return page.get(); }
  std::unique_ptr<Page> page;
};
