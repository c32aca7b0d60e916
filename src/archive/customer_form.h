// The customer form: the particulars and note under which the configuration is stored.
#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TfrmCliente : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmCliente(QWidget* parent = nullptr);

  QLineEdit *txtNome, *txtIndirizzo, *txtComune, *txtNumTelCliente, *txtNumTelSim,
      *txtDescrImpianto, *txtCodiceCliente, *txtLastChange, *txtTipoCentrale, *txtFirmware;
  QPlainTextEdit* Memo1;
  QPushButton *btnfindcode, *BitBtn1, *BitBtn2;

 private:
  void Fill();
  void Confirm();
};
