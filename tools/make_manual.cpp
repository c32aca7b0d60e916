// Turns the manual's Markdown source into the PDF the Help menu opens:
// make-manual SOURCE.md OUTPUT.PDF
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make-manual SOURCE.md OUTPUT.PDF\n");
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  QFile source(QString::fromLocal8Bit(argv[1]));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "make-manual: cannot read %s\n", argv[1]);
    return 1;
  }
  QTextDocument document;
  document.setDefaultFont(QFont("DejaVu Sans", 10));
  document.setMarkdown(QString::fromUtf8(source.readAll()));

  QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
  writer.setTitle("LR4090 installer's manual");
  writer.setCreator("vela");
  writer.setResolution(96);  // the document lays out in screen pixels
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
  document.print(&writer);
  return QFile::exists(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
