#include "pages/comdig_page.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "grid_driver.h"
#include "page_fixture.h"
#include "scripted_host.h"
#include "widgets/filtered_edit.h"

namespace {

using Page = ShownPage<TfrmComDig>;
constexpr int kAccount = 1, kCode1 = 2, kCode2 = 3, kSend = 4;

TEST(ComDigPage, PairsShowAndStoreTheirActivationEvent) {
  Page page(kTypeVelaI, "1.00");
  GlobalBuffer.ComDig.Eventi[0] = {"0012", "1", "30", 0};
  GlobalBuffer.ComDig.Eventi[1] = {"9999", "3", "FF", 1};
  page.Show();
  VelaGrid& grid = *page->hgEventi;
  EXPECT_EQ(grid.Text(2, kAccount), "0012");
  EXPECT_EQ(grid.Text(2, kCode2), "30");
  page.Close();
  const Tag_Evento& restore = GlobalBuffer.ComDig.Eventi[1];
  EXPECT_EQ(restore.CodiceUtente.str(), "0012");
  EXPECT_EQ(restore.CodiceEvento1.str(), "1");
  EXPECT_EQ(restore.CodiceEvento2.str(), "30");
  EXPECT_EQ(restore.Invia, 1);  // send flags are not copied at close
}

TEST(ComDigPage, TypedCodesAreMirroredAndPadded) {
  Page page(kTypeVelaI, "1.00");
  page.Show();
  VelaGrid& grid = *page->hgEventi;
  TypeInCell(grid, 10, kAccount, "4");
  for (int r = 9; r <= 14; ++r) EXPECT_EQ(grid.Text(r, kAccount), "4") << r;  // at once
  EnterInCell(grid, 10, kAccount, "12");
  EnterInCell(grid, 3, kAccount, "0000");
  EnterInCell(grid, 5, kAccount, "7A");
  EXPECT_EQ(grid.Text(6, kAccount), "7A");
  EnterInCell(grid, 7, kCode2, "B1");
  EXPECT_EQ(grid.Text(8, kCode2), "B1");
  EnterInCell(grid, 13, kCode2, "99");
  EXPECT_EQ(grid.Text(14, kCode2), "24");  // rows 13 and 14 stand alone
  page.Close();
  for (int e = 8; e <= 13; ++e) EXPECT_EQ(GlobalBuffer.ComDig.Eventi[e].CodiceUtente.str(), "0012");
  EXPECT_EQ(GlobalBuffer.ComDig.Eventi[2].CodiceUtente.str(), "");
  EXPECT_EQ(GlobalBuffer.ComDig.Eventi[0].CodiceUtente.str(), "");
  EXPECT_EQ(GlobalBuffer.ComDig.Eventi[5].CodiceUtente.str(), "007A");
  EXPECT_EQ(GlobalBuffer.ComDig.Eventi[7].CodiceEvento2.str(), "B1");
  EXPECT_EQ(GlobalBuffer.ComDig.Eventi[12].CodiceEvento2.str(), "99");
}

TEST(ComDigPage, CodeCellsTakeUpperHexDigitsOnly) {
  struct Case {
    int row, col;
    const char* typed;
    const char* shown;
  } cases[] = {
      {1, kAccount, "1a2G3f4B5", "1234"},  // at most four, no lower case, no G
      {1, kCode1, "c7", "7"},
      {9, kCode1, "5", "3"},  // rows 9 to 14 keep their first code character
      {1, kCode2, "E9F", "E9"},
  };
  for (const auto& c : cases) {
    Page page(kTypeVelaI, "1.00");
    page.Show();
    EnterInCell(*page->hgEventi, c.row, c.col, c.typed);
    EXPECT_EQ(page->hgEventi->Text(c.row, c.col), c.shown) << c.row << "," << c.col;
  }
}

TEST(ComDigPage, DeleteIsDiscardedOnTheFollowingRowsOfAPair) {
  struct Case {
    int row, col;
    const char* after;
  } cases[] = {{1, kAccount, "23"}, {2, kAccount, "123"}, {7, kCode2, "3"},
               {8, kCode2, "23"},   {12, kCode2, "23"},   {13, kCode2, "23"}};
  for (const auto& c : cases) {
    Page page(kTypeVelaI, "1.00");
    page.Show();
    VelaGrid& grid = *page->hgEventi;
    TypeInCell(grid, c.row, c.col, c.col == kAccount ? "123" : "23");
    PressKey(grid, Qt::Key_Home);
    PressKey(grid, Qt::Key_Delete);
    PressKey(grid, Qt::Key_Return);
    EXPECT_EQ(grid.Text(c.row, c.col), c.after) << c.row << "," << c.col;
  }
}

TEST(ComDigPage, SendFlagsAreWrittenAtOnceAndLockedByServiceInputs) {
  Page page(kTypeVelaI, "1.00");
  GlobalBuffer.Ingressi[2].ServVELA_I_1 = 1;
  GlobalBuffer.Ingressi[1].ServVELA_I_2 = 1;
  page.Show();
  VelaGrid& grid = *page->hgEventi;
  ClickCell(grid, 3, kSend);
  ClickCell(grid, 4, kSend);
  EXPECT_EQ(GlobalBuffer.ComDig.Eventi[2].Invia, 0);
  EXPECT_EQ(GlobalBuffer.ComDig.Eventi[3].Invia, 0);
  ClickCell(grid, 5, kSend);
  EXPECT_EQ(GlobalBuffer.ComDig.Eventi[4].Invia, 1);
  for (int row = 9; row <= 14; ++row) ClickCell(grid, row, kSend);
  for (int e = 8; e <= 13; ++e) EXPECT_EQ(GlobalBuffer.ComDig.Eventi[e].Invia, 1) << e;
  EXPECT_TRUE(grid.LookOf(9, kSend).checked);
  // Arrow keys over the column toggle nothing.
  grid.setCurrentCell(5, kSend);
  PressKey(grid, Qt::Key_Down);
  EXPECT_EQ(GlobalBuffer.ComDig.Eventi[5].Invia, 0);
}

TEST(ComDigPage, PeriodicReportFlagDrivesTheSchedule) {
  Page page(kTypeVelaI, "1.00");
  page.Show();
  EXPECT_FALSE(page->gbSmsPeriodico->isEnabled());
  EXPECT_FALSE(page->edGiorni->isEnabled());
  ClickCell(*page->hgEventi, 13, kSend);
  EXPECT_TRUE(page->gbSmsPeriodico->isEnabled());
  EXPECT_TRUE(page->edGiorni->isEnabled());
  ClickCell(*page->hgEventi, 13, kSend);
  EXPECT_FALSE(page->gbSmsPeriodico->isEnabled());
}

TEST(ComDigPage, IntervalTypedAsDaysHoursMinutes) {
  ScopedScriptedHost host;
  Page page(kTypeVelaI, "1.00");
  GlobalBuffer.ComDig.Eventi[12].Invia = 1;
  page.Show();
  RetypeEdit(page->edGiorni, "693");
  RetypeEdit(page->edOre, "99");
  RetypeEdit(page->edMin, "99");
  page.Close();
  const uint32_t stored = 693u * 1440 + 99 * 60 + 99;
  EXPECT_EQ(GlobalBuffer.ComDig.SegIntervallo, stored);

  const int beeps = host.host.beeps;
  Page again(kTypeVelaI, "1.00");
  GlobalBuffer.ComDig.SegIntervallo = stored;
  again.Show();
  EXPECT_EQ(again->edGiorni->text(), "693");  // 697 days, held to the range
  EXPECT_EQ(again->edOre->text(), "4");
  EXPECT_EQ(again->edMin->text(), "39");
  EXPECT_EQ(host.host.beeps, beeps + 1);
}

TEST(ComDigPage, DefaultsRestoreTheCodesAndDiscardThePageEdits) {
  Page page(kTypeVelaI, "1.00");
  GlobalBuffer.ComDig.Numero1 = "0612345";
  for (auto& event : GlobalBuffer.ComDig.Eventi) event = {"0042", "9", "99", 1};
  page.Show();
  VelaGrid& grid = *page->hgEventi;
  EnterInCell(grid, 1, kAccount, "77");
  QTest::keyClicks(page->MaskEdit[0], "9");
  page->SpeedButton1->click();
  EXPECT_EQ(grid.Text(1, kAccount), "0042");
  EXPECT_EQ(grid.Text(1, kCode2), "3A");
  EXPECT_EQ(grid.Text(13, kCode2), "02");
  EXPECT_EQ(page->MaskEdit[0]->text(), "0612345");
  page.Close();
  EXPECT_EQ(GlobalBuffer.ComDig.Eventi[11].CodiceEvento2.str(), "A2");
  EXPECT_EQ(GlobalBuffer.ComDig.Eventi[11].CodiceUtente.str(), "0042");
  EXPECT_EQ(GlobalBuffer.ComDig.Eventi[11].Invia, 1);
}

TEST(ComDigPage, ReceiverNumbersFilterKeysButKeepPastedText) {
  Page page(kTypeVelaI, "1.00");
  page.Show();
  QTest::keyClicks(page->MaskEdit[1], "+39 06-12*3,4x");
  page->MaskEdit[2]->insert("12AB");  // as a paste would
  page.Close();
  EXPECT_EQ(GlobalBuffer.ComDig.Numero2.str(), "+390612*3,4");
  EXPECT_EQ(GlobalBuffer.ComDig.Numero3.str(), "12AB");
}

}  // namespace
