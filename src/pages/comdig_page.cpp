#include "pages/comdig_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/record.h"
#include "pages/comdig_rules.h"
#include "pages/sms_rules.h"
#include "widgets/date_time_field.h"
#include "widgets/filtered_edit.h"
#include "widgets/vela_grid.h"

namespace {

constexpr int kColAccount = 1, kColCode1 = 2, kColCode2 = 3, kColSend = 4, kCols = 5;

ShortText<20>& Number(int k) {
  Tag_ComDig& cd = GlobalBuffer.ComDig;
  ShortText<20>* numbers[] = {&cd.Numero1, &cd.Numero2, &cd.Numero3, &cd.Numero4};
  return *numbers[k];
}

}  // namespace

TfrmComDig::TfrmComDig(QWidget* owner) : TPageForm(owner) {
  auto* layout = new QVBoxLayout(this);
  auto* numbers = new QGridLayout;
  Label48 = new QLabel(this);
  numbers->addWidget(Label48, 0, 0, 1, 4);
  for (int k = 0; k < 4; ++k) {
    auto* edit = new FilteredEdit(this);
    edit->setMaxLength(static_cast<int>(kReceiverNumberLength));
    edit->SetKeyFilter(
        [](QChar ch, const QString&) { return ReceiverNumberKeyAccepted(KeyChar(ch)); });
    auto* index = new QLabel(QString::number(k + 1), this);
    numbers->addWidget(index, 1 + k / 2, (k % 2) * 2);
    numbers->addWidget(edit, 1 + k / 2, (k % 2) * 2 + 1);
    MaskEdit[k] = edit;
  }
  layout->addLayout(numbers);

  auto* middle = new QHBoxLayout;
  BuildGrid();
  middle->addWidget(hgEventi);
  auto* right = new QVBoxLayout;
  right->addWidget(BuildSchedule());
  SpeedButton1 = new QPushButton(this);
  connect(SpeedButton1, &QPushButton::clicked, this, &TfrmComDig::OnDefaults);
  right->addWidget(SpeedButton1, 0, Qt::AlignLeft);
  right->addStretch();
  middle->addLayout(right, 1);
  layout->addLayout(middle);
  layout->addStretch();

  StaticText1 = NewStatusLine(this);
  layout->addWidget(StaticText1);
  RouteStatusTips(this, StaticText1);
}

void TfrmComDig::BuildGrid() {
  hgEventi = new VelaGrid(kEventRows + 1, kCols, this);
  VelaGrid* grid = hgEventi;
  grid->SetFixedCols(1);
  const int widths[kCols] = {190, 100, 44, 44, 70};
  for (int c = 0; c < kCols; ++c) grid->setColumnWidth(c, widths[c]);
  grid->SetRowHeight(22);
  grid->SetHeadingHeight(30);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->FitHeightToRows();
  grid->setFixedWidth(widths[0] + widths[1] + widths[2] + widths[3] + widths[4] +
                      2 * grid->frameWidth());
  grid->SetHintDelay(kPageHintDelayMs);
  grid->SetLook([](int row, int col, GridCellLook& look) {
    if (col == 0) {
      look.align = Qt::AlignLeft | Qt::AlignVCenter;
    } else if (col == kColSend) {
      look.box = true;
      look.checked = SendFlagSet(GlobalBuffer.ComDig, row);
    } else {
      look.align = Qt::AlignCenter;
    }
  });
  grid->SetEditors([](int row, int col) {
    if (!EventCodeEditable(row, col)) return GridEditor{};
    const int capacity = col == kColAccount ? 4 : col == kColCode1 ? 1 : 2;
    return GridEditor{GridEditor::Kind::Text, capacity, {}};
  });
  grid->SetKeyFilter([](int row, int col, QChar ch, const QString& text) {
    return EventKeyAccepted(row, col, KeyChar(ch), static_cast<std::size_t>(text.size()));
  });
  // language texts: 461-463
  grid->SetHints(
      [](int, int col) {
        if (col == kColAccount) return Lang(461);
        if (col == kColCode1 || col == kColCode2) return Lang(462);
        if (col == kColSend) return Lang(463);
        return QString();
      },
      nullptr);
  connect(grid, &VelaGrid::CellClicked, this, &TfrmComDig::OnCellClicked);
  connect(grid, &VelaGrid::CellTextChanged, this, &TfrmComDig::OnCellEdited);
}

