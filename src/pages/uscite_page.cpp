#include "pages/uscite_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "model/record.h"
#include "pages/output_rules.h"
#include "widgets/filtered_edit.h"
#include "widgets/grid_pictures.h"
#include "widgets/vela_grid.h"

namespace {

constexpr int kOutputs = 5;
constexpr int kColPolarity = 1;
// Family A.
constexpr int kColReserved = 9, kColText = 10, kColsA = 11;
// Family I.
constexpr int kColFirstBit = 2, kColLastBit = 9, kColCommanded = 10, kColName = 11,
              kColConfirm = 12, kColTimed = 13, kColOnTime = 14, kColsI = 15;

constexpr int kHeadingsA[kColsA] = {45, 31, 34, 35, 36, 37, 56, 38, 39, 65, 81};
constexpr int kHeadingsI[kColsI] = {45,  31,  34, 35, 193, 194, 39, 38,
                                    195, 196, 65, 81, 199, 197, 198};

QColor DialogColour(const QWidget* widget) {
  return widget->palette().color(QPalette::Window);
}

void SetUpGrid(VelaGrid* grid, const int* widths, int cols) {
  grid->SetFixedCols(1);
  for (int c = 0; c < cols; ++c) grid->setColumnWidth(c, widths[c]);
  grid->SetRowHeight(24);
  grid->SetHeadingHeight(40);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->FitHeightToRows();
  grid->SetHintDelay(kPageHintDelayMs);
}

}  // namespace

TfrmUscite::TfrmUscite(QWidget* owner) : TPageForm(owner) {
  auto* layout = new QVBoxLayout(this);
  gbOutputs = new QGroupBox(this);
  auto* outputsLayout = new QVBoxLayout(gbOutputs);
  BuildFamilyAGrid();
  BuildFamilyIGrid();
  outputsLayout->addWidget(HyperGrid2);
  outputsLayout->addWidget(hgOutI);
  HyperGrid2->hide();  // showing picks the family's grid
  hgOutI->hide();
  gbOutputs->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  layout->addWidget(gbOutputs);

  auto* codeRow = new QHBoxLayout;
  Label3 = new QLabel(this);
  Edit1 = new FilteredEdit(this);
  Edit1->setEchoMode(QLineEdit::Password);
  Edit1->setMaxLength(static_cast<int>(kSmsCodeLength));
  Edit1->setFixedWidth(80);
  Edit1->SetKeyFilter([](QChar ch, const QString&) { return SmsCodeKeyAccepted(KeyChar(ch)); });
  Label3->setBuddy(Edit1);
  codeRow->addWidget(Label3);
  codeRow->addWidget(Edit1);
  codeRow->addStretch();
  layout->addLayout(codeRow);
  legend = NewPolarityLegend(this);
  layout->addWidget(legend.box);
  layout->addStretch();
  StaticText1 = NewStatusLine(this);
  layout->addWidget(StaticText1);
  RouteStatusTips(this, StaticText1);
}

void TfrmUscite::BuildFamilyAGrid() {
  HyperGrid2 = new VelaGrid(kOutputs + 1, kColsA, gbOutputs);
  const int widths[kColsA] = {34, 56, 46, 46, 46, 46, 46, 46, 46, 76, 170};
  SetUpGrid(HyperGrid2, widths, kColsA);
  HyperGrid2->SetLook([this](int row, int col, GridCellLook& look) {
    const Tag_Uscita& out = GlobalBuffer.Uscite[row];
    if (col == kColPolarity) {
      look.picture = PolarityPicture(out.Polarita);
    } else if (col >= kFirstEventColumn && col <= kLastEventColumn) {
      look.box = true;
      look.checked = EventFlagValue(out, col);
      look.grey = out.OUTRESERV;
    } else if (col == kColReserved) {
      look.box = true;
      look.checked = out.OUTRESERV;
    } else if (col == kColText && !out.OUTRESERV) {
      look.background = DialogColour(this);
    }
  });
  HyperGrid2->SetEditors([](int row, int col) {
    if (col != kColText || !GlobalBuffer.Uscite[row].OUTRESERV) return GridEditor{};
    return GridEditor{GridEditor::Kind::Text, static_cast<int>(kOutputTextLength), {}};
  });
  HyperGrid2->SetKeyFilter([](int row, int col, QChar ch, const QString& text) {
    return col == kColText &&
           OutputTextKeyAccepted(KeyChar(ch), static_cast<std::size_t>(text.size()),
                                 GlobalBuffer.Uscite[row].OUTRESERV);
  });
  connect(HyperGrid2, &VelaGrid::CellClicked, this, &TfrmUscite::OnFamilyAClicked);
}

