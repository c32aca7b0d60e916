// The modal dialog in which the installer types the SIM PIN.
#pragma once

#include <QDialog>

#include "link/sim_pin.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmSbloccaPin : public QDialog {
  Q_OBJECT

 public:
  // The result of a dialog closed because the controller or the module refused.
  static constexpr int kAbort = 3;

  // submit runs the confirm exchange with the typed PIN.
  TfrmSbloccaPin(SimPinSubmit submit, QWidget* parent = nullptr);

  QLabel* Label1;
  QLineEdit* MaskEdit1;
  QPushButton* BitBtn1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BitBtn1Click();

  SimPinSubmit submit_;
};

// Shows the dialog modally; true when it closed with OK. Installed with InstallSimPinDialog.
bool ShowSimPinDialog(const SimPinSubmit& submit);
