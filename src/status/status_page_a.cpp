// The family A side of the status page: the toggle button and the one-second poll of the
// module's cells and signal, with the port taken over from the module-information poller.
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QToolButton>

#include "link/at_channel.h"
#include "pages/page_support.h"
#include "shell/app_state.h"
#include "shell/main_window.h"
#include "shell/module_poller.h"
#include "shell/pacing.h"
#include "shell/settings.h"
#include "shell/text_helpers.h"
#include "status/family_a_poll.h"
#include "status/status_page.h"
#include "widgets/lcd_display.h"

namespace {

constexpr int kPollMs = 1000;

// Loads an LCD picture into a label; an empty name leaves the picture, a file that cannot
// be loaded clears it.
void ShowSignalPicture(QLabel* label, const std::string& file) {
  if (file.empty()) return;
  const QPixmap pixmap(ToQ(JoinPath(BitmapFolder, "lcd") + "/" + file));
  label->setPixmap(pixmap);
  label->setProperty("file", pixmap.isNull() ? QString() : ToQ(file));
}

}  // namespace

void TfrmStato::BuildFamilyA(QWidget* parent) {
  GroupBox2 = new QGroupBox(parent);
  auto* grid = new QGridLayout(GroupBox2);
  for (int i = 0; i < kCellSlots; ++i) {
    cellLabels[static_cast<std::size_t>(i)] = new QLabel(GroupBox2);
    cellPictures[static_cast<std::size_t>(i)] = new QLabel(GroupBox2);
    cellPictures[static_cast<std::size_t>(i)]->setFixedSize(40, 20);
    cellPictures[static_cast<std::size_t>(i)]->setScaledContents(true);
    grid->addWidget(cellPictures[static_cast<std::size_t>(i)], i, 0);
    grid->addWidget(cellLabels[static_cast<std::size_t>(i)], i, 1);
  }
  Image7 = new QLabel(GroupBox2);
  Image7->setFixedSize(60, 30);
  Image7->setScaledContents(true);
  grid->addWidget(Image7, 0, 2, 2, 1);
  SpeedButton1 = new QToolButton(GroupBox2);
  SpeedButton1->setCheckable(true);
  SpeedButton1->setIcon(QIcon::fromTheme("media-playback-start"));
  SpeedButton1->setText(QStringLiteral("\u25B6"));
  grid->addWidget(SpeedButton1, 2, 2);
  grid->setColumnStretch(1, 1);
  connect(SpeedButton1, &QToolButton::toggled, this, &TfrmStato::SpeedButton1Click);
}

void TfrmStato::SpeedButton1Click(bool down) {
  if (down == polling_) return;
  if (down) {
    if (!StartPolling()) {
      const QSignalBlocker block(SpeedButton1);
      SpeedButton1->setChecked(false);
    }
  } else if (inPoll_) {
    stopAfterPoll_ = true;  // the poll in progress still has the port
  } else {
    StopPolling();
  }
}

bool TfrmStato::StartPolling() {
  // Only a module that has told who it is gets asked.
  for (int i = 0; i < 3; ++i)
    if (identity[static_cast<std::size_t>(i)]->text().isEmpty()) return false;
  PausePoller();
  if (!EnsureOpen(Comm)) {
    ResumePoller();
    return false;
  }
  polling_ = true;
  stopAfterPoll_ = false;
  BusyFlag = true;
  if (auto* window = qobject_cast<TfrmMain*>(this->window()); window && window->lcd) {
    window->lcd->SetLine(2, QString());
    window->lcd->ClearPicture();
  }
  Timer1->start(ScaledMs(kPollMs));
  return true;
}

void TfrmStato::Timer1Timer() {
  Timer1->stop();
  if (!polling_) return;
  inPoll_ = true;
  QPointer<TfrmStato> alive(this);
  const CellPoll poll = PollCellsAndSignal(Comm);
  if (!alive) {
    ReleasePort();  // the page went while its poll was running
    return;
  }
  inPoll_ = false;
  ShowCells(poll);
  if (stopAfterPoll_) {
    StopPolling();
    return;
  }
  if (polling_) Timer1->start(ScaledMs(kPollMs));
}

void TfrmStato::ShowCells(const CellPoll& poll) {
  for (int i = 0; i < kCellSlots; ++i) {
    QLabel* label = cellLabels[static_cast<std::size_t>(i)];
    QLabel* picture = cellPictures[static_cast<std::size_t>(i)];
    if (i < static_cast<int>(poll.cells.size())) {
      label->setText(ToQ(poll.cells[static_cast<std::size_t>(i)].label));
      ShowSignalPicture(picture, SignalPictureFile(poll.cells[static_cast<std::size_t>(i)].value));
    } else {
      label->clear();
      picture->clear();
      picture->setProperty("file", QString());
    }
  }
  if (poll.signalRead) ShowSignalPicture(Image7, SignalPictureFile(poll.signal));
}

void TfrmStato::StopPolling() {
  Timer1->stop();
  polling_ = false;
  stopAfterPoll_ = false;
  ReleasePort();
  const QSignalBlocker block(SpeedButton1);
  SpeedButton1->setChecked(false);
}

void TfrmStato::ReleasePort() {
  BusyFlag = false;
  ResumePoller();
  CloseComm(Comm);
}
