// The family I face of the SMS page.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/record.h"
#include "pages/credit_query.h"
#include "pages/sms_page.h"
#include "pages/sms_rules.h"
#include "widgets/date_time_field.h"
#include "widgets/filtered_edit.h"
#include "widgets/grid_pictures.h"
#include "widgets/vela_grid.h"

namespace {

constexpr int kEntries = 7;
constexpr int kColPolarity = 1, kColFirstNumber = 2, kColLastNumber = 9, kColActivation = 10,
              kColRestore = 11, kColServiceA = 12, kColServiceB = 13, kCols = 14;
constexpr int kPolarityEntries = 4;

// The legend texts of the service flags of entries 1 to 3, "A" then "B".
constexpr int kServiceTexts[3][2] = {{176, 177}, {178, 179}, {180, 504}};

// Cells a row does not have: polarity below entry 4, service flags below entry 3 and the
// restore text of the periodic SMS.
bool Missing(int row, int col) {
  if (col == kColPolarity) return row > kPolarityEntries;
  if (col == kColServiceA || col == kColServiceB) return row > kServiceEntries;
  return col == kColRestore && row == kPeriodicSmsEntry;
}

}  // namespace

void TfrmSms::BuildFamilyI() {
  pnFamilyI = new QWidget(this);
  auto* layout = new QVBoxLayout(pnFamilyI);
  layout->setContentsMargins(0, 0, 0, 0);

  HyperGrid2 = new VelaGrid(kEntries + 1, kCols, pnFamilyI);
  VelaGrid* grid = HyperGrid2;
  grid->SetFixedCols(1);
  const int widths[kCols] = {112, 50, 24, 24, 24, 24, 24, 24, 24, 24, 166, 166, 30, 30};
  for (int c = 0; c < kCols; ++c) grid->setColumnWidth(c, widths[c]);
  grid->SetRowHeight(22);
  grid->SetHeadingHeight(40);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->FitHeightToRows();
  grid->SetHintDelay(kPageHintDelayMs);
  layout->addWidget(grid);

  auto* middle = new QHBoxLayout;
  auto* legendBox = new QVBoxLayout;
  Label1 = new QLabel(pnFamilyI);
  legendBox->addWidget(Label1);
  sgLegenda = new VelaGrid(7, 3, pnFamilyI);
  sgLegenda->setColumnWidth(0, 80);
  sgLegenda->setColumnWidth(1, 24);
  sgLegenda->SetStretchLastColumn(true);
  sgLegenda->SetRowHeight(20);
  sgLegenda->FitHeightToRows();
  sgLegenda->setFocusPolicy(Qt::NoFocus);
  sgLegenda->setSelectionMode(QAbstractItemView::NoSelection);
  sgLegenda->SetLook([](int, int col, GridCellLook& look) {
    if (col == 1) look.align = Qt::AlignCenter;
  });
  legendBox->addWidget(sgLegenda);
  legendBox->addStretch();
  middle->addLayout(legendBox, 2);

  gbSmsPeriodico = new QGroupBox(pnFamilyI);
  auto* periodic = new QGridLayout(gbSmsPeriodico);
  lbDate = new QLabel(gbSmsPeriodico);
  lbTime = new QLabel(gbSmsPeriodico);
  DatePrimoSMS = new DateTimeField("dd/MM/yyyy", gbSmsPeriodico);
  TimePrimoSMS = new DateTimeField("HH.mm", gbSmsPeriodico);
  periodic->addWidget(lbDate, 0, 0);
  periodic->addWidget(DatePrimoSMS, 0, 1, 1, 2);
  periodic->addWidget(lbTime, 0, 3);
  periodic->addWidget(TimePrimoSMS, 0, 4, 1, 2);
  auto* interval = new QLabel(gbSmsPeriodico);
  interval->setObjectName("lbInterval");
  periodic->addWidget(interval, 1, 0);
  edGiorni = new RangeEdit(3, 0, 693, gbSmsPeriodico);
  edOre = new RangeEdit(2, 0, 99, gbSmsPeriodico);
  edMin = new RangeEdit(2, 0, 99, gbSmsPeriodico);
  int col = 1;
  for (RangeEdit* edit : {edGiorni, edOre, edMin}) {
    edit->setFixedWidth(44);
    auto* unit = new QLabel(gbSmsPeriodico);
    unit->setObjectName(QString("lbUnit%1").arg(col));
    periodic->addWidget(edit, 1, col);
    periodic->addWidget(unit, 1, col + 1);
    col += 2;
  }
  periodic->setColumnStretch(6, 1);
  middle->addWidget(gbSmsPeriodico, 3, Qt::AlignTop);
  layout->addLayout(middle);

  layout->addWidget(BuildOptionsI());
  layout->addStretch();

  grid->SetLook([this](int row, int col, GridCellLook& look) {
    const Tag_Ingresso& input = GlobalBuffer.Ingressi[row];
    if (col == 0) look.align = Qt::AlignLeft | Qt::AlignVCenter;
    if (Missing(row, col)) {
      look.background = palette().color(QPalette::Window);
      look.showText = false;
    } else if (col == kColPolarity) {
      look.picture = PolarityPicture(input.Polarita);
    } else if (col >= kColFirstNumber && col <= kColLastNumber) {
      look.box = true;
      look.checked = (input.MaskSms >> (col - kColFirstNumber)) & 1;
      look.grey = HasServiceFlag(input);
    } else if (col == kColServiceA || col == kColServiceB) {
      look.box = true;
      look.checked = col == kColServiceA ? input.ServVELA_I_1 : input.ServVELA_I_2;
    }
  });
  grid->SetEditors([](int row, int col) {
    if ((col != kColActivation && col != kColRestore) || Missing(row, col) ||
        HasServiceFlag(GlobalBuffer.Ingressi[row]))
      return GridEditor{};
    return GridEditor{GridEditor::Kind::Text, static_cast<int>(kFamilyISmsLength), {}};
  });
  grid->SetKeyFilter([](int row, int, QChar ch, const QString& text) {
    return EntryTextKeyAccepted(GlobalBuffer.Ingressi[row], KeyChar(ch),
                                static_cast<std::size_t>(text.size()));
  });
  // language texts: 176-180, 420-424, 504
  grid->SetHints(
      [](int, int col) {
        if (col == kColPolarity) return Lang(420);
        if (col >= kColFirstNumber && col <= kColLastNumber)
          return Lang(421) + "  -  " + PhoneEntryTip(col - 1);
        if (col == kColActivation) return Lang(422);
        if (col == kColRestore) return Lang(423);
        if (col == kColServiceA || col == kColServiceB) return Lang(424);
        return QString();
      },
      [grid](int row, int col) {
        if (row < 1) return QString();
        if ((col == kColServiceA || col == kColServiceB) && row <= kServiceEntries)
          return Lang(kServiceTexts[row - 1][col - kColServiceA]);
        if (col == kColActivation || col == kColRestore) return grid->Text(row, col);
        return QString();
      });
  connect(grid, &VelaGrid::CellClicked, this, &TfrmSms::OnFamilyIClicked);
  connect(grid, &VelaGrid::CellTextChanged, this, &TfrmSms::OnFamilyIEdited);
}

