// The installer settings dialog: device type and firmware family of the configuration.
#pragma once

#include <QDialog>

#include "pages/installer_settings.h"

class QComboBox;

class TfrmCodInst : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmCodInst(QWidget* parent = nullptr);

  QComboBox* cbPanel = nullptr;
  QComboBox* cbFirmware = nullptr;

 private:
  void TypeChanged(int index);
  void FirmwareChanged(int index);
  void Confirm();

  InstallerChoice choice_;
  bool inFirmwareChange_ = false;
};
