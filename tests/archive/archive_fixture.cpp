#include "archive_fixture.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "archive/sqlite_store.h"
#include "shell/branding.h"

namespace {

// Runs fn on a connection of its own to one file, closed again afterwards.
template <class Fn>
void WithFile(const std::string& path, Fn fn) {
  static int counter = 0;
  const QString name = QStringLiteral("archive-test-probe-%1").arg(++counter);
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(QString::fromStdString(path));
    ASSERT_TRUE(db.open()) << path;
    fn(db);
    db.close();
  }
  QSqlDatabase::removeDatabase(name);
}

}  // namespace

void ArchiveTest::SetUp() {
  ModelNames = DefaultModelNames();
  ASSERT_TRUE(ConfigureArchiveTables(DataPath(), DataFolder()))
      << ::testing::PrintToString(ui.host.BoxTexts());
}

void ArchiveTest::TearDown() {
  InstallArchiveStore(nullptr);
}

std::string ArchiveTest::FileOf(ArchiveTable table) const {
  return SqliteArchiveStore(DataPath(), DataFolder()).FilePath(table);
}

QVariant ArchiveTest::Value(ArchiveTable table, const QString& sql,
                            const std::vector<QVariant>& params) const {
  QVariant value;
  WithFile(FileOf(table), [&](QSqlDatabase& db) {
    QSqlQuery q(db);
    ASSERT_TRUE(q.prepare(sql)) << q.lastError().text().toStdString();
    for (int i = 0; i < static_cast<int>(params.size()); ++i) q.bindValue(i, params[i]);
    ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
    if (q.next()) value = q.value(0);
  });
  return value;
}

void ArchiveTest::Exec(ArchiveTable table, const QString& sql,
                       const std::vector<QVariant>& params) const {
  WithFile(FileOf(table), [&](QSqlDatabase& db) {
    QSqlQuery q(db);
    ASSERT_TRUE(q.prepare(sql)) << q.lastError().text().toStdString();
    for (int i = 0; i < static_cast<int>(params.size()); ++i) q.bindValue(i, params[i]);
    ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
  });
}

int ArchiveTest::Rows(ArchiveTable table, int serial) const {
  const QString name = QLatin1String(TableName(table));
  if (serial < 0) return Value(table, QStringLiteral("SELECT count(*) FROM ") + name).toInt();
  return Value(table, QStringLiteral("SELECT count(*) FROM %1 WHERE SerialCli = ?").arg(name),
               {serial})
      .toInt();
}

Tag_Cliente ArchiveTest::Header(const std::string& name, const std::string& code, int type) {
  Tag_Cliente h;
  h.Nome = name;
  h.CodiceCliente = code;
  h.TipoCentrale = static_cast<uint8_t>(type);
  h.Rel_firmware = "1.00";
  return h;
}

Tag_GlobalBuffer ArchiveTest::DefaultRecord() {
  Tag_GlobalBuffer record;
  Tag_Cliente unused;
  ResetConfiguration(record, unused, false);
  return record;
}

int ArchiveTest::SaveNew(const std::string& name, const std::string& code, int type) {
  Tag_Cliente h = Header(name, code, type);
  EXPECT_EQ(ArchiveSave(h, DefaultRecord(), ""), SaveStatus::Stored) << name;
  return h.SerialCli;
}
