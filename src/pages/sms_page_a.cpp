// The family A face of the SMS page.
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "model/record.h"
#include "pages/input_rules.h"
#include "pages/sms_page.h"
#include "pages/sms_rules.h"
#include "widgets/grid_pictures.h"
#include "widgets/vela_grid.h"

namespace {

constexpr int kInputs = 4;
constexpr int kColPolarity = 1, kColActivation = 2, kColRestore = 3, kColFirstNumber = 4,
              kColLastNumber = 11, kColService = 12, kColUsaGsm = 13, kColCommuta = 14, kCols = 15;

// Item 0 is the no-SMS label, item k the SMS text k.
// language texts: 63
QStringList SmsChoices() {
  QStringList items{ToQ(GlobalBuffer.SmsS[0].Descrizione)};
  for (int k = 1; k <= 8; ++k) items << Lang(63) + QString::number(k);
  return items;
}

}  // namespace

void TfrmSms::BuildFamilyA() {
  pnFamilyA = new QWidget(this);
  auto* layout = new QVBoxLayout(pnFamilyA);
  layout->setContentsMargins(0, 0, 0, 0);

  GroupBox2 = new QGroupBox(pnFamilyA);
  auto* inputsLayout = new QVBoxLayout(GroupBox2);
  HyperGrid1 = new VelaGrid(kInputs + 1, kCols, GroupBox2);
  VelaGrid* grid = HyperGrid1;
  grid->SetFixedCols(1);
  const int widths[kCols] = {30, 50, 116, 116, 26, 26, 26, 26, 26, 26, 26, 26, 56, 80, 80};
  for (int c = 0; c < kCols; ++c) grid->setColumnWidth(c, widths[c]);
  grid->SetRowHeight(24);
  grid->SetHeadingHeight(56);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->FitHeightToRows();
  grid->SetHintDelay(kPageHintDelayMs);
  inputsLayout->addWidget(grid);
  layout->addWidget(GroupBox2);

  GroupBox5 = new QGroupBox(pnFamilyA);
  auto* textsLayout = new QVBoxLayout(GroupBox5);
  StringGrid3 = new VelaGrid(9, 2, GroupBox5);
  StringGrid3->SetFixedCols(1);
  StringGrid3->setColumnWidth(0, 34);
  StringGrid3->SetStretchLastColumn(true);
  StringGrid3->SetRowHeight(22);
  StringGrid3->FitHeightToRows();
  textsLayout->addWidget(StringGrid3);
  layout->addWidget(GroupBox5);
  layout->addStretch();

  StaticText1 = new FloatingTip(this);

  StringGrid3->SetEditors([](int, int) {
    return GridEditor{GridEditor::Kind::Text, static_cast<int>(kFamilyASmsLength), {}};
  });
  StringGrid3->SetKeyFilter([](int, int col, QChar ch, const QString& text) {
    return col == 1 && FamilyASmsKeyAccepted(KeyChar(ch), static_cast<std::size_t>(text.size()));
  });

  grid->SetLook([this](int row, int col, GridCellLook& look) {
    const Tag_Ingresso& input = GlobalBuffer.Ingressi[row];
    if (col == kColPolarity) {
      look.picture = PolarityPicture(input.Polarita);
    } else if (col >= kColFirstNumber && col <= kColLastNumber) {
      look.box = true;
      look.checked = (input.MaskSms >> (col - kColFirstNumber)) & 1;
      if (TextedNumberGrey(GlobalBuffer, row)) look.background = palette().color(QPalette::Window);
    } else {
      ServiceAndLineSwitchLook(row, col, kColService, look);
    }
  });
  grid->SetEditors([](int row, int col) {
    if (col != kColActivation && col != kColRestore) return GridEditor{};
    if (InputChoiceLocked(GlobalBuffer, row)) return GridEditor{};
    return GridEditor{GridEditor::Kind::List, 0, SmsChoices()};
  });
  connect(grid, &VelaGrid::CellClicked, this, &TfrmSms::OnFamilyAClicked);
  connect(grid, &VelaGrid::ListChosen, this, &TfrmSms::OnSmsChosen);
  connect(grid, &VelaGrid::MouseOverCell, this, &TfrmSms::OnFamilyAMouseOver);
}

