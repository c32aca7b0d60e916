#include "shell/page_factory.h"

#include <gtest/gtest.h>

#include <QVBoxLayout>
#include <memory>

#include "pages/avvtel_page.h"
#include "pages/comdig_page.h"
#include "pages/sms_page.h"
#include "pages/telefono_page.h"
#include "pages/uscite_page.h"

namespace {

template <class Page>
bool Creates(PageKind kind) {
  QWidget window;
  auto* area = new QWidget(&window);
  std::unique_ptr<TPageForm> page(CreatePage(kind, area));
  return dynamic_cast<Page*>(page.get()) != nullptr && page->Host() == area;
}

TEST(PageFactory, CreatesTheConfigurationPagesEmbedded) {
  EXPECT_TRUE(Creates<TfrmTelefono>(PageKind::Phones));
  EXPECT_TRUE(Creates<TfrmAvvTel>(PageKind::DialerInputs));
  EXPECT_TRUE(Creates<TfrmSms>(PageKind::Sms));
  EXPECT_TRUE(Creates<TfrmUscite>(PageKind::Outputs));
  EXPECT_TRUE(Creates<TfrmComDig>(PageKind::DigitalCommunicator));
}

}  // namespace
