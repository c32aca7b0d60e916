// A number field with up and down buttons, held within its range; typing takes digits only.
#pragma once

#include <QSpinBox>

class SpinEdit : public QSpinBox {
  Q_OBJECT
 public:
  SpinEdit(int lo, int hi, QWidget* parent = nullptr);
  int Value() const { return value(); }
  void SetValue(int v) { setValue(v); }
};
