#include "programming/family_a_writer.h"

#include "link/at_channel.h"
#include "link/at_text.h"
#include "programming/family_a_image.h"
#include "programming/progress.h"
#include "shell/pacing.h"

namespace {

constexpr int kReplySeconds = 11;
constexpr int kStoreSeconds = 10;

bool HasOkOrError(const std::string& line) {
  return ContainsNoCase(line, "ok") || ContainsNoCase(line, "error");
}

// One line variable serves a whole series: after an index that stays silent the previous
// reply is seen again and the series moves on.
void AwaitOkOrError(TComm& port, std::string& line) {
  const auto start = WaitStart();
  for (;;) {
    ReadReplyLine(port, line);
    if (HasOkOrError(line) || WholeSecondsSince(start) >= kReplySeconds) return;
  }
}

enum class PromptWait { Prompt, Error, TimeUp };

// The module's prompt is ">" and a blank with no line end after it, so it is looked for in
// the characters as they come; waiting for a complete line would always run into the time
// limit. Complete lines are still checked for "error".
PromptWait AwaitPrompt(TComm& port, PaceClock::time_point start) {
  std::string line;
  while (WholeSecondsSince(start) <= kStoreSeconds) {
    const std::string c = ReadCharTimeout(port, CharTimeout);
    if (c.empty()) continue;
    if (c[0] == '>') {
      if (TransferFlag) ProgressStep(1);
      return PromptWait::Prompt;
    }
    if (c[0] == '\r') {
      if (ContainsNoCase(line, "error")) return PromptWait::Error;
      line.clear();
    } else if (c[0] != '\n') {
      line += c;
    }
  }
  return ContainsNoCase(line, "error") ? PromptWait::Error : PromptWait::TimeUp;
}

}  // namespace

void DeleteStoredTexts(TComm& port, int first, int last) {
  std::string line;
  for (int index = first; index <= last; ++index) {
    SendCommand(port, "at+cmgd=" + std::to_string(index));
    AwaitOkOrError(port, line);
  }
}

void SelectSimPhoneBook(TComm& port) {
  SendCommand(port, "at+cpbs=\"SM\"");
  Pause(300);
}

void SelectTextMode(TComm& port) {
  SendCommand(port, "at+cmgf=1");
  Pause(300);
}

void WritePhoneBook(TComm& port, const Tag_GlobalBuffer& record) {
  std::string line;
  for (int k = 1; k <= PhoneEntryCount(); ++k) {
    SendCommand(port, "at+cpbw=" + std::to_string(k));
    AwaitOkOrError(port, line);
  }
  for (int k = 1; k <= 100; ++k) {
    const std::string& number = record.NumeriTelefonici[k].Numero;
    if (number.empty()) continue;
    SendCommand(port, PhoneBookWriteCommand(k, number));
    Pause(300);
  }
}

bool WriteStoredText(TComm& port, const std::string& body) {
  auto start = WaitStart();
  Pause(300);
  if (AwaitPrompt(port, start) == PromptWait::Error) return false;

  const std::string text = body.empty() ? " " : body;
  Pause(300);
  SendTextBody(port, text);

  // A module that echoes sends the body back first, possibly split into several lines; a
  // text such as "Errore batteria" must not pass for the module's verdict.
  start = WaitStart();
  std::string line;
  std::size_t echoed = 0;
  bool echoing = true;
  while (WholeSecondsSince(start) <= kStoreSeconds) {
    if (!ReadReplyLine(port, line)) continue;
    if (echoing && echoed < text.size() && text.compare(echoed, line.size(), line) == 0) {
      echoed += line.size();
      continue;
    }
    echoing = false;
    if (ContainsNoCase(line, "error")) return false;
    if (ContainsNoCase(line, "ok")) return true;
  }
  return false;
}
