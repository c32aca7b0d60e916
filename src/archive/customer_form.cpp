#include "archive/customer_form.h"

#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/archive.h"
#include "shell/branding.h"
#include "shell/text_helpers.h"
#include "shell/ui_host.h"
#include "widgets/qt_text.h"

namespace {

QString DateTimeText(DateTime value) {
  const LocalDateTime t = FromDateTime(value);
  return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second))
      .toString("dd/MM/yyyy HH:mm:ss");
}

QLineEdit* Edit(QWidget* parent, const char* name, int maxLength = 35) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  return edit;
}

}  // namespace

TfrmCliente::TfrmCliente(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Lang(82));
  txtNome = Edit(this, "txtNome");
  txtIndirizzo = Edit(this, "txtIndirizzo");
  txtComune = Edit(this, "txtComune");
  txtNumTelCliente = Edit(this, "txtNumTelCliente");
  txtNumTelSim = Edit(this, "txtNumTelSim");
  txtDescrImpianto = Edit(this, "txtDescrImpianto");
  txtCodiceCliente = Edit(this, "txtCodiceCliente", 4);
  txtLastChange = Edit(this, "txtLastChange");
  txtLastChange->setReadOnly(true);
  txtTipoCentrale = Edit(this, "txtTipoCentrale");
  txtTipoCentrale->setReadOnly(true);
  txtFirmware = Edit(this, "txtFirmware");
  txtFirmware->setReadOnly(true);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  btnfindcode = new QPushButton(Lang(93), this);
  btnfindcode->setObjectName("btnfindcode");

  auto* code = new QHBoxLayout;
  code->addWidget(txtCodiceCliente);
  code->addWidget(btnfindcode);
  auto* form = new QFormLayout;
  form->addRow(Lang(83), txtNome);
  form->addRow(Lang(84), txtIndirizzo);
  form->addRow(Lang(85), txtComune);
  form->addRow(Lang(86), txtNumTelCliente);
  form->addRow(Lang(241), txtNumTelSim);
  form->addRow(Lang(87), txtDescrImpianto);
  form->addRow(Lang(88), code);
  form->addRow(Lang(89), txtLastChange);
  form->addRow(Lang(165), txtTipoCentrale);
  form->addRow(Lang(92), txtFirmware);
  form->addRow(Lang(90), Memo1);

  BitBtn1 = new QPushButton(Lang(94), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(Lang(95), this);
  BitBtn2->setObjectName("BitBtn2");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);

  connect(btnfindcode, &QPushButton::clicked, this,
          [this] { txtCodiceCliente->setText(ToQString(NextFreeCustomerCode())); });
  connect(BitBtn1, &QPushButton::clicked, this, &TfrmCliente::Confirm);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
  Fill();
}

void TfrmCliente::Fill() {
  txtNome->setText(ToQString(Cliente.Nome));
  txtIndirizzo->setText(ToQString(Cliente.Indirizzo));
  txtComune->setText(ToQString(Cliente.Comune));
  txtNumTelCliente->setText(ToQString(Cliente.Telefono));
  txtDescrImpianto->setText(ToQString(Cliente.DescrImpianto));
  txtCodiceCliente->setText(ToQString(Cliente.CodiceCliente));
  txtNumTelSim->setText(ToQString(Cliente.TelCentrale));
  txtLastChange->setText(DateTimeText(Cliente.DataUltModifica));
  // The family of the configuration being stored, so a VELA-I customer is not shown as A.
  txtTipoCentrale->setText(ToQString(TypeNames[Cliente.TipoCentrale]));
  txtFirmware->setText(ToQString(Cliente.Rel_firmware));
  Memo1->clear();
  if (Cliente.NotePresenti) {
    std::vector<std::string> lines;
    ArchiveReadNote(Cliente.SerialCli, lines);
    QStringList text;
    for (const auto& line : lines) text << ToQString(line);
    Memo1->setPlainText(text.join('\n'));
  }
}

void TfrmCliente::Confirm() {
  if (txtNome->text().isEmpty()) {
    if (UiHost* host = CurrentUiHost()) host->Beep();
    return;
  }
  Cliente.Nome = FromQString(txtNome->text());
  Cliente.CodiceCliente = PadLeft(FromQString(txtCodiceCliente->text()), 4, '0');
  Cliente.Indirizzo = FromQString(txtIndirizzo->text());
  Cliente.Comune = FromQString(txtComune->text());
  Cliente.Telefono = FromQString(txtNumTelCliente->text());
  Cliente.TelCentrale = FromQString(txtNumTelSim->text());
  Cliente.DescrImpianto = FromQString(txtDescrImpianto->text());
  const std::string note = FromQString(Memo1->toPlainText());
  Cliente.NotePresenti = note.empty() ? 0 : 1;
  if (ArchiveSaveCustomer(note)) accept();
}
