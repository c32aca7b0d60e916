#include "archive/customer_list_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>

#include "archive/customer_list.h"
#include "widgets/qt_text.h"

CustomerListView::CustomerListView(QTreeWidget* list) : QObject(list), list_(list) {
  list_->installEventFilter(this);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(list_->header(), &QHeaderView::sectionClicked, this,
          [this](int column) { Fill(column == 0 ? "Nome" : "Codicecliente"); });
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &CustomerListView::ShowHint);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { emit Activated(); });
}

void CustomerListView::Fill(const std::string& index) {
  FillCustomerListData(CustomerList, index);
  list_->clear();
  QList<QTreeWidgetItem*> items;
  for (const auto& row : CustomerList.rows)
    items << new QTreeWidgetItem({ToQString(row.Nome), ToQString(row.CodiceCliente)});
  list_->addTopLevelItems(items);
  list_->setToolTip(QString());
}

int CustomerListView::SelectedRow() const {
  const auto selected = list_->selectedItems();
  return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.first());
}

int CustomerListView::SelectedSerial() const {
  const int row = SelectedRow();
  return row >= 0 && row < kCustomerListSlots ? CustomerList.CustomerSerials[row] : -1;
}

void CustomerListView::ShowHint() {
  const int row = SelectedRow();
  const bool has = row >= 0 && row < static_cast<int>(CustomerList.CustomerHints.size());
  list_->setToolTip(has ? ToQString(CustomerList.CustomerHints[row]).replace('\r', '\n')
                        : QString());
}

// The next row after the selected one whose name begins with the typed character, going
// round to the top; none clears the selection.
bool CustomerListView::TypeAhead(const QString& typed) {
  const int selected = SelectedRow();
  if (selected < 0 || typed.isEmpty() || !typed.at(0).isPrint()) return false;
  const int count = list_->topLevelItemCount();
  for (int step = 1; step <= count; ++step) {
    QTreeWidgetItem* item = list_->topLevelItem((selected + step) % count);
    if (item->text(0).startsWith(typed.at(0), Qt::CaseInsensitive)) {
      list_->setCurrentItem(item);
      item->setSelected(true);
      return true;
    }
  }
  list_->clearSelection();
  return true;
}

bool CustomerListView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::ShiftModifier) return false;
    return TypeAhead(key->text());
  }
  return QObject::eventFilter(watched, event);
}
