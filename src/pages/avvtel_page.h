// The dialler and inputs page (family A): what inputs 1 to 4 do by voice, the labels of
// the eight voice messages, the call-progress choice and call back.
#pragma once

#include "pages/page_support.h"
#include "shell/page_form.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;
class VelaGrid;

class TfrmAvvTel : public TPageForm {
  Q_OBJECT
 public:
  explicit TfrmAvvTel(QWidget* owner);

  void PageShow() override;
  void PageClose() override;

  VelaGrid* HyperGrid1 = nullptr;   // inputs
  VelaGrid* StringGrid2 = nullptr;  // message labels
  QRadioButton* RadioButton1 = nullptr;
  QRadioButton* RadioButton2 = nullptr;
  QRadioButton* RadioButton3 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  FloatingTip* StaticText1 = nullptr;  // floating tip over the number headings
  PolarityLegend legend;
  QGroupBox* gbInputs = nullptr;
  QGroupBox* gbLabels = nullptr;
  QGroupBox* gbProgress = nullptr;
  QGroupBox* gbCallBack = nullptr;

 private:
  void BuildInputsGrid();
  void BuildLabelsGrid();
  void SetCaptions();
  void ShowMessageChoices();
  void Store();
  void OnInputClicked(int row, int col);
  void OnMessageChosen(int row, int col, int index);
  void OnLabelEdited(int row, int col);
  void OnMouseOverCell(int row, int col, QPoint globalPos);
};
