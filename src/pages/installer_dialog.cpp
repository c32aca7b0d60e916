#include "pages/installer_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/branding.h"
#include "shell/settings.h"
#include "widgets/qt_text.h"

TfrmCodInst::TfrmCodInst(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Lang(165));
  choice_ = OpenInstallerChoice(Cliente, TypeNames[21], TypeNames[22]);

  cbPanel = new QComboBox(this);
  cbPanel->setObjectName("cbPanel");
  for (const auto& name : choice_.typeItems) cbPanel->addItem(ToQString(name));
  cbPanel->setCurrentIndex(choice_.typeIndex);
  cbFirmware = new QComboBox(this);
  cbFirmware->setObjectName("cbFirmware");
  for (const auto& item : choice_.firmwareItems) cbFirmware->addItem(ToQString(item));
  cbFirmware->setCurrentIndex(choice_.firmwareIndex);

  auto* form = new QFormLayout;
  form->addRow(Lang(91), cbPanel);
  form->addRow(Lang(92), cbFirmware);

  auto* ok = new QPushButton(Lang(94), this);
  ok->setObjectName("btnOk");
  ok->setDefault(true);
  auto* cancel = new QPushButton(Lang(95), this);
  cancel->setObjectName("btnCancel");
  auto* help = new QPushButton(Lang(10), this);  // the manual has no page for this dialog
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addLayout(form);

  connect(cbPanel, &QComboBox::currentIndexChanged, this, &TfrmCodInst::TypeChanged);
  connect(cbFirmware, &QComboBox::currentIndexChanged, this, &TfrmCodInst::FirmwareChanged);
  connect(ok, &QPushButton::clicked, this, &TfrmCodInst::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmCodInst::TypeChanged(int index) {
  choice_.typeIndex = index;
  KeepFirmwareForType(choice_);
  cbFirmware->setCurrentIndex(choice_.firmwareIndex);
}

void TfrmCodInst::FirmwareChanged(int index) {
  if (inFirmwareChange_) return;
  inFirmwareChange_ = true;
  choice_.firmwareIndex = index;
  KeepFirmwareForType(choice_);
  cbFirmware->setCurrentIndex(choice_.firmwareIndex);
  inFirmwareChange_ = false;
}

void TfrmCodInst::Confirm() {
  ApplyInstallerChoice(choice_, Cliente);
  SaveSettings(SettingsGroup::DeviceType);
  accept();
}
