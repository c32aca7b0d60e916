// The SMS page, with one face per family. Family A: the eight SMS texts and, for inputs 1
// to 4, the SMS choices, the numbers that get an SMS, service and line switching. Family
// I: the texts, numbers, polarity and service flags of the seven input entries, the
// periodic SMS, the credit check and the SMS priority.
#pragma once

#include "pages/page_support.h"
#include "shell/page_form.h"

class DateTimeField;
class FilteredEdit;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class RangeEdit;
class VelaGrid;

class TfrmSms : public TPageForm {
  Q_OBJECT
 public:
  explicit TfrmSms(QWidget* owner);

  void PageShow() override;
  void PageClose() override;

  // Family A.
  QWidget* pnFamilyA = nullptr;
  QGroupBox* GroupBox5 = nullptr;
  VelaGrid* StringGrid3 = nullptr;  // SMS texts
  QGroupBox* GroupBox2 = nullptr;
  VelaGrid* HyperGrid1 = nullptr;      // inputs
  FloatingTip* StaticText1 = nullptr;  // floating name of a phone column

  // Family I.
  QWidget* pnFamilyI = nullptr;
  VelaGrid* HyperGrid2 = nullptr;  // input entries
  QLabel* Label1 = nullptr;
  VelaGrid* sgLegenda = nullptr;
  QGroupBox* gbChiamataADT = nullptr;
  QLabel* lbNtelADT = nullptr;
  FilteredEdit* edNtelADT = nullptr;
  QGroupBox* gbSmsPeriodico = nullptr;
  QLabel* lbDate = nullptr;
  QLabel* lbTime = nullptr;
  DateTimeField* DatePrimoSMS = nullptr;
  DateTimeField* TimePrimoSMS = nullptr;
  RangeEdit* edGiorni = nullptr;
  RangeEdit* edOre = nullptr;
  RangeEdit* edMin = nullptr;
  QGroupBox* gbCredito = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  RangeEdit* edIntervallocredito = nullptr;
  QPushButton* butt = nullptr;
  QGroupBox* rbPriorita = nullptr;
  QRadioButton* RadioButton1 = nullptr;
  QRadioButton* RadioButton2 = nullptr;
  QLabel* StaticText2 = nullptr;  // status line

 private:
  // sms_page_a.cpp
  void BuildFamilyA();
  void CaptionFamilyA();
  void ShowFamilyA();
  void CloseFamilyA();
  void ShowSmsChoices();
  void OnFamilyAClicked(int row, int col);
  void OnSmsChosen(int row, int col, int index);
  void OnFamilyAMouseOver(int row, int col, QPoint globalPos);
  // sms_page_i.cpp
  void BuildFamilyI();
  QWidget* BuildOptionsI();
  void CaptionFamilyI();
  void ShowFamilyI();
  void CloseFamilyI();
  void ApplyPeriodicGroup();
  void OnFamilyIClicked(int row, int col);
  void OnFamilyIEdited(int row, int col);
};
