#include "pages/input_rules.h"

#include <algorithm>

namespace {

void ClearInputSettings(Tag_Ingresso& input) {
  input.Messaggio = 0;
  input.MaskTel = 0;
  input.MaskSms = 0;
  input.SmsA = 0;
  input.SmsR = 0;
}

bool ValidInput(int input) {
  return input >= 1 && input <= 4;
}

}  // namespace

void NormaliseLineSwitch(Tag_GlobalBuffer& record, const Tag_Cliente& header) {
  auto& options = record.Opzioni;
  if (!FirmwareAtLeast(header, kLateRelease)) {
    options.UsaGsm = 0;
    return;
  }
  if (options.UsaGsm == 1) {
    Tag_Ingresso& input = record.Ingressi[kLineSwitchInput];
    ClearInputSettings(input);
    input.Serv = 0;
    options.CommutaChiama = 0;
  }
}

void TogglePolarity(Tag_Ingresso& input) {
  input.Polarita = input.Polarita == 0 ? 1 : 0;
}

bool InputNumbersLocked(const Tag_GlobalBuffer& record, int input) {
  if (record.Ingressi[input].Serv) return true;
  return input == kLineSwitchInput && (record.Opzioni.UsaGsm || record.Opzioni.CommutaChiama);
}

void ToggleCalledNumber(Tag_GlobalBuffer& record, int input, int bit) {
  if (!ValidInput(input) || bit < 0 || bit > 7 || InputNumbersLocked(record, input)) return;
  record.Ingressi[input].MaskTel ^= static_cast<uint8_t>(1u << bit);
}

void ToggleTextedNumber(Tag_GlobalBuffer& record, int input, int bit) {
  if (!ValidInput(input) || bit < 0 || bit > 7 || InputNumbersLocked(record, input)) return;
  record.Ingressi[input].MaskSms ^= static_cast<uint8_t>(1u << bit);
}

bool CalledNumberGrey(const Tag_GlobalBuffer& record, int input, int bit) {
  if (input != kLineSwitchInput) return false;
  return record.Opzioni.UsaGsm || (record.Opzioni.CommutaChiama && bit > 0);
}

bool TextedNumberGrey(const Tag_GlobalBuffer& record, int input) {
  return input == kLineSwitchInput && (record.Opzioni.UsaGsm || record.Opzioni.CommutaChiama);
}

void ToggleService(Tag_GlobalBuffer& record, const Tag_Cliente& header, int input) {
  if (!ValidInput(input)) return;
  Tag_Ingresso& in = record.Ingressi[input];
  if (!FirmwareAtLeast(header, kLateRelease)) {
    in.Serv = 0;
    return;
  }
  in.Serv = in.Serv ? 0 : 1;
  if (!in.Serv) return;
  ClearInputSettings(in);
  if (input == kLineSwitchInput) {
    record.Opzioni.UsaGsm = 0;
    record.Opzioni.CommutaChiama = 0;
  }
}

void ToggleUsaGsm(Tag_GlobalBuffer& record, const Tag_Cliente& header) {
  if (!FirmwareAtLeast(header, kLateRelease)) return;
  record.Opzioni.UsaGsm = record.Opzioni.UsaGsm ? 0 : 1;
  NormaliseLineSwitch(record, header);
}

void ToggleCommutaChiama(Tag_GlobalBuffer& record, const Tag_Cliente& header) {
  if (!FirmwareAtLeast(header, kLateRelease)) return;
  auto& options = record.Opzioni;
  Tag_Ingresso& input = record.Ingressi[kLineSwitchInput];
  if (options.CommutaChiama) {
    options.CommutaChiama = 0;
    input.MaskTel = 0;
    return;
  }
  options.CommutaChiama = 1;
  ClearInputSettings(input);
  input.MaskTel = 1;  // number 1 only
  input.Serv = 0;
  options.UsaGsm = 0;
}

bool InputChoiceLocked(const Tag_GlobalBuffer& record, int input) {
  if (record.Ingressi[input].Serv) return true;
  return input == kLineSwitchInput && record.Opzioni.UsaGsm;
}

bool ChooseMessage(Tag_GlobalBuffer& record, int input, const std::vector<std::string>& labels,
                   int chosen) {
  if (!ValidInput(input) || chosen < 0 || chosen >= static_cast<int>(labels.size())) return false;
  if (InputChoiceLocked(record, input)) return false;
  const auto first = std::find(labels.begin(), labels.end(), labels[chosen]);
  record.Ingressi[input].Messaggio = static_cast<uint8_t>(first - labels.begin());
  return true;
}

bool ChooseSmsText(Tag_GlobalBuffer& record, int input, bool activation, int item) {
  if (!ValidInput(input) || item < 0 || item > 8) return false;
  if (InputChoiceLocked(record, input)) return false;
  Tag_Ingresso& in = record.Ingressi[input];
  (activation ? in.SmsA : in.SmsR) = static_cast<uint8_t>(item);
  return true;
}
