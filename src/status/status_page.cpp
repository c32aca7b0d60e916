#include "status/status_page.h"

#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "link/at_channel.h"
#include "link/sim_pin.h"
#include "model/record.h"
#include "pages/page_support.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/message_box.h"
#include "shell/pacing.h"
#include "shell/settings.h"
#include "shell/text_helpers.h"
#include "status/status_pictures.h"
#include "widgets/grid_pictures.h"
#include "widgets/hex_indicator.h"
#include "widgets/lcd_display.h"
#include "widgets/vela_grid.h"

namespace {

// Outputs grid: number, polarity, state, timer, timed, time left.
constexpr int kOutCols = 6;
constexpr int kOutHeadings[kOutCols] = {45, 31, 213, 214, 197, 230};
// Inputs grid: number, polarity, state, service active, service functions.
constexpr int kInCols = 5;
constexpr int kInHeadings[kInCols] = {45, 31, 213, 229, 185};

constexpr int kPendingWaitMs = 6000;

// The separator a locale's short format puts after its first field ("dd/MM/yy" gives '/').
char SeparatorOf(const QString& format, char fallback) {
  for (QChar c : format)
    if (!c.isLetter() && c.unicode() < 0x80) return static_cast<char>(c.unicode());
  return fallback;
}

QString LcdPicturePath(const std::string& file) {
  return ToQ(JoinPath(BitmapFolder, "lcd") + "/" + file);
}

void SetUpStatusGrid(VelaGrid* grid, int cols, int firstWidth, int width) {
  grid->SetFixedCols(1);
  grid->setColumnWidth(0, firstWidth);
  for (int c = 1; c < cols; ++c) grid->setColumnWidth(c, width);
  grid->SetRowHeight(22);
  grid->SetHeadingHeight(34);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->SetStretchLastColumn(true);
  grid->FitHeightToRows();
}

}  // namespace

TfrmStato::TfrmStato(QWidget* owner) : TPageForm(owner), self_(this) {
  auto* layout = new QVBoxLayout(this);

  GroupBox1 = new QGroupBox(this);
  auto* identityGrid = new QGridLayout(GroupBox1);
  for (int i = 0; i < 5; ++i) {
    captions[static_cast<std::size_t>(i)] = new QLabel(GroupBox1);
    identity[static_cast<std::size_t>(i)] = new QLabel(GroupBox1);
    identity[static_cast<std::size_t>(i)]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    identityGrid->addWidget(captions[static_cast<std::size_t>(i)], i, 0);
    identityGrid->addWidget(identity[static_cast<std::size_t>(i)], i, 1);
  }
  identityGrid->setColumnStretch(1, 1);
  Lcd = new LcdDisplay(GroupBox1);
  Lcd->setFixedSize(214, 70);
  identityGrid->addWidget(Lcd, 0, 2, 5, 1);

  auto* top = new QHBoxLayout;
  top->addWidget(GroupBox1, 1);
  BuildFamilyI(this);
  top->addWidget(pnlVELA_1);
  layout->addLayout(top);

  BuildGrids(this);
  layout->addWidget(Panel2);
  layout->addWidget(Panel4);
  BuildFamilyA(this);
  layout->addWidget(GroupBox2);
  layout->addStretch();
  StaticText1 = NewStatusLine(this);
  layout->addWidget(StaticText1);
  RouteStatusTips(this, StaticText1);

  Timer2 = new QTimer(this);
  Timer2->setSingleShot(true);
  connect(Timer2, &QTimer::timeout, this, &TfrmStato::Timer2Timer);
  Timer1 = new QTimer(this);
  Timer1->setSingleShot(true);
  connect(Timer1, &QTimer::timeout, this, &TfrmStato::Timer1Timer);
}

TfrmStato::~TfrmStato() {
  // A page freed without being closed still stops its thread before the port goes. A family
  // A poll still running lets go of the port itself when it returns.
  if (monitor_ && !monitor_->Ended()) StopFamilyI();
  if (polling_ && !inPoll_) StopPolling();
}

