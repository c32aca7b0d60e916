#include "widgets/filtered_edit.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "shell/ui_host.h"
#include "widgets/vela_grid.h"

FilteredEdit::FilteredEdit(QWidget* parent) : QLineEdit(parent) {}

void FilteredEdit::keyPressEvent(QKeyEvent* event) {
  const QChar ch = VelaGrid::FilterChar(event);
  if (filter_ && !ch.isNull() && ch != VelaGrid::kDelete) {
    QString shown = text();
    if (hasSelectedText()) shown.remove(selectionStart(), selectedText().size());
    if (!filter_(ch, shown)) {
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

RangeEdit::RangeEdit(int digits, int lo, int hi, QWidget* parent)
    : FilteredEdit(parent), lo_(lo), hi_(hi) {
  setMaxLength(digits);
  setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
  setAlignment(Qt::AlignRight);
  connect(this, &QLineEdit::textChanged, this, &RangeEdit::HoldInRange);
}

long RangeEdit::Correction(const QString& text, int lo, int hi) {
  bool ok = false;
  const long value = text.trimmed().toLong(&ok);
  if (!ok || value < lo) return lo;
  if (value > hi) return hi;
  return -1;
}

void RangeEdit::SetValue(long value) {
  // The validator would refuse a text longer than the field; the range rule cuts it instead.
  const QString text = QString::number(value);
  if (text.size() > maxLength()) {
    setText(QString::number(hi_));
    return;
  }
  setText(text);
}

int RangeEdit::Value() const {
  return text().trimmed().toInt();
}

void RangeEdit::HoldInRange() {
  if (holding_) return;
  const long bound = Correction(text(), lo_, hi_);
  if (bound < 0) return;
  holding_ = true;
  setText(QString::number(bound));
  selectAll();
  holding_ = false;
  if (UiHost* host = CurrentUiHost()) host->Beep();
}
