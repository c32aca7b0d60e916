#include "remote/chiamate_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "link/at_channel.h"
#include "model/record.h"
#include "pages/page_support.h"
#include "shell/module_poller.h"
#include "shell/ui_host.h"
#include "widgets/vela_grid.h"

namespace {

constexpr int kCols = 3;
constexpr int kHeadings[kCols] = {45, 13, 28};

VelaGrid* NewCallGrid(QGroupBox* box) {
  auto* grid = new VelaGrid(2, kCols, box);
  grid->SetFixedCols(1);
  grid->setColumnWidth(0, 36);
  grid->setColumnWidth(1, 200);
  grid->SetStretchLastColumn(true);
  grid->SetRowHeight(22);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  (new QVBoxLayout(box))->addWidget(grid);
  return grid;
}

}  // namespace

TfrmChiamate::TfrmChiamate(QWidget* owner) : TPageForm(owner) {
  auto* layout = new QVBoxLayout(this);
  auto* tools = new QHBoxLayout;
  SpeedButton4 = new QToolButton(this);
  SpeedButton4->setToolButtonStyle(Qt::ToolButtonTextOnly);
  connect(SpeedButton4, &QToolButton::clicked, this, &TfrmChiamate::SpeedButton4Click);
  tools->addWidget(SpeedButton4);
  tools->addStretch();
  layout->addLayout(tools);
  GroupBox1 = new QGroupBox(this);
  GroupBox3 = new QGroupBox(this);
  GroupBox2 = new QGroupBox(this);
  gRicevute = NewCallGrid(GroupBox1);
  gPerse = NewCallGrid(GroupBox3);
  gEffettuate = NewCallGrid(GroupBox2);
  for (QGroupBox* box : {GroupBox1, GroupBox3, GroupBox2}) layout->addWidget(box, 1);
  Panel3 = new QWidget(this);
  auto* panel = new QVBoxLayout(Panel3);
  panel->setContentsMargins(0, 0, 0, 0);
  StaticText1 = NewStatusLine(Panel3);
  panel->addWidget(StaticText1);
  layout->addWidget(Panel3);
  RouteStatusTips(this, StaticText1);
}

// language texts: 13, 20, 28, 45, 70-73, 480
void TfrmChiamate::PageShow() {
  setWindowTitle(Lang(70));
  GroupBox1->setTitle(Lang(71));
  GroupBox3->setTitle(Lang(73));
  GroupBox2->setTitle(Lang(72));
  for (VelaGrid* grid : {gRicevute, gPerse, gEffettuate})
    for (int c = 0; c < kCols; ++c) grid->SetText(0, c, Lang(kHeadings[c]));
  SpeedButton4->setText(Lang(20));
  StaticText1->setText(Lang(480));
  const bool familyA = Cliente.TipoCentrale == kTypeVelaA;
  GroupBox2->setVisible(!familyA);
  Panel3->setVisible(!familyA);
}

void TfrmChiamate::FillGrid(VelaGrid* grid, const std::vector<std::string>& lines) {
  const std::vector<CallEntry> calls = CallEntriesFromLines(lines);
  grid->SetRows(1 + std::max<int>(1, static_cast<int>(calls.size())));
  for (int c = 0; c < kCols; ++c) grid->SetText(1, c, QString());
  for (std::size_t i = 0; i < calls.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    grid->SetText(row, 0, QString::number(row));
    grid->SetText(row, 1, ToQ(calls[i].name));
    grid->SetText(row, 2, ToQ(calls[i].number));
  }
}

void TfrmChiamate::SpeedButton4Click() {
  CallLists lists;
  if (Cliente.TipoCentrale == kTypeVelaI) {
    if (!LoadCallListsFamilyI(Comm, lists)) return;
    FillGrid(gRicevute, lists.received);
    FillGrid(gPerse, lists.missed);
    FillGrid(gEffettuate, lists.dialled);
    return;
  }
  UiHost* host = CurrentUiHost();
  if (host) host->SetWaitCursor(true);
  PausePoller();
  bool answering = false;
  if (LoadCallListsFamilyA(Comm, Cliente, ModuleReady, lists, answering)) {
    FillGrid(gRicevute, lists.received);
    FillGrid(gPerse, lists.missed);
  }
  if (answering) ModuleReady = true;
  ResumePoller();
  if (host) host->SetWaitCursor(false);
}