QWidget* TfrmSms::BuildOptionsI() {
  auto* options = new QWidget(pnFamilyI);
  auto* row = new QHBoxLayout(options);
  row->setContentsMargins(0, 0, 0, 0);

  gbCredito = new QGroupBox(options);
  auto* credit = new QGridLayout(gbCredito);
  CheckBox1 = new QCheckBox(gbCredito);
  edIntervallocredito = new RangeEdit(3, 1, 99, gbCredito);
  edIntervallocredito->setFixedWidth(44);
  auto* creditLabel = new QLabel(gbCredito);
  creditLabel->setObjectName("lbCreditInterval");
  butt = new QPushButton(gbCredito);
  credit->addWidget(CheckBox1, 0, 0, 1, 3);
  credit->addWidget(creditLabel, 1, 0);
  credit->addWidget(edIntervallocredito, 1, 1);
  credit->addWidget(butt, 1, 2);
  connect(CheckBox1, &QCheckBox::toggled, edIntervallocredito, &QWidget::setEnabled);
  connect(butt, &QPushButton::clicked, this, [] { RunCreditQuery(); });
  row->addWidget(gbCredito);

  rbPriorita = new QGroupBox(options);
  auto* priority = new QVBoxLayout(rbPriorita);
  RadioButton1 = new QRadioButton(rbPriorita);
  RadioButton2 = new QRadioButton(rbPriorita);
  priority->addWidget(RadioButton1);
  priority->addWidget(RadioButton2);
  row->addWidget(rbPriorita);

  // Kept for the record's ADT number, which this page never shows.
  gbChiamataADT = new QGroupBox(options);
  auto* adt = new QHBoxLayout(gbChiamataADT);
  lbNtelADT = new QLabel(gbChiamataADT);
  edNtelADT = new FilteredEdit(gbChiamataADT);
  edNtelADT->setMaxLength(static_cast<int>(kAdtNumberLength));
  edNtelADT->SetKeyFilter([](QChar ch, const QString&) { return AdtKeyAccepted(KeyChar(ch)); });
  adt->addWidget(lbNtelADT);
  adt->addWidget(edNtelADT);
  gbChiamataADT->hide();
  row->addWidget(gbChiamataADT);
  row->addStretch();
  return options;
}

