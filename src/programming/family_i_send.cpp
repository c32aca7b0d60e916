#include "programming/family_i_send.h"

#include "link/at_text.h"
#include "link/sim_pin.h"
#include "programming/family_i_image.h"
#include "programming/family_i_text_helpers.h"
#include "programming/family_i_transfer.h"
#include "shell/pacing.h"
#include "shell/text_helpers.h"

namespace {

constexpr int kDeviceProblem = 237;
constexpr int kSendFailed = 123;
constexpr int kReplySeconds = 10;
constexpr char kCtrlZ = 0x1A;

bool WritePhoneBook(TComm& port, const Tag_GlobalBuffer& record, ModuleVariant variant) {
  if (variant == ModuleVariant::Motorola) {
    Pause(300);
    if (!WaitOkOrError(port, "AT+CPBS=\"MT\"\r")) return false;
  }
  Pause(300);
  // Every range is cleared even when an earlier one failed, as far as it goes.
  bool cleared = true;
  for (const SlotRange& range : ClearedSlots(variant)) {
    for (int slot = range.first; slot <= range.last; ++slot) {
      if (!WaitOkOrError(port, PhoneBookClearCommand(slot))) {
        cleared = false;
        break;
      }
    }
  }
  Pause(300);
  if (!cleared) return false;
  for (PhoneBookWrite entry : FamilyIPhoneBook(record, variant, DateTimeNow())) {
    // The minute counters count from the moment they reach the module.
    if (entry.slot == 100) entry.number = CounterSlotNumber(record, DateTimeNow());
    if (!WaitOkOrError(port, PhoneBookWriteCommand(entry))) return false;
  }
  return true;
}

// Stores one text after the module's prompt; the reply line it gave, or nullopt.
std::optional<std::string> StoreText(TComm& port, const std::string& command,
                                     const std::string& text) {
  SendCommand(port, command);
  if (CollectPrompt(port).find('>') == std::string::npos) return std::nullopt;
  std::string reply;
  if (!QueryLine(port, text + kCtrlZ, reply)) return std::nullopt;
  return reply;
}

int StorageIndexOf(const std::string& reply) {
  const auto colon = reply.find(':');
  const auto index = ParseNumber(TrimSpaces(reply.substr(colon + 1)));
  return index && *index >= 0 && *index <= 1000000 ? static_cast<int>(*index) : -1;
}

// After "+CMGW: n" the module confirms with "OK"; a silent module leaves the index line.
bool ConfirmedAfterIndex(TComm& port, std::string line) {
  const auto start = WaitStart();
  do {
    ReadReplyLine(port, line);
  } while (line.find("OK") == std::string::npos && line.size() <= 4 &&
           WholeSecondsSince(start) <= kReplySeconds);
  return line.find("OK") != std::string::npos;
}

bool WriteIndexEntries(TComm& port, const FamilyITexts& texts) {
  Pause(300);
  bool acknowledgedAtFirst = false;
  for (int n = 1; n <= kFamilyITextCount; ++n) {
    if (texts[n - 1].Index <= 0) continue;
    const PhoneBookWrite entry{n, std::to_string(texts[n - 1].Index), "PX" + std::to_string(n)};
    if (WaitOkOrError(port, PhoneBookWriteCommand(entry))) {
      acknowledgedAtFirst = true;
      continue;
    }
    // Until one entry has gone through at once, a refused one gets a second chance.
    if (acknowledgedAtFirst) return false;
    Pause(1000);
    if (!WaitOkOrError(port, PhoneBookWriteCommand(entry))) return false;
  }
  return true;
}

bool WriteTextsMotorola(TComm& port, const Tag_GlobalBuffer& record) {
  FamilyITexts texts;
  BuildFamilyITexts(record, texts);
  // Without the delete-all the old texts stay where the index entries no longer point.
  if (!WaitOkOrError(port, "AT+CMGD=1,4\r")) return false;
  Pause(500);
  for (TSMS& sms : texts) {
    if (TrimSpaces(sms.Text).empty()) continue;
    const auto reply = StoreText(port, "AT+CMGW=\r", sms.Text);
    if (!reply) return false;
    Pause(10);
    if (reply->find("+CMGW:") == std::string::npos) return false;
    sms.Index = StorageIndexOf(*reply);
    // A text stored where no index entry can point is lost to the device.
    if (sms.Index <= 0) return false;
    if (!ConfirmedAfterIndex(port, *reply)) return false;
  }
  return WriteIndexEntries(port, texts);
}

bool WriteTextsEricsson(TComm& port, const Tag_GlobalBuffer& record) {
  FamilyITexts texts;
  BuildFamilyITexts(record, texts);
  Pause(500);
  for (int n = 1; n <= kFamilyITextCount; ++n)
    WaitOkOrError(port, "AT+CMGD=" + std::to_string(n) + "\r");
  for (int n = 1; n <= kFamilyITextCount; ++n) {
    Pause(100);
    // The device reads text n at position n: a text not stored, or stored elsewhere, would
    // shift every later one, so either is a failure.
    const auto reply = StoreText(port, "AT+CMGW=2\r", texts[n - 1].Text);
    if (!reply) return false;
    if (reply->find("+CMGW:") != std::string::npos && StorageIndexOf(*reply) != n) return false;
  }
  return true;
}

bool WriteImage(TComm& port, const Tag_GlobalBuffer& record, ModuleVariant variant) {
  if (!WritePhoneBook(port, record, variant)) return false;
  return variant == ModuleVariant::Motorola ? WriteTextsMotorola(port, record)
                                            : WriteTextsEricsson(port, record);
}

}  // namespace

std::string CollectPrompt(TComm& port) {
  std::string prompt;
  while (prompt.size() < 33) {
    const std::string c = ReadCharTimeout(port, CharTimeout);
    if (c.empty()) break;
    if (c[0] != '\r' && c[0] != '\n') prompt += c;
  }
  return prompt;
}

FamilyIOutcome SendFamilyIImage(TComm& port, const Tag_GlobalBuffer& record, Dati_Modulo& info) {
  TransferScope transfer;
  transfer.CountSteps();
  if (!EnsureOpen(port)) return FamilyIOutcome::NoPort;
  FamilyIOutcome outcome = FamilyIOutcome::Done;
  info = Dati_Modulo{};  // an earlier device's maker must not choose the variant
  if (!CheckDeviceReady(port) || !ReadModuleInfo(port, info, false, true)) {
    WarnText(kDeviceProblem);
    outcome = FamilyIOutcome::NotReady;
  } else {
    const auto variant = IdentifyVariant(info);
    if (!variant) {
      outcome = FamilyIOutcome::UnknownMaker;
    } else {
      transfer.SetGaugeMaximum(*variant == ModuleVariant::Motorola ? 360 : 300);
      if (!WriteImage(port, record, *variant)) outcome = FamilyIOutcome::Failed;
    }
    EndPassthrough(port);
    if (outcome != FamilyIOutcome::Done) WarnText(kSendFailed);
  }
  CloseComm(port);
  return outcome;
}
