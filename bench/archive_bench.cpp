// Times of the archive on real files: saving and loading a type 22 customer in an archive
// of 1,000 customers, and the customer list's data for 32,001 customers.
// Usage: bench_archive [FOLDER]   (default: a new folder below the temporary folder)
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "archive/archive.h"
#include "archive/customer_list.h"
#include "shell/ui_host.h"

namespace {

// Answers Yes to the overwrite question and prints any other box.
class YesHost : public UiHost {
 public:
  MsgResult Box(const std::string& text, MsgKind, MsgButtons buttons) override {
    if (buttons != MsgButtons::Ok) return MsgResult::Yes;
    std::fprintf(stderr, "box: %s\n", text.c_str());
    ++boxes;
    return MsgResult::Ok;
  }
  void ProgressShow() override {}
  void ProgressHide() override {}
  void ProgressSetMaximum(int) override {}
  void ProgressSetPosition(int) override {}
  int ProgressPosition() const override { return 0; }
  void SetWaitCursor(bool) override {}
  bool WaitCursorShown() const override { return false; }
  void ProcessMessages() override {}
  void WaitWithEvents(int ms) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
  bool IsUiThread() const override { return true; }
  void Post(std::function<void()> fn) override { fn(); }
  void RunOnUiThread(const std::function<void()>& fn) override { fn(); }
  int boxes = 0;
};

template <class Fn>
double Ms(Fn fn) {
  const auto start = std::chrono::steady_clock::now();
  fn();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

std::string Code(int n) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%04d", n % 10000);
  return buffer;
}

Tag_Cliente Customer(int n) {
  Tag_Cliente h;
  h.Nome = "Customer " + std::to_string(n);
  h.CodiceCliente = Code(n);
  h.TipoCentrale = static_cast<uint8_t>(n % 2 ? kTypeVelaA : kTypeVelaI);
  h.Rel_firmware = "1.00";
  return h;
}

// Adds customers rows straight into the customers file, past the save.
void AddListedRows(const std::string& file, int first, int last) {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bench-fill");
    db.setDatabaseName(QString::fromStdString(file));
    db.open();
    QSqlQuery q(db);
    q.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT %1 UNION ALL SELECT i + 1 FROM n "
                          "WHERE i < %2) INSERT INTO Clienti (Nome, CodiceCliente, "
                          "TipoCentrale, Comune, Rel_firmware) SELECT printf('Extra %06d', i), "
                          "printf('%04d', i % 10000), 21 + i % 2, 'Town', '1.00' FROM n")
               .arg(first)
               .arg(last));
    db.close();
  }
  QSqlDatabase::removeDatabase("bench-fill");
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  YesHost host;
  InstallUiHost(&host);
  QTemporaryDir temp;
  const std::string root = argc > 1 ? argv[1] : temp.path().toStdString();
  const std::string dataPath = root + "/Data";
  if (!ConfigureArchiveTables(dataPath, dataPath + "/LR4090")) return 1;

  Tag_GlobalBuffer record;
  Tag_Cliente unused;
  ResetConfiguration(record, unused, false);
  std::vector<double> inserts;
  for (int n = 1; n <= 1000; ++n) {
    Tag_Cliente h = Customer(n);
    inserts.push_back(Ms([&] { ArchiveSave(h, record, "note"); }));
  }
  std::printf("archive of 1000 customers built (%s)\n", root.c_str());
  std::printf("save of a new customer: median %.2f ms\n", Median(inserts));

  Tag_Cliente target = Customer(500);  // type 22: 95 phone rows, 7 inputs
  std::vector<double> saves, loads;
  for (int i = 0; i < 101; ++i) {
    record.NumeriTelefonici[1].Numero = std::to_string(i);
    saves.push_back(Ms([&] { ArchiveSave(target, record, "note"); }));
  }
  for (int i = 0; i < 101; ++i) {
    Tag_Cliente h;
    Tag_GlobalBuffer r;
    int events = 0;
    loads.push_back(Ms([&] { ArchiveLoadCustomer(target.SerialCli, h, r, events); }));
  }
  std::printf("save of a type 22 customer: median %.2f ms (goal < 20 ms)\n", Median(saves));
  std::printf("load of a type 22 customer: median %.2f ms (goal < 20 ms)\n", Median(loads));

  AddListedRows(dataPath + "/Clienti.db", 1001, 32001);
  std::vector<double> lists;
  CustomerListData list;
  for (int i = 0; i < 7; ++i) lists.push_back(Ms([&] { FillCustomerListData(list); }));
  std::printf("list data of %zu customers: median %.1f ms (goal < 300 ms)\n", list.rows.size(),
              Median(lists));
  InstallUiHost(nullptr);
  return host.boxes == 0 ? 0 : 1;
}
