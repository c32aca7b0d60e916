#include "pages/sms_rules.h"

#include <algorithm>

#include "pages/key_chars.h"

bool FamilyASmsKeyAccepted(char ch, std::size_t length) {
  if (ch == kKeyBackspace) return true;
  const auto code = static_cast<unsigned char>(ch);
  const bool allowed = (code >= 32 && code <= 90) || (code >= 97 && code <= 122);
  return allowed && length < kFamilyASmsLength;
}

bool StoreFamilyASms(Tag_GlobalBuffer& record, int index, const std::string& cell) {
  if (index < 1 || index > 8) return false;
  const std::string text = Trimmed(cell.substr(0, kFamilyASmsLength));
  if (text == record.SmsS[index].Descrizione) return false;
  record.SmsS[index].Descrizione = text;
  return true;
}

bool HasServiceFlag(const Tag_Ingresso& input) {
  return input.ServVELA_I_1 || input.ServVELA_I_2;
}

void ToggleEntryPolarity(Tag_GlobalBuffer& record, int entry) {
  if (entry < 1 || entry > 4) return;
  if (entry == 3 && record.Ingressi[3].ServVELA_I_2) return;
  Tag_Ingresso& input = record.Ingressi[entry];
  input.Polarita = input.Polarita == 0 ? 1 : 0;
}

void ToggleEntryTextedNumber(Tag_GlobalBuffer& record, int entry, int bit) {
  if (entry < 1 || entry > 7 || bit < 0 || bit > 7) return;
  Tag_Ingresso& input = record.Ingressi[entry];
  if (HasServiceFlag(input)) return;
  input.MaskSms ^= static_cast<uint8_t>(1u << bit);
}

void ToggleServiceFlag(Tag_GlobalBuffer& record, int entry, int which) {
  if (entry < 1 || entry > kServiceEntries || (which != 1 && which != 2)) return;
  Tag_Ingresso& input = record.Ingressi[entry];
  uint8_t& flag = which == 1 ? input.ServVELA_I_1 : input.ServVELA_I_2;
  flag = flag ? 0 : 1;
  if (which == 2 && input.ServVELA_I_2 && (entry == 1 || entry == 3)) {
    input.ServVELA_I_1 = 1;
    if (entry == 3) input.Polarita = 0;
  }
  if (!HasServiceFlag(input)) return;
  input.MaskSms = 0;
  input.SMSAttiv.clear();
  input.SMSRipr.clear();
  record.ComDig.Eventi[2 * (entry - 1)].Invia = 0;
  record.ComDig.Eventi[2 * (entry - 1) + 1].Invia = 0;
}

bool EntryTextKeyAccepted(const Tag_Ingresso& input, char ch, std::size_t length) {
  if (HasServiceFlag(input)) return false;
  return ch == kKeyBackspace || length < kFamilyISmsLength;
}

bool AdtKeyAccepted(char ch) {
  return ch == kKeyBackspace || IsDigit(ch) || ch == '*' || ch == ',';
}

bool AdtNumberEnabled(const Tag_GlobalBuffer& record) {
  return record.Ingressi[3].ServVELA_I_2 != 0;
}

PeriodicGroupState PeriodicGroup(const std::string& periodicText, const Tag_Ingresso& input1) {
  PeriodicGroupState state;
  state.enabled = !periodicText.empty();
  state.pickersEnabled = state.enabled && !HasServiceFlag(input1);
  return state;
}

void StoreEntryTexts(Tag_Ingresso& input, const std::string& activation,
                     const std::string& restore) {
  input.SMSAttiv = Trimmed(activation);
  input.SMSRipr = Trimmed(restore);
}

uint32_t IntervalMinutes(const std::string& days, const std::string& hours,
                         const std::string& minutes) {
  auto read = [](const std::string& text) -> uint32_t {
    long value = 0;
    return ReadNumber(text, value) && value > 0 ? static_cast<uint32_t>(value) : 0;
  };
  return read(days) * 1440 + read(hours) * 60 + read(minutes);
}

IntervalParts SplitInterval(uint32_t minutes) {
  return {minutes / 1440, minutes % 1440 / 60, minutes % 60};
}

uint8_t CreditInterval(bool checkOn, const std::string& edit) {
  if (!checkOn) return 0;
  long value = 0;
  if (!ReadNumber(edit, value)) return 1;
  return static_cast<uint8_t>(std::clamp<long>(value, 1, 255));
}
