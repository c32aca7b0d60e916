#include "archive/customer_list.h"

#include <QStringList>

#include "archive/archive_sections.h"
#include "archive/archive_store.h"
#include "shell/message_box.h"

CustomerListData CustomerList;

void CustomerListData::Clear() {
  rows.clear();
  CustomerSerials.fill(-1);
  CustomerHints.clear();
}

void FillCustomerListData(CustomerListData& list, const std::string& index) {
  // Stale rows would point at serials of a table that is no longer there: everything goes.
  list.Clear();
  ArchiveStore* store = CurrentArchiveStore();
  if (!store || !store->CustomersPresent()) return;

  const std::vector<const char*> order = CustomersIndexColumns(index);
  if (order.empty()) {
    ShowMessageBox("No index \"" + index + "\" on the customers table", MsgKind::Error,
                   MsgButtons::Ok);
    return;
  }
  QStringList orderBy;
  for (const char* column : order) orderBy << QLatin1String(column);
  orderBy << QStringLiteral("SerialCli");
  // One row past the limit tells whether the limit was reached.
  const QString sql = QStringLiteral(
                          "SELECT SerialCli, Nome, CodiceCliente, Comune, Rel_firmware, "
                          "TipoCentrale FROM Clienti WHERE TipoCentrale IN (21, 22) "
                          "ORDER BY %1 LIMIT %2")
                          .arg(orderBy.join(", "))
                          .arg(kCustomerListSlots + 1);

  std::string error;
  auto session = OpenArchive(error);
  bool overflow = false;
  const bool ok = session && session->Select(sql, {}, [&](const QSqlQuery& q) {
    if (static_cast<int>(list.CustomerHints.size()) == kCustomerListSlots) {
      overflow = true;
      return;
    }
    CustomerListRow row;
    row.Nome = RecordText(q.value(1));
    row.CodiceCliente = RecordText(q.value(2));
    row.TipoCentrale = static_cast<uint8_t>(q.value(5).toLongLong());
    list.CustomerHints.push_back(row.Nome + "\r:" + RecordText(q.value(3)) +
                                 "\r:" + RecordText(q.value(4)));
    list.CustomerSerials[list.rows.size()] = q.value(0).toInt();
    list.rows.push_back(std::move(row));
  });
  if (!ok) {
    ShowMessageBox(session ? session->Error() : error, MsgKind::Error, MsgButtons::Ok);
    return;
  }
  if (overflow)
    ShowMessageBox("Customer counter exceed maximum allowed (32000)", MsgKind::Information,
                   MsgButtons::Ok);
}
