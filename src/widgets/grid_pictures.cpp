#include "widgets/grid_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <algorithm>

QPixmap PolarityPicture(int polarity) {
  constexpr int kW = 28, kH = 16;
  QPixmap pixmap(kW, kH);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, false);
  const bool high = polarity != 0;
  const int rest = high ? kH - 3 : 2;
  const int active = high ? 2 : kH - 3;
  p.setPen(QPen(high ? QColor(0xb0, 0x20, 0x20) : QColor(0x20, 0x40, 0xb0), 2));
  QPainterPath path;
  path.moveTo(1, rest);
  path.lineTo(9, rest);
  path.lineTo(9, active);
  path.lineTo(19, active);
  path.lineTo(19, rest);
  path.lineTo(kW - 1, rest);
  p.drawPath(path);
  return pixmap;
}

void DrawCellBox(QPainter& painter, const QRect& rect, bool checked, bool grey,
                 const QPalette& palette) {
  const int side = std::min({13, rect.width() - 4, rect.height() - 4});
  if (side <= 2) return;
  QRect box(0, 0, side, side);
  box.moveCenter(rect.center());
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(
      box, grey ? palette.color(QPalette::Button).darker(115) : palette.color(QPalette::Base));
  painter.setPen(palette.color(QPalette::Mid));
  painter.drawRect(box.adjusted(0, 0, -1, -1));
  if (checked) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(grey ? palette.color(QPalette::Dark) : palette.color(QPalette::Text), 2));
    const QRectF in = QRectF(box).adjusted(2.5, 2.5, -2.5, -2.5);
    painter.drawLine(QPointF(in.left(), in.center().y()),
                     QPointF(in.left() + in.width() * 0.4, in.bottom()));
    painter.drawLine(QPointF(in.left() + in.width() * 0.4, in.bottom()), in.topRight());
  }
  painter.restore();
}
