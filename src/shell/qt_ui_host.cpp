#include "shell/qt_ui_host.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

#include "shell/cp1252.h"
#include "shell/progress_window.h"
#include "widgets/gauge.h"

namespace {

QMessageBox::Icon IconOf(MsgKind kind) {
  switch (kind) {
    case MsgKind::Warning:
      return QMessageBox::Warning;
    case MsgKind::Error:
      return QMessageBox::Critical;
    case MsgKind::Information:
      return QMessageBox::Information;
    case MsgKind::Confirmation:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok:
      return QMessageBox::Ok;
    case MsgButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

MsgResult ResultOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return MsgResult::Yes;
    case QMessageBox::No:
      return MsgResult::No;
    case QMessageBox::Cancel:
      return MsgResult::Cancel;
    default:
      return MsgResult::Ok;
  }
}

}  // namespace

QtUiHost::QtUiHost() = default;

QtUiHost::~QtUiHost() {
  if (waitCursor_) QApplication::restoreOverrideCursor();
}

MsgResult QtUiHost::Box(const std::string& text, MsgKind kind, MsgButtons buttons) {
  QMessageBox box(IconOf(kind), QApplication::applicationName(),
                  QString::fromStdString(Cp1252ToUtf8(text)), ButtonsOf(buttons), main_);
  return ResultOf(box.exec());
}

ProgressWindow* QtUiHost::progressWindow() {
  if (!progress_) progress_ = new ProgressWindow(main_);
  return progress_;
}

void QtUiHost::ProgressShow() {
  progressWindow()->ShowReset();
  ProcessMessages();
}

void QtUiHost::ProgressHide() {
  if (progress_) progress_->hide();
}

void QtUiHost::ProgressSetMaximum(int maximum) {
  progressWindow()->gauge()->SetMaximum(maximum);
}

void QtUiHost::ProgressSetCaption(const std::string& caption) {
  progressWindow()->setWindowTitle(QString::fromStdString(Cp1252ToUtf8(caption)));
}

void QtUiHost::ProgressSetPosition(int position) {
  progressWindow()->gauge()->SetPosition(position);
}

int QtUiHost::ProgressPosition() const {
  return progress_ ? progress_->gauge()->Position() : 0;
}

void QtUiHost::SetWaitCursor(bool on) {
  if (on == waitCursor_) return;
  waitCursor_ = on;
  if (on)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

bool QtUiHost::WaitCursorShown() const {
  return waitCursor_;
}

void QtUiHost::Beep() {
  QApplication::beep();
}

void QtUiHost::ProcessMessages() {
  QApplication::processEvents();
}

void QtUiHost::WaitWithEvents(int realMs) {
  QEventLoop loop;
  QTimer::singleShot(realMs, &loop, &QEventLoop::quit);
  loop.exec();
}

bool QtUiHost::IsUiThread() const {
  return QThread::currentThread() == QApplication::instance()->thread();
}

void QtUiHost::Post(std::function<void()> fn) {
  QMetaObject::invokeMethod(QApplication::instance(), std::move(fn), Qt::QueuedConnection);
}

void QtUiHost::RunOnUiThread(const std::function<void()>& fn) {
  if (IsUiThread()) {
    fn();
    return;
  }
  QMetaObject::invokeMethod(QApplication::instance(), fn, Qt::BlockingQueuedConnection);
}
