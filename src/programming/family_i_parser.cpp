#include "programming/family_i_parser.h"

#include <algorithm>

#include "programming/family_i_text_helpers.h"
#include "programming/family_i_writer_form.h"

namespace {

// From the first startToken up to the first endToken (exclusive), or to the end of the text
// when there is no end token or it does not occur.
std::string Segment(std::string_view text, std::string_view startToken, std::string_view endToken) {
  const int start = std::max(Pos(startToken, text), 1);
  const int end = endToken.empty() ? 0 : Pos(endToken, text);
  return end == 0 ? CopyFrom(text, start) : Copy(text, start, end - start);
}

// A count that the fixed-position reading takes as 0 when it is not a number.
uint32_t CountOrZero(std::string_view piece) {
  const long long value = NumberOr(piece, 0);
  return value < 0 ? 0 : static_cast<uint32_t>(value);
}

uint8_t ByteOr(std::string_view piece, uint8_t fallback) {
  const auto value = ParseNumber(piece);
  return value && *value >= 0 && *value <= 255 ? static_cast<uint8_t>(*value) : fallback;
}

// One output group read by fixed positions, as the device reads it.
OutputImage ReadOutputGroup(std::string_view group) {
  OutputImage img;
  img.polarity = CharAt(group, 4) == "L" ? 0 : 1;
  const std::string kind = CharAt(group, 6);
  if (kind == "E") {
    img.kind = OutputImage::Kind::Events;
    for (int k = 0; k < 8; ++k)
      if (CharAt(group, 8 + k) != "0") img.mask |= static_cast<uint8_t>(1u << k);
  } else if (kind == "M") {
    img.kind = OutputImage::Kind::Commanded;
    const std::string body = CopyFrom(group, 8);
    const int comma = Pos(",", body);
    img.name = Copy(body, 1, comma - 1);
    const std::string afterName = CopyFrom(body, comma + 1);
    img.conferma = ByteOr(CharAt(afterName, 1), 0);
    const std::string range = CopyFrom(afterName, Pos(";", afterName) + 1);
    img.first = static_cast<int>(NumberOr(Copy(range, 1, 2), 0));
    img.last = static_cast<int>(NumberOr(Copy(range, 4, 2), 0));
    const std::string time = CopyFrom(range, Pos(",", range) + 1);
    img.tempoOn = ByteOr(Copy(time, 1, 3), 255);
  }
  return img;
}

void ApplyOutput(const OutputImage& img, int i, Tag_GlobalBuffer& record) {
  Tag_Uscita& out = record.Uscite[i];
  out.Polarita = img.polarity;
  if (img.kind == OutputImage::Kind::Events) {
    out.OUTRESERV = 0;
    out.MaskEventiVELA_I = img.mask;
  } else if (img.kind == OutputImage::Kind::Commanded) {
    out.OUTRESERV = 1;
    out.Messaggio = img.name;
    out.Conferma = img.conferma;
    if (img.first >= 1 && img.last >= img.first) {
      for (int k = img.first; k <= std::min(img.last, 100); ++k)
        record.NumeriTelefonici[k].Uscite |= static_cast<uint8_t>(1u << (i - 1));
    }
    out.TempoOn = img.tempoOn;
    out.Tipo = img.tempoOn != 255 ? 1 : 0;
  }
}

OptionsImage ReadOptionsByPosition(std::string_view text) {
  OptionsImage img;
  const std::string service = Copy(text, Pos("IS:", text), 11);
  for (int i = 1; i <= 4; ++i) {
    img.polarityHigh[i - 1] = CharAt(text, 3 + i) == "H";
    img.serv1[i - 1] = CharAt(service, 2 * i + 2) != "0";
    img.serv2[i - 1] = CharAt(service, 2 * i + 3) != "0";
  }
  img.smsInterval = CountOrZero(Copy(Copy(text, Pos("MP:", text), 9), 4, 6));
  img.reportInterval = CountOrZero(Copy(Copy(text, Pos("DP:", text), 9), 4, 6));
  img.secondCode = Copy(Copy(text, Pos("C2:", text), 7), 4, 4);
  const std::string credit = CopyFrom(text, Pos("T:", text));
  img.credit = static_cast<uint8_t>(CountOrZero(Copy(credit, 3, 2)));
  img.priority = CharAt(credit, 7) == "A";
  img.digitsRemoved = static_cast<int32_t>(NumberOr(CharAt(credit, 11), 0));
  const std::string prefix = CopyFrom(credit, 13);
  const int semicolon = Pos(";", prefix);
  img.prefix = semicolon >= 4 ? Copy(prefix, 3, semicolon - 3) : "";
  return img;
}

void ApplyOptions(const OptionsImage& img, Tag_GlobalBuffer& record) {
  for (int i = 1; i <= 4; ++i) {
    Tag_Ingresso& in = record.Ingressi[i];
    in.Polarita = img.polarityHigh[i - 1] ? 1 : 0;
    in.ServVELA_I_1 = img.serv1[i - 1] ? 1 : 0;
    in.ServVELA_I_2 = img.serv2[i - 1] ? 1 : 0;
  }
  Tag_Opzioni& opt = record.Opzioni;
  opt.SMSIntervallo = img.smsInterval;
  record.ComDig.SegIntervallo = img.reportInterval;
  record.ComDig.Eventi[8].CodiceUtente = img.secondCode == "0000" ? "" : img.secondCode;
  opt.ControlloCredito = img.credit;
  opt.ControlloCreditoAttivo = img.credit != 0 ? 1 : 0;
  opt.Priorita = img.priority ? 1 : 0;
  opt.CifreRim = img.digitsRemoved;
  opt.Prefisso = img.prefix;
}

}  // namespace

