#include "pages/avvtel_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "grid_driver.h"
#include "page_fixture.h"
#include "widgets/grid_header.h"

namespace {

using Page = ShownPage<TfrmAvvTel>;
constexpr int kPolarity = 1, kMessage = 2, kNumber1 = 3, kService = 11, kUsaGsm = 12, kCommuta = 13;

TEST(DiallerPage, EarlyReleaseHasNoServiceInputsNorLineSwitching) {
  Page page(kTypeVelaA, "1.00");
  GlobalBuffer.Opzioni.UsaGsm = 1;
  GlobalBuffer.Ingressi[2].Serv = 1;
  page.Show();
  EXPECT_EQ(GlobalBuffer.Opzioni.UsaGsm, 0);  // cleared on opening
  VelaGrid& grid = *page->HyperGrid1;
  ClickCell(grid, 4, kUsaGsm);
  ClickCell(grid, 4, kCommuta);
  EXPECT_EQ(GlobalBuffer.Opzioni.UsaGsm, 0);
  EXPECT_EQ(GlobalBuffer.Opzioni.CommutaChiama, 0);
  ClickCell(grid, 2, kService);
  EXPECT_EQ(GlobalBuffer.Ingressi[2].Serv, 0);
  ClickCell(grid, 2, kService);
  EXPECT_EQ(GlobalBuffer.Ingressi[2].Serv, 0);
}

TEST(DiallerPage, ServiceInputLocksItsNumbers) {
  Page page(kTypeVelaA, "1.10");
  Tag_Ingresso& in2 = GlobalBuffer.Ingressi[2];
  in2.Messaggio = 5;
  in2.MaskTel = 0x06;
  in2.MaskSms = 0x30;
  in2.SmsA = 3;
  page.Show();
  VelaGrid& grid = *page->HyperGrid1;
  ClickCell(grid, 2, kService);
  EXPECT_EQ(in2.Serv, 1);
  EXPECT_EQ(in2.Messaggio, 0);
  EXPECT_EQ(in2.MaskTel, 0);
  EXPECT_EQ(in2.MaskSms, 0);
  EXPECT_EQ(in2.SmsA, 0);
  EXPECT_EQ(grid.Text(2, kMessage), grid.Text(1, kMessage));  // the first label
  ClickCell(grid, 2, kNumber1 + 4);
  EXPECT_EQ(in2.MaskTel, 0);
  EXPECT_FALSE(ChooseInCell(grid, 2, kMessage, 3));  // no list for a service input
  ClickCell(grid, 2, kService);
  ClickCell(grid, 2, kNumber1 + 4);
  EXPECT_EQ(in2.MaskTel, 0x10);
  ClickCell(grid, 2, kPolarity);
  EXPECT_EQ(in2.Polarita, 0);
  ClickCell(grid, 2, kPolarity);
  EXPECT_EQ(in2.Polarita, 1);
}

TEST(DiallerPage, SwitchAndCallCallsNumberOneOnly) {
  Page page(kTypeVelaA, "1.10");
  GlobalBuffer.Ingressi[4].MaskTel = 0xf0;
  page.Show();
  VelaGrid& grid = *page->HyperGrid1;
  ClickCell(grid, 3, kCommuta);  // no function on rows 1 to 3
  EXPECT_EQ(GlobalBuffer.Opzioni.CommutaChiama, 0);
  EXPECT_TRUE(grid.LookOf(3, kCommuta).grey);
  ClickCell(grid, 4, kCommuta);
  EXPECT_EQ(GlobalBuffer.Opzioni.CommutaChiama, 1);
  EXPECT_EQ(GlobalBuffer.Ingressi[4].MaskTel, 0x01);
  EXPECT_FALSE(grid.LookOf(4, kNumber1).grey);
  EXPECT_TRUE(grid.LookOf(4, kNumber1 + 1).grey);
  ClickCell(grid, 4, kNumber1 + 2);
  ClickCell(grid, 4, kNumber1);
  EXPECT_EQ(GlobalBuffer.Ingressi[4].MaskTel, 0x01);  // locked
  ClickCell(grid, 4, kUsaGsm);                        // switching to GSM ends switch-and-call
  EXPECT_EQ(GlobalBuffer.Opzioni.UsaGsm, 1);
  EXPECT_EQ(GlobalBuffer.Opzioni.CommutaChiama, 0);
  EXPECT_EQ(GlobalBuffer.Ingressi[4].MaskTel, 0);
  EXPECT_TRUE(grid.LookOf(4, kNumber1).grey);
  EXPECT_FALSE(ChooseInCell(grid, 4, kMessage, 2));
  ClickCell(grid, 4, kCommuta);
  ClickCell(grid, 4, kCommuta);  // unsetting leaves input 4 with no number
  EXPECT_EQ(GlobalBuffer.Opzioni.CommutaChiama, 0);
  EXPECT_EQ(GlobalBuffer.Opzioni.UsaGsm, 0);
  EXPECT_EQ(GlobalBuffer.Ingressi[4].MaskTel, 0);
}

TEST(DiallerPage, DuplicateLabelsStoreTheLowerMessage) {
  Page page(kTypeVelaA, "1.10");
  GlobalBuffer.Messaggi[2].Descrizione = "Gas";
  GlobalBuffer.Messaggi[4].Descrizione = "Gas";
  page.Show();
  VelaGrid& grid = *page->HyperGrid1;
  ASSERT_TRUE(ChooseInCell(grid, 1, kMessage, 3));
  EXPECT_EQ(GlobalBuffer.Ingressi[1].Messaggio, 1);
  EXPECT_EQ(grid.Text(1, kMessage), "Gas");
  ASSERT_TRUE(ChooseInCell(grid, 3, kMessage, 7));
  EXPECT_EQ(GlobalBuffer.Ingressi[3].Messaggio, 7);
}

TEST(DiallerPage, EditedLabelsReachTheChoicesAndTheRecord) {
  Page page(kTypeVelaA, "1.10");
  GlobalBuffer.Ingressi[3].Messaggio = 1;
  page.Show();
  EnterInCell(*page->StringGrid2, 2, 1, "Burglary in the warehouse");
  EXPECT_EQ(page->HyperGrid1->Text(3, kMessage), "Burglary in the ware");
  page.Close();
  EXPECT_EQ(GlobalBuffer.Messaggi[2].Descrizione, "Burglary in the ware");
}

TEST(DiallerPage, CallProgressChoiceAndCallBack) {
  Page page(kTypeVelaA, "1.10");
  GlobalBuffer.Opzioni.VoceInLinea = 0;  // none set
  page.Show();
  EXPECT_TRUE(page->RadioButton1->isChecked());
  page->CheckBox1->click();
  page.Close();
  EXPECT_EQ(GlobalBuffer.Opzioni.VoceInLinea, 1);
  EXPECT_EQ(GlobalBuffer.Opzioni.Squillo, 0);
  EXPECT_EQ(GlobalBuffer.Opzioni.Richiama, 1);

  Page again(kTypeVelaA, "1.10");
  GlobalBuffer.Opzioni.VoceInLinea = 0;
  GlobalBuffer.Opzioni.Selezione = 1;
  again.Show();
  EXPECT_TRUE(again->RadioButton3->isChecked());
  again->RadioButton2->click();
  again.Close();
  EXPECT_EQ(GlobalBuffer.Opzioni.Squillo, 1);
  EXPECT_EQ(GlobalBuffer.Opzioni.Selezione, 0);
}

TEST(DiallerPage, FloatingTipNamesTheNumberUnderTheMouse) {
  Page page(kTypeVelaA, "1.10");
  GlobalBuffer.NumeriTelefonici[3].Descrizione = "Owner";
  GlobalBuffer.NumeriTelefonici[3].Numero = "3351234567";
  page.Show();
  VelaGrid& grid = *page->HyperGrid1;
  QWidget* header = grid.Header()->viewport();
  QTest::mouseMove(header, grid.CellRect(0, kNumber1 + 2).center());
  EXPECT_TRUE(page->StaticText1->isVisible());
  EXPECT_EQ(page->StaticText1->text(), "Owner[3351234567]");
  QTest::mouseMove(header, grid.CellRect(0, kService).center());
  EXPECT_FALSE(page->StaticText1->isVisible());
}

TEST(DiallerPage, FamilyIShowsItDisabled) {
  Page page(kTypeVelaI, "1.00");
  page.Show();
  EXPECT_FALSE(page->isEnabled());
}

}  // namespace
