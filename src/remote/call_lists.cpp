#include "remote/call_lists.h"

#include "link/at_channel.h"
#include "link/at_text.h"
#include "programming/progress.h"
#include "shell/language.h"
#include "shell/message_box.h"
#include "shell/pacing.h"
#include "shell/ui_host.h"

namespace {

constexpr int kGaugeMaximum = 16;
constexpr int kSelectSeconds = 3;

// The progress window and the wait cursor for the length of one load.
class LoadProgress {
 public:
  LoadProgress() {
    if (UiHost* host = CurrentUiHost()) host->SetWaitCursor(true);
  }
  void Show() {
    ShowProgress();
    if (UiHost* host = CurrentUiHost()) host->ProgressSetMaximum(kGaugeMaximum);
    TransferFlag = true;
    shown_ = true;
  }
  ~LoadProgress() {
    UiHost* host = CurrentUiHost();
    if (shown_ && host) host->ProgressHide();
    TransferFlag = false;
    if (host) host->SetWaitCursor(false);
  }

 private:
  bool shown_ = false;
};

// Selects a storage and waits for the module's verdict. A refusal ("ERROR", "+CME ERROR")
// or no confirmation within 3 seconds leaves the storage unread: a list read after a
// refused selection would be the previous storage's.
bool SelectStorage(TComm& port, const std::string& storage, const std::string& terminator) {
  SendCommand(port, "AT+CPBS=\"" + storage + "\"" + terminator);
  Pause(300);
  std::string line;
  const auto start = WaitStart();
  while (WholeSecondsSince(start) < kSelectSeconds) {
    std::string read;
    if (!ReadReplyLine(port, read)) continue;
    line = read;
    if (UpperAscii(line) == "OK" || ContainsNoCase(line, "ERROR")) break;
  }
  return line == "OK";
}

std::vector<std::string> ReadStorage(TComm& port, const std::string& storage,
                                     const std::string& terminator) {
  std::vector<std::string> lines;
  if (!SelectStorage(port, storage, terminator)) return lines;
  std::string text;
  ReadPhoneBookHead(port, text);
  Pause(300);
  SplitLines(text, lines);
  return lines;
}

void ErrorBox(int text) {
  ShowMessageBox(LanguageText(text), MsgKind::Error, MsgButtons::Ok);
}

}  // namespace

std::vector<CallEntry> CallEntriesFromLines(const std::vector<std::string>& lines) {
  std::vector<CallEntry> entries;
  for (const std::string& line : lines) {
    const std::size_t open = line.find('"');
    if (open == std::string::npos) continue;
    const std::string rest = line.substr(open + 1);
    const std::size_t close = rest.find('"');
    const std::string number = rest.substr(0, close);
    if (number.empty()) continue;
    std::string name;
    if (close != std::string::npos) {
      const std::size_t nameOpen = rest.find('"', close + 1);
      if (nameOpen != std::string::npos) {
        const std::size_t nameClose = rest.find('"', nameOpen + 1);
        if (nameClose != std::string::npos)
          name = rest.substr(nameOpen + 1, nameClose - nameOpen - 1);
      }
    }
    entries.push_back({name.empty() ? LanguageText(164) : name, number});
  }
  return entries;
}

bool LoadCallListsFamilyI(TComm& port, CallLists& lists) {
  LoadProgress progress;
  progress.Show();
  if (!EnsureOpen(port)) return false;
  bool read = false;
  if (!StartPassthrough(port, false)) {
    ShowMessageBox(LanguageText(237), MsgKind::Warning, MsgButtons::Ok);
  } else {
    lists.received = ReadStorage(port, "RC", "\r");
    lists.missed = ReadStorage(port, "MC", "\r");
    lists.dialled = ReadStorage(port, "DC", "\r");
    read = true;
    // The device expects its module on the combined phone book.
    SendCommand(port, "AT+CPBS=\"MT\"\r");
    Pause(300);
    EndPassthrough(port);
  }
  CloseComm(port);
  return read;
}

bool LoadCallListsFamilyA(TComm& port, Tag_Cliente& header, bool moduleReady, CallLists& lists,
                          bool& answering) {
  LoadProgress progress;
  progress.Show();
  const int revision = CheckRevision(port, header, header.Rel_firmware.str());
  if (revision == 1) {
    ErrorBox(146);
    return false;
  }
  if (revision != 0) {
    ErrorBox(54);
    return false;
  }
  if (!moduleReady) {
    ErrorBox(54);
    return false;
  }
  if (UiHost* host = CurrentUiHost()) host->ProgressSetCaption(LanguageText(70));
  if (!EnsureOpen(port) || !LineIsQuiet(port)) return false;
  SendCommand(port, "ATH");
  Pause(3000);
  if (!LineIsQuiet(port)) return false;  // a call or something else still talks
  answering = true;
  // The channel ends family A commands with their carriage return itself.
  lists.received = ReadStorage(port, "RC", "");
  lists.missed = ReadStorage(port, "MC", "");
  SendCommand(port, "AT+CPBS=\"SM\"");
  Pause(300);
  return true;
}