// language texts: 27, 30, 31, 63, 64, 67, 68, 166, 176-180, 182-192, 204-209, 243, 425-428,
// language texts: 504
void TfrmSms::CaptionFamilyI() {
  VelaGrid* grid = HyperGrid2;
  grid->SetText(0, kColPolarity, Lang(31));
  for (int c = kColFirstNumber; c <= kColLastNumber; ++c)
    grid->SetText(0, c, QString::number(c - kColFirstNumber + 1));
  grid->SetText(0, kColActivation, Lang(67));
  grid->SetText(0, kColRestore, Lang(68));
  grid->SetText(0, kColServiceA, "A");
  grid->SetText(0, kColServiceB, "B");
  grid->SetBands({{kColFirstNumber, kColLastNumber, Lang(64)},
                  {kColActivation, kColRestore, Lang(63)},
                  {kColServiceA, kColServiceB, Lang(166)}});
  for (int r = 1; r <= kPolarityEntries; ++r)
    grid->SetText(r, 0, Lang(30) + " " + QString::number(r));
  for (int r = 5; r <= kEntries; ++r) grid->SetText(r, 0, Lang(182 + r - 5));

  Label1->setText(Lang(185));
  sgLegenda->SetText(0, 2, Lang(27));
  for (int input = 1; input <= kServiceEntries; ++input) {
    const int rowA = 2 * input - 1;
    sgLegenda->SetText(rowA, 0, Lang(30) + " " + QString::number(input));
    sgLegenda->SetText(rowA, 1, "A");
    sgLegenda->SetText(rowA + 1, 1, "B");
    sgLegenda->SetText(rowA, 2, Lang(kServiceTexts[input - 1][0]));
    sgLegenda->SetText(rowA + 1, 2, Lang(kServiceTexts[input - 1][1]));
  }

  gbChiamataADT->setTitle(Lang(243));
  gbChiamataADT->setToolTip(Lang(425));
  lbNtelADT->setText(Lang(186));
  gbSmsPeriodico->setTitle(Lang(184));
  gbSmsPeriodico->setToolTip(Lang(426));
  gbSmsPeriodico->setStatusTip(Lang(426));
  lbDate->setText(Lang(187));
  lbTime->setText(Lang(188));
  gbSmsPeriodico->findChild<QLabel*>("lbInterval")->setText(Lang(189));
  for (int unit = 0; unit < 3; ++unit)
    gbSmsPeriodico->findChild<QLabel*>(QString("lbUnit%1").arg(1 + 2 * unit))
        ->setText(Lang(190 + unit));
  gbCredito->setTitle(Lang(204));
  gbCredito->setToolTip(Lang(427));
  gbCredito->setStatusTip(Lang(427));
  CheckBox1->setText(Lang(205));
  gbCredito->findChild<QLabel*>("lbCreditInterval")->setText(Lang(206));
  butt->setText(Lang(204));
  rbPriorita->setTitle(Lang(207));
  rbPriorita->setToolTip(Lang(428));
  rbPriorita->setStatusTip(Lang(428));
  RadioButton1->setText(Lang(208));
  RadioButton2->setText(Lang(209));
}

