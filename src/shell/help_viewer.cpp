#include "shell/help_viewer.h"

#include <QFileInfo>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QVBoxLayout>

#include "shell/language.h"
#include "shell/message_box.h"
#include "shell/settings.h"

TfrmHelp::TfrmHelp(QWidget* parent) : QDialog(parent) {
  setObjectName("TfrmHelp");
  document_ = new QPdfDocument(this);
  view_ = new QPdfView(this);
  view_->setDocument(document_);
  view_->setPageMode(QPdfView::PageMode::MultiPage);
  view_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  resize(900, 1000);
}

bool TfrmHelp::Open(const QString& path, int page) {
  setWindowTitle(path);
  if (document_->load(path) != QPdfDocument::Error::None) return false;
  if (page < 0 || page >= document_->pageCount()) return false;
  view_->pageNavigator()->jump(page, {}, view_->pageNavigator()->currentZoom());
  return true;
}

void ShowManual(int page, QWidget* parent) {
  const QString path = QString::fromStdString(HelpFolder) + "LR4090.PDF";
  if (!QFileInfo::exists(path)) return;
  TfrmHelp help(parent);
  if (!help.Open(path, page)) {
    ShowMessageBox(LanguageText(1124), MsgKind::Error, MsgButtons::Ok);
    return;
  }
  help.setWindowState(Qt::WindowMaximized);
  help.exec();
}
