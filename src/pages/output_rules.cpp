#include "pages/output_rules.h"

#include <algorithm>

#include "pages/key_chars.h"

uint8_t* EventFlag(Tag_Uscita& output, int column) {
  switch (column) {
    case 2:
      return &output.FP;
    case 3:
      return &output.FG;
    case 4:
      return &output.BC;
    case 5:
      return &output.BP;
    case 6:
      return &output.MS;
    case 7:
      return &output.CO;
    case 8:
      return &output.CI;
    default:
      return nullptr;
  }
}

uint8_t EventFlagValue(const Tag_Uscita& output, int column) {
  const uint8_t* flag = EventFlag(const_cast<Tag_Uscita&>(output), column);
  return flag ? *flag : 0;
}

bool EventAssigned(const Tag_GlobalBuffer& record, int column) {
  for (int k = 1; k <= 5; ++k)
    if (EventFlagValue(record.Uscite[k], column)) return true;
  return false;
}

bool EventAssigned(int column) {
  return EventAssigned(GlobalBuffer, column);
}

bool AnyReservedOutput(const Tag_GlobalBuffer& record, const Tag_Cliente& header) {
  if (!FirmwareAtLeast(header, 1.1)) return false;
  for (int k = 1; k <= 5; ++k)
    if (record.Uscite[k].OUTRESERV) return true;
  return false;
}

bool AnyReservedOutput() {
  return AnyReservedOutput(GlobalBuffer, Cliente);
}

void ClickOutputPolarity(Tag_GlobalBuffer& record, int output) {
  if (output < 1 || output > 5) return;
  uint8_t& polarity = record.Uscite[output].Polarita;
  polarity = polarity == 0 ? 1 : 0;
}

void ClickOutputEvent(Tag_GlobalBuffer& record, int& eventCount, int output, int column) {
  if (output < 1 || output > 5) return;
  Tag_Uscita& out = record.Uscite[output];
  uint8_t* flag = EventFlag(out, column);
  if (!flag) return;
  if (!*flag && (EventAssigned(record, column) || out.OUTRESERV)) return;
  *flag = *flag ? 0 : 1;
  eventCount += *flag ? 1 : -1;
  if (eventCount > kMaxOutputEvents) {
    *flag = 0;
    --eventCount;
  }
}

void ClickReservedOutput(Tag_GlobalBuffer& record, int& eventCount, int output) {
  if (output < 1 || output > 5) return;
  Tag_Uscita& out = record.Uscite[output];
  out.OUTRESERV = out.OUTRESERV ? 0 : 1;
  if (!out.OUTRESERV) {
    out.Messaggio.clear();
    return;
  }
  for (int column = kFirstEventColumn; column <= kLastEventColumn; ++column) {
    uint8_t* flag = EventFlag(out, column);
    if (*flag) {
      *flag = 0;
      --eventCount;
    }
  }
}

bool SmsCodeKeyAccepted(char ch) {
  return ch == kKeyBackspace || ch == ' ' || IsDigit(ch) || IsAsciiLetter(ch);
}

bool OutputTextKeyAccepted(char ch, std::size_t length, bool reserved) {
  if (!reserved) return false;
  if (ch == kKeyBackspace) return true;
  return length < kOutputTextLength && (ch == ' ' || IsDigit(ch) || IsAsciiLetter(ch));
}

bool CommandNameKeyAccepted(char ch, std::size_t length) {
  if (ch == kKeyBackspace) return true;
  return length < kCommandNameLength && (IsDigit(ch) || IsAsciiLetter(ch));
}

bool OnTimeKeyAccepted(char ch, const std::string& cell, bool editable) {
  if (!editable) return false;
  if (ch == kKeyBackspace) return true;
  return IsDigit(ch) && Trimmed(cell).size() <= 2;
}

bool OutputCommanded(const Tag_Uscita& output) {
  return output.OUTRESERV != 0;
}

void ClickEventBit(Tag_GlobalBuffer& record, int output, int bit) {
  if (output < 1 || output > 5 || bit < 0 || bit > 7) return;
  Tag_Uscita& out = record.Uscite[output];
  if (OutputCommanded(out)) return;
  out.MaskEventiVELA_I ^= static_cast<uint8_t>(1u << bit);
}

void ClickCommanded(Tag_GlobalBuffer& record, int output, int phoneCount) {
  if (output < 1 || output > 5) return;
  Tag_Uscita& out = record.Uscite[output];
  out.OUTRESERV = out.OUTRESERV ? 0 : 1;
  if (out.OUTRESERV) {
    out.MaskEventiVELA_I = 0;
    return;
  }
  out.Tipo = 0;
  out.TempoOn = 0;
  out.Conferma = 0;
  out.Messaggio.clear();
  const auto bit = static_cast<uint8_t>(1u << (output - 1));
  for (int e = 1; e <= std::min(phoneCount, 100); ++e)
    record.NumeriTelefonici[e].Uscite &= static_cast<uint8_t>(~bit);
}

void ClickTimed(Tag_GlobalBuffer& record, int output) {
  if (output < 1 || output > 5) return;
  Tag_Uscita& out = record.Uscite[output];
  if (!OutputCommanded(out)) return;
  out.Tipo = out.Tipo == 1 ? 0 : 1;
}

bool OnTimeEditable(const Tag_Uscita& output) {
  return OutputCommanded(output) && output.Tipo == 1;
}

std::vector<int> ConfirmationChoices(const Tag_Uscita& output) {
  if (!OutputCommanded(output)) return {200};
  if (output.Messaggio.empty()) return {200, 202};
  return {200, 201, 202};
}

uint8_t ConfirmationOfChoice(const Tag_Uscita& output, int position) {
  const std::vector<int> choices = ConfirmationChoices(output);
  if (position < 0 || position >= static_cast<int>(choices.size())) return output.Conferma;
  return static_cast<uint8_t>(choices[position] - 200);
}

int ConfirmationText(uint8_t conferma) {
  return 200 + std::min<int>(conferma, 2);
}

uint8_t OnTimeFromText(const std::string& cell) {
  long value = 0;
  if (!ReadNumber(cell, value)) return 2;
  return static_cast<uint8_t>(std::clamp<long>(value, 2, 254));
}
