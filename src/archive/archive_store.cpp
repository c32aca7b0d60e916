#include "archive/archive_store.h"

#include <QSqlError>

#include "shell/cp1252.h"

namespace {

std::unique_ptr<ArchiveStore> g_store;

std::string EngineMessage(const QSqlError& error) {
  const QString text = error.text().trimmed();
  return text.isEmpty() ? std::string("Unknown database error") : text.toStdString();
}

}  // namespace

const char* TableName(ArchiveTable table) {
  switch (table) {
    case ArchiveTable::Clienti:
      return "Clienti";
    case ArchiveTable::NumTel:
      return "NumTel";
    case ArchiveTable::Messaggi:
      return "Messaggi";
    case ArchiveTable::Sms:
      return "Sms";
    case ArchiveTable::Ingresso:
      return "Ingresso";
    case ArchiveTable::Uscite:
      return "Uscite";
    case ArchiveTable::Opzioni:
      return "Opzioni";
    case ArchiveTable::ComDig:
      return "ComDig";
    case ArchiveTable::Eventi:
      return "Eventi";
  }
  return "";
}

ArchiveSession::ArchiveSession(QSqlDatabase db, QString connectionName)
    : db_(std::move(db)), name_(std::move(connectionName)) {}

ArchiveSession::~ArchiveSession() {
  if (db_.isOpen()) db_.close();
  db_ = QSqlDatabase();
  QSqlDatabase::removeDatabase(name_);
}

bool ArchiveSession::Fail(const QSqlQuery& query) {
  error_ = EngineMessage(query.lastError());
  return false;
}

bool ArchiveSession::Exec(const QString& sql, const SqlParams& params) {
  QSqlQuery query(db_);
  return Prepare(query, sql) && Run(query, params);
}

bool ArchiveSession::Prepare(QSqlQuery& query, const QString& sql) {
  query.setForwardOnly(true);
  return query.prepare(sql) || Fail(query);
}

bool ArchiveSession::Run(QSqlQuery& query, const SqlParams& params) {
  for (int i = 0; i < static_cast<int>(params.size()); ++i) query.bindValue(i, params[i]);
  if (!query.exec()) return Fail(query);
  return true;
}

bool ArchiveSession::Select(const QString& sql, const SqlParams& params,
                            const std::function<void(const QSqlQuery&)>& onRow) {
  QSqlQuery query(db_);
  if (!Prepare(query, sql) || !Run(query, params)) return false;
  while (query.next()) onRow(query);
  // A step that fails half-way (a lock, a damaged page) ends the loop like the last row.
  if (query.lastError().isValid()) return Fail(query);
  return true;
}

bool ArchiveSession::BeginRead() {
  return Exec("BEGIN");
}

bool ArchiveSession::Commit() {
  return Exec("COMMIT");
}

void ArchiveSession::Rollback() {
  const std::string kept = error_;
  Exec("ROLLBACK");
  error_ = kept;
}

bool ArchiveSession::Savepoint(const char* name) {
  return Exec(QStringLiteral("SAVEPOINT ") + name);
}

bool ArchiveSession::Release(const char* name) {
  return Exec(QStringLiteral("RELEASE ") + name);
}

void ArchiveSession::RollbackTo(const char* name) {
  const std::string kept = error_;
  Exec(QStringLiteral("ROLLBACK TO ") + name);
  Exec(QStringLiteral("RELEASE ") + name);
  error_ = kept;
}

void InstallArchiveStore(std::unique_ptr<ArchiveStore> store) {
  g_store = std::move(store);
}

ArchiveStore* CurrentArchiveStore() {
  return g_store.get();
}

std::unique_ptr<ArchiveSession> OpenArchive(std::string& error) {
  if (!g_store) {
    error = "The archive tables are not configured";
    return nullptr;
  }
  return g_store->Open(error);
}

QVariant SqlText(const std::string& cp1252) {
  const std::string utf8 = Cp1252ToUtf8(cp1252);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string RecordText(const QVariant& value) {
  return Utf8ToCp1252(value.toString().toUtf8().toStdString());
}