void TfrmStato::BuildFamilyI(QWidget* parent) {
  pnlVELA_1 = new QWidget(parent);
  auto* grid = new QGridLayout(pnlVELA_1);
  Label11 = new QLabel(pnlVELA_1);
  Label12 = new QLabel(pnlVELA_1);
  Label13 = new QLabel(pnlVELA_1);
  Image9 = new HexIndicator(IndicatorColours(), pnlVELA_1);
  Image8 = new QLabel(pnlVELA_1);
  Image10 = new QLabel(pnlVELA_1);
  Image8->setProperty("picture", -1);
  Image10->setProperty("picture", -1);
  grid->addWidget(Label11, 0, 0);
  grid->addWidget(Label12, 0, 1, 1, 3);
  grid->addWidget(Label13, 1, 0);
  grid->addWidget(Image9, 1, 1);
  grid->addWidget(Image8, 1, 2);
  grid->addWidget(Image10, 1, 3);
  for (QWidget* picture : {static_cast<QWidget*>(Image8), static_cast<QWidget*>(Image9),
                           static_cast<QWidget*>(Image10)})
    picture->installEventFilter(this);

  Panel4 = new QWidget(parent);
  auto* row = new QHBoxLayout(Panel4);
  row->setContentsMargins(0, 0, 0, 0);
  GroupBox3 = new QGroupBox(Panel4);
  GroupBox4 = new QGroupBox(Panel4);
  dtSms = new QLineEdit(GroupBox3);
  dtCid = new QLineEdit(GroupBox4);
  for (auto [box, field] : {std::pair{GroupBox3, dtSms}, std::pair{GroupBox4, dtCid}}) {
    field->setReadOnly(true);
    (new QVBoxLayout(box))->addWidget(field);
    row->addWidget(box);
  }
  BitBtn1 = new QPushButton(Panel4);
  connect(BitBtn1, &QPushButton::clicked, this, &TfrmStato::BitBtn1Click);
  row->addWidget(BitBtn1);
  row->addStretch();
}

void TfrmStato::BuildGrids(QWidget* parent) {
  Panel2 = new QWidget(parent);
  auto* row = new QHBoxLayout(Panel2);
  row->setContentsMargins(0, 0, 0, 0);
  auto* left = new QVBoxLayout;

  gbOutputs = new QGroupBox(Panel2);
  sgUscite = new VelaGrid(kStatusOutputs + 1, kOutCols, gbOutputs);
  SetUpStatusGrid(sgUscite, kOutCols, 30, 62);
  sgUscite->SetLook([this](int r, int c, GridCellLook& look) {
    if (r < 1 || r > kStatusOutputs) return;
    look.align = Qt::AlignCenter;
    if (c == 1) look.picture = PolarityPicture(OutputModePicture(outputs_, r));
    if (c == 2) look.picture = LampPixmap(OutputOn(outputs_, r));
    if (c == 3) look.picture = LampPixmap((outputs_[7] >> (r - 1)) & 1);
    if (c == 4 && OutputShowsValue(outputs_, r)) look.picture = TimerPixmap();
  });
  (new QVBoxLayout(gbOutputs))->addWidget(sgUscite);
  sgUscite->setContextMenuPolicy(Qt::CustomContextMenu);
  outputsMenu = new QMenu(this);
  ONOFF1 = outputsMenu->addAction(QString(), this, &TfrmStato::ONOFF1Click);
  connect(sgUscite, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    const int r = sgUscite->rowAt(at.y());
    if (r < 1 || r > kStatusOutputs) return;
    sgUscite->setCurrentCell(r, sgUscite->currentColumn() < 0 ? 1 : sgUscite->currentColumn());
    outputsMenu->popup(sgUscite->viewport()->mapToGlobal(at));
  });

  gbInputs = new QGroupBox(Panel2);
  sgIngressi = new VelaGrid(kStatusInputs + 1, kInCols, gbInputs);
  SetUpStatusGrid(sgIngressi, kInCols, 30, 62);
  sgIngressi->SetLook([this](int r, int c, GridCellLook& look) {
    if (r < 1 || r > kStatusInputs) return;
    if (c < 4) look.align = Qt::AlignCenter;
    if (c == 1) look.picture = PolarityPicture(InputRestPicture(inputs_, r));
    if (c == 2) look.picture = LampPixmap(InputActive(inputs_, r));
    if (c == 3 && r <= 3) look.picture = LampPixmap(InputServiceOn(inputs_, r));
  });
  (new QVBoxLayout(gbInputs))->addWidget(sgIngressi);
  left->addWidget(gbOutputs);
  left->addWidget(gbInputs);
  row->addLayout(left, 3);

  gbWarnings = new QGroupBox(Panel2);
  sgAllarmi = new VelaGrid(kWarningRows + 1, 2, gbWarnings);
  SetUpStatusGrid(sgAllarmi, 2, 120, 40);
  sgAllarmi->SetLook([this](int r, int c, GridCellLook& look) {
    if (c != 1 || r < 1 || r > kWarningRows) return;
    look.align = Qt::AlignCenter;
    look.picture = LampPixmap(WarningOn(shown_.warnings, r));
  });
  (new QVBoxLayout(gbWarnings))->addWidget(sgAllarmi);
  row->addWidget(gbWarnings, 1, Qt::AlignTop);
}

