#include "shell/port_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/message_box.h"
#include "shell/serial_devices.h"
#include "shell/settings.h"
#include "widgets/qt_text.h"

PortDialog::PortDialog(int current, QWidget* parent) : QDialog(parent) {
  setWindowTitle(Lang(23));
  for (int i = 0; i < 4; ++i) devices_[i] = QString::fromStdString(ComDevicePath(i + 1));

  auto* group = new QGroupBox(Lang(24), this);
  auto* radios = new QVBoxLayout(group);
  for (int i = 0; i < 4; ++i) {
    com[i] = new QRadioButton(RadioText(i), group);
    com[i]->setObjectName(QString("com%1").arg(i + 1));
    radios->addWidget(com[i]);
    connect(com[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) PortSelected(i);
    });
  }

  device = new QComboBox(this);
  device->setObjectName("device");
  device->setEditable(true);
  for (const auto& found : FindSerialDevices()) device->addItem(QString::fromStdString(found));
  connect(device, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    devices_[selected_] = text;
    com[selected_]->setText(RadioText(selected_));
  });
  radios->addWidget(new QLabel("Device:", group));
  radios->addWidget(device);

  auto* ok = new QPushButton(Lang(94), this);
  ok->setObjectName("btnOk");
  ok->setDefault(true);
  auto* cancel = new QPushButton(Lang(97), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &PortDialog::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  const int start = current >= 1 && current <= 4 ? current - 1 : 0;
  com[start]->setChecked(true);
  PortSelected(start);
}

QString PortDialog::RadioText(int index) const {
  return QString("COM %1  (%2)").arg(index + 1).arg(devices_[index]);
}

void PortDialog::PortSelected(int index) {
  selected_ = index;
  const QSignalBlocker block(device);
  device->setCurrentText(devices_[index]);
}

// Only the stored settings change: the running program keeps its port until restarted.
void PortDialog::Confirm() {
  LocalPort = selected_ + 1;
  const std::string chosen = devices_[selected_].trimmed().toStdString();
  const std::string standard = "/dev/ttyS" + std::to_string(selected_);
  SetComDevicePath(LocalPort, chosen == standard ? std::string() : chosen);
  SaveSettings(SettingsGroup::Port);
  ShowMessageBox(LanguageText(139), MsgKind::Information, MsgButtons::Ok);
  accept();
}