void TfrmUscite::BuildFamilyIGrid() {
  hgOutI = new VelaGrid(kOutputs + 1, kColsI, gbOutputs);
  const int widths[kColsI] = {34, 56, 32, 32, 32, 32, 32, 32, 32, 32, 64, 84, 136, 50, 56};
  SetUpGrid(hgOutI, widths, kColsI);
  hgOutI->SetLook([this](int row, int col, GridCellLook& look) {
    const Tag_Uscita& out = GlobalBuffer.Uscite[row];
    const bool commanded = OutputCommanded(out);
    if (col == kColPolarity) {
      look.picture = PolarityPicture(out.Polarita);
    } else if (col >= kColFirstBit && col <= kColLastBit) {
      look.box = true;
      look.checked = (out.MaskEventiVELA_I >> (col - kColFirstBit)) & 1;
      look.grey = commanded;
    } else if (col == kColCommanded) {
      look.box = true;
      look.checked = commanded;
    } else if (col == kColTimed) {
      look.box = true;
      look.checked = out.Tipo == 1;
      look.grey = !commanded;
    } else if (col >= kColName && !commanded) {
      look.background = DialogColour(this);
    }
    if (col == kColOnTime) look.align = Qt::AlignRight | Qt::AlignVCenter;
  });
  hgOutI->SetEditors([this](int row, int col) {
    const Tag_Uscita& out = GlobalBuffer.Uscite[row];
    if (!OutputCommanded(out)) return GridEditor{};
    if (col == kColName)
      return GridEditor{GridEditor::Kind::Text, static_cast<int>(kCommandNameLength), {}};
    if (col == kColOnTime && OnTimeEditable(out))
      return GridEditor{GridEditor::Kind::Digits, 3, {}};
    if (col == kColConfirm) {
      // Rebuilt each time the list opens: it depends on the name shown in the row.
      QStringList items;
      for (int text : ConfirmationChoices(WithShownName(row))) items << Lang(text);
      return GridEditor{GridEditor::Kind::List, 0, items};
    }
    return GridEditor{};
  });
  hgOutI->SetKeyFilter([](int row, int col, QChar ch, const QString& text) {
    const Tag_Uscita& out = GlobalBuffer.Uscite[row];
    if (col == kColName)
      return OutputCommanded(out) &&
             CommandNameKeyAccepted(KeyChar(ch), static_cast<std::size_t>(text.size()));
    if (col == kColOnTime) return OnTimeKeyAccepted(KeyChar(ch), FromQ(text), OnTimeEditable(out));
    return false;
  });
  hgOutI->SetHints([](int, int col) { return col >= 1 && col <= 14 ? Lang(439 + col) : QString(); },
                   nullptr);
  connect(hgOutI, &VelaGrid::CellClicked, this, &TfrmUscite::OnFamilyIClicked);
  connect(hgOutI, &VelaGrid::ListChosen, this, &TfrmUscite::OnConfirmationChosen);
}

Tag_Uscita TfrmUscite::WithShownName(int output) const {
  Tag_Uscita out = GlobalBuffer.Uscite[output];
  out.Messaggio = FromQ(hgOutI->Text(output, kColName));
  return out;
}

// language texts: 31, 34-39, 45, 47, 56, 60, 61, 65, 69, 81, 193-202, 440-456
void TfrmUscite::SetCaptions() {
  gbOutputs->setTitle(Lang(47));
  for (int c = 0; c < kColsA; ++c) HyperGrid2->SetText(0, c, Lang(kHeadingsA[c]));
  for (int c = 0; c < kColsI; ++c) hgOutI->SetText(0, c, Lang(kHeadingsI[c]));
  for (int r = 1; r <= kOutputs; ++r) {
    HyperGrid2->SetText(r, 0, QString::number(r));
    hgOutI->SetText(r, 0, QString::number(r));
  }
  Label3->setText(Lang(69));
  const QString codeHint = Lang(454) + " / " + Lang(455) + " / " + Lang(456);
  Edit1->setToolTip(codeHint);
  Edit1->setStatusTip(codeHint);
  legend.Label1->setText(Lang(60));
  legend.Label2->setText(Lang(61));
}

