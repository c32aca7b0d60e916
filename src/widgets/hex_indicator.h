// A hexagon-shaped lamp: one of a list of colours ("pictures") lights it, a picture number
// outside the list leaves it dark.
#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

class HexIndicator : public QWidget {
  Q_OBJECT
 public:
  explicit HexIndicator(std::vector<QColor> pictures, QWidget* parent = nullptr);

  void SetPicture(int index);
  int Picture() const { return picture_; }  // -1 while dark

  QSize sizeHint() const override { return {28, 26}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<QColor> pictures_;
  int picture_ = -1;
};
