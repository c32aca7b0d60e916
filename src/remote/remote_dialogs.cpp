#include "remote/remote_dialogs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <exception>
#include <optional>

#include "link/at_channel.h"
#include "model/record.h"
#include "remote/remote_lines.h"
#include "remote/remote_send.h"
#include "shell/main_window.h"
#include "shell/main_window_commands.h"
#include "shell/message_box.h"
#include "widgets/qt_text.h"

namespace {

constexpr int kNumberLength = 35;

}  // namespace

// language texts: 86, 97, 244, 249
TfrmChiamataRemota::TfrmChiamataRemota(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Lang(244));
  auto* layout = new QVBoxLayout(this);
  Label1 = new QLabel(Lang(86), this);
  MaskEdit1 = new QLineEdit(this);
  MaskEdit1->setMaxLength(kNumberLength);
  // Only what a telephone number holds: a quote or a line end would break the command
  // that carries the number to the module.
  MaskEdit1->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("\\+?[0-9*#pPwW]*")), MaskEdit1));
  Label1->setBuddy(MaskEdit1);
  layout->addWidget(Label1);
  layout->addWidget(MaskEdit1);
  auto* buttons = new QHBoxLayout;
  BitBtn1 = new QPushButton(Lang(249), this);
  BitBtn3 = new QPushButton(Lang(97), this);
  BitBtn1->setDefault(true);
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn3);
  layout->addLayout(buttons);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
  connect(MaskEdit1, &QLineEdit::textChanged, this, [this] {
    BitBtn1->setEnabled(!MaskEdit1->text().isEmpty() && MaskEdit1->hasAcceptableInput());
  });
  MaskEdit1->setText(ToQString(Cliente.TelCentrale.str()));
  BitBtn1->setEnabled(!MaskEdit1->text().isEmpty() && MaskEdit1->hasAcceptableInput());
}

std::string TfrmChiamataRemota::Number() const {
  return FromQString(MaskEdit1->text());
}

// language texts: 13, 14, 21, 97, 244-246, 250
TfrmProgRemota::TfrmProgRemota(QWidget* parent) : QDialog(parent) {
  setWindowTitle(Lang(244));
  resize(640, 480);
  auto* layout = new QVBoxLayout(this);
  Panel2 = new QLabel(Lang(245), this);
  layout->addWidget(Panel2);
  auto* middle = new QHBoxLayout;
  lvClienti = new QTreeWidget(this);
  lvClienti->setRootIsDecorated(false);
  lvClienti->setHeaderLabels({Lang(13), Lang(14)});
  lvClienti->setSelectionMode(QAbstractItemView::SingleSelection);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  middle->addWidget(lvClienti, 1);
  middle->addWidget(Memo1, 2);
  layout->addLayout(middle, 1);
  auto* buttons = new QHBoxLayout;
  BitBtn1 = new QPushButton(Lang(246), this);
  BitBtn4 = new QPushButton(Lang(250), this);
  BitBtn2 = new QPushButton(Lang(21), this);
  BitBtn3 = new QPushButton(Lang(97), this);
  BitBtn2->setEnabled(false);
  for (QPushButton* b : {BitBtn1, BitBtn4, BitBtn2}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(BitBtn3);
  layout->addLayout(buttons);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { Compute(0); });
  connect(BitBtn4, &QPushButton::clicked, this, [this] { Compute(1); });
  connect(BitBtn2, &QPushButton::clicked, this, &TfrmProgRemota::BitBtn2Click);
  connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
  askNumber = [this](std::string& number) {
    TfrmChiamataRemota dialog(this);
    if (dialog.exec() != QDialog::Accepted) return false;
    number = dialog.Number();
    return true;
  };
  FillCustomers();
}

void TfrmProgRemota::FillCustomers() {
  FillCustomerListData(customers_);
  QList<QTreeWidgetItem*> items;
  for (const auto& row : customers_.rows)
    items << new QTreeWidgetItem({ToQString(row.Nome), ToQString(row.CodiceCliente)});
  lvClienti->addTopLevelItems(items);
  for (int i = 0; i < static_cast<int>(customers_.rows.size()) && i < kCustomerListSlots; ++i)
    if (customers_.CustomerSerials[static_cast<std::size_t>(i)] == Cliente.SerialCli) {
      lvClienti->setCurrentItem(lvClienti->topLevelItem(i));
      break;
    }
}

void TfrmProgRemota::Compute(int tag) {
  std::optional<int> other;
  if (tag == 0) {
    const auto selected = lvClienti->selectedItems();
    if (selected.isEmpty()) return;
    const int row = lvClienti->indexOfTopLevelItem(selected.first());
    other = customers_.CustomerSerials[static_cast<std::size_t>(row)];
  }
  lines_.clear();
  Memo1->clear();
  try {
    RemoteLinesFor(GlobalBuffer, Cliente, other, lines_);
  } catch (const std::exception& e) {
    lines_.clear();
    ShowMessageBox(e.what(), MsgKind::Warning, MsgButtons::Ok);
  }
  QStringList shown;
  for (const std::string& line : lines_) shown << ToQString(line);
  Memo1->setPlainText(shown.join('\n'));
  BitBtn2->setEnabled(!lines_.empty());
}

void TfrmProgRemota::BitBtn2Click() {
  std::string number;
  if (lines_.empty() || !askNumber || !askNumber(number)) return;
  SendRemoteLines(Comm, ModuleInfo, number, lines_);
}

void MainRemote(TfrmMain& window) {
  TfrmProgRemota dialog(&window);
  dialog.exec();
}
