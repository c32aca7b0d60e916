#include "widgets/vela_grid.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>

#include "grid_driver.h"
#include "scripted_host.h"
#include "widgets/filtered_edit.h"
#include "widgets/grid_header.h"

namespace {

// A 4-row grid: column 0 fixed, 1 free text (max 5, no "x"), 2 digits, 3 list, 4 check box.
struct GridFixture : ::testing::Test {
  GridFixture() : grid(5, 5) {
    grid.SetFixedCols(1);
    grid.SetEditors([](int, int col) {
      GridEditor e;
      if (col == 1) e = {GridEditor::Kind::Text, 5, {}};
      if (col == 2) e = {GridEditor::Kind::Digits, 3, {}};
      if (col == 3) e = {GridEditor::Kind::List, 0, {"zero", "one", "two"}};
      return e;
    });
    grid.SetKeyFilter([this](int, int, QChar ch, const QString& text) {
      lastFilterText = text;
      return ch != 'x';
    });
    grid.SetLook([this](int row, int col, GridCellLook& look) {
      look.box = col == 4;
      look.checked = col == 4 && checks[row];
    });
    grid.resize(400, 200);
    grid.show();
  }
  VelaGrid grid;
  bool checks[5] = {};
  QString lastFilterText;
};

TEST_F(GridFixture, MouseClicksSignalButArrowMovesDoNot) {
  QSignalSpy clicks(&grid, &VelaGrid::CellClicked);
  ClickCell(grid, 2, 4);
  ASSERT_EQ(clicks.count(), 1);
  EXPECT_EQ(clicks[0][0].toInt(), 2);
  EXPECT_EQ(clicks[0][1].toInt(), 4);
  PressKey(grid, Qt::Key_Down);
  PressKey(grid, Qt::Key_Up);
  EXPECT_EQ(grid.currentRow(), 2);
  EXPECT_EQ(clicks.count(), 1);
  ClickCell(grid, 1, 0);  // the fixed column takes no clicks
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(GridFixture, TypingEditsThroughTheFilterAndLimit) {
  QSignalSpy changes(&grid, &VelaGrid::CellTextChanged);
  grid.SetText(1, 1, "old");
  EXPECT_EQ(changes.count(), 0);  // the page's own texts never signal
  EnterInCell(grid, 1, 1, "axbcdefg");
  EXPECT_EQ(grid.Text(1, 1), "abcde");  // "x" filtered, five at most, old text replaced
  EXPECT_GT(changes.count(), 0);
  EXPECT_EQ(changes.last()[0].toInt(), 1);

  EnterInCell(grid, 2, 2, "4a21");
  EXPECT_EQ(grid.Text(2, 2), "421");
  EnterInCell(grid, 3, 4, "9");  // a check-box cell has no editor
  EXPECT_EQ(grid.Text(3, 4), "");
  EnterInCell(grid, 2, 2, "7");  // typing into a cell replaces its text
  EXPECT_EQ(grid.Text(2, 2), "7");
}

TEST_F(GridFixture, FilterSeesTheTextWithoutItsSelection) {
  grid.SetText(1, 1, "abc");
  grid.setCurrentCell(1, 1);
  grid.edit(grid.model()->index(1, 1));
  auto* line = qobject_cast<QLineEdit*>(grid.OpenEditor());
  ASSERT_NE(line, nullptr);
  line->setSelection(1, 1);
  QTest::keyClick(line, Qt::Key_Z);
  EXPECT_EQ(lastFilterText, "ac");
  EXPECT_EQ(line->text(), "azc");
}

TEST_F(GridFixture, ListChoiceSignalsItsPosition) {
  QSignalSpy chosen(&grid, &VelaGrid::ListChosen);
  ASSERT_TRUE(ChooseInCell(grid, 2, 3, 2));
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen[0][2].toInt(), 2);
  EXPECT_EQ(grid.Text(2, 3), "two");
  EXPECT_EQ(grid.OpenEditor(), nullptr);
}

TEST_F(GridFixture, HeaderDrawsRowZeroAndBands) {
  grid.SetText(0, 2, "Two");
  grid.SetBands({{2, 3, "Group"}});
  EXPECT_EQ(grid.Header()->Levels(), 2);
  const QRect heading = grid.CellRect(0, 2);
  const QRect band = grid.Header()->BandRect(grid.Bands()[0]);
  EXPECT_EQ(band.width(), grid.columnWidth(2) + grid.columnWidth(3));
  EXPECT_GE(heading.top(), band.bottom());
  EXPECT_EQ(grid.CellRect(0, 0).top(), 0);  // no band: full height
  EXPECT_FALSE(grid.grab().isNull());
  // A band over empty headings is one heading of the full height.
  grid.SetText(0, 2, "");
  EXPECT_EQ(grid.Header()->Levels(), 1);
  EXPECT_EQ(grid.CellRect(0, 3), grid.Header()->BandRect(grid.Bands()[0]));
  EXPECT_EQ(grid.CellRect(0, 3).height(), grid.CellRect(0, 0).height());
}

TEST(RangeEdit, HoldsItsValueInRangeWithABeep) {
  ScopedScriptedHost host;
  RangeEdit days(3, 0, 693);
  days.SetValue(697);
  EXPECT_EQ(days.text(), "693");
  EXPECT_EQ(host.host.beeps, 1);
  days.setFocus();
  days.selectAll();
  QTest::keyClick(&days, Qt::Key_Backspace);  // emptied counts as below the range
  EXPECT_EQ(days.text(), "0");
  EXPECT_EQ(days.selectedText(), "0");
  QTest::keyClicks(&days, "12");
  EXPECT_EQ(days.Value(), 12);
  EXPECT_EQ(RangeEdit::Correction("100", 1, 99), 99);
  EXPECT_EQ(RangeEdit::Correction("", 1, 99), 1);
  EXPECT_EQ(RangeEdit::Correction("50", 1, 99), -1);
}

TEST(FilteredEdit, FiltersKeysButNotPastedText) {
  FilteredEdit edit;
  edit.SetKeyFilter([](QChar ch, const QString&) { return ch.isDigit() || ch == '\b'; });
  QTest::keyClicks(&edit, "1a2");
  EXPECT_EQ(edit.text(), "12");
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.text(), "1");
  edit.insert("ab");  // as a paste would
  EXPECT_EQ(edit.text(), "1ab");
}

}  // namespace
