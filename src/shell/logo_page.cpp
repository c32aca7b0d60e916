#include "shell/logo_page.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPixmap>
#include <QUrl>

#include "shell/form_scaling.h"
#include "shell/settings.h"
#include "widgets/qt_text.h"

namespace {

QLabel* Picture(QWidget* parent, const QString& file) {
  auto* label = new QLabel(parent);
  label->setPixmap(QPixmap(file));
  label->adjustSize();
  return label;
}

}  // namespace

TfrmLogo::TfrmLogo(QWidget* owner) : TPageForm(owner) {
  setObjectName("TfrmLogo");
  resize(542, 373);
  Panel1 = new QWidget(this);
  Panel1->resize(397, 283);
  Panel2 = new QWidget(Panel1);
  const QString logo = QString::fromStdString(BitmapFolder) + "logo.png";
  Image1 = Picture(Panel2, logo);
  Image2 = Picture(Panel2, logo);
  Image3 = Picture(Panel2, logo);
  Label3 = new QLabel(Panel1);
  Label4 = new QLabel(Panel1);
  Label5 = new QLabel(Panel1);
  Label5->setObjectName("Label5");
  Label5->setCursor(Qt::PointingHandCursor);
  Label5->setTextFormat(Qt::RichText);
  // The desktop's browser opens the maker's site; a failure to start it is not reported.
  connect(Label5, &QLabel::linkActivated, this,
          [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); });
}

void TfrmLogo::PageShow() {
  Image1->hide();
  Image2->hide();
  Image3->show();
  Label4->setText("Release 1.0 Version 1");
  Label4->adjustSize();
  Label5->setText(QString("<a href=\"%1\">%1</a>").arg(kMakerAddress));
  Label5->adjustSize();
  Label3->hide();
  Arrange();
}

void TfrmLogo::resizeEvent(QResizeEvent* event) {
  TPageForm::resizeEvent(event);
  Arrange();
}

// Panel offsets may go negative on a page narrower than the panel: it is clipped then.
void TfrmLogo::Arrange() {
  Panel2->resize(Image3->width() + 5, Image3->height() + 5);
  Image3->move(0, 0);
  Panel2->move(CenteredOffset(Panel1->width(), Panel2->width()),
               CenteredOffset(Panel1->height(), Panel2->height()));
  Label4->move(CenteredOffset(Panel1->width(), Label4->width()),
               Panel2->geometry().bottom() + 1 + 10);
  Label5->move(CenteredOffset(Panel1->width(), Label5->width()), Label4->geometry().bottom() + 1);
  CenterPanel(this, Panel1, CenterAxis::Horizontal);
  CenterPanel(this, Panel1, CenterAxis::Vertical);
}
