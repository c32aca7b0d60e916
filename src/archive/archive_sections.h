// The tables of the archive as sections of the record: which fields each row carries,
// how many rows a customer has, and the layout (columns, key, indexes) of every table.
#pragma once

#include <QSqlQuery>
#include <functional>
#include <vector>

#include "archive/archive_columns.h"
#include "archive/archive_store.h"
#include "model/record.h"

// One detail table, seen from the record.
struct Section {
  ArchiveTable table;
  bool numbered;                   // one row per entry, told apart by Progress
  std::vector<ColumnDef> columns;  // after SerialCli (and Progress)
  int (*rowCount)(int tipoCentrale);
  // The column values of entry p.
  std::function<void(const Tag_GlobalBuffer&, int p, SqlParams&)> values;
  // Sets entry p from query's values starting at column `first`; false when the record has
  // no entry p (a stray row is skipped).
  std::function<bool(Tag_GlobalBuffer&, int p, const QSqlQuery&, int first)> read;
};

// The eight detail tables in the order loading and saving visit them.
const std::vector<Section>& DetailSections();

// The customers row's fields that are plain copies of the header; DataUltModifica and Note
// follow them in the table.
const std::vector<FieldColumn<Tag_Cliente>>& HeaderColumns();

struct TableLayout {
  ArchiveTable table;
  std::vector<ColumnDef> columns;
  std::vector<const char*> key;                   // primary key
  std::vector<std::vector<const char*>> indexes;  // further indexes
};

const TableLayout& LayoutOf(ArchiveTable table);

// The column list of an index named by its fields separated by ";" ("Nome",
// "Codicecliente"), matched without regard to case; empty when the table has no such column.
std::vector<const char*> CustomersIndexColumns(const std::string& fields);

// The statements of one section, built once: its rows of one customer, a new row, and
// the deletion of a customer's rows from a table.
QString SelectSql(const Section& section);
QString InsertSql(const Section& section);
QString DeleteSql(ArchiveTable table);
