// The fixed header of a VelaGrid: the heading cells of row 0 and, above them, the bands that
// span several columns. A column no band covers gets a heading cell of the full height, and
// a band over columns whose headings are all empty is one heading of the full height.
#pragma once

#include <QHeaderView>

class VelaGrid;
struct GridBand;

class GridHeader : public QHeaderView {
  Q_OBJECT
 public:
  explicit GridHeader(VelaGrid* grid);

  void SetHeight(int pixels);  // 0: one row height per level
  int Levels() const;
  // Rectangles in the header's viewport coordinates.
  QRect HeadingRect(int col) const;
  QRect BandRect(const GridBand& band) const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  const GridBand* BandOver(int col) const;
  bool IsSpan(const GridBand& band) const;
  void PaintCell(QPainter& painter, const QRect& rect, const QString& text) const;
  int LevelHeight() const;

  VelaGrid* grid_;
  int height_ = 0;
};