void TfrmUscite::PageShow() {
  const bool familyI = Cliente.TipoCentrale == kTypeVelaI;
  HyperGrid2->setVisible(!familyI);
  hgOutI->setVisible(familyI);
  StaticText1->setVisible(familyI);
  SetCaptions();

  // The release gates the reserved outputs of family A only; family I keeps its code.
  const bool late = FirmwareAtLeast(Cliente, 1.1);
  HyperGrid2->setColumnHidden(kColReserved, !late);
  HyperGrid2->setColumnHidden(kColText, !late);
  Edit1->setText(ToQ(GlobalBuffer.Opzioni.CodUscSms));
  if (!familyI && !late) Edit1->clear();

  if (!familyI) OutputEventCount = CountOutputEvents(GlobalBuffer);
  for (int r = 1; r <= kOutputs; ++r) {
    HyperGrid2->SetText(r, kColText, ToQ(GlobalBuffer.Uscite[r].Messaggio));
    ShowFamilyICommandCells(r);
  }
}

void TfrmUscite::ShowFamilyICommandCells(int output) {
  const Tag_Uscita& out = GlobalBuffer.Uscite[output];
  hgOutI->SetText(output, kColName, ToQ(out.Messaggio));
  hgOutI->SetText(output, kColConfirm, Lang(ConfirmationText(out.Conferma)));
  hgOutI->SetText(output, kColOnTime, QString::number(out.TempoOn));
}

void TfrmUscite::PageClose() {
  HyperGrid2->CommitEditor();
  hgOutI->CommitEditor();
  GlobalBuffer.Opzioni.CodUscSms = FromQ(Edit1->text());
  const bool familyI = Cliente.TipoCentrale == kTypeVelaI;
  for (int r = 1; r <= kOutputs; ++r) {
    Tag_Uscita& out = GlobalBuffer.Uscite[r];
    if (!familyI) {
      out.Messaggio = FromQ(HyperGrid2->Text(r, kColText));
      continue;
    }
    out.Messaggio = FromQ(hgOutI->Text(r, kColName));
    out.TempoOn = OnTimeEditable(out) ? OnTimeFromText(FromQ(hgOutI->Text(r, kColOnTime))) : 0;
  }
}

void TfrmUscite::OnFamilyAClicked(int row, int col) {
  if (col == kColPolarity) {
    ClickOutputPolarity(GlobalBuffer, row);
  } else if (col >= kFirstEventColumn && col <= kLastEventColumn) {
    ClickOutputEvent(GlobalBuffer, OutputEventCount, row, col);
  } else if (col == kColReserved) {
    HyperGrid2->CommitEditor();
    ClickReservedOutput(GlobalBuffer, OutputEventCount, row);
    if (!GlobalBuffer.Uscite[row].OUTRESERV) HyperGrid2->SetText(row, kColText, QString());
  } else {
    return;
  }
  HyperGrid2->Refresh();
}

void TfrmUscite::OnFamilyIClicked(int row, int col) {
  if (col == kColPolarity) {
    ClickOutputPolarity(GlobalBuffer, row);
  } else if (col >= kColFirstBit && col <= kColLastBit) {
    ClickEventBit(GlobalBuffer, row, col - kColFirstBit);
  } else if (col == kColCommanded) {
    ClickCommanded(GlobalBuffer, row, PhoneEntryCount());
    if (!OutputCommanded(GlobalBuffer.Uscite[row])) ShowFamilyICommandCells(row);
  } else if (col == kColTimed) {
    ClickTimed(GlobalBuffer, row);
  } else {
    return;
  }
  hgOutI->Refresh();
}

void TfrmUscite::OnConfirmationChosen(int row, int, int index) {
  GlobalBuffer.Uscite[row].Conferma = ConfirmationOfChoice(WithShownName(row), index);
  hgOutI->SetText(row, kColConfirm, Lang(ConfirmationText(GlobalBuffer.Uscite[row].Conferma)));
}
