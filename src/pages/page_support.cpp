#include "pages/page_support.h"

#include <QEvent>
#include <QGridLayout>
#include <QStatusTipEvent>

#include "model/record.h"
#include "pages/input_rules.h"
#include "pages/key_chars.h"
#include "shell/cp1252.h"
#include "shell/language.h"
#include "widgets/grid_pictures.h"
#include "widgets/vela_grid.h"

char KeyChar(QChar ch) {
  if (ch == VelaGrid::kBackspace) return kKeyBackspace;
  if (ch == VelaGrid::kDelete) return '\x7f';
  if (ch.unicode() < 0x80) return static_cast<char>(ch.unicode());
  return kKeyOther;
}

namespace {

class StatusTipRouter : public QObject {
 public:
  StatusTipRouter(QWidget* page, QLabel* line) : QObject(page), line_(line) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::StatusTip) return false;
    line_->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }

 private:
  QLabel* line_;
};

}  // namespace

void RouteStatusTips(QWidget* page, QLabel* line) {
  page->installEventFilter(new StatusTipRouter(page, line));
}

QLabel* NewStatusLine(QWidget* parent) {
  auto* line = new QLabel(parent);
  line->setFrameShape(QFrame::StyledPanel);
  line->setFrameShadow(QFrame::Sunken);
  line->setMinimumHeight(line->fontMetrics().height() + 8);
  line->setTextFormat(Qt::PlainText);
  return line;
}

PolarityLegend NewPolarityLegend(QWidget* parent) {
  PolarityLegend legend;
  legend.box = new QWidget(parent);
  auto* layout = new QGridLayout(legend.box);
  layout->setContentsMargins(0, 0, 0, 0);
  for (int polarity : {1, 0}) {
    auto* picture = new QLabel(legend.box);
    picture->setPixmap(PolarityPicture(polarity));
    auto* text = new QLabel(legend.box);
    const int row = polarity ? 0 : 1;
    layout->addWidget(picture, row, 0);
    layout->addWidget(text, row, 1);
    (polarity ? legend.Label1 : legend.Label2) = text;
  }
  layout->setColumnStretch(1, 1);
  return legend;
}

FloatingTip::FloatingTip(QWidget* page) : QLabel(page) {
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::ToolTipBase);
  setForegroundRole(QPalette::ToolTipText);
  setMargin(2);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void FloatingTip::ShowNear(QPoint globalPos, const QString& text) {
  QWidget* page = parentWidget();
  setText(text);
  adjustSize();
  QPoint at = page->mapFromGlobal(globalPos) + QPoint(12, 16);
  at.setX(std::min(at.x(), std::max(0, page->width() - width())));
  move(at);
  raise();
  show();
}

QString PhoneEntryTip(int entry) {
  const Tag_NumeroTelefonico& phone = GlobalBuffer.NumeriTelefonici[entry];
  return ToQ(phone.Descrizione) + "[" + ToQ(phone.Numero) + "]";
}

bool ServiceAndLineSwitchLook(int row, int col, int serviceCol, GridCellLook& look) {
  if (col < serviceCol || col > serviceCol + 2) return false;
  look.box = true;
  if (col == serviceCol) {
    look.checked = GlobalBuffer.Ingressi[row].Serv;
    return true;
  }
  look.grey = row != kLineSwitchInput;
  if (!look.grey)
    look.checked =
        col == serviceCol + 1 ? GlobalBuffer.Opzioni.UsaGsm : GlobalBuffer.Opzioni.CommutaChiama;
  return true;
}
