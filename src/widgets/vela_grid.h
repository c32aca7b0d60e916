// The string grid every configuration page is built on. Row 0 holds the headings and is
// drawn by a fixed header above the cells (with optional bands spanning several columns),
// so rows keep the numbers the pages speak of: row r is entry r. The pages say how each
// cell looks, which editor it opens, which keys it takes and which hints it shows; the
// grid itself knows no rules.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QStringList>
#include <QTableWidget>
#include <QTimer>
#include <functional>
#include <vector>

class GridHeader;

// How a page wants one cell drawn.
struct GridCellLook {
  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
  QColor background;  // invalid: the grid's colour (base, or button face in fixed columns)
  QColor foreground;
  bool box = false;      // a small box in the middle of the cell
  bool checked = false;  // a mark in the box
  bool grey = false;     // the box is grey: the cell has no function
  QPixmap picture;       // drawn in the middle, in place of the text
  bool showText = true;
};

// The inplace editor a cell opens; Kind::None keeps the cell read-only.
struct GridEditor {
  enum class Kind { None, Text, Digits, List };
  Kind kind = Kind::None;
  int maxLength = 32767;  // Text and Digits
  QStringList items;      // List: the choices, in order
};

// A band of the header drawn above the heading cells of columns first..last.
struct GridBand {
  int first = 0;
  int last = 0;
  QString text;
};

class VelaGrid : public QTableWidget {
  Q_OBJECT
 public:
  static constexpr QChar kBackspace = u'\b';
  static constexpr QChar kDelete = QChar(0x7f);

  // Fills in a look that starts as the grid's default for the cell.
  using LookFn = std::function<void(int row, int col, GridCellLook& look)>;
  using EditorFn = std::function<GridEditor(int row, int col)>;
  // ch is the typed character, kBackspace or kDelete; text is the cell's text as it would
  // stand without its selected part. False drops the key.
  using KeyFilterFn = std::function<bool(int row, int col, QChar ch, const QString& text)>;
  using HintFn = std::function<QString(int row, int col)>;

  // The character a key stands for in the key filters, or a null character for keys the
  // filters never see (navigation, Enter, Escape, shortcuts).
  static QChar FilterChar(const QKeyEvent* event);

  // rows counts the heading row 0.
  VelaGrid(int rows, int cols, QWidget* parent = nullptr);

  void SetRows(int rows);  // heading row included
  // Columns before cols are drawn as fixed (button face) and never edit.
  void SetFixedCols(int cols);
  int FixedCols() const { return fixedCols_; }
  void SetBands(std::vector<GridBand> bands);
  const std::vector<GridBand>& Bands() const { return bands_; }
  void SetHeadingHeight(int pixels);
  void SetRowHeight(int pixels);
  void SetStretchLastColumn(bool stretch);
  // Makes the grid exactly as high as its header and rows, with no vertical scroll bar;
  // FreeHeight lets it take any height again and scroll.
  void FitHeightToRows();
  void FreeHeight();

  void SetLook(LookFn fn) { look_ = std::move(fn); }
  void SetEditors(EditorFn fn) { editors_ = std::move(fn); }
  void SetKeyFilter(KeyFilterFn fn) { keyFilter_ = std::move(fn); }
  // statusHint: the long hint for the page's status line, by cell; cellHint: the tip shown
  // beside the mouse after the hint delay.
  void SetHints(HintFn statusHint, HintFn cellHint);
  void SetHintDelay(int ms) { hintTimer_.setInterval(ms); }

  // Cell texts, row 0 being the heading row. Setting a text never signals a change.
  void SetText(int row, int col, const QString& text);
  QString Text(int row, int col) const;
  void Refresh();  // redraws after the record changed under the cells

  // Where a cell is drawn in viewport coordinates (row 0: in the header's coordinates).
  QRect CellRect(int row, int col) const;
  GridHeader* Header() const { return header_; }
  // The inplace editor that is open, or null.
  QWidget* OpenEditor() const;
  // Puts the open editor's text into its cell (the editor stays open).
  void CommitEditor();

  // Used by the delegate.
  GridCellLook LookOf(int row, int col) const;
  GridEditor EditorOf(int row, int col) const;
  bool KeyAccepted(int row, int col, QChar ch, const QString& text) const;
  void NoteListChosen(int row, int col, int index);

 signals:
  // A cell was clicked with the mouse. A selection moved by the arrow keys or the wheel
  // never signals, so the pages' click rules react to the mouse alone.
  void CellClicked(int row, int col);
  // The user changed a cell's text (each keystroke of an open editor counts).
  void CellTextChanged(int row, int col);
  // An item was chosen in a cell's drop-down list.
  void ListChosen(int row, int col, int index);
  // The mouse moved over a cell (row 0: a heading cell); -1, -1 when it left the grid.
  void MouseOverCell(int row, int col, QPoint globalPos);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

 private:
  friend class GridHeader;
  void HoverCell(int row, int col, QPoint globalPos);
  void ShowCellHint();
  void ResetItems(int fromRow);
  bool IsTyping(const QKeyEvent* event) const;

  GridHeader* header_ = nullptr;
  int fixedCols_ = 0;
  std::vector<GridBand> bands_;
  LookFn look_;
  EditorFn editors_;
  KeyFilterFn keyFilter_;
  HintFn statusHint_;
  HintFn cellHint_;
  QTimer hintTimer_;
  int hoverRow_ = -1, hoverCol_ = -1;
  QPoint hoverPos_;
  QString statusShown_;
  QModelIndex pressed_;
  bool settingText_ = false;
};
