#include "link/sim_pin_dialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "shell/cp1252.h"
#include "shell/language.h"

namespace {

constexpr int kPinMaxLength = 6;
constexpr int kPinMinLength = 4;

QString Text(const std::string& text) {
  return QString::fromStdString(Cp1252ToUtf8(text));
}

}  // namespace

TfrmSbloccaPin::TfrmSbloccaPin(SimPinSubmit submit, QWidget* parent)
    : QDialog(parent), submit_(std::move(submit)) {
  setObjectName("frmSbloccaPin");
  Label1 = new QLabel(this);
  MaskEdit1 = new QLineEdit(this);
  MaskEdit1->setObjectName("MaskEdit1");
  MaskEdit1->setMaxLength(kPinMaxLength);
  BitBtn1 = new QPushButton(this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setEnabled(false);
  BitBtn1->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(MaskEdit1);
  layout->addWidget(BitBtn1);

  connect(MaskEdit1, &QLineEdit::textChanged, this,
          [this](const QString& text) { BitBtn1->setEnabled(text.size() >= kPinMinLength); });
  connect(BitBtn1, &QPushButton::clicked, this, &TfrmSbloccaPin::BitBtn1Click);
}

void TfrmSbloccaPin::showEvent(QShowEvent* event) {
  setWindowTitle(Text(LanguageText(232)));
  Label1->setText(Text(LanguageText(231)));
  BitBtn1->setText(Text(LanguageText(233)));
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

void TfrmSbloccaPin::BitBtn1Click() {
  switch (submit_(Utf8ToCp1252(MaskEdit1->text().toStdString()))) {
    case PinResult::Ok:
      accept();
      break;
    case PinResult::Abort:
      done(kAbort);
      break;
    case PinResult::None:
      break;
  }
}

bool ShowSimPinDialog(const SimPinSubmit& submit) {
  TfrmSbloccaPin dialog(submit);
  return dialog.exec() == QDialog::Accepted;
}
