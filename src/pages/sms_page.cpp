#include "pages/sms_page.h"

#include <QVBoxLayout>

#include "model/record.h"

TfrmSms::TfrmSms(QWidget* owner) : TPageForm(owner) {
  auto* layout = new QVBoxLayout(this);
  BuildFamilyA();
  BuildFamilyI();
  layout->addWidget(pnFamilyA, 1);
  layout->addWidget(pnFamilyI, 1);
  // Showing picks the face; neither counts in the layout before that.
  pnFamilyA->hide();
  pnFamilyI->hide();
  StaticText2 = NewStatusLine(this);
  layout->addWidget(StaticText2);
  RouteStatusTips(this, StaticText2);
}

void TfrmSms::PageShow() {
  CaptionFamilyA();
  CaptionFamilyI();
  const bool familyI = Cliente.TipoCentrale == kTypeVelaI;
  pnFamilyA->setVisible(!familyI);
  pnFamilyI->setVisible(familyI);
  StaticText2->setVisible(familyI);
  ShowFamilyA();
  if (familyI) ShowFamilyI();
}

void TfrmSms::PageClose() {
  CloseFamilyA();
  if (Cliente.TipoCentrale == kTypeVelaI) CloseFamilyI();
}