void ParseOutputsText(std::string_view text, Tag_GlobalBuffer& record) {
  if (const auto written = MatchWriterOutputs(text)) {
    for (int i = 1; i <= 4; ++i) ApplyOutput((*written)[i - 1], i, record);
    return;
  }
  for (int i = 1; i <= 4; ++i) {
    const std::string group = Segment(text, "O" + std::to_string(i), "O" + std::to_string(i + 1));
    ApplyOutput(ReadOutputGroup(group), i, record);
  }
}

void ParseInputsText(std::string_view text, Tag_GlobalBuffer& record) {
  for (int i = 1; i <= 7; ++i) {
    const std::string group = Segment(text, std::string(1, static_cast<char>('A' + i - 1)),
                                      std::string(1, static_cast<char>('A' + i)));
    uint8_t mask = 0;
    for (int k = 0; k < 8; ++k)
      if (NumberOr(CharAt(group, 6 + k), 0) == 1) mask |= static_cast<uint8_t>(1u << k);
    record.Ingressi[i].MaskSms = mask;
  }
}

void ParseOptionsText(std::string_view text, Tag_GlobalBuffer& record) {
  const auto written = MatchWriterOptions(text);
  ApplyOptions(written ? *written : ReadOptionsByPosition(text), record);
}

void ParseEventsText(std::string_view text, Tag_GlobalBuffer& record) {
  auto& events = record.ComDig.Eventi;
  for (int g = 0; g < 8; ++g) {
    const char letter = static_cast<char>('A' + g);
    const std::string end = g < 7 ? std::string(1, static_cast<char>(letter + 1)) + ":" : "";
    const std::string group = Segment(text, std::string(1, letter) + ":", end);
    // Groups A to F carry a pair (first, second); G and H a single event.
    const int first = g < 6 ? 2 * g : 12 + (g - 6);
    const int last = g < 6 ? first + 1 : first;
    events[first].Invia = CharAt(group, 3) != "0" ? 1 : 0;
    if (last != first) events[last].Invia = CharAt(group, 4) != "0" ? 1 : 0;
    const std::string head = CharAt(group, 1);
    const bool eventCodeOnly = head == "E" || head == "F" || head == "G" || head == "H";
    for (int e = first; e <= last; ++e) {
      if (!eventCodeOnly) {
        events[e].CodiceUtente = Copy(group, 6, 4);
        events[e].CodiceEvento1 = CharAt(group, 11);
        events[e].CodiceEvento2 = Copy(group, 12, 2);
      } else {
        events[e].CodiceEvento2 = Copy(group, 6, 2);
      }
    }
  }
}

void ParseFamilyITexts(const LocatedTexts& texts, Tag_GlobalBuffer& record) {
  if (texts[0]) ParseOutputsText(*texts[0], record);
  if (texts[1]) ParseInputsText(*texts[1], record);
  if (texts[2]) ParseOptionsText(*texts[2], record);
  if (texts[3]) ParseEventsText(*texts[3], record);
  for (int i = 1; i <= 7; ++i) {
    if (const auto& on = texts[2 * i + 3 - 1]) record.Ingressi[i].SMSAttiv = *on;
    if (i <= 6)
      if (const auto& off = texts[2 * i + 4 - 1]) record.Ingressi[i].SMSRipr = *off;
  }
}
