// Draws the pictures of the LCD panel and the logo: make-pictures OUTPUT_FOLDER
// Writes lcd/lcd-sign1.bmp .. lcd-sign10.bmp, lcd/none.bmp, lcd/nosign.bmp and logo.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kW = 30, kH = 24;

QImage Blank() {
  QImage image(kW, kH, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// An antenna mast on the left, as every signal picture shows it.
void DrawMast(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(3, 2, 3, kH - 2);
  p.drawLine(0, 2, 3, 6);
  p.drawLine(6, 2, 3, 6);
}

// Level 1..10: that many bars of rising height to the right of the mast.
QImage SignalPicture(int level) {
  QImage image = Blank();
  QPainter p(&image);
  DrawMast(p);
  for (int bar = 0; bar < level; ++bar) {
    const int h = 2 + bar * 2;
    p.fillRect(8 + bar * 2, kH - 2 - h, 1, h, Qt::black);
  }
  return image;
}

QImage NoSignalPicture() {
  QImage image = Blank();
  QPainter p(&image);
  DrawMast(p);
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(12, 8, 24, 20);
  p.drawLine(24, 8, 12, 20);
  return image;
}

QImage Logo() {
  QImage image(260, 110, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(0x1d, 0x4e, 0x89));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(0, 0, 260, 110), 14, 14);
  p.setPen(Qt::white);
  QFont font("DejaVu Sans", 40, QFont::Bold);
  p.setFont(font);
  p.drawText(QRect(0, 8, 260, 64), Qt::AlignCenter, "LR4090");
  font.setPointSize(10);
  font.setBold(false);
  p.setFont(font);
  p.drawText(QRect(0, 70, 260, 30), Qt::AlignCenter, "GSM communicator configurator");
  return image;
}

bool Save(const QImage& image, const QString& path) {
  if (image.save(path)) return true;
  std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-pictures OUTPUT_FOLDER\n");
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out + "/lcd");
  bool ok = true;
  for (int level = 1; level <= 10; ++level)
    ok &= Save(SignalPicture(level), out + QString("/lcd/lcd-sign%1.bmp").arg(level));
  ok &= Save(Blank(), out + "/lcd/none.bmp");
  ok &= Save(NoSignalPicture(), out + "/lcd/nosign.bmp");
  ok &= Save(Logo(), out + "/logo.png");
  return ok ? 0 : 1;
}
