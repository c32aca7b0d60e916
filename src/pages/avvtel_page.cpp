#include "pages/avvtel_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/record.h"
#include "pages/input_rules.h"
#include "widgets/grid_pictures.h"
#include "widgets/vela_grid.h"

namespace {

constexpr int kInputs = 4;
constexpr int kColPolarity = 1, kColMessage = 2, kColFirstNumber = 3, kColLastNumber = 10;
constexpr int kColService = 11, kColUsaGsm = 12, kColCommuta = 13, kCols = 14;
constexpr std::size_t kLabelLength = 20;

std::vector<std::string> MessageLabels() {
  std::vector<std::string> labels;
  for (int m = 1; m <= 8; ++m) labels.push_back(GlobalBuffer.Messaggi[m].Descrizione);
  return labels;
}

QStringList ToQList(const std::vector<std::string>& texts) {
  QStringList list;
  for (const auto& text : texts) list << ToQ(text);
  return list;
}

}  // namespace

TfrmAvvTel::TfrmAvvTel(QWidget* owner) : TPageForm(owner) {
  auto* layout = new QVBoxLayout(this);
  gbInputs = new QGroupBox(this);
  auto* inputsLayout = new QVBoxLayout(gbInputs);
  BuildInputsGrid();
  inputsLayout->addWidget(HyperGrid1);
  layout->addWidget(gbInputs);

  auto* lower = new QHBoxLayout;
  gbLabels = new QGroupBox(this);
  auto* labelsLayout = new QVBoxLayout(gbLabels);
  BuildLabelsGrid();
  labelsLayout->addWidget(StringGrid2);
  labelsLayout->addStretch();
  lower->addWidget(gbLabels, 1);

  auto* right = new QVBoxLayout;
  gbProgress = new QGroupBox(this);
  auto* progressLayout = new QVBoxLayout(gbProgress);
  RadioButton1 = new QRadioButton(gbProgress);
  RadioButton2 = new QRadioButton(gbProgress);
  RadioButton3 = new QRadioButton(gbProgress);
  for (auto* button : {RadioButton1, RadioButton2, RadioButton3}) progressLayout->addWidget(button);
  right->addWidget(gbProgress);
  gbCallBack = new QGroupBox(this);
  auto* callBackLayout = new QVBoxLayout(gbCallBack);
  CheckBox1 = new QCheckBox(gbCallBack);
  callBackLayout->addWidget(CheckBox1);
  right->addWidget(gbCallBack);
  legend = NewPolarityLegend(this);
  right->addWidget(legend.box);
  right->addStretch();
  lower->addLayout(right, 1);
  layout->addLayout(lower, 1);

  StaticText1 = new FloatingTip(this);
}

void TfrmAvvTel::BuildInputsGrid() {
  HyperGrid1 = new VelaGrid(kInputs + 1, kCols, gbInputs);
  VelaGrid* grid = HyperGrid1;
  grid->SetFixedCols(1);
  grid->setColumnWidth(0, 34);
  grid->setColumnWidth(kColPolarity, 56);
  grid->setColumnWidth(kColMessage, 150);
  for (int c = kColFirstNumber; c <= kColLastNumber; ++c) grid->setColumnWidth(c, 26);
  grid->setColumnWidth(kColService, 56);
  grid->setColumnWidth(kColUsaGsm, 100);
  grid->setColumnWidth(kColCommuta, 100);
  grid->SetRowHeight(24);
  grid->SetHeadingHeight(56);
  grid->FitHeightToRows();
  grid->SetHintDelay(kPageHintDelayMs);

  grid->SetLook([](int row, int col, GridCellLook& look) {
    const Tag_Ingresso& input = GlobalBuffer.Ingressi[row];
    if (col == kColPolarity) {
      look.picture = PolarityPicture(input.Polarita);
    } else if (col >= kColFirstNumber && col <= kColLastNumber) {
      const int bit = col - kColFirstNumber;
      look.box = true;
      look.checked = (input.MaskTel >> bit) & 1;
      look.grey = CalledNumberGrey(GlobalBuffer, row, bit);
    } else {
      ServiceAndLineSwitchLook(row, col, kColService, look);
    }
  });
  grid->SetEditors([](int row, int col) {
    if (col != kColMessage) return GridEditor{};
    // A service input, and input 4 while it switches to GSM, take no message.
    if (InputChoiceLocked(GlobalBuffer, row)) return GridEditor{};
    return GridEditor{GridEditor::Kind::List, 0, ToQList(MessageLabels())};
  });
  connect(grid, &VelaGrid::CellClicked, this, &TfrmAvvTel::OnInputClicked);
  connect(grid, &VelaGrid::ListChosen, this, &TfrmAvvTel::OnMessageChosen);
  connect(grid, &VelaGrid::MouseOverCell, this, &TfrmAvvTel::OnMouseOverCell);
}

void TfrmAvvTel::BuildLabelsGrid() {
  StringGrid2 = new VelaGrid(9, 2, gbLabels);
  StringGrid2->SetFixedCols(1);
  StringGrid2->setColumnWidth(0, 40);
  StringGrid2->SetStretchLastColumn(true);
  StringGrid2->FitHeightToRows();
  StringGrid2->SetEditors([](int, int) {
    return GridEditor{GridEditor::Kind::Text, static_cast<int>(kLabelLength), {}};
  });
  StringGrid2->SetKeyFilter([](int, int col, QChar ch, const QString& text) {
    return col == 1 &&
           (KeyChar(ch) == '\b' || static_cast<std::size_t>(text.size()) < kLabelLength);
  });
  connect(StringGrid2, &VelaGrid::CellTextChanged, this, &TfrmAvvTel::OnLabelEdited);
}

