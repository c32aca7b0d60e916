// The transfers' progress window: always on top, a gauge and a Cancel button kept hidden.
#pragma once

#include <QWidget>

class Gauge;
class QPushButton;

class ProgressWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ProgressWindow(QWidget* owner = nullptr);

  Gauge* gauge() const { return gauge_; }
  // Shows the window centred on the desktop with the gauge at 0.
  void ShowReset();

 private:
  Gauge* gauge_;
  QPushButton* cancel_;
};