// language texts: 12, 27, 31, 45, 70, 74-80, 178, 185, 197, 210-214, 220-230, 235, 239, 240,
// 500, 501
void TfrmStato::SetCaptions() {
  setWindowTitle(Lang(70));
  for (int i = 0; i < 5; ++i) captions[static_cast<std::size_t>(i)]->setText(Lang(75 + i));
  GroupBox1->setTitle(Lang(74));
  GroupBox2->setTitle(Lang(80));
  gbOutputs->setTitle(Lang(210));
  for (int c = 0; c < kOutCols; ++c) sgUscite->SetText(0, c, Lang(kOutHeadings[c]));
  for (int r = 1; r <= 5; ++r)
    if (r < sgUscite->rowCount()) sgUscite->SetText(r, 0, QString::number(r));
  sgUscite->setToolTip(Lang(500));
  sgUscite->setStatusTip(Lang(500));
  gbInputs->setTitle(Lang(211));
  for (int c = 0; c < kInCols; ++c) sgIngressi->SetText(0, c, Lang(kInHeadings[c]));
  for (int r = 1; r <= kStatusInputs; ++r) sgIngressi->SetText(r, 0, QString::number(r));
  gbWarnings->setTitle(Lang(212));
  sgAllarmi->SetText(0, 0, Lang(27));
  for (int r = 1; r <= kWarningRows; ++r) sgAllarmi->SetText(r, 0, Lang(219 + r));
  Label11->setText(Lang(12));
  Label13->setText(Lang(228));
  ONOFF1->setText(Lang(235));
  BitBtn1->setText(Lang(178));
  BitBtn1->setToolTip(Lang(501));
  BitBtn1->setStatusTip(Lang(501));
  GroupBox3->setTitle(Lang(239));
  GroupBox4->setTitle(Lang(240));
}

void TfrmStato::ShowIdentity() {
  const std::string texts[] = {ModuleInfo.Manufacturer, ModuleInfo.Model, ModuleInfo.Revision,
                               ModuleInfo.SerialNumber, ModuleInfo.Imsi};
  for (std::size_t i = 0; i < identity.size(); ++i) identity[i]->setText(ToQ(texts[i]));
}

void TfrmStato::PageShow() {
  SetCaptions();
  ShowIdentity();
  familyI_ = Cliente.TipoCentrale == kTypeVelaI;
  pnlVELA_1->setVisible(familyI_);
  Panel2->setVisible(familyI_);
  Panel4->setVisible(familyI_);
  GroupBox2->setVisible(!familyI_);
  if (!familyI_) return;
  monitor_ = std::make_unique<FamilyIMonitor>(Comm, [page = self_](int code, int arg) {
    // On the polling thread: the page is drawn later, on the user-interface thread, if it
    // is still there.
    if (UiHost* host = CurrentUiHost())
      host->Post([page, code, arg] {
        if (page) page->OnMessage(code, arg);
      });
  });
  Timer2->start(ScaledMs(1000));
}

void TfrmStato::Timer2Timer() {
  Timer2->stop();
  bool ok = false;
  try {
    ok = CheckSimPin(Comm);
  } catch (const std::exception& e) {
    ShowMessageBox(e.what(), MsgKind::Warning, MsgButtons::Ok);
  }
  if (!ok) {
    OnMessage(kMsgIndicator, kIndicatorNoAnswer);
    return;
  }
  monitor_->Start(ModuleInfo);
}

void TfrmStato::OnMessage(int code, int arg) {
  if (!monitor_) return;
  switch (code) {
    case kMsgIndicator:
      Image9->SetPicture(arg);
      break;
    case kMsgVersion:
      if (arg == 0) {
        Label12->setText(ToQ(monitor_->Status().version));
      } else {
        Label12->clear();
        StaticText1->setText(Lang(127));
      }
      break;
    case kMsgSignal:
      shown_ = monitor_->Status();
      RefreshSignal();
      break;
    case kMsgOutputs:
      outputs_ = monitor_->Outputs();
      for (int r = 1; r <= kStatusOutputs; ++r)
        sgUscite->SetText(
            r, 5,
            OutputShowsValue(outputs_, r) ? QString::number(OutputValue(outputs_, r)) : QString());
      sgUscite->Refresh();
      break;
    case kMsgInputs:
      inputs_ = monitor_->Inputs();
      for (int r = 1; r <= 3; ++r) sgIngressi->SetText(r, 4, ToQ(InputServiceText(inputs_, r)));
      sgIngressi->Refresh();
      break;
    case kMsgIdentity:
      if (arg == 0) ModuleInfo = monitor_->Identity();
      ShowIdentity();
      break;
    case kMsgActivity:
      if (arg == 1) setCursor(Qt::WaitCursor);
      if (arg == 2) {
        Image10->setPixmap(ActivityPixmap(activityFrame_));
        Image10->setProperty("picture", activityFrame_);
        activityFrame_ = (activityFrame_ + 1) % kActivityFrames;
      }
      break;
    case kMsgDates:
      shown_.smsMinutes = monitor_->Status().smsMinutes;
      shown_.reportMinutes = monitor_->Status().reportMinutes;
      RefreshDates();
      break;
    default:  // the hint reaches the status line without a message here
      break;
  }
}

