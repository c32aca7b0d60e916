#include "status/status_pictures.h"

#include <QPainter>
#include <cmath>

#include "status/device_status.h"

namespace {

QPixmap Blank(int w, int h) {
  QPixmap pixmap(w, h);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

std::vector<QColor> IndicatorColours() {
  return {QColor(0x2e, 0xb8, 0x3c), QColor(0xd8, 0x2c, 0x20), QColor(0xf0, 0xb8, 0x18),
          QColor(0x70, 0x78, 0x88)};
}

QPixmap SupplyPixmap(int picture) {
  const int bars = picture - kFirstSupplyPicture + 1;
  QPixmap pixmap = Blank(30, 16);
  QPainter p(&pixmap);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawRect(0, 1, 25, 13);
  p.fillRect(26, 5, 3, 6, Qt::black);
  const QColor fill = bars <= 1 ? QColor(0xd8, 0x2c, 0x20) : QColor(0x2e, 0xb8, 0x3c);
  for (int b = 0; b < bars && b < 4; ++b) p.fillRect(2 + b * 6, 3, 5, 10, fill);
  return pixmap;
}

QPixmap LampPixmap(bool on) {
  QPixmap pixmap = Blank(16, 16);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
  p.setBrush(on ? QColor(0x30, 0xe0, 0x40) : QColor(0x50, 0x58, 0x50));
  p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
  return pixmap;
}

QPixmap TimerPixmap() {
  QPixmap pixmap = Blank(16, 16);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(QColor(0x20, 0x40, 0xb0), 1.5));
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  p.drawLine(QPointF(8, 8), QPointF(8, 4));
  p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
  return pixmap;
}

QPixmap ActivityPixmap(int frame) {
  QPixmap pixmap = Blank(18, 18);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  for (int k = 0; k < kActivityFrames; ++k) {
    const double a = 2 * M_PI * k / kActivityFrames;
    const int age = (frame - k + kActivityFrames) % kActivityFrames;
    p.setBrush(QColor(0x20, 0x40, 0xb0, std::max(30, 255 - age * 40)));
    p.drawEllipse(QPointF(9 + 6 * std::sin(a), 9 - 6 * std::cos(a)), 1.8, 1.8);
  }
  return pixmap;
}
