// The progress window's gauge: a bar filled to position / maximum with the percentage.
#pragma once

#include <QWidget>

class Gauge : public QWidget {
  Q_OBJECT
 public:
  explicit Gauge(QWidget* parent = nullptr);

  void SetMaximum(int maximum);
  void SetPosition(int position);  // kept as given; the bar shows at most full
  int Maximum() const { return maximum_; }
  int Position() const { return position_; }
  int Percent() const;

  QSize sizeHint() const override { return {300, 22}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int maximum_ = 100;
  int position_ = 0;
};
