// The rows, serials and hints of the customer list.
#include <filesystem>

#include "archive/customer_list.h"
#include "archive_fixture.h"

namespace {

using T = ArchiveTable;

std::vector<std::string> Names(const CustomerListData& list) {
  std::vector<std::string> names;
  for (const auto& row : list.rows) names.push_back(row.Nome);
  return names;
}

TEST_F(ArchiveTest, ListOrderFollowsTheChosenIndex) {
  const int beta = SaveNew("Beta", "0001", kTypeVelaA);
  const int alfa = SaveNew("Alfa", "0002", kTypeVelaI);
  Exec(T::Clienti,
       "INSERT INTO Clienti (Nome, CodiceCliente, TipoCentrale) VALUES ('Aaa', '0000', 5)");
  Exec(T::Clienti, "UPDATE Clienti SET Comune = 'Roma', Rel_firmware = '1.12' WHERE Nome = 'Beta'");

  CustomerListData list;
  FillCustomerListData(list);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Alfa", "Beta"}));
  EXPECT_EQ(list.rows[0].CodiceCliente, "0002");
  EXPECT_EQ(list.CustomerSerials[0], alfa);
  EXPECT_EQ(list.CustomerSerials[1], beta);
  EXPECT_EQ(list.CustomerSerials[2], -1);
  EXPECT_EQ(list.CustomerHints[1], "Beta\r:Roma\r:1.12");

  FillCustomerListData(list, "Codicecliente");
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Beta", "Alfa"}));
  EXPECT_EQ(list.CustomerSerials[0], beta);
  EXPECT_EQ(list.CustomerHints[0], "Beta\r:Roma\r:1.12");

  FillCustomerListData(list, "Nome");
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Alfa", "Beta"}));
  EXPECT_TRUE(ui.host.Boxes().empty());
}

TEST_F(ArchiveTest, ListWithoutTheCustomersFileIsEmptyAndSilent) {
  SaveNew("Uno", "0001");
  CustomerListData list;
  FillCustomerListData(list);
  ASSERT_EQ(list.rows.size(), 1u);
  std::filesystem::remove(FileOf(T::Clienti));
  FillCustomerListData(list);
  EXPECT_TRUE(list.rows.empty());
  EXPECT_TRUE(list.CustomerHints.empty());
  EXPECT_EQ(list.CustomerSerials[0], -1);
  EXPECT_TRUE(ui.host.Boxes().empty());
}

TEST_F(ArchiveTest, UnknownIndexIsAnError) {
  CustomerListData list;
  FillCustomerListData(list, "Nome;Bogus");
  ASSERT_EQ(ui.host.Boxes().size(), 1u);
  EXPECT_EQ(ui.host.Boxes()[0].kind, MsgKind::Error);
}

// Fills the customers table with n listed customers named by their number.
void InsertListed(int n, const std::function<void(const QString&)>& exec) {
  exec(
      QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                     "INSERT INTO Clienti (Nome, CodiceCliente, TipoCentrale, Comune) "
                     "SELECT printf('C%05d', i), printf('%04d', i % 10000), 21 + i % 2, 'X' FROM n")
          .arg(n));
}

TEST_F(ArchiveTest, ListStopsAt32001RowsWithItsMessage) {
  struct Case {
    int customers;
    std::size_t rows;
    bool message;
  } cases[] = {{32001, 32001, false}, {32005, 32001, true}};
  for (const auto& c : cases) {
    Exec(T::Clienti, "DELETE FROM Clienti");
    InsertListed(c.customers, [&](const QString& sql) { Exec(T::Clienti, sql); });
    ui.host.ClearBoxes();
    CustomerListData list;
    FillCustomerListData(list);
    EXPECT_EQ(list.rows.size(), c.rows);
    EXPECT_EQ(list.CustomerHints.size(), c.rows);
    EXPECT_EQ(list.rows.back().Nome, "C32001");
    EXPECT_GT(list.CustomerSerials[32000], 0);
    ASSERT_EQ(ui.host.Boxes().size(), c.message ? 1u : 0u) << c.customers;
    if (c.message) {
      EXPECT_EQ(ui.host.Boxes()[0].text, "Customer counter exceed maximum allowed (32000)");
    }
  }
}

}  // namespace