void TfrmSms::ShowFamilyI() {
  const auto& options = GlobalBuffer.Opzioni;
  for (int r = 1; r <= kEntries; ++r) {
    HyperGrid2->SetText(r, kColActivation, ToQ(GlobalBuffer.Ingressi[r].SMSAttiv));
    HyperGrid2->SetText(r, kColRestore, ToQ(GlobalBuffer.Ingressi[r].SMSRipr));
  }
  edNtelADT->setText(ToQ(options.NtelChiamataADT));
  edNtelADT->setEnabled(AdtNumberEnabled(GlobalBuffer));
  DatePrimoSMS->SetValue(options.SMSDataPrimo);
  TimePrimoSMS->SetValue(options.SMSOraPrimo);
  const IntervalParts parts = SplitInterval(options.SMSIntervallo);
  edGiorni->SetValue(parts.days);
  edOre->SetValue(parts.hours);
  edMin->SetValue(parts.minutes);
  const bool credit = options.ControlloCreditoAttivo;
  CheckBox1->setChecked(credit);
  edIntervallocredito->SetValue(credit ? options.ControlloCredito
                                       : std::max<int>(1, options.ControlloCredito));
  edIntervallocredito->setEnabled(credit);
  (options.Priorita == 1 ? RadioButton2 : RadioButton1)->setChecked(true);
  ApplyPeriodicGroup();
  HyperGrid2->Refresh();
}

void TfrmSms::ApplyPeriodicGroup() {
  const PeriodicGroupState state = PeriodicGroup(
      FromQ(HyperGrid2->Text(kPeriodicSmsEntry, kColActivation)), GlobalBuffer.Ingressi[1]);
  gbSmsPeriodico->setEnabled(state.enabled);
  for (QWidget* picker : {static_cast<QWidget*>(DatePrimoSMS), static_cast<QWidget*>(TimePrimoSMS),
                          static_cast<QWidget*>(lbDate), static_cast<QWidget*>(lbTime)})
    picker->setEnabled(state.pickersEnabled);
}

void TfrmSms::CloseFamilyI() {
  HyperGrid2->CommitEditor();
  auto& options = GlobalBuffer.Opzioni;
  for (int r = 1; r <= kEntries; ++r)
    StoreEntryTexts(GlobalBuffer.Ingressi[r], FromQ(HyperGrid2->Text(r, kColActivation)),
                    FromQ(HyperGrid2->Text(r, kColRestore)));
  options.NtelChiamataADT = FromQ(edNtelADT->text());
  options.SMSDataPrimo = DatePrimoSMS->Value();
  options.SMSOraPrimo = TimePrimoSMS->Value();
  options.SMSIntervallo =
      IntervalMinutes(FromQ(edGiorni->text()), FromQ(edOre->text()), FromQ(edMin->text()));
  options.ControlloCreditoAttivo = CheckBox1->isChecked();
  options.ControlloCredito =
      CreditInterval(CheckBox1->isChecked(), FromQ(edIntervallocredito->text()));
  options.Priorita = RadioButton1->isChecked() ? 0 : 1;
}

void TfrmSms::OnFamilyIClicked(int row, int col) {
  if (col == kColPolarity) {
    ToggleEntryPolarity(GlobalBuffer, row);
  } else if (col >= kColFirstNumber && col <= kColLastNumber) {
    ToggleEntryTextedNumber(GlobalBuffer, row, col - kColFirstNumber);
  } else if ((col == kColServiceA || col == kColServiceB) && row <= kServiceEntries) {
    HyperGrid2->CommitEditor();
    ToggleServiceFlag(GlobalBuffer, row, col - kColServiceA + 1);
    const Tag_Ingresso& input = GlobalBuffer.Ingressi[row];
    if (HasServiceFlag(input)) {
      HyperGrid2->SetText(row, kColActivation, QString());
      HyperGrid2->SetText(row, kColRestore, QString());
    }
    ApplyPeriodicGroup();
    if (row == 3) edNtelADT->setEnabled(AdtNumberEnabled(GlobalBuffer));
  } else {
    return;
  }
  HyperGrid2->Refresh();
}

void TfrmSms::OnFamilyIEdited(int row, int col) {
  if (row == kPeriodicSmsEntry && col == kColActivation) ApplyPeriodicGroup();
}
