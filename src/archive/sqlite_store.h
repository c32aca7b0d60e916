// The archive on SQLite, the embedded default. Every table is a database file of its own,
// named after the table: "Clienti.db" in the data folder and the eight detail tables
// ("NumTel.db", "Messaggi.db", ...) in the product folder below it. A session opens the
// customers file and attaches the detail files, so each table keeps its plain name, and one
// transaction spans them all (the rollback journal commits several files atomically; each
// file keeps its journal, "<name>.db-journal", beside it).
// A file removed while the program runs is reopened by nobody: operations on its table
// fail with the engine's message and a deletion passes over it.
#pragma once

#include <set>
#include <string>

#include "archive/archive_store.h"

class SqliteArchiveStore : public ArchiveStore {
 public:
  SqliteArchiveStore(std::string dataPath, std::string dataFolder);

  std::string FilePath(ArchiveTable table) const;

  bool Prepare(std::string& error) override;
  std::unique_ptr<ArchiveSession> Open(std::string& error) override;
  bool CustomersPresent() const override;

  // How long a statement waits for another program's lock before it fails (nominal ms).
  static constexpr int kBusyTimeoutMs = 5000;

 private:
  bool PrepareTable(ArchiveTable table, std::string& error);

  std::string dataPath_;
  std::string dataFolder_;
  std::set<ArchiveTable> ready_;
};
