#include "widgets/vela_grid.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStatusTipEvent>
#include <QToolTip>

#include "widgets/grid_delegate.h"
#include "widgets/grid_header.h"

QChar VelaGrid::FilterChar(const QKeyEvent* event) {
  if (event->key() == Qt::Key_Backspace) return kBackspace;
  if (event->key() == Qt::Key_Delete) return kDelete;
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  const QString text = event->text();
  if (text.size() != 1 || !text[0].isPrint()) return {};
  return text[0];
}

VelaGrid::VelaGrid(int rows, int cols, QWidget* parent) : QTableWidget(0, cols, parent) {
  header_ = new GridHeader(this);
  setHorizontalHeader(header_);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(20);
  verticalHeader()->setMinimumSectionSize(16);
  setItemDelegate(new GridDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setMouseTracking(true);
  viewport()->setMouseTracking(true);
  hintTimer_.setSingleShot(true);
  hintTimer_.setInterval(500);
  connect(&hintTimer_, &QTimer::timeout, this, &VelaGrid::ShowCellHint);
  connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!settingText_ && item->row() > 0) emit CellTextChanged(item->row(), item->column());
  });
  SetRows(rows);
}

void VelaGrid::ResetItems(int fromRow) {
  settingText_ = true;
  for (int row = fromRow; row < rowCount(); ++row)
    for (int col = 0; col < columnCount(); ++col) {
      QTableWidgetItem* cell = item(row, col);
      if (!cell) {
        cell = new QTableWidgetItem;
        setItem(row, col, cell);
      }
      const bool fixed = row == 0 || col < fixedCols_;
      cell->setFlags(fixed ? Qt::ItemIsEnabled
                           : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    }
  settingText_ = false;
}

void VelaGrid::SetRows(int rows) {
  const int old = rowCount();
  setRowCount(std::max(1, rows));
  setRowHidden(0, true);  // the header draws row 0
  ResetItems(std::min(old, rowCount()));
}

void VelaGrid::SetFixedCols(int cols) {
  fixedCols_ = cols;
  ResetItems(0);
}

void VelaGrid::SetBands(std::vector<GridBand> bands) {
  bands_ = std::move(bands);
  header_->updateGeometry();
  updateGeometries();
  header_->viewport()->update();
}

void VelaGrid::SetHeadingHeight(int pixels) {
  header_->SetHeight(pixels);
  updateGeometries();
}

void VelaGrid::SetRowHeight(int pixels) {
  verticalHeader()->setDefaultSectionSize(pixels);
}

void VelaGrid::SetStretchLastColumn(bool stretch) {
  horizontalHeader()->setStretchLastSection(stretch);
}

void VelaGrid::FitHeightToRows() {
  int height = header_->sizeHint().height() + 2 * frameWidth();
  for (int row = 1; row < rowCount(); ++row) height += rowHeight(row);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFixedHeight(height);
}

void VelaGrid::FreeHeight() {
  setMinimumHeight(0);
  setMaximumHeight(QWIDGETSIZE_MAX);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void VelaGrid::SetHints(HintFn statusHint, HintFn cellHint) {
  statusHint_ = std::move(statusHint);
  cellHint_ = std::move(cellHint);
}

void VelaGrid::SetText(int row, int col, const QString& text) {
  QTableWidgetItem* cell = item(row, col);
  if (!cell) return;
  settingText_ = true;
  cell->setText(text);
  settingText_ = false;
  if (row == 0) header_->viewport()->update();
}

QString VelaGrid::Text(int row, int col) const {
  const QTableWidgetItem* cell = item(row, col);
  return cell ? cell->text() : QString();
}

void VelaGrid::Refresh() {
  viewport()->update();
  header_->viewport()->update();
}

QRect VelaGrid::CellRect(int row, int col) const {
  if (row == 0) return header_->HeadingRect(col);
  return visualRect(model()->index(row, col));
}

QWidget* VelaGrid::OpenEditor() const {
  return state() == QAbstractItemView::EditingState ? indexWidget(currentIndex()) : nullptr;
}

void VelaGrid::CommitEditor() {
  if (QWidget* editor = OpenEditor()) commitData(editor);
}

GridCellLook VelaGrid::LookOf(int row, int col) const {
  GridCellLook look;
  if (col < fixedCols_) look.align = Qt::AlignCenter;
  if (look_) look_(row, col, look);
  return look;
}

GridEditor VelaGrid::EditorOf(int row, int col) const {
  if (row <= 0 || col < fixedCols_ || !editors_) return {};
  return editors_(row, col);
}

bool VelaGrid::KeyAccepted(int row, int col, QChar ch, const QString& text) const {
  return !keyFilter_ || keyFilter_(row, col, ch, text);
}

void VelaGrid::NoteListChosen(int row, int col, int index) {
  emit ListChosen(row, col, index);
}

bool VelaGrid::IsTyping(const QKeyEvent* event) const {
  return !FilterChar(event).isNull();
}

void VelaGrid::keyPressEvent(QKeyEvent* event) {
  if (state() != QAbstractItemView::EditingState && IsTyping(event)) {
    const QModelIndex index = currentIndex();
    const QChar ch = FilterChar(event);
    const GridEditor editor =
        index.isValid() ? EditorOf(index.row(), index.column()) : GridEditor{};
    // A key opens the editor of a typed cell and replaces its text; elsewhere it is dropped,
    // and so are Backspace and Delete outside an editor.
    const bool opens =
        (editor.kind == GridEditor::Kind::Text || editor.kind == GridEditor::Kind::Digits) &&
        ch != kBackspace && ch != kDelete &&
        (editor.kind != GridEditor::Kind::Digits || ch.isDigit()) &&
        KeyAccepted(index.row(), index.column(), ch, QString());
    if (!opens) {
      event->accept();
      return;
    }
  }
  QTableWidget::keyPressEvent(event);
}

QModelIndex VelaGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  QModelIndex next = QTableWidget::moveCursor(action, modifiers);
  if (next.isValid() && next.column() < fixedCols_) {
    const QModelIndex current = currentIndex();
    if (action == MoveLeft && current.isValid()) return current;
    next = model()->index(next.row(), std::min(fixedCols_, columnCount() - 1));
  }
  return next;
}

void VelaGrid::mousePressEvent(QMouseEvent* event) {
  pressed_ =
      event->button() == Qt::LeftButton ? indexAt(event->position().toPoint()) : QModelIndex();
  QTableWidget::mousePressEvent(event);
}

void VelaGrid::mouseReleaseEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  const bool click = event->button() == Qt::LeftButton && index.isValid() && index == pressed_;
  pressed_ = QModelIndex();
  QTableWidget::mouseReleaseEvent(event);
  if (!click || index.row() == 0 || index.column() < fixedCols_) return;
  emit CellClicked(index.row(), index.column());
  // A list cell drops its list open at the first click.
  if (EditorOf(index.row(), index.column()).kind == GridEditor::Kind::List &&
      state() != QAbstractItemView::EditingState) {
    setCurrentIndex(index);
    edit(index);
    if (auto* combo = qobject_cast<QComboBox*>(OpenEditor())) combo->showPopup();
  }
}

