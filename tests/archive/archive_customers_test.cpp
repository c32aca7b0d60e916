// Free codes, deletion, serial numbers and the tables' place and layout version.
#include <QSqlDatabase>
#include <filesystem>

#include "archive/sqlite_store.h"
#include "archive_fixture.h"

namespace {

using T = ArchiveTable;

TEST_F(ArchiveTest, NextFreeCodeIsTheSmallestCodeNobodyHolds) {
  struct Case {
    std::vector<std::string> taken;
    std::string next;
  } cases[] = {
      {{}, "0000"},
      {{"0000", "0001", "0002", "0003", "0004"}, "0005"},
      {{"0001", "0002", "0005"}, "0000"},
      {{"0000", "0002", "12", "abcd", "0001 "}, "0001"},
  };
  for (const auto& c : cases) {
    Exec(T::Clienti, "DELETE FROM Clienti");
    for (const auto& code : c.taken)
      Exec(T::Clienti,
           "INSERT INTO Clienti (Nome, CodiceCliente, TipoCentrale) VALUES ('x', ?, 21)",
           {QString::fromStdString(code)});
    EXPECT_EQ(NextFreeCustomerCode(), c.next) << ::testing::PrintToString(c.taken);
  }
  EXPECT_FALSE(ui.host.waitCursor);
  EXPECT_TRUE(ui.host.Boxes().empty());
}

TEST_F(ArchiveTest, NoCodeIsFreeWhenAllTenThousandAreTaken) {
  Exec(T::Clienti,
       "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 9999) "
       "INSERT INTO Clienti (Nome, CodiceCliente) SELECT 'x', printf('%04d', i) FROM n");
  EXPECT_EQ(NextFreeCustomerCode(), "");
}

TEST_F(ArchiveTest, WithoutTheCustomersFileEveryOperationSaysSo) {
  const int serial = SaveNew("Uno", "0001");
  std::filesystem::remove(FileOf(T::Clienti));
  EXPECT_EQ(NextFreeCustomerCode(), "");
  Tag_Cliente h;
  Tag_GlobalBuffer record;
  int events = 0;
  EXPECT_FALSE(ArchiveLoadCustomer(serial, h, record, events));
  Tag_Cliente other = Header("Due", "0002");
  EXPECT_EQ(ArchiveSave(other, DefaultRecord(), ""), SaveStatus::EngineFailed);
  const auto boxes = ui.host.Boxes();
  ASSERT_EQ(boxes.size(), 3u);
  for (const auto& box : boxes) {
    EXPECT_EQ(box.kind, MsgKind::Warning);
    EXPECT_NE(box.text.find("Clienti"), std::string::npos) << box.text;
  }
  EXPECT_EQ(Rows(T::NumTel, other.SerialCli), 0);
  EXPECT_FALSE(ui.host.waitCursor);
}

TEST_F(ArchiveTest, ConfiguringInstallsTheCodeOfANewCustomer) {
  SaveNew("Primo", "0000");
  Tag_GlobalBuffer record;
  Tag_Cliente header;
  ResetConfiguration(record, header, true);
  EXPECT_EQ(header.CodiceCliente.str(), "0001");
}

TEST_F(ArchiveTest, DeleteClearsEveryTable) {
  const int gone = SaveNew("Gone", "0001", kTypeVelaI);
  const int kept = SaveNew("Kept", "0002", kTypeVelaI);
  EXPECT_TRUE(ArchiveDeleteCustomer(gone));
  EXPECT_EQ(ui.host.BoxTexts(), std::vector<std::string>{});
  for (T table : kArchiveTables) {
    EXPECT_EQ(Rows(table, gone), 0) << TableName(table);
    EXPECT_GT(Rows(table, kept), 0) << TableName(table);
  }
  EXPECT_TRUE(ui.host.Boxes().empty());
}

TEST_F(ArchiveTest, DeleteWithOneTableFileMissingClearsTheOthers) {
  for (T missing : {T::Uscite, T::Clienti}) {
    ASSERT_TRUE(ConfigureArchiveTables(DataPath(), DataFolder()));  // files back in place
    const int gone = SaveNew("Gone", "0001");
    const int kept = SaveNew("Kept", "0002");
    std::filesystem::remove(FileOf(missing));
    EXPECT_TRUE(ArchiveDeleteCustomer(gone));
    EXPECT_TRUE(ui.host.Boxes().empty()) << TableName(missing);
    for (T table : kArchiveTables) {
      if (table == missing) continue;
      EXPECT_EQ(Rows(table, gone), 0) << TableName(table);
      EXPECT_GT(Rows(table, kept), 0) << TableName(table);
    }
    EXPECT_FALSE(std::filesystem::exists(FileOf(missing)));  // not made again by a deletion
    ASSERT_TRUE(ArchiveDeleteCustomer(kept));
  }
}

TEST_F(ArchiveTest, SaveWithOneTableFileMissingStoresTheOtherSections) {
  std::filesystem::remove(FileOf(T::Sms));
  Tag_Cliente h = Header("Senza", "0001");
  EXPECT_EQ(ArchiveSave(h, DefaultRecord(), ""), SaveStatus::Stored);
  ASSERT_EQ(ui.host.Boxes().size(), 1u);
  EXPECT_NE(ui.host.Boxes()[0].text.find("Sms"), std::string::npos) << ui.host.Boxes()[0].text;
  EXPECT_EQ(ui.host.Boxes()[0].kind, MsgKind::Warning);
  EXPECT_EQ(Rows(T::NumTel, h.SerialCli), 8);
  EXPECT_EQ(Rows(T::Opzioni, h.SerialCli), 1);
  EXPECT_FALSE(std::filesystem::exists(FileOf(T::Sms)));
}

TEST_F(ArchiveTest, DeletedSerialsAreNotGivenAgain) {
  SaveNew("Uno", "0001");
  const int second = SaveNew("Due", "0002");
  ASSERT_TRUE(ArchiveDeleteCustomer(second));
  // A new configuration of the same files, as at the next start.
  ASSERT_TRUE(ConfigureArchiveTables(DataPath(), DataFolder()));
  EXPECT_EQ(SaveNew("Tre", "0003"), second + 1);
}

TEST_F(ArchiveTest, TablesLiveInTheirFoldersWithTheLayoutVersion) {
  for (T table : kArchiveTables) {
    const std::string expected =
        (table == T::Clienti ? DataPath() : DataFolder()) + "/" + TableName(table) + ".db";
    EXPECT_EQ(FileOf(table), expected);
    EXPECT_TRUE(std::filesystem::is_regular_file(expected)) << expected;
    EXPECT_EQ(Value(table, "PRAGMA user_version").toInt(), kArchiveSchemaVersion);
  }
  EXPECT_EQ(Value(T::Eventi,
                  "SELECT count(*) FROM sqlite_schema WHERE type = 'index' AND tbl_name = 'Eventi'")
                .toInt(),
            1);  // the key (SerialCli, Progress)
  EXPECT_EQ(Value(T::Clienti,
                  "SELECT group_concat(name) FROM (SELECT name FROM sqlite_schema WHERE type = "
                  "'index' AND tbl_name = 'Clienti' AND sql IS NOT NULL ORDER BY name)")
                .toString(),
            "Clienti_CodiceCliente,Clienti_Nome");
}

TEST_F(ArchiveTest, ANewerLayoutIsNotTouched) {
  Exec(T::Messaggi, "PRAGMA user_version = 9");
  EXPECT_FALSE(ConfigureArchiveTables(DataPath(), DataFolder()));
  ASSERT_EQ(ui.host.Boxes().size(), 1u);
  EXPECT_EQ(ui.host.Boxes()[0].kind, MsgKind::Error);
  EXPECT_NE(ui.host.Boxes()[0].text.find("Messaggi.db"), std::string::npos);
  ui.host.ClearBoxes();
  // The tables configured before it work; the ones after it are not used.
  Tag_Cliente h = Header("Dopo", "0001");
  EXPECT_EQ(ArchiveSave(h, DefaultRecord(), ""), SaveStatus::Stored);
  EXPECT_EQ(Rows(T::NumTel, h.SerialCli), 8);
  EXPECT_EQ(Rows(T::Messaggi, h.SerialCli), 0);
  EXPECT_EQ(Rows(T::Sms, h.SerialCli), 0);
  EXPECT_EQ(ui.host.Boxes().size(), 7u);  // Messaggi and the six tables configured after it
  EXPECT_EQ(Value(T::Messaggi, "PRAGMA user_version").toInt(), 9);
}

TEST_F(ArchiveTest, MissingTablesAreCreatedAtStart) {
  std::filesystem::remove_all(DataPath());
  ASSERT_TRUE(ConfigureArchiveTables(DataPath(), DataFolder()));
  for (T table : kArchiveTables) EXPECT_TRUE(std::filesystem::exists(FileOf(table)));
  EXPECT_GT(SaveNew("Nuovo", "0001"), 0);
}

}  // namespace
