#include <QStringList>

#include "archive/archive.h"
#include "archive/archive_messages.h"
#include "archive/archive_sections.h"

namespace {

QString CustomerSelectSql() {
  QStringList columns;
  for (const auto& c : HeaderColumns()) columns << QLatin1String(c.def.name);
  columns << QStringLiteral("DataUltModifica") << QStringLiteral("Note");
  return QStringLiteral("SELECT %1 FROM Clienti WHERE SerialCli = ?").arg(columns.join(", "));
}

// The customers row into a copy of the header; false on a failure or when not found.
bool ReadCustomerRow(ArchiveSession& session, int serial, Tag_Cliente& header) {
  static const QString sql = CustomerSelectSql();
  const auto& columns = HeaderColumns();
  const int n = static_cast<int>(columns.size());
  bool found = false;
  Tag_Cliente read = header;
  const bool ok = session.Select(sql, {serial}, [&](const QSqlQuery& q) {
    found = true;
    for (int i = 0; i < n; ++i) columns[static_cast<std::size_t>(i)].set(read, q.value(i));
    read.SerialCli = serial;
    read.DataUltModifica = q.value(n).toDouble();
    read.NotePresenti = q.value(n + 1).toString().isEmpty() ? 0 : 1;
  });
  if (!ok) ShowEngineWarning(session.Error());
  if (!ok || !found) return false;
  header = read;
  return true;
}

int SetEventFlags(const Tag_Uscita& out) {
  int count = 0;
  for (uint8_t flag : {out.FP, out.FG, out.BC, out.BP, out.CO, out.CI, out.MS}) count += flag;
  return count;
}

void ReadSection(ArchiveSession& session, const Section& section, int serial,
                 Tag_GlobalBuffer& record, int& outputEventCount) {
  const bool outputs = section.table == ArchiveTable::Uscite;
  if (outputs) outputEventCount = 0;
  const bool ok = session.Select(SelectSql(section), {serial}, [&](const QSqlQuery& q) {
    const int p = section.numbered ? q.value(0).toInt() : 0;
    const bool stored = section.read(record, p, q, section.numbered ? 1 : 0);
    if (stored && outputs) outputEventCount += SetEventFlags(record.Uscite[p + 1]);
  });
  if (!ok) ShowEngineWarning(session.Error());
}

}  // namespace

bool ArchiveLoadCustomer(int serial, Tag_Cliente& header, Tag_GlobalBuffer& record,
                         int& outputEventCount) {
  std::string error;
  auto session = OpenArchive(error);
  if (!session) {
    ShowEngineWarning(error);
    return false;
  }
  // One read transaction: the customer is read as one version even while another program
  // stores it.
  if (!session->BeginRead()) {
    ShowEngineWarning(session->Error());
    return false;
  }
  if (!ReadCustomerRow(*session, serial, header)) {
    session->Rollback();
    return false;
  }
  for (const auto& section : DetailSections())
    ReadSection(*session, section, serial, record, outputEventCount);
  session->Rollback();  // nothing was written; ends the read transaction
  return true;
}

bool ArchiveLoadCustomer(int serial) {
  return ArchiveLoadCustomer(serial, Cliente, GlobalBuffer, OutputEventCount);
}
