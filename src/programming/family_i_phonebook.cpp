#include "programming/family_i_phonebook.h"

#include "programming/family_i_text_helpers.h"
#include "shell/text_helpers.h"

namespace {

constexpr std::string_view kEntryTag = "+CPBR:";
constexpr std::string_view kListTag = "+CMGL:";

// The text between the quote at open and the next quote; npos-safe.
std::string_view Quoted(std::string_view line, size_t open, size_t* close) {
  *close = line.find('"', open + 1);
  if (*close == std::string_view::npos) return line.substr(open + 1);
  return line.substr(open + 1, *close - open - 1);
}

Tag_NumeroTelefonico* TelephoneEntry(Tag_GlobalBuffer& record, int k) {
  return k >= 1 && k <= 100 ? &record.NumeriTelefonici[k] : nullptr;
}

ShortText<20>* ContactNumber(Tag_GlobalBuffer& record, int j) {
  switch (j) {
    case 1:
      return &record.ComDig.Numero1;
    case 2:
      return &record.ComDig.Numero2;
    case 3:
      return &record.ComDig.Numero3;
    case 4:
      return &record.ComDig.Numero4;
    default:
      return nullptr;
  }
}

bool IsIndexEntry(const stRecAgenda& entry) {
  return entry.slot >= 1 && entry.slot <= kFamilyITextCount && entry.name.starts_with("PX");
}

}  // namespace

stRecAgenda ParsePhoneBookLine(std::string_view line) {
  stRecAgenda entry;
  entry.line = std::string(line);
  const auto tag = line.find(kEntryTag);
  if (tag == std::string_view::npos) return entry;
  const std::string_view rest = line.substr(tag + kEntryTag.size());
  const auto quote = rest.find('"');
  std::string_view slot = rest.substr(0, quote);
  if (const auto comma = slot.rfind(','); comma != std::string_view::npos)
    slot = slot.substr(0, comma);
  const auto value = ParseNumber(TrimSpaces(slot));
  entry.slot = value && *value >= -1 && *value <= 100000 ? static_cast<int>(*value) : -1;
  if (entry.slot == -1 || quote == std::string_view::npos) return entry;
  // The number is read up to its closing quote, so a number holding a comma stays whole.
  size_t close = 0;
  entry.number = std::string(Quoted(rest, quote, &close));
  if (close == std::string_view::npos) return entry;
  const auto nameOpen = rest.find('"', close + 1);
  if (nameOpen == std::string_view::npos) return entry;
  size_t nameClose = 0;
  const std::string_view name = Quoted(rest, nameOpen, &nameClose);
  if (nameClose != std::string_view::npos) entry.name = std::string(name);
  return entry;
}

void MapPhoneBook(const std::vector<stRecAgenda>& book, ModuleVariant variant,
                  Tag_GlobalBuffer& record) {
  const bool motorola = variant == ModuleVariant::Motorola;
  for (const stRecAgenda& entry : book) {
    // Index entries stay for the text step; a telephone number named "PX..." is loaded.
    if (motorola && IsIndexEntry(entry)) continue;
    const int slot = entry.slot;
    if (slot == 100) {
      record.Opzioni.CodUscSms = entry.name.empty() ? "" : entry.name.substr(1);
      continue;
    }
    const int telephone = motorola ? slot - 100 : slot;
    const int contact = motorola ? slot - 195 : slot - 95;
    // MOTOROLA slots 196 to 199 land in telephone entries 96 to 99 as well.
    const bool telephoneSlot = motorola ? slot >= 101 && slot <= 199 : slot >= 1 && slot <= 95;
    if (telephoneSlot) {
      if (auto* tel = TelephoneEntry(record, telephone)) {
        tel->Descrizione = entry.name;
        tel->Numero = entry.number;
      }
    }
    if (auto* number = ContactNumber(record, contact)) *number = entry.number;
  }
}

int TextIndexOf(const std::vector<stRecAgenda>& book, int n) {
  const std::string name = "PX" + std::to_string(n);
  for (const stRecAgenda& entry : book) {
    if (!IsIndexEntry(entry) || entry.name != name) continue;
    const auto index = ParseNumber(TrimSpaces(entry.number));
    return index && *index >= 0 && *index <= 1000000 ? static_cast<int>(*index) : -1;
  }
  return -1;
}

int ListedIndexOf(std::string_view header) {
  const auto tag = header.find(kListTag);
  if (tag == std::string_view::npos) return -1;
  std::string_view rest = header.substr(tag + kListTag.size());
  rest = rest.substr(0, rest.find(','));
  const auto index = ParseNumber(TrimSpaces(rest));
  return index && *index >= 0 && *index <= 1000000 ? static_cast<int>(*index) : -1;
}

LocatedTexts LocateMotorolaTexts(const std::vector<stRecAgenda>& book,
                                 const std::vector<stSms>& listing) {
  LocatedTexts texts;
  for (int n = 1; n <= kFamilyITextCount; ++n) {
    const int index = TextIndexOf(book, n);
    if (index < 0) continue;
    for (const stSms& sms : listing) {
      if (ListedIndexOf(sms.header) == index) {
        texts[n - 1] = sms.body;
        break;
      }
    }
  }
  return texts;
}
