#include "shell/form_scaling.h"

#include <QAbstractScrollArea>
#include <QFrame>
#include <QGroupBox>
#include <QLayout>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QWidget>
#include <cmath>
#include <vector>

namespace {

bool InLayout(QLayout* layout, const QWidget* widget) {
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (item->widget() == widget) return true;
    if (item->layout() && InLayout(item->layout(), widget)) return true;
  }
  return false;
}

bool PlacedByLayout(const QWidget* widget) {
  const QWidget* parent = widget->parentWidget();
  return parent && parent->layout() && InLayout(parent->layout(), widget);
}

bool IsPlainContainer(const QWidget* widget) {
  const QMetaObject* meta = widget->metaObject();
  return meta == &QWidget::staticMetaObject || meta == &QFrame::staticMetaObject ||
         qobject_cast<const QGroupBox*>(widget);
}

// Pages of tab and stacked widgets fill their parent: only what they hold is scaled.
std::vector<QWidget*> PagesOf(QWidget* widget) {
  std::vector<QWidget*> pages;
  if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
    for (int i = 0; i < tabs->count(); ++i) pages.push_back(tabs->widget(i));
  } else if (auto* stack = qobject_cast<QStackedWidget*>(widget)) {
    for (int i = 0; i < stack->count(); ++i) pages.push_back(stack->widget(i));
  }
  return pages;
}

void CollectControls(QWidget* parent, std::vector<QWidget*>& out) {
  for (QObject* child : parent->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (!widget || widget->isWindow()) continue;
    const bool placed = PlacedByLayout(widget);
    if (!placed) out.push_back(widget);
    if (IsPlainContainer(widget)) CollectControls(widget, out);
    for (QWidget* page : PagesOf(widget)) CollectControls(page, out);
  }
}

struct Design {
  QWidget* widget;
  QRect bounds;
  QFont font;
  std::vector<int> columns;
};

double FontSize(const QFont& font) {
  return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize();
}

void SetFontSize(QFont& font, int size) {
  if (font.pointSizeF() > 0)
    font.setPointSize(size);
  else
    font.setPixelSize(size);
}

}  // namespace

int RoundHalfEven(double value) {
  const double down = std::floor(value);
  const double rest = value - down;
  double result = rest < 0.5 ? down : down + 1;
  if (rest == 0.5) result = std::fmod(down, 2.0) == 0 ? down : down + 1;
  return static_cast<int>(result);
}

ScreenScale ScaleForScreen(QSize screen, int designWidth, int designHeight) {
  ScreenScale scale;
  if (screen.width() >= designWidth || designWidth <= 0 || designHeight <= 0) return scale;
  scale.apply = true;
  scale.wf = static_cast<double>(screen.width()) / designWidth;
  scale.hf = static_cast<double>(screen.height()) / designHeight;
  return scale;
}

QRect ScaleBounds(const QRect& bounds, const ScreenScale& scale) {
  return QRect(RoundHalfEven(bounds.x() * scale.wf), RoundHalfEven(bounds.y() * scale.hf),
               RoundHalfEven(bounds.width() * scale.wf), RoundHalfEven(bounds.height() * scale.hf));
}

int ScaleFontSize(double size, const ScreenScale& scale) {
  const int scaled = RoundHalfEven(size * scale.hf);
  return scaled < 1 ? 1 : scaled;
}

void ScaleFormToScreen(QWidget* form, int designWidth, int designHeight) {
  const QScreen* screen = form->screen();
  ScaleFormToScreen(form, designWidth, designHeight,
                    screen ? screen->geometry().size() : QSize(designWidth, designHeight));
}

void ScaleFormToScreen(QWidget* form, int designWidth, int designHeight, QSize screen) {
  if (auto* area = qobject_cast<QAbstractScrollArea*>(form)) {
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  QFont formFont = form->font();
  formFont.setFamily("Arial");
  form->setFont(formFont);

  const ScreenScale scale = ScaleForScreen(screen, designWidth, designHeight);
  if (scale.apply) {
    // Every control's design bounds and font are read before any is changed, so a control
    // inside a container is scaled once, not again with its container's font.
    std::vector<QWidget*> controls;
    CollectControls(form, controls);
    std::vector<Design> designs;
    for (QWidget* widget : controls) {
      Design design{widget, widget->geometry(), widget->font(), {}};
      if (auto* grid = qobject_cast<QTableView*>(widget); grid && grid->model())
        for (int c = 0; c < grid->model()->columnCount(); ++c)
          design.columns.push_back(grid->columnWidth(c));
      designs.push_back(std::move(design));
    }
    form->resize(RoundHalfEven(form->width() * scale.wf), RoundHalfEven(form->height() * scale.hf));
    for (Design& design : designs) {
      if (auto* grid = qobject_cast<QTableView*>(design.widget))
        for (int c = 0; c < static_cast<int>(design.columns.size()); ++c)
          grid->setColumnWidth(c, RoundHalfEven(design.columns[c] * scale.wf));
      SetFontSize(design.font, ScaleFontSize(FontSize(design.font), scale));
      design.widget->setFont(design.font);
      design.widget->setGeometry(ScaleBounds(design.bounds, scale));
    }
  }
  if (form->isWindow()) {
    const QPoint origin = form->screen() ? form->screen()->geometry().topLeft() : QPoint();
    form->move(origin.x() + CenteredOffset(screen.width(), form->frameGeometry().width()),
               origin.y() + CenteredOffset(screen.height(), form->frameGeometry().height()));
  }
}

int CenteredOffset(int outer, int inner) {
  return (outer - inner) / 2;
}

void CenterPanel(QWidget* form, QWidget* panel, CenterAxis axis) {
  if (axis == CenterAxis::Horizontal)
    panel->move(CenteredOffset(form->width(), panel->width()), panel->y());
  else
    panel->move(panel->x(), CenteredOffset(form->height(), panel->height()));
}
