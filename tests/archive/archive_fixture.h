// A fresh archive in a temporary folder for each test, a scripted user interface, and a
// direct look at the table files that goes past the code under test.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QVariant>
#include <string>
#include <vector>

#include "archive/archive.h"
#include "archive/archive_store.h"
#include "scripted_host.h"
#include "temp_dir.h"

class ArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string DataPath() const { return dir.str() + "/Data"; }
  std::string DataFolder() const { return DataPath() + "/LR4090"; }
  std::string FileOf(ArchiveTable table) const;

  // Rows of a table, all of them or those of one customer.
  int Rows(ArchiveTable table, int serial = -1) const;
  // The first column of the first row of a query on one table file (invalid when none).
  QVariant Value(ArchiveTable table, const QString& sql,
                 const std::vector<QVariant>& params = {}) const;
  // Runs a statement on one table file; fails the test when it fails.
  void Exec(ArchiveTable table, const QString& sql, const std::vector<QVariant>& params = {}) const;

  // A header for a new customer of the given type.
  static Tag_Cliente Header(const std::string& name, const std::string& code,
                            int type = kTypeVelaA);
  // A record at its defaults.
  static Tag_GlobalBuffer DefaultRecord();
  // Saves a default record under a new customer and returns its serial.
  int SaveNew(const std::string& name, const std::string& code, int type = kTypeVelaA);

  TempDir dir;
  ScopedScriptedHost ui;
};
