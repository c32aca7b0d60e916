// The outputs page: polarity, events and reservation of the five outputs (family A), or
// polarity, event mask and telephone command of outputs (family I), and the SMS command
// code. Only the grid of the current family is shown.
#pragma once

#include "model/record.h"
#include "pages/page_support.h"
#include "shell/page_form.h"

class FilteredEdit;
class QGroupBox;
class VelaGrid;

class TfrmUscite : public TPageForm {
  Q_OBJECT
 public:
  explicit TfrmUscite(QWidget* owner);

  void PageShow() override;
  void PageClose() override;

  VelaGrid* HyperGrid2 = nullptr;  // family A
  VelaGrid* hgOutI = nullptr;      // family I
  FilteredEdit* Edit1 = nullptr;   // SMS command code
  QLabel* Label3 = nullptr;
  PolarityLegend legend;
  QLabel* StaticText1 = nullptr;  // status line, family I
  QGroupBox* gbOutputs = nullptr;

 private:
  void BuildFamilyAGrid();
  void BuildFamilyIGrid();
  void SetCaptions();
  void ShowFamilyICommandCells(int output);
  void OnFamilyAClicked(int row, int col);
  void OnFamilyIClicked(int row, int col);
  void OnConfirmationChosen(int row, int col, int index);
  Tag_Uscita WithShownName(int output) const;
};
