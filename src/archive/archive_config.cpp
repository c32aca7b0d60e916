#include <utility>

#include "archive/archive.h"
#include "archive/sqlite_store.h"
#include "shell/message_box.h"

bool ConfigureArchiveTables(const std::string& dataPath, const std::string& dataFolder) {
  auto store = std::make_unique<SqliteArchiveStore>(dataPath, dataFolder);
  std::string error;
  const bool ok = store->Prepare(error);
  InstallArchiveStore(std::move(store));
  SetCustomerCodeSource([] { return NextFreeCustomerCode(); });
  if (!ok) ShowMessageBox(error, MsgKind::Error, MsgButtons::Ok);
  return ok;
}