// language texts: 27, 29, 31, 32, 40-43, 45, 46, 49, 60, 61, 64, 166, 169-171
void TfrmAvvTel::SetCaptions() {
  VelaGrid* grid = HyperGrid1;
  gbInputs->setTitle(Lang(46));
  grid->SetText(0, 0, Lang(45));
  grid->SetText(0, kColPolarity, Lang(31));
  grid->SetText(0, kColMessage, Lang(32));
  for (int c = kColFirstNumber; c <= kColLastNumber; ++c)
    grid->SetText(0, c, QString::number(c - kColFirstNumber + 1));
  grid->SetText(0, kColService, Lang(166));
  grid->SetText(0, kColUsaGsm, Lang(170));
  grid->SetText(0, kColCommuta, Lang(171));
  grid->SetBands(
      {{kColFirstNumber, kColLastNumber, Lang(64)}, {kColUsaGsm, kColCommuta, Lang(169)}});
  for (int r = 1; r <= kInputs; ++r) grid->SetText(r, 0, QString::number(r));

  gbLabels->setTitle(Lang(29));
  StringGrid2->SetText(0, 0, Lang(45));
  StringGrid2->SetText(0, 1, Lang(27));
  for (int r = 1; r <= 8; ++r) StringGrid2->SetText(r, 0, QString::number(r));
  gbProgress->setTitle(Lang(40));
  RadioButton1->setText(Lang(41));
  RadioButton2->setText(Lang(42));
  RadioButton3->setText(Lang(43));
  gbCallBack->setTitle(Lang(49));
  CheckBox1->setText(Lang(49));
  legend.Label1->setText(Lang(60));
  legend.Label2->setText(Lang(61));
}

void TfrmAvvTel::PageShow() {
  SetCaptions();
  StaticText1->hide();
  setEnabled(Cliente.TipoCentrale != kTypeVelaI);
  NormaliseLineSwitch(GlobalBuffer, Cliente);
  for (int m = 1; m <= 8; ++m)
    StringGrid2->SetText(m, 1, ToQ(GlobalBuffer.Messaggi[m].Descrizione));
  ShowMessageChoices();
  const auto& options = GlobalBuffer.Opzioni;
  RadioButton2->setChecked(options.Squillo && !options.VoceInLinea);
  RadioButton3->setChecked(options.Selezione && !options.VoceInLinea && !options.Squillo);
  RadioButton1->setChecked(!RadioButton2->isChecked() && !RadioButton3->isChecked());
  CheckBox1->setChecked(options.Richiama);
  HyperGrid1->Refresh();
}

void TfrmAvvTel::ShowMessageChoices() {
  for (int r = 1; r <= kInputs; ++r) {
    const int message = GlobalBuffer.Ingressi[r].Messaggio;
    const int index = message < 8 ? message + 1 : 1;
    HyperGrid1->SetText(r, kColMessage, ToQ(GlobalBuffer.Messaggi[index].Descrizione));
  }
}

void TfrmAvvTel::Store() {
  StringGrid2->CommitEditor();
  for (int m = 1; m <= 8; ++m)
    GlobalBuffer.Messaggi[m].Descrizione = FromQ(StringGrid2->Text(m, 1));
  auto& options = GlobalBuffer.Opzioni;
  options.VoceInLinea = RadioButton1->isChecked();
  options.Squillo = RadioButton2->isChecked();
  options.Selezione = RadioButton3->isChecked();
  options.Richiama = CheckBox1->isChecked();
}

void TfrmAvvTel::PageClose() {
  Store();
}

void TfrmAvvTel::OnInputClicked(int row, int col) {
  if (row < 1 || row > kInputs) return;
  if (col == kColPolarity) {
    TogglePolarity(GlobalBuffer.Ingressi[row]);
  } else if (col >= kColFirstNumber && col <= kColLastNumber) {
    ToggleCalledNumber(GlobalBuffer, row, col - kColFirstNumber);
  } else if (col == kColService) {
    ToggleService(GlobalBuffer, Cliente, row);
  } else if (col == kColUsaGsm && row == kLineSwitchInput) {
    ToggleUsaGsm(GlobalBuffer, Cliente);
  } else if (col == kColCommuta && row == kLineSwitchInput) {
    ToggleCommutaChiama(GlobalBuffer, Cliente);
  } else {
    return;
  }
  ShowMessageChoices();
  HyperGrid1->Refresh();
}

void TfrmAvvTel::OnMessageChosen(int row, int, int index) {
  ChooseMessage(GlobalBuffer, row, MessageLabels(), index);
  ShowMessageChoices();  // a refused choice shows the stored message again
}

void TfrmAvvTel::OnLabelEdited(int row, int col) {
  // The labels reach the record as they are typed, so the message lists follow at once.
  if (col != 1 || row < 1 || row > 8) return;
  GlobalBuffer.Messaggi[row].Descrizione = FromQ(StringGrid2->Text(row, 1));
  ShowMessageChoices();
}

void TfrmAvvTel::OnMouseOverCell(int row, int col, QPoint globalPos) {
  if (row != 0 || col < kColFirstNumber || col > kColLastNumber) {
    StaticText1->hide();
    return;
  }
  StaticText1->ShowNear(globalPos, PhoneEntryTip(col - kColFirstNumber + 1));
}
