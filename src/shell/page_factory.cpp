#include "shell/page_factory.h"

#include <QLabel>
#include <QVBoxLayout>

#include "pages/avvtel_page.h"
#include "pages/comdig_page.h"
#include "pages/sms_page.h"
#include "pages/telefono_page.h"
#include "pages/uscite_page.h"
#include "remote/chiamate_page.h"
#include "shell/cp1252.h"
#include "shell/language.h"
#include "shell/page_form.h"
#include "status/status_page.h"

namespace {

int CaptionOf(PageKind kind) {
  for (int type : {21, 22})
    for (const auto& page : PagesForType(type))
      if (page.kind == kind) return page.textNumber;
  return 0;
}

// A page whose editor is not written yet: it shows its caption and edits nothing.
class CaptionPage : public TPageForm {
 public:
  CaptionPage(PageKind kind, QWidget* host) : TPageForm(host) {
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QString::fromStdString(Cp1252ToUtf8(LanguageText(CaptionOf(kind)))));
    QFont font = title->font();
    font.setPointSize(font.pointSize() + 4);
    font.setBold(true);
    title->setFont(font);
    layout->addWidget(title);
    layout->addStretch();
  }
};

}  // namespace

TPageForm* CreatePage(PageKind kind, QWidget* host) {
  switch (kind) {
    case PageKind::Phones:
      return new TfrmTelefono(host);
    case PageKind::DialerInputs:
      return new TfrmAvvTel(host);
    case PageKind::Outputs:
      return new TfrmUscite(host);
    case PageKind::Sms:
      return new TfrmSms(host);
    case PageKind::DigitalCommunicator:
      return new TfrmComDig(host);
    case PageKind::Calls:
      return new TfrmChiamate(host);
    case PageKind::Status:
      return new TfrmStato(host);
    default:
      return new CaptionPage(kind, host);
  }
}
