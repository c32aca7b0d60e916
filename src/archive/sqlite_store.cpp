#include "archive/sqlite_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QStringList>
#include <QUrl>
#include <atomic>
#include <filesystem>

#include "archive/archive_sections.h"
#include "shell/pacing.h"

namespace {

// The order in which start-up puts the tables in place.
constexpr ArchiveTable kPrepareOrder[] = {
    ArchiveTable::Clienti,  ArchiveTable::NumTel,  ArchiveTable::Messaggi,
    ArchiveTable::Ingresso, ArchiveTable::Uscite,  ArchiveTable::Eventi,
    ArchiveTable::ComDig,   ArchiveTable::Opzioni, ArchiveTable::Sms};

QString NewConnectionName() {
  static std::atomic<int> counter{0};
  return QStringLiteral("vela-archive-%1").arg(++counter);
}

QString ConnectOptions(bool uri) {
  QString options =
      QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(ScaledMs(SqliteArchiveStore::kBusyTimeoutMs));
  if (uri) options += QStringLiteral(";QSQLITE_OPEN_URI");
  return options;
}

// A URI that opens an existing file for reading and writing and never creates one.
QString ExistingFileUri(const std::string& path) {
  const QString absolute = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
  return QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw");
}

QString SqlType(const ColumnDef& c) {
  switch (c.type) {
    case ColumnType::Integer:
      return QStringLiteral("INTEGER");
    case ColumnType::Logical:
      return QStringLiteral("BOOLEAN");
    case ColumnType::Text:
      return c.width > 0 ? QStringLiteral("VARCHAR(%1)").arg(c.width) : QStringLiteral("TEXT");
    case ColumnType::DateTime:
      return QStringLiteral("DOUBLE PRECISION");
    case ColumnType::Memo:
      return QStringLiteral("TEXT");
    case ColumnType::AutoIncrement:
      return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
  }
  return {};
}

QStringList CreateStatements(const TableLayout& layout) {
  const QString name = QString::fromLatin1(TableName(layout.table));
  QStringList columns;
  bool autoKey = false;
  for (const auto& c : layout.columns) {
    columns << QStringLiteral("%1 %2").arg(QLatin1String(c.name), SqlType(c));
    autoKey = autoKey || c.type == ColumnType::AutoIncrement;
  }
  if (!autoKey) {
    QStringList key;
    for (const char* k : layout.key) key << QLatin1String(k);
    columns << QStringLiteral("PRIMARY KEY (%1)").arg(key.join(QStringLiteral(", ")));
  }
  QStringList statements{
      QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)").arg(name, columns.join(", "))};
  for (const auto& index : layout.indexes) {
    QStringList fields;
    for (const char* f : index) fields << QLatin1String(f);
    statements << QStringLiteral("CREATE INDEX IF NOT EXISTS %1_%2 ON %1 (%3)")
                      .arg(name, fields.join('_'), fields.join(", "));
  }
  return statements;
}

class SqliteSession : public ArchiveSession {
 public:
  SqliteSession(QSqlDatabase db, QString name) : ArchiveSession(std::move(db), std::move(name)) {}
  bool HasTable(ArchiveTable table) const override { return present_.count(table) != 0; }
  bool BeginWrite() override { return Exec(QStringLiteral("BEGIN IMMEDIATE")); }
  void SetPresent(ArchiveTable table) { present_.insert(table); }

 private:
  std::set<ArchiveTable> present_;
};

}  // namespace

SqliteArchiveStore::SqliteArchiveStore(std::string dataPath, std::string dataFolder)
    : dataPath_(std::move(dataPath)), dataFolder_(std::move(dataFolder)) {}

std::string SqliteArchiveStore::FilePath(ArchiveTable table) const {
  const std::string& folder = table == ArchiveTable::Clienti ? dataPath_ : dataFolder_;
  const std::string file = std::string(TableName(table)) + ".db";
  if (folder.empty()) return file;
  return folder.back() == '/' ? folder + file : folder + "/" + file;
}

bool SqliteArchiveStore::Prepare(std::string& error) {
  ready_.clear();
  for (ArchiveTable table : kPrepareOrder) {
    if (!PrepareTable(table, error)) return false;
    ready_.insert(table);
  }
  return true;
}

bool SqliteArchiveStore::PrepareTable(ArchiveTable table, std::string& error) {
  const QString path = QString::fromStdString(FilePath(table));
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder)) {
    error = "Cannot create the folder " + folder.toStdString();
    return false;
  }
  const QString name = NewConnectionName();
  // The session's destructor closes and removes the connection, also on the early returns.
  SqliteSession session(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name), name);
  QSqlDatabase& db = session.Database();
  db.setConnectOptions(ConnectOptions(false));
  db.setDatabaseName(path);
  if (!db.open()) {
    error = db.lastError().text().toStdString() + ": " + path.toStdString();
    return false;
  }
  int version = -1;
  if (!session.Select("PRAGMA user_version", {},
                      [&](const QSqlQuery& q) { version = q.value(0).toInt(); })) {
    error = session.Error() + ": " + path.toStdString();
    return false;
  }
  if (version > kArchiveSchemaVersion) {
    error = path.toStdString() + ": the table layout version " + std::to_string(version) +
            " is newer than this program knows (" + std::to_string(kArchiveSchemaVersion) + ")";
    return false;
  }
  // Later layouts migrate the older versions here, inside the same transaction.
  bool ok = session.BeginWrite();
  for (const QString& statement : CreateStatements(LayoutOf(table)))
    ok = ok && session.Exec(statement);
  if (ok && version < kArchiveSchemaVersion)
    ok = session.Exec(QStringLiteral("PRAGMA user_version = %1").arg(kArchiveSchemaVersion));
  ok = ok && session.Commit();
  if (!ok) {
    session.Rollback();
    error = session.Error() + ": " + path.toStdString();
  }
  return ok;
}

bool SqliteArchiveStore::CustomersPresent() const {
  std::error_code ec;
  return std::filesystem::is_regular_file(FilePath(ArchiveTable::Clienti), ec);
}

std::unique_ptr<ArchiveSession> SqliteArchiveStore::Open(std::string& error) {
  const QString name = NewConnectionName();
  auto session = std::make_unique<SqliteSession>(
      QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name), name);
  QSqlDatabase& db = session->Database();
  db.setConnectOptions(ConnectOptions(true));
  // The customers file is the main database: a transaction over several files is atomic
  // only when the main database is a file. Without it a private temporary one stands in.
  bool customers = false;
  if (ready_.count(ArchiveTable::Clienti)) {
    db.setDatabaseName(ExistingFileUri(FilePath(ArchiveTable::Clienti)));
    customers = db.open();
  }
  if (!customers) {
    db.setDatabaseName(QString());
    if (!db.open()) {
      error = db.lastError().text().toStdString();
      return nullptr;
    }
  }
  if (customers) session->SetPresent(ArchiveTable::Clienti);
  for (ArchiveTable table : kArchiveTables) {
    if (table == ArchiveTable::Clienti || !ready_.count(table)) continue;
    const QString attach = QStringLiteral("ATTACH DATABASE ? AS %1").arg(TableName(table));
    if (session->Exec(attach, {ExistingFileUri(FilePath(table))})) session->SetPresent(table);
  }
  // The rollback journals stay in place between transactions (a commit clears their
  // header): creating and deleting nine journals on every save costs far more than the save
  // itself on a busy disk. The multi-file commit stays atomic in this mode. Without a schema
  // name the pragma sets every database attached so far.
  session->Exec(QStringLiteral("PRAGMA journal_mode = PERSIST"));
  session->SetError({});
  return session;
}
