#include "widgets/hex_indicator.h"

#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

HexIndicator::HexIndicator(std::vector<QColor> pictures, QWidget* parent)
    : QWidget(parent), pictures_(std::move(pictures)) {
  setMinimumSize(18, 16);
}

void HexIndicator::SetPicture(int index) {
  if (index < 0 || index >= static_cast<int>(pictures_.size())) index = -1;
  if (index == picture_) return;
  picture_ = index;
  update();
}

void HexIndicator::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QPointF c = QRectF(rect()).center();
  const double r = std::min(width(), height()) / 2.0 - 1.5;
  QPolygonF hexagon;
  for (int k = 0; k < 6; ++k) {
    const double a = M_PI / 3.0 * k;  // flat top and bottom
    hexagon << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
  }
  const QColor lit = picture_ >= 0 ? pictures_[static_cast<std::size_t>(picture_)]
                                   : palette().color(QPalette::Button).darker(130);
  QRadialGradient glow(c - QPointF(r / 3, r / 3), r * 1.4);
  glow.setColorAt(0, lit.lighter(160));
  glow.setColorAt(1, lit.darker(120));
  p.setBrush(glow);
  p.setPen(QPen(palette().color(QPalette::Dark), 1.2));
  p.drawPolygon(hexagon);
}
