#include "pages/telefono_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "model/record.h"
#include "pages/page_support.h"
#include "pages/phone_rules.h"
#include "widgets/filtered_edit.h"
#include "widgets/spin_edit.h"
#include "widgets/vela_grid.h"

namespace {

constexpr int kColLabel = 1, kColNumber = 2, kColSms = 3, kColFirstOutput = 4;
constexpr int kCols = kColFirstOutput + kRunOutputs;

}  // namespace

TfrmTelefono::TfrmTelefono(QWidget* owner) : TPageForm(owner) {
  auto* layout = new QVBoxLayout(this);
  gbNumbers = new QGroupBox(this);
  auto* numbersLayout = new QVBoxLayout(gbNumbers);
  StringGrid1 = new VelaGrid(9, kCols, gbNumbers);
  StringGrid1->SetFixedCols(1);
  const int widths[kCols] = {40, 190, 190, 70, 50, 50, 50, 50};
  for (int c = 0; c < kCols; ++c) StringGrid1->setColumnWidth(c, widths[c]);
  StringGrid1->SetHintDelay(kPageHintDelayMs);
  numbersLayout->addWidget(StringGrid1);
  layout->addWidget(gbNumbers, 1);

  gbOptions = new QGroupBox(this);
  auto* optionsLayout = new QHBoxLayout(gbOptions);
  gbPrefix = new QGroupBox(gbOptions);
  auto* prefixLayout = new QHBoxLayout(gbPrefix);
  LabeledEdit1 = new FilteredEdit(gbPrefix);
  LabeledEdit1->setMaxLength(static_cast<int>(kPrefixLength));
  LabeledEdit1->setFixedWidth(80);
  LabeledEdit1->SetKeyFilter(
      [](QChar ch, const QString&) { return PrefixKeyAccepted(KeyChar(ch)); });
  prefixLayout->addWidget(LabeledEdit1);
  prefixLayout->addStretch();
  gbDigits = new QGroupBox(gbOptions);
  auto* digitsLayout = new QHBoxLayout(gbDigits);
  SpinEdit1 = new SpinEdit(0, 4, gbDigits);
  digitsLayout->addWidget(SpinEdit1);
  optionsLayout->addWidget(gbPrefix);
  optionsLayout->addWidget(gbDigits);
  optionsLayout->addStretch();
  layout->addWidget(gbOptions);

  pnStatus = new QWidget(this);
  auto* statusLayout = new QHBoxLayout(pnStatus);
  statusLayout->setContentsMargins(0, 0, 0, 0);
  StaticText1 = NewStatusLine(pnStatus);
  statusLayout->addWidget(StaticText1);
  layout->addStretch();
  layout->addWidget(pnStatus);
  RouteStatusTips(this, StaticText1);

  StringGrid1->SetEditors([](int, int col) {
    if (col == kColLabel || col == kColNumber)
      return GridEditor{GridEditor::Kind::Text, static_cast<int>(kPhoneTextLength), {}};
    return GridEditor{};
  });
  StringGrid1->SetKeyFilter([](int, int col, QChar ch, const QString& text) {
    return PhoneGridKeyAccepted(col, KeyChar(ch), static_cast<std::size_t>(text.size()));
  });
  StringGrid1->SetLook([this](int row, int col, GridCellLook& look) {
    if (col == 0) look.align = Qt::AlignCenter;
    if (col < kColSms) return;
    look.box = true;
    if (!FamilyI()) {
      look.grey = true;  // the columns have no function for family A
    } else if (col == kColSms) {
      look.grey = row > 8;
      look.checked = PhoneGetsSms(GlobalBuffer, row);
    } else {
      look.checked = PhoneHasOutput(GlobalBuffer, row, col - kColFirstOutput);
    }
  });
  StringGrid1->SetHints(
      [this](int, int col) {
        if (!FamilyI()) return QString();
        return Lang(col < kColFirstOutput ? 400 + col : 404);
      },
      nullptr);
  connect(StringGrid1, &VelaGrid::CellClicked, this, &TfrmTelefono::OnCellClicked);
}

bool TfrmTelefono::FamilyI() const {
  return Cliente.TipoCentrale == kTypeVelaI;
}

// language texts: 26-28, 44, 45, 66, 173-175, 400-406, 503
void TfrmTelefono::SetCaptions() {
  gbNumbers->setTitle(Lang(26));
  StringGrid1->SetText(0, 0, Lang(45));
  StringGrid1->SetText(0, kColLabel, Lang(27));
  StringGrid1->SetText(0, kColNumber, Lang(28));
  StringGrid1->SetText(0, kColSms, Lang(173));
  for (int o = 0; o < kRunOutputs; ++o)
    StringGrid1->SetText(0, kColFirstOutput + o, Lang(175) + " " + QString::number(o + 1));
  StringGrid1->SetBands({{kColFirstOutput, kCols - 1, Lang(174)}});
  gbOptions->setTitle(Lang(503));
  gbPrefix->setTitle(Lang(44));
  gbPrefix->setToolTip(Lang(405));
  gbPrefix->setStatusTip(Lang(405));
  gbDigits->setTitle(Lang(66));
  gbDigits->setToolTip(Lang(406));
  gbDigits->setStatusTip(Lang(406));
}

void TfrmTelefono::PageShow() {
  SetCaptions();
  const int count = PhoneEntryCount();
  StringGrid1->SetRows(count + 1);
  // Eight numbers fit; the long family I list fills the page and scrolls.
  if (FamilyI())
    StringGrid1->FreeHeight();
  else
    StringGrid1->FitHeightToRows();
  static_cast<QBoxLayout*>(layout())->setStretchFactor(gbNumbers, FamilyI() ? 1 : 0);
  for (int r = 1; r <= count; ++r) StringGrid1->SetText(r, 0, QString::number(r));

  const bool digitsEnabled = DigitsToRemoveEnabled(Cliente);
  gbDigits->setEnabled(digitsEnabled);
  SpinEdit1->setEnabled(digitsEnabled);
  pnStatus->setVisible(FamilyI());

  SpinEdit1->SetValue(digitsEnabled ? GlobalBuffer.Opzioni.CifreRim : 0);
  LabeledEdit1->setText(ToQ(GlobalBuffer.Opzioni.Prefisso));
  for (int r = 1; r <= count; ++r) {
    StringGrid1->SetText(r, kColLabel, ToQ(GlobalBuffer.NumeriTelefonici[r].Descrizione));
    StringGrid1->SetText(r, kColNumber, ToQ(GlobalBuffer.NumeriTelefonici[r].Numero));
  }
  StringGrid1->setCurrentCell(1, kColLabel);
}

void TfrmTelefono::PageClose() {
  StringGrid1->CommitEditor();
  GlobalBuffer.Opzioni.CifreRim = SpinEdit1->Value();
  GlobalBuffer.Opzioni.Prefisso = FromQ(LabeledEdit1->text());
  // Entries the grid does not show keep what they hold.
  const int rows = std::min(StringGrid1->rowCount() - 1, 100);
  for (int r = 1; r <= rows; ++r) {
    GlobalBuffer.NumeriTelefonici[r].Descrizione = FromQ(StringGrid1->Text(r, kColLabel));
    GlobalBuffer.NumeriTelefonici[r].Numero = FromQ(StringGrid1->Text(r, kColNumber));
  }
}

void TfrmTelefono::OnCellClicked(int row, int col) {
  if (!FamilyI() || col < kColFirstOutput) return;
  ClickOutputRun(GlobalBuffer, PhoneEntryCount(), row, col - kColFirstOutput);
  StringGrid1->Refresh();
}
