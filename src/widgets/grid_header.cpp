#include "widgets/grid_header.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

#include "widgets/vela_grid.h"

GridHeader::GridHeader(VelaGrid* grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid) {
  setSectionsClickable(false);
  setHighlightSections(false);
  setSectionResizeMode(QHeaderView::Fixed);
  setMouseTracking(true);
  viewport()->setMouseTracking(true);
}

void GridHeader::SetHeight(int pixels) {
  height_ = pixels;
  updateGeometry();
  viewport()->update();
}

int GridHeader::Levels() const {
  for (const auto& band : grid_->Bands())
    if (!IsSpan(band)) return 2;
  return 1;
}

bool GridHeader::IsSpan(const GridBand& band) const {
  for (int c = band.first; c <= band.last; ++c)
    if (!grid_->Text(0, c).isEmpty()) return false;
  return true;
}

int GridHeader::LevelHeight() const {
  return grid_->verticalHeader()->defaultSectionSize() + 2;
}

QSize GridHeader::sizeHint() const {
  QSize size = QHeaderView::sizeHint();
  size.setHeight(height_ > 0 ? height_ : Levels() * LevelHeight());
  return size;
}

const GridBand* GridHeader::BandOver(int col) const {
  for (const auto& band : grid_->Bands())
    if (col >= band.first && col <= band.last) return &band;
  return nullptr;
}

QRect GridHeader::HeadingRect(int col) const {
  const int x = sectionViewportPosition(col);
  const int h = viewport()->height();
  const GridBand* band = BandOver(col);
  if (band && IsSpan(*band)) return BandRect(*band);
  if (Levels() == 1 || !band) return {x, 0, sectionSize(col), h};
  const int top = h / 2;
  return {x, top, sectionSize(col), h - top};
}

QRect GridHeader::BandRect(const GridBand& band) const {
  const int left = sectionViewportPosition(band.first);
  int width = 0;
  for (int c = band.first; c <= band.last; ++c)
    if (!isSectionHidden(c)) width += sectionSize(c);
  const int h = viewport()->height();
  return {left, 0, width, IsSpan(band) ? h : h / 2};
}

void GridHeader::PaintCell(QPainter& painter, const QRect& rect, const QString& text) const {
  QStyleOptionHeader option;
  initStyleOption(&option);
  option.rect = rect;
  option.section = 0;
  option.position = QStyleOptionHeader::Middle;
  style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, this);
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.drawText(rect.adjusted(2, 1, -2, -1), Qt::AlignCenter | Qt::TextWordWrap, text);
}

void GridHeader::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), palette().color(QPalette::Window));
  for (int col = 0; col < count(); ++col) {
    if (isSectionHidden(col)) continue;
    if (const GridBand* band = BandOver(col); band && IsSpan(*band)) continue;
    PaintCell(painter, HeadingRect(col), grid_->Text(0, col));
  }
  for (const auto& band : grid_->Bands()) PaintCell(painter, BandRect(band), band.text);
}

void GridHeader::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

void GridHeader::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const int col = logicalIndexAt(pos);
  const bool onHeading = col >= 0 && HeadingRect(col).contains(pos);
  grid_->HoverCell(onHeading ? 0 : -1, onHeading ? col : -1, event->globalPosition().toPoint());
}

void GridHeader::leaveEvent(QEvent* event) {
  grid_->HoverCell(-1, -1, {});
  QHeaderView::leaveEvent(event);
}
