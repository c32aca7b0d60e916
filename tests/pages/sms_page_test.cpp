#include "pages/sms_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "grid_driver.h"
#include "page_fixture.h"
#include "scripted_host.h"
#include "widgets/date_time_field.h"
#include "widgets/filtered_edit.h"

namespace {

using Page = ShownPage<TfrmSms>;
// Family A inputs grid.
constexpr int kSmsA = 2, kSmsR = 3, kNumber1 = 4, kService = 12, kUsaGsm = 13, kCommuta = 14;
// Family I entries grid.
constexpr int kPolarityI = 1, kNumber1I = 2, kActivation = 10, kServiceA = 12, kServiceB = 13;

TEST(SmsPage, EachFamilyShowsItsOwnFace) {
  Page a(kTypeVelaA, "1.10");
  a.Show();
  EXPECT_TRUE(a->pnFamilyA->isVisible());
  EXPECT_FALSE(a->pnFamilyI->isVisible());
  EXPECT_FALSE(a->StaticText2->isVisible());
  a.Close();
  Page i(kTypeVelaI, "1.00");
  i.Show();
  EXPECT_FALSE(i->pnFamilyA->isVisible());
  EXPECT_TRUE(i->pnFamilyI->isVisible());
  EXPECT_TRUE(i->StaticText2->isVisible());
  EXPECT_FALSE(i->gbChiamataADT->isVisible());
}

TEST(SmsPage, FamilyAEarlyReleaseHasNoServiceNorLineSwitching) {
  Page page(kTypeVelaA, "1.00");
  GlobalBuffer.Opzioni.UsaGsm = 1;
  page.Show();
  EXPECT_EQ(GlobalBuffer.Opzioni.UsaGsm, 0);
  VelaGrid& grid = *page->HyperGrid1;
  ClickCell(grid, 1, kService);
  ClickCell(grid, 4, kUsaGsm);
  ClickCell(grid, 4, kCommuta);
  EXPECT_EQ(GlobalBuffer.Ingressi[1].Serv, 0);
  EXPECT_EQ(GlobalBuffer.Opzioni.UsaGsm, 0);
  EXPECT_EQ(GlobalBuffer.Opzioni.CommutaChiama, 0);
}

TEST(SmsPage, FamilyASwitchingToGsmLocksInputFour) {
  Page page(kTypeVelaA, "1.10");
  GlobalBuffer.Ingressi[4].MaskSms = 0x05;
  GlobalBuffer.Ingressi[4].SmsA = 2;
  page.Show();
  VelaGrid& grid = *page->HyperGrid1;
  const QColor white = grid.LookOf(4, kNumber1).background;
  ClickCell(grid, 4, kUsaGsm);
  EXPECT_EQ(GlobalBuffer.Opzioni.UsaGsm, 1);
  EXPECT_EQ(GlobalBuffer.Ingressi[4].MaskSms, 0);
  EXPECT_EQ(GlobalBuffer.Ingressi[4].SmsA, 0);
  EXPECT_EQ(grid.LookOf(4, kNumber1).background, page->palette().color(QPalette::Window));
  EXPECT_NE(grid.LookOf(4, kNumber1).background, white);
  ClickCell(grid, 4, kNumber1 + 2);
  EXPECT_EQ(GlobalBuffer.Ingressi[4].MaskSms, 0);
  EXPECT_FALSE(ChooseInCell(grid, 4, kSmsA, 3));
  ClickCell(grid, 4, kCommuta);
  EXPECT_EQ(GlobalBuffer.Opzioni.CommutaChiama, 1);
  EXPECT_EQ(GlobalBuffer.Opzioni.UsaGsm, 0);
  EXPECT_EQ(GlobalBuffer.Ingressi[4].MaskTel, 1);
  ClickCell(grid, 3, kNumber1 + 7);
  EXPECT_EQ(GlobalBuffer.Ingressi[3].MaskSms, 0x80);
}

TEST(SmsPage, FamilyAChoicesAndService) {
  Page page(kTypeVelaA, "1.10");
  page.Show();
  VelaGrid& grid = *page->HyperGrid1;
  ASSERT_TRUE(ChooseInCell(grid, 2, kSmsR, 5));
  EXPECT_EQ(GlobalBuffer.Ingressi[2].SmsR, 5);
  EXPECT_EQ(grid.Text(2, kSmsR), "SMS5");
  ClickCell(grid, 2, kNumber1);
  ClickCell(grid, 2, kService);
  EXPECT_EQ(GlobalBuffer.Ingressi[2].Serv, 1);
  EXPECT_EQ(GlobalBuffer.Ingressi[2].SmsR, 0);
  EXPECT_EQ(GlobalBuffer.Ingressi[2].MaskSms, 0);
  EXPECT_EQ(grid.Text(2, kSmsR), page->HyperGrid1->Text(1, kSmsR));  // the first choice
  ClickCell(grid, 2, kNumber1);
  EXPECT_EQ(GlobalBuffer.Ingressi[2].MaskSms, 0);
  EXPECT_FALSE(ChooseInCell(grid, 2, kSmsA, 1));
}

TEST(SmsPage, FamilyATextsAreFilteredAndTrimmed) {
  Page page(kTypeVelaA, "1.10");
  page.Show();
  VelaGrid& texts = *page->StringGrid3;
  EnterInCell(texts, 1, 1, " Alarm [zone] 1");
  EXPECT_EQ(texts.Text(1, 1), " Alarm zone 1");
  EnterInCell(texts, 2, 1, QString(130, 'x'));
  EXPECT_EQ(texts.Text(2, 1).size(), 120);
  page.Close();
  EXPECT_EQ(GlobalBuffer.SmsS[1].Descrizione, "Alarm zone 1");
  EXPECT_EQ(GlobalBuffer.SmsS[2].Descrizione, std::string(120, 'x'));
}

TEST(SmsPage, FamilyIPeriodicGroupFollowsRowSeven) {
  Page page(kTypeVelaI, "1.00");
  page.Show();
  VelaGrid& grid = *page->HyperGrid2;
  EXPECT_FALSE(page->gbSmsPeriodico->isEnabled());
  TypeInCell(grid, 7, kActivation, "T");
  EXPECT_TRUE(page->gbSmsPeriodico->isEnabled());  // at once, while typing
  EXPECT_TRUE(page->DatePrimoSMS->isEnabled());
  PressKey(grid, Qt::Key_Backspace);
  EXPECT_FALSE(page->gbSmsPeriodico->isEnabled());
  EnterInCell(grid, 7, kActivation, "Test");
  ClickCell(grid, 1, kServiceA);  // input 1 in service: no date and time
  EXPECT_TRUE(page->gbSmsPeriodico->isEnabled());
  EXPECT_FALSE(page->DatePrimoSMS->isEnabled());
  EXPECT_FALSE(page->TimePrimoSMS->isEnabled());
  EXPECT_TRUE(page->edGiorni->isEnabled());
  page.Close();
  EXPECT_EQ(GlobalBuffer.Ingressi[7].SMSAttiv.str(), "Test");
}

TEST(SmsPage, FamilyIServiceFlagBOnRowThree) {
  Page page(kTypeVelaI, "1.00");
  Tag_Ingresso& in3 = GlobalBuffer.Ingressi[3];
  in3.SMSAttiv = "Door open";
  in3.SMSRipr = "Door closed";
  in3.MaskSms = 0x03;
  GlobalBuffer.ComDig.Eventi[4].Invia = 1;
  GlobalBuffer.ComDig.Eventi[5].Invia = 1;
  page.Show();
  VelaGrid& grid = *page->HyperGrid2;
  EXPECT_FALSE(page->edNtelADT->isEnabled());
  ClickCell(grid, 3, kServiceB);
  EXPECT_EQ(in3.ServVELA_I_2, 1);
  EXPECT_EQ(in3.ServVELA_I_1, 1);
  EXPECT_EQ(in3.Polarita, 0);
  EXPECT_TRUE(page->edNtelADT->isEnabled());
  EXPECT_EQ(in3.MaskSms, 0);
  EXPECT_EQ(grid.Text(3, kActivation), "");
  EXPECT_EQ(GlobalBuffer.ComDig.Eventi[4].Invia, 0);
  EXPECT_EQ(GlobalBuffer.ComDig.Eventi[5].Invia, 0);
  ClickCell(grid, 3, kPolarityI);
  ClickCell(grid, 3, kNumber1I);
  EXPECT_EQ(in3.Polarita, 0);
  EXPECT_EQ(in3.MaskSms, 0);
  EnterInCell(grid, 3, kActivation, "x");
  EXPECT_EQ(grid.Text(3, kActivation), "");
  ClickCell(grid, 5, kServiceA);  // entries 4 to 7 have no service flags
  EXPECT_EQ(GlobalBuffer.Ingressi[5].ServVELA_I_1, 0);
  page.Close();
  EXPECT_EQ(in3.SMSAttiv.str(), "");
  EXPECT_EQ(in3.SMSRipr.str(), "");
}

TEST(SmsPage, FamilyIOptionsReachTheRecord) {
  ScopedScriptedHost host;
  Page page(kTypeVelaI, "1.00");
  GlobalBuffer.Ingressi[7].SMSAttiv = "Periodic";
  GlobalBuffer.Opzioni.ControlloCreditoAttivo = 1;
  GlobalBuffer.Opzioni.ControlloCredito = 30;
  page.Show();
  EXPECT_EQ(page->edIntervallocredito->text(), "30");
  EXPECT_TRUE(page->edIntervallocredito->isEnabled());
  RetypeEdit(page->edGiorni, "693");
  RetypeEdit(page->edOre, "23");
  RetypeEdit(page->edMin, "59");
  page->RadioButton2->click();
  EnterInCell(*page->HyperGrid2, 2, 11, "  Restored  ");
  page.Close();
  EXPECT_EQ(GlobalBuffer.Opzioni.SMSIntervallo, 693u * 1440 + 23 * 60 + 59);
  EXPECT_EQ(GlobalBuffer.Opzioni.ControlloCredito, 30);
  EXPECT_EQ(GlobalBuffer.Opzioni.Priorita, 1);
  EXPECT_EQ(GlobalBuffer.Ingressi[2].SMSRipr.str(), "Restored");

  Page again(kTypeVelaI, "1.00");
  GlobalBuffer.Opzioni.ControlloCreditoAttivo = 1;
  again.Show();
  RetypeEdit(again->edIntervallocredito, "150");  // held to 99 with a beep
  EXPECT_EQ(again->edIntervallocredito->text(), "99");
  EXPECT_GE(host.host.beeps, 1);
  again->CheckBox1->click();
  EXPECT_FALSE(again->edIntervallocredito->isEnabled());
  again.Close();
  EXPECT_EQ(GlobalBuffer.Opzioni.ControlloCreditoAttivo, 0);
  EXPECT_EQ(GlobalBuffer.Opzioni.ControlloCredito, 0);
  EXPECT_EQ(GlobalBuffer.Opzioni.Priorita, 0);
}

TEST(SmsPage, ShowingAndClosingLeavesTheRecordUnchanged) {
  for (int type : {kTypeVelaA, kTypeVelaI}) {
    Page page(type, "1.10");
    GlobalBuffer.Opzioni.SMSIntervallo = 1500;
    GlobalBuffer.Opzioni.ControlloCredito = 0;  // what the page stores while the check is off
    TakeSavedCopy();
    page.Show();
    page.Close();
    EXPECT_TRUE(IsUnchanged()) << type;
  }
}

TEST(SmsPage, FamilyIHintsNameTheNumberUnderTheMouse) {
  Page page(kTypeVelaI, "1.00");
  GlobalBuffer.NumeriTelefonici[2].Descrizione = "Guard";
  GlobalBuffer.NumeriTelefonici[2].Numero = "+390612345";
  page.Show();
  VelaGrid& grid = *page->HyperGrid2;
  QTest::mouseMove(grid.viewport(), grid.CellRect(4, kNumber1I + 1).center());
  EXPECT_EQ(page->StaticText2->text(), Lang(421) + "  -  Guard[+390612345]");
  QTest::mouseMove(grid.viewport(), grid.CellRect(4, kActivation).center());
  EXPECT_EQ(page->StaticText2->text(), Lang(422));
  EXPECT_FALSE(Lang(422).isEmpty());
}

}  // namespace
