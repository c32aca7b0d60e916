#include "widgets/spin_edit.h"

SpinEdit::SpinEdit(int lo, int hi, QWidget* parent) : QSpinBox(parent) {
  setRange(lo, hi);
  setAccelerated(false);
  setKeyboardTracking(true);
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  setAlignment(Qt::AlignRight);
}