// language texts: 31, 45, 46, 63, 64, 67, 68, 166, 169-171
void TfrmSms::CaptionFamilyA() {
  GroupBox5->setTitle(Lang(63));
  StringGrid3->SetText(0, 0, Lang(45));
  StringGrid3->SetText(0, 1, Lang(63));
  for (int r = 1; r <= 8; ++r) StringGrid3->SetText(r, 0, QString::number(r));

  GroupBox2->setTitle(Lang(46));
  VelaGrid* grid = HyperGrid1;
  grid->SetText(0, 0, Lang(45));
  grid->SetText(0, kColPolarity, Lang(31));
  grid->SetText(0, kColActivation, Lang(67));
  grid->SetText(0, kColRestore, Lang(68));
  for (int c = kColFirstNumber; c <= kColLastNumber; ++c)
    grid->SetText(0, c, QString::number(c - kColFirstNumber + 1));
  grid->SetText(0, kColService, Lang(166));
  grid->SetText(0, kColUsaGsm, Lang(170));
  grid->SetText(0, kColCommuta, Lang(171));
  grid->SetBands({{kColActivation, kColRestore, Lang(63)},
                  {kColFirstNumber, kColLastNumber, Lang(64)},
                  {kColUsaGsm, kColCommuta, Lang(169)}});
  for (int r = 1; r <= kInputs; ++r) grid->SetText(r, 0, QString::number(r));
}

void TfrmSms::ShowFamilyA() {
  StaticText1->hide();
  if (Cliente.TipoCentrale != kTypeVelaI) NormaliseLineSwitch(GlobalBuffer, Cliente);
  for (int r = 1; r <= 8; ++r) StringGrid3->SetText(r, 1, ToQ(GlobalBuffer.SmsS[r].Descrizione));
  ShowSmsChoices();
}

void TfrmSms::ShowSmsChoices() {
  const QStringList items = SmsChoices();
  auto item = [&items](int value) { return items[value <= 8 ? value : 0]; };
  for (int r = 1; r <= kInputs; ++r) {
    HyperGrid1->SetText(r, kColActivation, item(GlobalBuffer.Ingressi[r].SmsA));
    HyperGrid1->SetText(r, kColRestore, item(GlobalBuffer.Ingressi[r].SmsR));
  }
  HyperGrid1->Refresh();
}

void TfrmSms::CloseFamilyA() {
  StringGrid3->CommitEditor();
  for (int r = 1; r <= 8; ++r) StoreFamilyASms(GlobalBuffer, r, FromQ(StringGrid3->Text(r, 1)));
}

void TfrmSms::OnFamilyAClicked(int row, int col) {
  if (row < 1 || row > kInputs) return;
  if (col == kColPolarity) {
    TogglePolarity(GlobalBuffer.Ingressi[row]);
  } else if (col == kColService) {
    ToggleService(GlobalBuffer, Cliente, row);
  } else if (col >= kColFirstNumber && col <= kColLastNumber) {
    ToggleTextedNumber(GlobalBuffer, row, col - kColFirstNumber);
  } else if (col == kColUsaGsm && row == kLineSwitchInput) {
    ToggleUsaGsm(GlobalBuffer, Cliente);
  } else if (col == kColCommuta && row == kLineSwitchInput) {
    ToggleCommutaChiama(GlobalBuffer, Cliente);
  } else {
    return;
  }
  ShowSmsChoices();
}

void TfrmSms::OnSmsChosen(int row, int col, int index) {
  ChooseSmsText(GlobalBuffer, row, col == kColActivation, index);
  ShowSmsChoices();  // a refused choice shows the stored one again
}

void TfrmSms::OnFamilyAMouseOver(int row, int col, QPoint globalPos) {
  if (row != 0 || col < kColFirstNumber || col > kColLastNumber) {
    StaticText1->hide();
    return;
  }
  StaticText1->ShowNear(globalPos, PhoneEntryTip(col - kColFirstNumber + 1));
}
