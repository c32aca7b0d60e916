// Free customer codes, notes and deletion.
#include <bitset>

#include "archive/archive.h"
#include "archive/archive_messages.h"
#include "archive/archive_sections.h"

namespace {

// The code's number when it is four decimal digits, else -1.
int CodeNumber(const std::string& code) {
  if (code.size() != 4) return -1;
  int n = 0;
  for (char c : code) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

std::string NextFreeCustomerCode() {
  ScopedWaitCursor wait;
  std::string error;
  auto session = OpenArchive(error);
  std::bitset<10000> taken;
  const bool ok = session && session->Select("SELECT DISTINCT CodiceCliente FROM Clienti", {},
                                             [&](const QSqlQuery& q) {
                                               const int n = CodeNumber(RecordText(q.value(0)));
                                               if (n >= 0) taken.set(static_cast<std::size_t>(n));
                                             });
  if (!ok) {
    ShowEngineWarning(session ? session->Error() : error);
    return {};
  }
  for (int n = 0; n < 10000; ++n) {
    if (taken.test(static_cast<std::size_t>(n))) continue;
    std::string code = std::to_string(n);
    return std::string(4 - code.size(), '0') + code;
  }
  return {};
}

void ArchiveReadNote(int serial, std::vector<std::string>& lines) {
  if (serial < 1) return;
  std::string error;
  auto session = OpenArchive(error);
  const bool ok = session && session->Select("SELECT Note FROM Clienti WHERE SerialCli = ?",
                                             {serial}, [&](const QSqlQuery& q) {
                                               lines = SplitLines(RecordText(q.value(0)));
                                             });
  if (!ok) ShowEngineWarning(session ? session->Error() : error);
}

bool ArchiveDeleteCustomer(int serial) {
  std::string error;
  auto session = OpenArchive(error);
  if (!session || !session->BeginWrite()) {
    ShowEngineWarning(session ? session->Error() : error);
    return false;
  }
  // A table whose file is missing holds nothing to delete; a failing table keeps its rows
  // and the others are still cleared.
  for (ArchiveTable table : kArchiveTables) {
    if (!session->HasTable(table)) continue;
    if (session->Savepoint("deletion") && session->Exec(DeleteSql(table), {serial}) &&
        session->Release("deletion"))
      continue;
    const std::string message = session->Error();
    session->RollbackTo("deletion");
    ShowEngineWarning(message);
  }
  if (!session->Commit()) {
    ShowEngineWarning(session->Error());
    session->Rollback();
    return false;
  }
  return true;
}
