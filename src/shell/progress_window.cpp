#include "shell/progress_window.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "shell/app_state.h"
#include "widgets/gauge.h"
#include "widgets/qt_text.h"

ProgressWindow::ProgressWindow(QWidget* owner)
    : QWidget(owner,
              Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle("Vela");
  setObjectName("ProgressWindow");
  gauge_ = new Gauge(this);
  gauge_->SetMaximum(165);
  cancel_ = new QPushButton(Lang(97), this);
  cancel_->hide();  // no transfer offers cancelling; the flag stays for one that will
  connect(cancel_, &QPushButton::clicked, this, [] { CancelRequested = true; });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(gauge_);
  layout->addWidget(cancel_, 0, Qt::AlignRight);
  resize(380, 70);
}

void ProgressWindow::ShowReset() {
  gauge_->SetPosition(0);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  show();
  raise();
}
