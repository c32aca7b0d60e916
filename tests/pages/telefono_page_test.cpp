#include "pages/telefono_page.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "grid_driver.h"
#include "page_fixture.h"
#include "widgets/filtered_edit.h"
#include "widgets/spin_edit.h"

namespace {

using Page = ShownPage<TfrmTelefono>;
constexpr int kOutput2Col = 5;

std::string Marks(int output, int count) {
  std::string marks;
  for (int e = 1; e <= count; ++e)
    marks += (GlobalBuffer.NumeriTelefonici[e].Uscite >> output) & 1 ? 'x' : '.';
  return marks;
}

TEST(PhonePage, ClicksEditTheOutputRunsOfFamilyI) {
  struct Case {
    int click;
    const char* after;  // output 2 on entries 1..10, starting from the run 3 to 5
  } cases[] = {{4, ".........."}, {5, "..xx......"}, {8, "..xxxxxx.."}, {1, "xxxxx....."}};
  for (const auto& c : cases) {
    Page page(kTypeVelaI, "1.00");
    for (int e = 3; e <= 5; ++e) GlobalBuffer.NumeriTelefonici[e].Uscite = 0x02;
    page.Show();
    ClickCell(*page->StringGrid1, c.click, kOutput2Col);
    EXPECT_EQ(Marks(1, 10), c.after) << "click " << c.click;
  }
}

TEST(PhonePage, AFirstNumberMarksTheOutputCommanded) {
  Page page(kTypeVelaI, "1.00");
  page.Show();
  VelaGrid& grid = *page->StringGrid1;
  ClickCell(grid, 90, 7);  // output 4, far down the grid
  EXPECT_EQ(GlobalBuffer.NumeriTelefonici[90].Uscite, 0x08);
  EXPECT_EQ(GlobalBuffer.Uscite[4].OUTRESERV, 1);
  ClickCell(grid, 90, 7);
  EXPECT_EQ(GlobalBuffer.NumeriTelefonici[90].Uscite, 0);
  EXPECT_EQ(GlobalBuffer.Uscite[4].OUTRESERV, 1);  // taking it back does not release
  // Arrow keys moving over the output cells click nothing.
  grid.setCurrentCell(10, 4);
  PressKey(grid, Qt::Key_Down);
  PressKey(grid, Qt::Key_Right);
  EXPECT_EQ(grid.currentRow(), 11);
  EXPECT_EQ(GlobalBuffer.NumeriTelefonici[10].Uscite, 0);
  EXPECT_EQ(GlobalBuffer.NumeriTelefonici[11].Uscite, 0);
}

TEST(PhonePage, SmsMarksAndFamilyAGreyColumns) {
  Page a(kTypeVelaA, "1.10");
  GlobalBuffer.Ingressi[2].MaskSms = 0x01;
  a.Show();
  VelaGrid& grid = *a->StringGrid1;
  EXPECT_EQ(grid.rowCount(), 9);
  for (int col = 3; col <= 7; ++col) {
    EXPECT_TRUE(grid.LookOf(1, col).grey) << col;
    ClickCell(grid, 1, col);
  }
  EXPECT_EQ(GlobalBuffer.NumeriTelefonici[1].Uscite, 0);
  EXPECT_FALSE(a->pnStatus->isVisible());
  a.Close();

  Page i(kTypeVelaI, "1.00");
  GlobalBuffer.Ingressi[6].MaskSms = 0x81;
  i.Show();
  VelaGrid& gridI = *i->StringGrid1;
  EXPECT_EQ(gridI.rowCount(), 96);
  EXPECT_TRUE(gridI.LookOf(1, 3).checked);
  EXPECT_TRUE(gridI.LookOf(8, 3).checked);
  EXPECT_FALSE(gridI.LookOf(2, 3).checked);
  EXPECT_TRUE(gridI.LookOf(9, 3).grey);
  EXPECT_FALSE(gridI.LookOf(8, 3).grey);
  EXPECT_TRUE(i->pnStatus->isVisible());
}

TEST(PhonePage, KeyFiltersOfTheGridAndThePrefix) {
  Page page(kTypeVelaA, "1.10");
  page.Show();
  VelaGrid& grid = *page->StringGrid1;
  EnterInCell(grid, 1, 2, "+39a 012-3");
  EXPECT_EQ(grid.Text(1, 2), "+390123");
  EnterInCell(grid, 2, 2, "123456789012345678901234");
  EXPECT_EQ(grid.Text(2, 2), "12345678901234567890");
  EnterInCell(grid, 2, 1, "Fire brigade, station 12");
  EXPECT_EQ(grid.Text(2, 1), "Fire brigade, statio");
  EnterInCell(grid, 3, 0, "7");
  EXPECT_EQ(grid.Text(3, 0), "3");  // the entry number stays
  QTest::keyClicks(page->LabeledEdit1, "0a1+23");
  EXPECT_EQ(page->LabeledEdit1->text(), "0123");

  page.Close();
  EXPECT_EQ(GlobalBuffer.NumeriTelefonici[1].Numero, "+390123");
  EXPECT_EQ(GlobalBuffer.NumeriTelefonici[2].Descrizione, "Fire brigade, statio");
  EXPECT_EQ(GlobalBuffer.Opzioni.Prefisso, "0123");
}

TEST(PhonePage, EarlyFamilyAHasNoDigitsToRemove) {
  struct Case {
    int type;
    const char* release;
    bool enabled;
    int stored;
  } cases[] = {
      {kTypeVelaA, "1.00", false, 0}, {kTypeVelaA, "1.10", true, 3}, {kTypeVelaI, "1.00", true, 3}};
  for (const auto& c : cases) {
    Page page(c.type, c.release);
    GlobalBuffer.Opzioni.CifreRim = 3;
    page.Show();
    EXPECT_EQ(page->SpinEdit1->isEnabled(), c.enabled) << c.type << " " << c.release;
    EXPECT_EQ(page->SpinEdit1->Value(), c.stored);
    page.Close();
    EXPECT_EQ(GlobalBuffer.Opzioni.CifreRim, c.stored);
  }
}

TEST(PhonePage, ShowingAndClosingChangesNothing) {
  Page page(kTypeVelaA, "1.10");
  GlobalBuffer.NumeriTelefonici[50].Numero = "555";
  TakeSavedCopy();
  page.Show();
  page.Close();
  EXPECT_TRUE(IsUnchanged());
}

}  // namespace
