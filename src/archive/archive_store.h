// The engine behind the customer archive. Operations speak plain SQL with bound parameters
// through an ArchiveSession; a store decides where the nine tables live and how a
// connection reaches them, so that a database server could later hold a shared archive.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

enum class ArchiveTable {
  Clienti,
  NumTel,
  Messaggi,
  Sms,
  Ingresso,
  Uscite,
  Opzioni,
  ComDig,
  Eventi
};

// In the order a deletion visits them.
constexpr std::array<ArchiveTable, 9> kArchiveTables = {
    ArchiveTable::Clienti, ArchiveTable::NumTel,   ArchiveTable::Messaggi,
    ArchiveTable::Sms,     ArchiveTable::Ingresso, ArchiveTable::Uscite,
    ArchiveTable::Opzioni, ArchiveTable::ComDig,   ArchiveTable::Eventi};

const char* TableName(ArchiveTable table);

// Version of the tables' layout, kept in every table's storage so a later release can
// tell what it opens and migrate it.
constexpr int kArchiveSchemaVersion = 1;

using SqlParams = std::vector<QVariant>;

// One connection for the length of one operation. Every table is addressed by its plain
// name; a failure leaves the engine's message in Error().
class ArchiveSession {
 public:
  ArchiveSession(QSqlDatabase db, QString connectionName);
  virtual ~ArchiveSession();
  ArchiveSession(const ArchiveSession&) = delete;
  ArchiveSession& operator=(const ArchiveSession&) = delete;

  // Whether the table's storage could be reached when the session opened.
  virtual bool HasTable(ArchiveTable table) const = 0;
  // Starts a transaction that holds the write lock from its first statement on.
  virtual bool BeginWrite() = 0;
  bool BeginRead();
  bool Commit();
  void Rollback();
  bool Savepoint(const char* name);
  bool Release(const char* name);
  void RollbackTo(const char* name);

  bool Exec(const QString& sql, const SqlParams& params = {});
  // A statement prepared once and run many times (the rows of one section).
  bool Prepare(QSqlQuery& query, const QString& sql);
  bool Run(QSqlQuery& query, const SqlParams& params);
  // Runs a query; onRow sees each row, its values in the order selected.
  bool Select(const QString& sql, const SqlParams& params,
              const std::function<void(const QSqlQuery&)>& onRow);

  const std::string& Error() const { return error_; }
  void SetError(std::string message) { error_ = std::move(message); }
  QSqlDatabase& Database() { return db_; }

 private:
  bool Fail(const QSqlQuery& query);

  QSqlDatabase db_;
  QString name_;
  std::string error_;
};

class ArchiveStore {
 public:
  virtual ~ArchiveStore() = default;
  // Creates the tables that are missing, with their indexes, and checks the layout version
  // of the others, in the order start-up configures them. Stops at the first failure with
  // the engine's message; the tables before it are usable, the rest are not.
  virtual bool Prepare(std::string& error) = 0;
  virtual std::unique_ptr<ArchiveSession> Open(std::string& error) = 0;
  // The customers table's storage exists (the customer list is filled only then).
  virtual bool CustomersPresent() const = 0;
};

// The store the operations use; null until the archive is configured. Owned here.
void InstallArchiveStore(std::unique_ptr<ArchiveStore> store);
ArchiveStore* CurrentArchiveStore();

// A session on the installed store, or null with the message in error.
std::unique_ptr<ArchiveSession> OpenArchive(std::string& error);

// Record texts are Windows-1252 bytes; the tables hold them as Unicode text.
QVariant SqlText(const std::string& cp1252);
std::string RecordText(const QVariant& value);
