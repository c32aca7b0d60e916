#include "pages/uscite_page.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>

#include "grid_driver.h"
#include "page_fixture.h"
#include "widgets/filtered_edit.h"

namespace {

using Page = ShownPage<TfrmUscite>;
constexpr int kFP = 2, kBC = 4, kCO = 7, kReserved = 9, kText = 10;
constexpr int kCommanded = 10, kName = 11, kConfirm = 12, kTimed = 13, kOnTime = 14;

TEST(OutputsPage, AnEventMovesBetweenOutputs) {
  Page page(kTypeVelaA, "1.10");
  page.Show();
  VelaGrid& grid = *page->HyperGrid2;
  ClickCell(grid, 2, kFP);
  EXPECT_EQ(GlobalBuffer.Uscite[2].FP, 0);
  ClickCell(grid, 1, kFP);
  EXPECT_EQ(GlobalBuffer.Uscite[1].FP, 0);
  EXPECT_EQ(OutputEventCount, 6);
  ClickCell(grid, 2, kFP);
  EXPECT_EQ(GlobalBuffer.Uscite[2].FP, 1);
  EXPECT_EQ(OutputEventCount, 7);
  EXPECT_EQ(OutputEventCount, CountOutputEvents(GlobalBuffer));
}

TEST(OutputsPage, ReservingClearsEventsAndUnreservingEmptiesTheText) {
  Page page(kTypeVelaA, "1.10");
  GlobalBuffer.Uscite[3].CO = 1;
  GlobalBuffer.Uscite[5].CO = 0;  // output 3 carries BC and CO
  page.Show();
  VelaGrid& grid = *page->HyperGrid2;
  EnterInCell(grid, 3, kText, "Gate");
  EXPECT_EQ(grid.Text(3, kText), "");  // not reserved: no text
  ClickCell(grid, 3, kReserved);
  EXPECT_EQ(GlobalBuffer.Uscite[3].OUTRESERV, 1);
  EXPECT_EQ(GlobalBuffer.Uscite[3].BC, 0);
  EXPECT_EQ(GlobalBuffer.Uscite[3].CO, 0);
  EXPECT_EQ(OutputEventCount, 5);
  ClickCell(grid, 3, kBC);
  EXPECT_EQ(GlobalBuffer.Uscite[3].BC, 0);
  EnterInCell(grid, 3, kText, "Gate #2 open now");
  EXPECT_EQ(grid.Text(3, kText), "Gate 2 ope");  // letters, digits, blank; ten at most
  ClickCell(grid, 3, kReserved);
  EXPECT_EQ(grid.Text(3, kText), "");
  EXPECT_EQ(GlobalBuffer.Uscite[3].Messaggio, "");
  ClickCell(grid, 3, kCO);
  EXPECT_EQ(GlobalBuffer.Uscite[3].CO, 1);
  ClickCell(grid, 2, kReserved);
  EnterInCell(grid, 2, kText, "Pump");
  page.Close();
  EXPECT_EQ(GlobalBuffer.Uscite[2].Messaggio, "Pump");
  EXPECT_EQ(OutputEventCount, CountOutputEvents(GlobalBuffer));
}

TEST(OutputsPage, TheReleaseGatesReservedOutputsAndTheCodeOfFamilyA) {
  struct Case {
    int type;
    const char* release;
    bool columns;
    const char* code;
  } cases[] = {{kTypeVelaA, "1.00", false, ""},
               {kTypeVelaA, "1.10", true, "AB1"},
               {kTypeVelaI, "1.00", false, "AB1"}};
  for (const auto& c : cases) {
    Page page(c.type, c.release);
    GlobalBuffer.Opzioni.CodUscSms = "AB1";
    page.Show();
    if (c.type == kTypeVelaA) {
      EXPECT_EQ(!page->HyperGrid2->isColumnHidden(kReserved), c.columns) << c.release;
      EXPECT_EQ(!page->HyperGrid2->isColumnHidden(kText), c.columns) << c.release;
    }
    EXPECT_EQ(page->HyperGrid2->isVisible(), c.type == kTypeVelaA);
    EXPECT_EQ(page->hgOutI->isVisible(), c.type == kTypeVelaI);
    EXPECT_TRUE(page->Edit1->isEnabled());
    page.Close();
    EXPECT_EQ(GlobalBuffer.Opzioni.CodUscSms, c.code) << c.type << " " << c.release;
  }
}

TEST(OutputsPage, SmsCodeTakesLettersDigitsAndBlanks) {
  Page page(kTypeVelaA, "1.10");
  page.Show();
  QTest::keyClicks(page->Edit1, "#a 1-9Z");
  EXPECT_EQ(page->Edit1->text(), "a 19");
  page.Close();
  EXPECT_EQ(GlobalBuffer.Opzioni.CodUscSms, "a 19");
}

TEST(OutputsPage, AnOutputNoLongerCommandedLosesItsCommandSettings) {
  Page page(kTypeVelaI, "1.00");
  GlobalBuffer.NumeriTelefonici[10].Uscite = 0x06;
  GlobalBuffer.NumeriTelefonici[11].Uscite = 0x02;
  page.Show();
  VelaGrid& grid = *page->hgOutI;
  ClickCell(grid, 2, 3);
  EXPECT_EQ(GlobalBuffer.Uscite[2].MaskEventiVELA_I, 6 ^ 2);
  ClickCell(grid, 2, kCommanded);
  EXPECT_EQ(GlobalBuffer.Uscite[2].OUTRESERV, 1);
  EXPECT_EQ(GlobalBuffer.Uscite[2].MaskEventiVELA_I, 0);
  ClickCell(grid, 2, 3);
  EXPECT_EQ(GlobalBuffer.Uscite[2].MaskEventiVELA_I, 0);  // grey while commanded
  EnterInCell(grid, 2, kName, "Door 1!");
  EXPECT_EQ(grid.Text(2, kName), "Door1");
  ClickCell(grid, 2, kTimed);
  EXPECT_EQ(GlobalBuffer.Uscite[2].Tipo, 1);
  EnterInCell(grid, 2, kOnTime, "30");
  ASSERT_TRUE(ChooseInCell(grid, 2, kConfirm, 1));
  EXPECT_EQ(GlobalBuffer.Uscite[2].Conferma, 1);

  ClickCell(grid, 2, kCommanded);
  const Tag_Uscita& out = GlobalBuffer.Uscite[2];
  EXPECT_EQ(out.OUTRESERV, 0);
  EXPECT_EQ(out.Tipo, 0);
  EXPECT_EQ(out.Conferma, 0);
  EXPECT_EQ(out.Messaggio, "");
  EXPECT_EQ(grid.Text(2, kName), "");
  EXPECT_EQ(grid.Text(2, kOnTime), "0");
  EXPECT_EQ(GlobalBuffer.NumeriTelefonici[10].Uscite, 0x04);
  EXPECT_EQ(GlobalBuffer.NumeriTelefonici[11].Uscite, 0x00);
  EnterInCell(grid, 2, kName, "X");
  EXPECT_EQ(grid.Text(2, kName), "");  // not commanded: not editable
  page.Close();
  EXPECT_EQ(GlobalBuffer.Uscite[2].TempoOn, 0);
}

TEST(OutputsPage, OnTimeIsHeldToTwoTo254) {
  struct Case {
    const char* typed;  // "" empties the cell
    int stored;
  } cases[] = {{"300", 254}, {"1", 2}, {"", 2}, {"120", 120}, {"1234", 123}};
  for (const auto& c : cases) {
    Page page(kTypeVelaI, "1.00");
    page.Show();
    VelaGrid& grid = *page->hgOutI;
    ClickCell(grid, 4, kCommanded);
    ClickCell(grid, 4, kTimed);
    TypeInCell(grid, 4, kOnTime, "9");
    PressKey(grid, Qt::Key_Backspace);
    for (const char* k = c.typed; *k; ++k) QTest::keyClick(KeyTarget(grid), *k);
    PressKey(grid, Qt::Key_Return);
    page.Close();
    EXPECT_EQ(GlobalBuffer.Uscite[4].TempoOn, c.stored) << "typed '" << c.typed << "'";
  }
}

TEST(OutputsPage, ConfirmationLists) {
  Page page(kTypeVelaI, "1.00");
  page.Show();
  VelaGrid& grid = *page->hgOutI;
  EXPECT_FALSE(ChooseInCell(grid, 1, kConfirm, 0));  // not commanded: no list
  ClickCell(grid, 1, kCommanded);
  ClickCell(grid, 1, kConfirm);
  auto* combo = qobject_cast<QComboBox*>(grid.OpenEditor());
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->count(), 2);  // no command name yet
  combo->hidePopup();
  PressKey(grid, Qt::Key_Escape);
  ASSERT_TRUE(ChooseInCell(grid, 1, kConfirm, 1));
  EXPECT_EQ(GlobalBuffer.Uscite[1].Conferma, 2);

  EnterInCell(grid, 1, kName, "Light");
  ClickCell(grid, 1, kConfirm);
  combo = qobject_cast<QComboBox*>(grid.OpenEditor());
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->count(), 3);
  combo->hidePopup();
  PressKey(grid, Qt::Key_Escape);
  ASSERT_TRUE(ChooseInCell(grid, 1, kConfirm, 2));
  EXPECT_EQ(GlobalBuffer.Uscite[1].Conferma, 2);
  ASSERT_TRUE(ChooseInCell(grid, 1, kConfirm, 1));
  EXPECT_EQ(GlobalBuffer.Uscite[1].Conferma, 1);
}

}  // namespace
