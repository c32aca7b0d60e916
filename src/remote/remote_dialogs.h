// Remote programming by SMS: the window that computes the lines to send (everything, or
// what differs from a stored customer) and sends them, and the dialog that asks for the
// remote device's telephone number.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "archive/customer_list.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

// The remote device's number; starts with the current customer's SIM number.
class TfrmChiamataRemota : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmChiamataRemota(QWidget* parent = nullptr);
  std::string Number() const;  // as typed

  QLabel* Label1 = nullptr;
  QLineEdit* MaskEdit1 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // confirm
  QPushButton* BitBtn3 = nullptr;  // cancel
};

class TfrmProgRemota : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmProgRemota(QWidget* parent = nullptr);

  // Compare (tag 0) or All (tag 1).
  void Compute(int tag);
  void BitBtn2Click();  // Send
  const std::vector<std::string>& Lines() const { return lines_; }

  // How Send asks for the number: the dialog by default; tests answer it themselves.
  // False: cancelled.
  std::function<bool(std::string& number)> askNumber;

  QLabel* Panel2 = nullptr;
  QTreeWidget* lvClienti = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // compare
  QPushButton* BitBtn4 = nullptr;  // all
  QPushButton* BitBtn2 = nullptr;  // send
  QPushButton* BitBtn3 = nullptr;  // close

 private:
  void FillCustomers();

  CustomerListData customers_;
  std::vector<std::string> lines_;
};
