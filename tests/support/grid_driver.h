// Drives a VelaGrid as a user would: mouse clicks on the cells' centres, keys typed into
// the focused cell or its open editor, items chosen in a cell's drop-down list.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "widgets/vela_grid.h"

inline void ClickCell(VelaGrid& grid, int row, int col) {
  grid.scrollTo(grid.model()->index(row, col));
  const QRect rect = grid.CellRect(row, col);
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, rect.center());
}

// The widget that receives the user's keys: the open editor, else the grid.
inline QWidget* KeyTarget(VelaGrid& grid) {
  QWidget* editor = grid.OpenEditor();
  return editor ? editor : static_cast<QWidget*>(&grid);
}

inline void PressKey(VelaGrid& grid, Qt::Key key) {
  QTest::keyClick(KeyTarget(grid), key);
}

// Enter in an open editor; the editor closes when the queued commit has run.
inline void CloseEditorWithEnter(VelaGrid& grid) {
  if (!grid.OpenEditor()) return;
  QTest::keyClick(grid.OpenEditor(), Qt::Key_Return);
  QApplication::processEvents();
}

// Moves the cursor to the cell without a click (as the arrow keys would) and types.
inline void TypeInCell(VelaGrid& grid, int row, int col, const QString& keys) {
  CloseEditorWithEnter(grid);
  grid.setCurrentCell(row, col);
  for (QChar c : keys) QTest::keyClicks(KeyTarget(grid), QString(c));
}

// Types into the cell and presses Enter to close its editor.
inline void EnterInCell(VelaGrid& grid, int row, int col, const QString& keys) {
  TypeInCell(grid, row, col, keys);
  CloseEditorWithEnter(grid);
}

// Clicks a list cell (which drops its list) and picks item `index` with the keyboard.
inline bool ChooseInCell(VelaGrid& grid, int row, int col, int index) {
  ClickCell(grid, row, col);
  auto* combo = qobject_cast<QComboBox*>(grid.OpenEditor());
  if (!combo) return false;
  QAbstractItemView* list = combo->view();
  list->setCurrentIndex(combo->model()->index(index, 0));
  QTest::keyClick(list->isVisible() ? static_cast<QWidget*>(list) : combo, Qt::Key_Return);
  return true;
}

// Empties a one-line edit with the keyboard and types a new text.
inline void RetypeEdit(QLineEdit* edit, const char* keys) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, keys);
}
