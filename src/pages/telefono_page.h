// The phone numbers page: labels and numbers of the phone entries, the dialling prefix and
// the digits to remove; for family I also which numbers get SMS and the runs of numbers
// that command outputs 1 to 4.
#pragma once

#include "shell/page_form.h"

class FilteredEdit;
class QGroupBox;
class QLabel;
class SpinEdit;
class VelaGrid;

class TfrmTelefono : public TPageForm {
  Q_OBJECT
 public:
  explicit TfrmTelefono(QWidget* owner);

  void PageShow() override;
  void PageClose() override;

  VelaGrid* StringGrid1 = nullptr;
  FilteredEdit* LabeledEdit1 = nullptr;  // prefix
  SpinEdit* SpinEdit1 = nullptr;         // digits to remove
  QLabel* StaticText1 = nullptr;         // status line
  QGroupBox* gbNumbers = nullptr;
  QGroupBox* gbOptions = nullptr;
  QGroupBox* gbPrefix = nullptr;
  QGroupBox* gbDigits = nullptr;
  QWidget* pnStatus = nullptr;

 private:
  void SetCaptions();
  void OnCellClicked(int row, int col);
  bool FamilyI() const;
};