void TfrmStato::RefreshSignal() {
  sgAllarmi->Refresh();
  const QString folder = ToQ(JoinPath(BitmapFolder, "lcd"));
  if (SignalPresent(shown_.signal)) {
    Lcd->SetLine(2, QString());
    Lcd->SetLine(3, ToQ(ModuleInfo.Operator));
    const QString file =
        LcdPicturePath("lcd-sign" + std::to_string(SignalPictureNumber(shown_.signal)) + ".bmp");
    if (QFileInfo::exists(file)) {
      Lcd->SetPictureFile(file);
      const int picture = SupplyPicture(shown_.supply);
      Image8->setPixmap(SupplyPixmap(picture));
      Image8->setProperty("picture", picture);
    }
  } else {
    const QString file = LcdPicturePath("nosign.bmp");
    if (QFileInfo::exists(file)) Lcd->SetPictureFile(file);
    Lcd->SetLine(2, Lang(159));
    Lcd->SetLine(3, Lang(160));
  }
}

void TfrmStato::RefreshDates() {
  const QLocale locale = QLocale::system();
  const char date = SeparatorOf(locale.dateFormat(QLocale::ShortFormat), '/');
  const char time = SeparatorOf(locale.timeFormat(QLocale::ShortFormat), ':');
  const DateTime now = DateTimeNow();
  dtSms->setText(ToQ(PeriodicDateText(now, shown_.smsMinutes, date, time)));
  dtCid->setText(ToQ(PeriodicDateText(now, shown_.reportMinutes, date, time)));
}

bool TfrmStato::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter &&
      (watched == Image8 || watched == Image9 || watched == Image10)) {
    const std::string hint = monitor_ ? SupplyHint(monitor_->Status().supply) : std::string();
    if (!hint.empty()) Image8->setToolTip(ToQ(hint));
  }
  return TPageForm::eventFilter(watched, event);
}

void TfrmStato::WaitWithMessages(int nominalMs) {
  QEventLoop loop;
  QTimer::singleShot(ScaledMs(nominalMs), &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void TfrmStato::QueueCommand(uint8_t command) {
  // Without a running thread nobody would take the command.
  if (!monitor_ || monitor_->Ended()) return;
  const auto start = WaitStart();
  while (monitor_->CommandPending() && NominalMsSince(start) < kPendingWaitMs) {
    WaitWithMessages(100);
  }
  monitor_->SetCommand(command);  // refused while the earlier one is still pending
}

void TfrmStato::ONOFF1Click() {
  const int r = sgUscite->currentRow();
  if (r >= 1 && r <= kStatusOutputs) QueueCommand(OutputSwitchCommand(r));
}

void TfrmStato::BitBtn1Click() {
  QueueCommand(kServiceCommand);
}

void TfrmStato::StopFamilyI() {
  Timer2->stop();
  if (!monitor_) return;
  monitor_->RequestStop();
  const auto start = WaitStart();
  while (!monitor_->Ended()) {
    // Past the limit the wait goes on: a read still running ends within its own timeout,
    // and closing the port under it could hand its descriptor to the next user.
    WaitWithMessages(NominalMsSince(start) < kCloseWaitMs ? 200 : 50);
  }
  monitor_->Join();
  CloseComm(Comm);
  WaitWithMessages(300);
  monitor_->ClearStop();
}

void TfrmStato::PageClose() {
  if (familyI_) StopFamilyI();
  if (polling_) {
    if (inPoll_)
      stopAfterPoll_ = true;
    else
      StopPolling();
  }
}

bool TfrmStato::CanLeave() {
  if (!BusyFlag) return true;
  ShowMessageBox(LanguageText(161), MsgKind::Warning, MsgButtons::Ok);
  return false;
}
