#include "programming/family_i_load.h"

#include <exception>
#include <vector>

#include "link/at_text.h"
#include "programming/family_i_counters.h"
#include "programming/family_i_parser.h"
#include "programming/family_i_phonebook.h"
#include "programming/family_i_transfer.h"
#include "shell/message_box.h"
#include "shell/pacing.h"

namespace {

constexpr int kDeviceProblem = 237;
constexpr int kLoadFailed = 122;
constexpr int kPositionSeconds = 10;

// Reads listing lines until a 2-second silence; false when the module said "error".
// Each line holding tag goes to take, which may read further lines itself; such a line is an
// entry even when its name holds "error".
template <typename Take>
bool ReadListing(TComm& port, const char* tag, Take take) {
  std::string line;
  for (;;) {
    ReadLongLine(port, line);
    if (line.empty()) return true;
    if (line.find(tag) != std::string::npos) {
      take(line);
    } else if (ContainsNoCase(line, "error")) {
      return false;
    }
  }
}

bool ReadPhoneBook(TComm& port, ModuleVariant variant, Tag_GlobalBuffer& record,
                   std::vector<stRecAgenda>& book) {
  if (variant == ModuleVariant::Motorola) {
    SendCommand(port, "AT+CPBR=1,200\r");
  } else {
    Pause(300);
    WaitOkOrError(port, "AT+CMGF=1\r");
    Pause(300);
    SendCommand(port, "AT+CPBR=1,100\r");
  }
  const bool listed = ReadListing(
      port, "+CPBR:", [&](const std::string& line) { book.push_back(ParsePhoneBookLine(line)); });
  // What was listed before an error is still loaded.
  MapPhoneBook(book, variant, record);
  return listed;
}

bool ReadTextsMotorola(TComm& port, const std::vector<stRecAgenda>& book,
                       Tag_GlobalBuffer& record) {
  SendCommand(port, "AT+CMGL=ALL\r");
  std::vector<stSms> listing;
  const bool listed = ReadListing(port, "+CMGL:", [&](const std::string& header) {
    std::string body;
    ReadLongLine(port, body);
    listing.push_back({header, body});
  });
  ParseFamilyITexts(LocateMotorolaTexts(book, listing), record);
  return listed;
}

enum class Position { Read, Refused, Silent };

// The body stored at position p; an empty message reads as an empty body.
Position ReadPosition(TComm& port, int p, std::string& body) {
  const std::string command = "AT+CMGR=" + std::to_string(p) + "\r";
  SendCommand(port, command);
  const std::string echo = command.substr(0, command.size() - 1);
  const auto start = WaitStart();
  std::string line;
  bool any = false;
  do {
    ReadLongLine(port, line);
    any = any || !line.empty();
  } while ((line.size() <= 4 || line == echo) && WholeSecondsSince(start) <= kPositionSeconds);
  if (!any) return Position::Silent;
  if (line.find("+CMGR:") != std::string::npos) {
    ReadLongLine(port, body);
    if (body == "OK") body.clear();
    return Position::Read;
  }
  return ContainsNoCase(line, "error") ? Position::Refused : Position::Read;
}

bool ReadTextsEricsson(TComm& port, Tag_GlobalBuffer& record) {
  LocatedTexts texts;
  bool complete = true;
  for (int p = 1; p <= kFamilyITextCount; ++p) {
    try {
      std::string body;
      const Position got = ReadPosition(port, p, body);
      if (got == Position::Silent) return false;
      // A refused position is not our text: reading it as empty would set flags it lacks.
      if (got == Position::Refused) complete = false;
      if (got == Position::Read) texts[p - 1] = body;
    } catch (const std::exception& e) {
      ShowMessageBox(e.what(), MsgKind::Error, MsgButtons::Ok);
    }
    Pause(300);
  }
  ParseFamilyITexts(texts, record);
  return complete;
}

bool ReadImage(TComm& port, ModuleVariant variant, Tag_GlobalBuffer& record) {
  std::vector<stRecAgenda> book;
  const bool bookRead = ReadPhoneBook(port, variant, record, book);
  if (variant == ModuleVariant::Motorola) return bookRead && ReadTextsMotorola(port, book, record);
  const bool textsRead = ReadTextsEricsson(port, record);
  return bookRead && textsRead;
}

}  // namespace

FamilyIOutcome LoadFamilyIImage(TComm& port, Tag_GlobalBuffer& record, Dati_Modulo& info) {
  TransferScope transfer;
  if (!EnsureOpen(port)) {
    WarnText(kDeviceProblem);
    return FamilyIOutcome::NoPort;
  }
  ApplyPeriodicCounters(ReadPeriodicCounters(port), DateTimeNow(), record);
  FamilyIOutcome outcome = FamilyIOutcome::Done;
  info = Dati_Modulo{};  // an earlier device's maker must not choose the variant
  if (!ReadModuleInfo(port, info, false, false)) {
    WarnText(kDeviceProblem);
    outcome = FamilyIOutcome::NotReady;
  } else {
    transfer.CountSteps();
    const auto variant = IdentifyVariant(info);
    if (!variant) {
      outcome = FamilyIOutcome::UnknownMaker;
    } else {
      transfer.SetGaugeMaximum(*variant == ModuleVariant::Motorola ? 70 : 90);
      if (!ReadImage(port, *variant, record)) outcome = FamilyIOutcome::Failed;
    }
    EndPassthrough(port);
    if (outcome != FamilyIOutcome::Done) WarnText(kLoadFailed);
  }
  CloseComm(port);
  return outcome;
}
