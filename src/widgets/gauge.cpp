#include "widgets/gauge.h"

#include <QPainter>
#include <algorithm>

Gauge::Gauge(QWidget* parent) : QWidget(parent) {
  setMinimumHeight(18);
}

void Gauge::SetMaximum(int maximum) {
  maximum_ = std::max(1, maximum);
  update();
}

void Gauge::SetPosition(int position) {
  position_ = std::max(0, position);
  update();
}

int Gauge::Percent() const {
  return std::min(100, position_ * 100 / maximum_);
}

void Gauge::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect frame = rect().adjusted(0, 0, -1, -1);
  p.fillRect(frame, palette().base());
  QRect filled = frame.adjusted(1, 1, 0, 0);
  filled.setWidth(filled.width() * Percent() / 100);
  p.fillRect(filled, palette().highlight());
  p.setPen(palette().dark().color());
  p.drawRect(frame);
  p.setPen(palette().text().color());
  p.drawText(rect(), Qt::AlignCenter, QString::number(Percent()) + " %");
}
