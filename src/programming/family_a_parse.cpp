#include "programming/family_a_parse.h"

#include "link/at_text.h"
#include "programming/firmware_family.h"
#include "programming/image_text.h"

namespace {

// Positions are 1-based as the device's texts are counted; 0 means "not found". An item whose
// key is missing is skipped: counted from the start of the text its offsets would read
// whatever stands there. Outside the text there is nothing.
int Pos(std::string_view text, std::string_view what) {
  const auto at = text.find(what);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

char CharAt(std::string_view text, int p) {
  return p >= 1 && p <= static_cast<int>(text.size()) ? text[p - 1] : '\0';
}

uint8_t DigitAt(std::string_view text, int p) {
  const char c = CharAt(text, p);
  return c >= '0' && c <= '9' ? static_cast<uint8_t>(c - '0') : 0;
}

std::string_view Copy(std::string_view text, int p, int count) {
  if (p < 1) p = 1;
  if (p > static_cast<int>(text.size())) return {};
  return text.substr(p - 1, count);
}

// Eight characters from position p, item 1 first: "1" sets the bit, anything else clears it.
uint8_t MaskFrom(std::string_view text, int p) {
  uint8_t mask = 0;
  for (int b = 0; b < 8; ++b)
    if (CharAt(text, p + b) == '1') mask |= static_cast<uint8_t>(1u << b);
  return mask;
}

bool LongEnough(std::string_view text) {
  return text.size() > 5;
}

void InputsVoice(std::string_view text, bool late, Tag_GlobalBuffer& r) {
  const std::string lower = LowerAscii(text);
  for (int k = 1; k <= 4; ++k) {
    Tag_Ingresso& in = r.Ingressi[k];
    const int p = Pos(lower, "av" + std::to_string(k));
    if (p == 0) continue;
    if (late && LowerAscii(TrimBlanksAndControls(Copy(text, p + 4, 4))) == "serv") {
      in.Serv = 1;
      in.MaskTel = 0;
      in.Messaggio = 0;
      continue;
    }
    if (late) in.Serv = 0;
    const uint8_t m = DigitAt(text, p + 4);
    in.Messaggio = m > 0 ? m - 1 : 0;
    in.MaskTel = MaskFrom(text, p + 5);
  }
}

void OutputEvents(std::string_view text, Tag_GlobalBuffer& r, int& eventCount) {
  eventCount = 0;
  for (int n = 1; n <= 5; ++n) {
    Tag_Uscita& out = r.Uscite[n];
    std::string_view item;
    const auto end = text.find(';');
    if (end != std::string_view::npos) {
      item = text.substr(0, end + 1);
      text.remove_prefix(end + 1);
    }
    // Items go by their order; the "OSn" label is not looked at.
    const std::pair<uint8_t Tag_Uscita::*, const char*> events[] = {
        {&Tag_Uscita::FP, "FP"}, {&Tag_Uscita::FG, "FG"}, {&Tag_Uscita::BC, "BC"},
        {&Tag_Uscita::BP, "BP"}, {&Tag_Uscita::CO, "CO"}, {&Tag_Uscita::CI, "CI"},
        {&Tag_Uscita::MS, "MS"}};
    for (const auto& [flag, name] : events) {
      out.*flag = item.find(name) != std::string_view::npos ? 1 : 0;
      eventCount += out.*flag;
    }
  }
}

void PolaritiesAndOptions(std::string_view text, bool late, Tag_GlobalBuffer& r) {
  const std::string lower = LowerAscii(text);
  auto polarity = [&](int p) { return static_cast<uint8_t>(CharAt(lower, p) == 'h' ? 1 : 0); };

  const int ip = Pos(lower, "ip=");
  int p = ip;
  if (p > 0)
    for (int k = 1; k <= 4; ++k) r.Ingressi[k].Polarita = polarity(p + 2 + k);
  p = Pos(lower, "op=");
  if (p > 0)
    for (int k = 1; k <= 5; ++k) r.Uscite[k].Polarita = polarity(p + 2 + k);

  Tag_Opzioni& o = r.Opzioni;
  p = Pos(lower, "vs=");
  switch (p > 0 ? CharAt(text, p + 3) : '\0') {
    case '0':
      o.Squillo = 1, o.VoceInLinea = 0, o.Selezione = 0;
      break;
    case '1':
      o.VoceInLinea = 1, o.Squillo = 0, o.Selezione = 0;
      break;
    case '2':
      o.Selezione = 1, o.VoceInLinea = 0, o.Squillo = 0;
      break;
    default:
      break;
  }
  p = Pos(lower, "rc=");
  switch (p > 0 ? CharAt(text, p + 3) : '\0') {
    case '0':
      o.Richiama = 0;
      break;
    case '1':
      o.Richiama = 1;
      break;
    default:
      break;
  }
  // The writer leaves the item out for an empty prefix, so in a text that is this one a
  // missing item means no prefix; keeping the old one would show a prefix the device does
  // not have, and send it back with the next Send.
  p = Pos(lower, "pre=");
  if (p > 0) {
    const std::string_view rest = Copy(text, p + 4, static_cast<int>(text.size()));
    o.Prefisso = std::string(rest.substr(0, rest.find(';')));
  } else if (ip > 0) {
    o.Prefisso.clear();
  }
  if (late) {
    p = Pos(lower, "bd=");
    if (p > 0) o.CifreRim = DigitAt(text, p + 3);
  }
}

void InputsSms(std::string_view text, Tag_GlobalBuffer& r) {
  const std::string lower = LowerAscii(text);
  for (int k = 1; k <= 4; ++k) {
    Tag_Ingresso& in = r.Ingressi[k];
    const int p = Pos(lower, "as" + std::to_string(k));
    if (p == 0) continue;
    in.SmsA = DigitAt(text, p + 4);
    in.SmsR = DigitAt(text, p + 5);
    in.MaskSms = MaskFrom(text, p + 6);
  }
}

void ReservedCodeSwitching(std::string_view text, Tag_GlobalBuffer& r, int& eventCount) {
  if (LongEnough(text)) {
    for (int k = 1; k <= 5; ++k) {
      Tag_Uscita& out = r.Uscite[k];
      if (CharAt(text, k + 4) != '0') {
        out.OUTRESERV = 1;
        out.FP = out.FG = out.BC = out.BP = out.CO = out.CI = out.MS = 0;
      } else {
        out.OUTRESERV = 0;
      }
    }
    eventCount = CountOutputEvents(r);
  }

  Tag_Opzioni& o = r.Opzioni;
  const auto hash = text.find('#');
  if (hash != std::string_view::npos) {
    const std::string_view rest = text.substr(hash + 1);
    const auto second = rest.find('#');
    o.CodUscSms =
        second == std::string_view::npos ? std::string() : std::string(rest.substr(0, second));
  }

  const int p = Pos(text, "CG=");
  if (p == 0) return;
  Tag_Ingresso& in4 = r.Ingressi[4];
  switch (DigitAt(text, p + 3)) {
    case 0:
      o.UsaGsm = 0, o.CommutaChiama = 0;
      break;
    case 1:
      o.UsaGsm = 1, o.CommutaChiama = 0, in4.Serv = 0;
      break;
    case 2:
      o.UsaGsm = 0, o.CommutaChiama = 1, in4.Serv = 0, in4.MaskTel = 1;
      break;
    default:
      break;
  }
}

void OutputTexts(std::string_view text, Tag_GlobalBuffer& r) {
  text.remove_prefix(1);  // the line feed
  for (int n = 1; n <= 5; ++n) {
    const auto end = text.find(';');
    if (end == std::string_view::npos) {
      r.Uscite[n].Messaggio.clear();
      continue;
    }
    r.Uscite[n].Messaggio = std::string(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
}

void SmsText(std::string_view text, int k, Tag_GlobalBuffer& r) {
  if (text.empty()) return;
  std::string& label = r.SmsS[k].Descrizione;
  label = TrimBlanksAndControls(text);
  // A header line read in place of the body.
  if (ContainsNoCase(label, "cmgr")) label.clear();
}

}  // namespace

void ParseFamilyAText(int text, std::string_view asRead, double f, Tag_GlobalBuffer& record,
                      int& outputEventCount) {
  const bool late = IsLateFamily(f);
  if (text == 4) return ReservedCodeSwitching(asRead, record, outputEventCount);
  if (text >= 6 && text <= 13) return SmsText(asRead, text - 5, record);
  if (!LongEnough(asRead)) return;
  switch (text) {
    case 0:
      return InputsVoice(asRead, late, record);
    case 1:
      return OutputEvents(asRead, record, outputEventCount);
    case 2:
      return PolaritiesAndOptions(asRead, late, record);
    case 3:
      return InputsSms(asRead, record);
    case 5:
      return OutputTexts(asRead, record);
    default:
      return;
  }
}

void ParseFamilyAText(int text, std::string_view asRead, double f) {
  ParseFamilyAText(text, asRead, f, GlobalBuffer, OutputEventCount);
}

std::string PhoneBookNumber(std::string_view line) {
  const auto first = line.find('"');
  if (first == std::string_view::npos) return {};
  const auto second = line.find('"', first + 1);
  if (second == std::string_view::npos) return {};
  return std::string(line.substr(first + 1, second - first - 1));
}
