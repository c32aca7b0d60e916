// The main window's customer list: rows from the archive, ordering by a column click,
// type-ahead selection and each row's hint.
#pragma once

#include <QObject>
#include <string>

class QTreeWidget;

class CustomerListView : public QObject {
  Q_OBJECT
 public:
  explicit CustomerListView(QTreeWidget* list);

  // Refills the rows in the order of the index ("Nome" or "Codicecliente").
  void Fill(const std::string& index);
  // The selected row, or -1.
  int SelectedRow() const;
  // SerialCli of the selected row, or -1.
  int SelectedSerial() const;

 signals:
  void Activated();  // a row was double-clicked

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool TypeAhead(const QString& typed);
  void ShowHint();

  QTreeWidget* list_;
};
