// The digital communicator page (family I): the four receiver numbers, the 14 reportable
// events with their account code, Contact ID code and send flag, and the schedule of the
// periodic test report.
#pragma once

#include <array>

#include "pages/page_support.h"
#include "shell/page_form.h"

class DateTimeField;
class FilteredEdit;
class QGroupBox;
class QPushButton;
class RangeEdit;
class VelaGrid;

class TfrmComDig : public TPageForm {
  Q_OBJECT
 public:
  explicit TfrmComDig(QWidget* owner);

  void PageShow() override;
  void PageClose() override;

  QLabel* Label48 = nullptr;
  std::array<FilteredEdit*, 4> MaskEdit{};  // MaskEdit1 .. MaskEdit4
  VelaGrid* hgEventi = nullptr;
  QGroupBox* gbSmsPeriodico = nullptr;
  std::array<QLabel*, 6> labels{};  // Label5 .. Label10
  DateTimeField* DatePrimoSMS = nullptr;
  DateTimeField* TimePrimoSMS = nullptr;
  RangeEdit* edGiorni = nullptr;
  RangeEdit* edOre = nullptr;
  RangeEdit* edMin = nullptr;
  QPushButton* SpeedButton1 = nullptr;  // defaults
  QLabel* StaticText1 = nullptr;        // status line

 private:
  void BuildGrid();
  QGroupBox* BuildSchedule();
  void SetCaptions();
  void ApplySchedule();
  void OnCellClicked(int row, int col);
  void OnCellEdited(int row, int col);
  void OnDefaults();
};
