#include "pages/phone_rules.h"

#include "pages/key_chars.h"

bool PhoneGridKeyAccepted(int col, char ch, std::size_t cellLength) {
  if (ch == kKeyBackspace) return col == 1 || col == 2;
  if (col == 1) return cellLength < kPhoneTextLength;
  if (col == 2) return cellLength < kPhoneTextLength && (IsDigit(ch) || ch == '+');
  return false;
}

bool PrefixKeyAccepted(char ch) {
  return ch == kKeyBackspace || IsDigit(ch);
}

bool DigitsToRemoveEnabled(const Tag_Cliente& header) {
  return header.TipoCentrale == kTypeVelaI || FirmwareAtLeast(header, 1.1);
}

bool PhoneGetsSms(const Tag_GlobalBuffer& record, int entry) {
  if (entry < 1 || entry > 8) return false;
  for (int k = 1; k <= 7; ++k)
    if (record.Ingressi[k].MaskSms & (1u << (entry - 1))) return true;
  return false;
}

bool PhoneHasOutput(const Tag_GlobalBuffer& record, int entry, int output) {
  return (record.NumeriTelefonici[entry].Uscite >> output) & 1u;
}

namespace {

void SetOutput(Tag_GlobalBuffer& record, int entry, int output, bool on) {
  uint8_t& mask = record.NumeriTelefonici[entry].Uscite;
  const auto bit = static_cast<uint8_t>(1u << output);
  mask = on ? (mask | bit) : (mask & ~bit);
}

}  // namespace

void ClickOutputRun(Tag_GlobalBuffer& record, int entryCount, int entry, int output) {
  if (entry < 1 || entry > entryCount || output < 0 || output >= kRunOutputs) return;
  if (PhoneHasOutput(record, entry, output)) {
    const bool inside = entry > 1 && entry < entryCount &&
                        PhoneHasOutput(record, entry - 1, output) &&
                        PhoneHasOutput(record, entry + 1, output);
    if (inside) {
      for (int e = 1; e <= entryCount; ++e) SetOutput(record, e, output, false);
    } else {
      SetOutput(record, entry, output, false);
    }
    return;
  }
  int first = 0;
  for (int e = 1; e <= entryCount && !first; ++e)
    if (PhoneHasOutput(record, e, output)) first = e;
  if (!first) {
    SetOutput(record, entry, output, true);
  } else if (entry < first) {
    for (int e = entry; e < first; ++e) SetOutput(record, e, output, true);
  } else {
    for (int e = first + 1; e <= entry; ++e) SetOutput(record, e, output, true);
  }
  record.Uscite[output + 1].OUTRESERV = 1;
}
