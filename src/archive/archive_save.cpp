#include <QStringList>
#include <cmath>

#include "archive/archive.h"
#include "archive/archive_messages.h"
#include "archive/archive_sections.h"
#include "shell/branding.h"
#include "shell/language.h"

namespace {

struct FoundRow {
  bool found = false;
  int serial = 0;
  uint8_t type = 0;
};

bool FindFirst(ArchiveSession& session, const char* column, const std::string& value,
               FoundRow& row) {
  const QString sql = QStringLiteral(
                          "SELECT SerialCli, TipoCentrale FROM Clienti WHERE %1 = ? "
                          "ORDER BY SerialCli LIMIT 1")
                          .arg(QLatin1String(column));
  return session.Select(sql, {SqlText(value)}, [&](const QSqlQuery& q) {
    row.found = true;
    row.serial = q.value(0).toInt();
    row.type = static_cast<uint8_t>(q.value(1).toLongLong());
  });
}

QStringList CustomerColumns() {
  QStringList columns;
  for (const auto& c : HeaderColumns()) columns << QLatin1String(c.def.name);
  return columns << QStringLiteral("DataUltModifica") << QStringLiteral("Note");
}

SqlParams CustomerValues(const Tag_Cliente& header, const std::string& note) {
  SqlParams values;
  for (const auto& c : HeaderColumns()) values.push_back(c.get(header));
  values.push_back(std::floor(DateTimeNow()));  // the date alone
  values.push_back(SqlText(note));
  return values;
}

bool UpdateCustomer(ArchiveSession& session, const Tag_Cliente& header, const std::string& note,
                    int serial) {
  static const QString sql = [] {
    QStringList sets;
    for (const QString& c : CustomerColumns()) sets << c + QStringLiteral(" = ?");
    return QStringLiteral("UPDATE Clienti SET %1 WHERE SerialCli = ?").arg(sets.join(", "));
  }();
  SqlParams values = CustomerValues(header, note);
  values.push_back(serial);
  return session.Exec(sql, values);
}

bool InsertCustomer(ArchiveSession& session, const Tag_Cliente& header, const std::string& note,
                    int& serial) {
  static const QString sql = [] {
    const QStringList columns = CustomerColumns();
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i) marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO Clienti (%1) VALUES (%2) RETURNING SerialCli")
        .arg(columns.join(", "), marks.join(", "));
  }();
  serial = 0;
  const bool ok = session.Select(sql, CustomerValues(header, note),
                                 [&](const QSqlQuery& q) { serial = q.value(0).toInt(); });
  if (ok && serial <= 0) session.SetError("The customers table gave no serial number");
  return ok && serial > 0;
}

void ShowCodeTaken(uint8_t holderType) {
  const std::string model = ModelName(holderType).substr(0, 20);
  ShowMessageBox(LanguageText(129) + " \"" + model + "\"", MsgKind::Error, MsgButtons::Ok);
}

// The customers row of the header: the name says which customer it is, the code must not
// belong to another one. serial receives the row's SerialCli when the status is Stored.
SaveStatus StoreCustomerRow(ArchiveSession& session, const Tag_Cliente& header,
                            const std::string& note, int& serial) {
  FoundRow code, name;
  if (!FindFirst(session, "CodiceCliente", header.CodiceCliente, code) ||
      !FindFirst(session, "Nome", header.Nome, name)) {
    ShowEngineWarning(session.Error());
    return SaveStatus::EngineFailed;
  }
  if (name.found && name.type != header.TipoCentrale) {
    ShowMessageBox(LanguageText(128), MsgKind::Warning, MsgButtons::Ok);
    return SaveStatus::OtherType;
  }
  if (code.found && (!name.found || code.serial != name.serial)) {
    ShowCodeTaken(code.type);
    return SaveStatus::CodeTaken;
  }
  bool ok = false;
  if (name.found) {
    if (ShowMessageBox(LanguageText(130), MsgKind::Warning, MsgButtons::YesNo) != MsgResult::Yes)
      return SaveStatus::Declined;
    serial = name.serial;
    ok = UpdateCustomer(session, header, note, serial);
  } else {
    ok = InsertCustomer(session, header, note, serial);
  }
  if (!ok) {
    ShowEngineWarning(session.Error());
    return SaveStatus::EngineFailed;
  }
  return SaveStatus::Stored;
}

// Rewrites one section. It runs in a savepoint of its own, so a section that fails keeps
// the rows it had and the next one still runs.
void StoreSection(ArchiveSession& session, const Section& section, const Tag_GlobalBuffer& record,
                  int serial, int type) {
  const char* savepoint = "section";
  bool ok = session.Savepoint(savepoint) && session.Exec(DeleteSql(section.table), {serial});
  {
    QSqlQuery insert(session.Database());
    ok = ok && session.Prepare(insert, InsertSql(section));
    SqlParams values;
    for (int p = 0; ok && p < section.rowCount(type); ++p) {
      values.assign({serial});
      if (section.numbered) values.push_back(p);
      section.values(record, p, values);
      ok = session.Run(insert, values);
    }
  }
  if (ok) ok = session.Release(savepoint);
  if (!ok) {
    const std::string message = session.Error();
    session.RollbackTo(savepoint);
    ShowEngineWarning(message);
  }
}

}  // namespace

SaveStatus ArchiveSave(Tag_Cliente& header, const Tag_GlobalBuffer& record,
                       const std::string& note) {
  std::string error;
  auto session = OpenArchive(error);
  if (!session) {
    ShowEngineWarning(error);
    return SaveStatus::EngineFailed;
  }
  // The whole save is one transaction: a crash half-way leaves the previous version whole.
  if (!session->BeginWrite()) {
    ShowEngineWarning(session->Error());
    return SaveStatus::EngineFailed;
  }
  int serial = 0;
  const SaveStatus status = StoreCustomerRow(*session, header, note, serial);
  if (status != SaveStatus::Stored) {
    session->Rollback();
    return status;
  }
  for (const auto& section : DetailSections())
    StoreSection(*session, section, record, serial, header.TipoCentrale);
  if (!session->Commit()) {
    ShowEngineWarning(session->Error());
    session->Rollback();
    return SaveStatus::EngineFailed;
  }
  header.SerialCli = serial;
  return SaveStatus::Stored;
}

bool ArchiveSaveCustomer(const std::string& note) {
  return ArchiveSave(Cliente, GlobalBuffer, note) == SaveStatus::Stored;
}