QGroupBox* TfrmComDig::BuildSchedule() {
  gbSmsPeriodico = new QGroupBox(this);
  auto* grid = new QGridLayout(gbSmsPeriodico);
  for (auto*& label : labels) label = new QLabel(gbSmsPeriodico);
  DatePrimoSMS = new DateTimeField("dd/MM/yyyy", gbSmsPeriodico);
  TimePrimoSMS = new DateTimeField("HH.mm", gbSmsPeriodico);
  edGiorni = new RangeEdit(3, 0, 693, gbSmsPeriodico);
  edOre = new RangeEdit(2, 0, 99, gbSmsPeriodico);
  edMin = new RangeEdit(2, 0, 99, gbSmsPeriodico);
  grid->addWidget(labels[0], 0, 0);
  grid->addWidget(DatePrimoSMS, 0, 1, 1, 2);
  grid->addWidget(labels[1], 1, 0);
  grid->addWidget(TimePrimoSMS, 1, 1, 1, 2);
  grid->addWidget(labels[2], 2, 0, 1, 3);
  int row = 3;
  for (RangeEdit* edit : {edGiorni, edOre, edMin}) {
    edit->setFixedWidth(48);
    grid->addWidget(edit, row, 1);
    grid->addWidget(labels[row], row, 2);
    ++row;
  }
  grid->setColumnStretch(2, 1);
  return gbSmsPeriodico;
}

// language texts: 187-192, 300-304, 350-357, 460, 464, 502
void TfrmComDig::SetCaptions() {
  Label48->setText(Lang(300));
  for (FilteredEdit* edit : MaskEdit) {
    edit->setToolTip(Lang(460));
    edit->setStatusTip(Lang(460));
  }
  VelaGrid* grid = hgEventi;
  grid->SetText(0, 0, Lang(301));
  grid->SetText(0, kColAccount, Lang(302));
  grid->SetBands({{kColCode1, kColCode2, Lang(303)}});
  grid->SetText(0, kColSend, Lang(304));
  for (int input = 1; input <= 4; ++input) {
    grid->SetText(2 * input - 1, 0, Lang(350) + " " + QString::number(input));
    grid->SetText(2 * input, 0, Lang(351) + " " + QString::number(input));
  }
  for (int row = 9; row <= kEventRows; ++row) grid->SetText(row, 0, Lang(352 + row - 9));
  gbSmsPeriodico->setTitle(Lang(356));
  gbSmsPeriodico->setToolTip(Lang(464));
  gbSmsPeriodico->setStatusTip(Lang(464));
  for (int k = 0; k < 6; ++k) labels[k]->setText(Lang(187 + k));
  SpeedButton1->setText(Lang(502));
}

void TfrmComDig::PageShow() {
  SetCaptions();
  for (int k = 0; k < 4; ++k) MaskEdit[k]->setText(ToQ(Number(k)));
  const EventRows rows = EventRowsFromRecord(GlobalBuffer.ComDig);
  for (int r = 1; r <= kEventRows; ++r) {
    hgEventi->SetText(r, kColAccount, ToQ(rows[r].account));
    hgEventi->SetText(r, kColCode1, ToQ(rows[r].code1));
    hgEventi->SetText(r, kColCode2, ToQ(rows[r].code2));
  }
  ApplySchedule();
  const Tag_ComDig& cd = GlobalBuffer.ComDig;
  DatePrimoSMS->SetValue(cd.SegDataPrimo);
  TimePrimoSMS->SetValue(cd.SegOraPrimo);
  const IntervalParts parts = SplitInterval(cd.SegIntervallo);
  edGiorni->SetValue(parts.days);
  edOre->SetValue(parts.hours);
  edMin->SetValue(parts.minutes);
  hgEventi->Refresh();
}

void TfrmComDig::ApplySchedule() {
  gbSmsPeriodico->setEnabled(ScheduleEnabled(GlobalBuffer.ComDig));
}

void TfrmComDig::PageClose() {
  hgEventi->CommitEditor();
  for (int k = 0; k < 4; ++k) Number(k) = FromQ(MaskEdit[k]->text());
  EventRows rows;
  for (int r = 1; r <= kEventRows; ++r)
    rows[r] = {FromQ(hgEventi->Text(r, kColAccount)), FromQ(hgEventi->Text(r, kColCode1)),
               FromQ(hgEventi->Text(r, kColCode2))};
  Tag_ComDig& cd = GlobalBuffer.ComDig;
  StoreEventRows(cd, rows);
  cd.SegDataPrimo = DatePrimoSMS->Value();
  cd.SegOraPrimo = TimePrimoSMS->Value();
  cd.SegIntervallo =
      IntervalMinutes(FromQ(edGiorni->text()), FromQ(edOre->text()), FromQ(edMin->text()));
}

void TfrmComDig::OnCellClicked(int row, int col) {
  if (col != kColSend || !ClickSendFlag(GlobalBuffer, row)) return;
  if (row == kPeriodicReportRow) ApplySchedule();
  hgEventi->Refresh();
}

void TfrmComDig::OnCellEdited(int row, int col) {
  const QString text = hgEventi->Text(row, col);
  for (int partner : MirrorRows(row, col)) hgEventi->SetText(partner, col, text);
}

void TfrmComDig::OnDefaults() {
  RestoreDefaultEventCodes(GlobalBuffer.ComDig);
  PageShow();
}
