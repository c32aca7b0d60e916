#include "widgets/grid_delegate.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>

#include "widgets/grid_pictures.h"
#include "widgets/vela_grid.h"

namespace {

constexpr const char* kRow = "vela_row";
constexpr const char* kCol = "vela_col";

}  // namespace

GridDelegate::GridDelegate(VelaGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  const int row = index.row(), col = index.column();
  const GridCellLook look = grid_->LookOf(row, col);
  const bool fixed = col < grid_->FixedCols();
  const QPalette& palette = option.palette;
  const bool drawn = look.box || !look.picture.isNull();
  const bool selected = (option.state & QStyle::State_Selected) && !fixed;

  QColor background = look.background;
  if (!background.isValid()) background = palette.color(fixed ? QPalette::Button : QPalette::Base);
  QColor foreground = look.foreground.isValid()
                          ? look.foreground
                          : palette.color(fixed ? QPalette::ButtonText : QPalette::Text);
  if (selected && !drawn) {
    background = palette.color(QPalette::Highlight);
    foreground = palette.color(QPalette::HighlightedText);
  }
  painter->save();
  painter->fillRect(option.rect, background);
  if (!look.picture.isNull()) {
    QRect target = look.picture.rect();
    target.moveCenter(option.rect.center());
    painter->drawPixmap(target.topLeft(), look.picture);
  } else if (look.box) {
    DrawCellBox(*painter, option.rect, look.checked, look.grey, palette);
  }
  if (look.showText && !drawn) {
    painter->setPen(foreground);
    const QRect text = option.rect.adjusted(3, 0, -3, 0);
    const QString shown =
        option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, text.width());
    painter->drawText(text, int(look.align), shown);
  }
  if (selected && (option.state & QStyle::State_HasFocus) && drawn) {
    painter->setPen(QPen(palette.color(QPalette::Highlight), 1, Qt::DotLine));
    painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
  }
  painter->restore();
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
  const int row = index.row(), col = index.column();
  const GridEditor wanted = grid_->EditorOf(row, col);
  QWidget* editor = nullptr;
  switch (wanted.kind) {
    case GridEditor::Kind::None:
      return nullptr;
    case GridEditor::Kind::Text:
    case GridEditor::Kind::Digits: {
      auto* line = new QLineEdit(parent);
      line->setFrame(false);
      line->setMaxLength(wanted.maxLength);
      if (wanted.kind == GridEditor::Kind::Digits)
        line->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), line));
      // Every keystroke reaches the cell, so the pages see the text as it is typed.
      connect(line, &QLineEdit::textEdited, this,
              [this, line] { emit const_cast<GridDelegate*>(this)->commitData(line); });
      editor = line;
      break;
    }
    case GridEditor::Kind::List: {
      auto* combo = new QComboBox(parent);
      combo->addItems(wanted.items);
      connect(combo, &QComboBox::activated, this, [this, combo, row, col](int chosen) {
        auto* self = const_cast<GridDelegate*>(this);
        emit self->commitData(combo);
        emit self->closeEditor(combo);
        grid_->NoteListChosen(row, col, chosen);
      });
      editor = combo;
      break;
    }
  }
  editor->setProperty(kRow, row);
  editor->setProperty(kCol, col);
  return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const QString text = index.data().toString();
  if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    if (line->text() != text) line->setText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    combo->setCurrentIndex(combo->findText(text));
  }
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
  QString text;
  if (auto* line = qobject_cast<QLineEdit*>(editor))
    text = line->text();
  else if (auto* combo = qobject_cast<QComboBox*>(editor))
    text = combo->currentText();
  else
    return;
  if (index.data().toString() != text) model->setData(index, text);
}

void GridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const {
  editor->setGeometry(option.rect);
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event) {
  auto* line = qobject_cast<QLineEdit*>(object);
  if (line && event->type() == QEvent::KeyPress) {
    const QChar ch = VelaGrid::FilterChar(static_cast<QKeyEvent*>(event));
    if (!ch.isNull()) {
      QString text = line->text();
      if (line->hasSelectedText()) text.remove(line->selectionStart(), line->selectedText().size());
      const int row = line->property(kRow).toInt(), col = line->property(kCol).toInt();
      if (!grid_->KeyAccepted(row, col, ch, text)) return true;
    }
  }
  return QStyledItemDelegate::eventFilter(object, event);
}