void VelaGrid::mouseMoveEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  HoverCell(index.isValid() ? index.row() : -1, index.isValid() ? index.column() : -1,
            event->globalPosition().toPoint());
  QTableWidget::mouseMoveEvent(event);
}

void VelaGrid::leaveEvent(QEvent* event) {
  HoverCell(-1, -1, {});
  QTableWidget::leaveEvent(event);
}

bool VelaGrid::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip:
      return true;  // the cell hints have their own delay
    case QEvent::Leave:
      HoverCell(-1, -1, {});
      break;
    default:
      break;
  }
  return QTableWidget::viewportEvent(event);
}

void VelaGrid::HoverCell(int row, int col, QPoint globalPos) {
  hoverPos_ = globalPos;
  if (row != hoverRow_ || col != hoverCol_) {
    hoverRow_ = row;
    hoverCol_ = col;
    QToolTip::hideText();
    if (row >= 0 && cellHint_)
      hintTimer_.start();
    else
      hintTimer_.stop();
    const QString status = row >= 0 && statusHint_ ? statusHint_(row, col) : QString();
    if (status != statusShown_) {
      statusShown_ = status;
      setStatusTip(status);
      QStatusTipEvent tip(status);
      QApplication::sendEvent(this, &tip);
    }
  }
  emit MouseOverCell(row, col, globalPos);
}

void VelaGrid::ShowCellHint() {
  if (hoverRow_ < 0 || !cellHint_) return;
  const QString hint = cellHint_(hoverRow_, hoverCol_);
  if (!hint.isEmpty()) QToolTip::showText(hoverPos_, hint, this);
}
