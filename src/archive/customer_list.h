// What the customer list shows: one row per stored customer of type 21 or 22, in the order
// of the chosen index, with the serial number and the hint of every row.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The list holds at most this many rows (slots 0 to 32000).
constexpr int kCustomerListSlots = 32001;

struct CustomerListRow {
  std::string Nome;           // caption
  std::string CodiceCliente;  // second column
  uint8_t TipoCentrale = 0;
};

struct CustomerListData {
  std::vector<CustomerListRow> rows;
  // Slot i holds the SerialCli of row i; -1 marks a slot without a row.
  std::array<int32_t, kCustomerListSlots> CustomerSerials;
  // Entry i is the hint of row i: the name, CR, ":" and the town, CR, ":" and the release.
  std::vector<std::string> CustomerHints;

  CustomerListData() { CustomerSerials.fill(-1); }
  void Clear();
};

// The one list of the main window.
extern CustomerListData CustomerList;

// Refills list from the customers table, ordered by the index given as its fields separated
// by ";" ("Nome" or "Codicecliente"). Without the customers table's file the list stays
// empty and nothing is shown; past 32001 rows a message box tells the limit and the list
// stops; a failure of the engine shows its message in an error box.
void FillCustomerListData(CustomerListData& list, const std::string& index = "Nome");
