#include "widgets/lcd_display.h"

#include <QPainter>

namespace {

const QColor kBacklight(0x9c, 0xc4, 0x3c);
const QColor kDotOn(0x1e, 0x2a, 0x10);
const QColor kDotOff(0x92, 0xb8, 0x38);
constexpr int kDotPitch = 2;  // screen pixels per matrix dot

}  // namespace

LcdDisplay::LcdDisplay(QWidget* parent) : QWidget(parent) {
  setMinimumSize(120, 60);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void LcdDisplay::SetLine(int line, const QString& text) {
  if (line < 0 || line >= kLines || lines_[line] == text) return;
  lines_[line] = text;
  update();
}

QString LcdDisplay::Line(int line) const {
  return line >= 0 && line < kLines ? lines_[line] : QString();
}

bool LcdDisplay::SetPictureFile(const QString& path) {
  QImage image(path);
  pictureFile_ = image.isNull() ? QString() : path;
  picture_ = image;
  update();
  return !picture_.isNull();
}

void LcdDisplay::ClearPicture() {
  picture_ = QImage();
  pictureFile_.clear();
  update();
}

// Draws the text at the matrix resolution, one image pixel per dot.
QImage LcdDisplay::RenderDots() const {
  const int cols = std::max(1, width() / kDotPitch);
  const int rows = std::max(1, height() / kDotPitch);
  QImage dots(cols, rows, QImage::Format_Grayscale8);
  dots.fill(Qt::white);
  QPainter p(&dots);
  QFont font("DejaVu Sans Mono");
  font.setPixelSize(std::max(5, rows / kLines - 2));
  font.setStyleStrategy(QFont::NoAntialias);
  p.setFont(font);
  p.setPen(Qt::black);
  const int lineHeight = rows / kLines;
  int textLeft = 1;
  if (!picture_.isNull()) {
    const QImage scaled =
        picture_.scaledToHeight(std::max(1, rows - 2)).convertToFormat(QImage::Format_Grayscale8);
    p.drawImage(1, 1, scaled);
    textLeft = scaled.width() + 3;
  }
  for (int i = 0; i < kLines; ++i)
    p.drawText(QRect(textLeft, i * lineHeight, cols - textLeft, lineHeight),
               Qt::AlignLeft | Qt::AlignVCenter, lines_[i]);
  return dots;
}

void LcdDisplay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kBacklight);
  const QImage dots = RenderDots();
  for (int y = 0; y < dots.height(); ++y) {
    const uchar* row = dots.constScanLine(y);
    for (int x = 0; x < dots.width(); ++x)
      p.fillRect(x * kDotPitch, y * kDotPitch, kDotPitch - 1, kDotPitch - 1,
                 row[x] < 128 ? kDotOn : kDotOff);
  }
}
