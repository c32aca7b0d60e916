// Choosing the serial port: COM 1 to COM 4, each showing the device it opens.
#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QRadioButton;

class PortDialog : public QDialog {
  Q_OBJECT
 public:
  // current: the port the running program uses (COM n).
  explicit PortDialog(int current, QWidget* parent = nullptr);

  std::array<QRadioButton*, 4> com{};
  QComboBox* device = nullptr;

 private:
  void PortSelected(int index);
  void Confirm();
  QString RadioText(int index) const;

  int selected_ = 0;
  std::array<QString, 4> devices_;
};
