#include "programming/family_i_image.h"

#include <cmath>
#include <limits>

#include "programming/family_i_text_helpers.h"
#include "shell/text_helpers.h"

namespace {

std::string Flag(uint8_t value) {
  return value != 0 ? "1" : "0";
}

// Bit 0 first: character k stands for bit k - 1.
std::string BitString(uint8_t mask) {
  std::string bits;
  for (int k = 0; k < 8; ++k) bits += (mask >> k) & 1 ? '1' : '0';
  return bits;
}

std::string Number(long long value, int width) {
  return PadLeft(std::to_string(value), width, '0');
}

std::string OutputGroup(const Tag_GlobalBuffer& record, int i) {
  const Tag_Uscita& out = record.Uscite[i];
  std::string group = "O" + std::to_string(i) + "=" + (out.Polarita != 0 ? "H;" : "L;");
  if (out.OUTRESERV == 0) return group + "E:" + BitString(out.MaskEventiVELA_I) + ";";
  const CommandingRange range = CommandingRangeOf(record, i);
  const std::string time = out.Tipo != 0 ? Number(out.TempoOn, 3) : "255";
  return group + "M:" + out.Messaggio.substr(0, 8) + "," + std::to_string(out.Conferma) + ";" +
         Number(range.first, 2) + "-" + Number(range.last, 2) + "," + time + ";";
}

std::string BuildPX1(const Tag_GlobalBuffer& record) {
  std::string text;
  for (int i = 1; i <= 4; ++i) text += OutputGroup(record, i);
  return text;
}

std::string BuildPX2(const Tag_GlobalBuffer& record) {
  std::string text;
  for (int i = 1; i <= 7; ++i) {
    const Tag_Ingresso& in = record.Ingressi[i];
    text += std::string(1, static_cast<char>('A' + i - 1)) + "=" +
            (in.SMSAttiv.empty() ? "0" : "1") + (in.SMSRipr.empty() ? "0" : "1") + "," +
            BitString(in.MaskSms) + ";";
  }
  return text;
}

std::string BuildPX3(const Tag_GlobalBuffer& record) {
  const Tag_Opzioni& opt = record.Opzioni;
  std::string text = "IP:";
  for (int i = 1; i <= 4; ++i) text += record.Ingressi[i].Polarita != 0 ? "H" : "L";
  text += ";IS:";
  for (int i = 1; i <= 3; ++i)
    text += Flag(record.Ingressi[i].ServVELA_I_1) + Flag(record.Ingressi[i].ServVELA_I_2);
  text += "00";  // the device keeps input 4's pair for itself
  text += ";MP:" + Number(opt.SMSIntervallo, 6);
  text += ",DP:" + Number(record.ComDig.SegIntervallo, 6);
  text += ";C2:" + PadLeft(TrimSpaces(record.ComDig.Eventi[8].CodiceUtente.str()), 4, '0');
  text += ";T:" + Number(opt.ControlloCredito, 2);
  text += std::string(";P") + (opt.Priorita != 0 ? "A" : "I");
  text += ";R:" + std::to_string(opt.CifreRim);
  text += ";P:" + TrimSpaces(opt.Prefisso) + ";";
  return text;
}

std::string BuildPX4(const Tag_GlobalBuffer& record) {
  const auto& ev = record.ComDig.Eventi;
  std::string text;
  for (int g = 0; g < 8; ++g) {
    const char letter = static_cast<char>('A' + g);
    // Groups A to F hold a pair of events, G and H one event each.
    const int e = g < 6 ? 2 * g : 12 + (g - 6);
    const std::string second = g < 6 ? Flag(ev[e + 1].Invia) : "0";
    text += std::string(1, letter) + ":" + Flag(ev[e].Invia) + second + ",";
    if (g < 4) {
      text += PadLeft(TrimSpaces(ev[e].CodiceUtente.str()), 4, '0') + ";" +
              PadLeft(TrimSpaces(ev[e].CodiceEvento1.str()), 1, '0');
    }
    text += PadLeft(TrimSpaces(ev[e].CodiceEvento2.str()), 2, '0') + ";";
  }
  return text;
}

long long ToMs(DateTime value) {
  return std::llround(value * 86400000.0);
}

}  // namespace

void BuildFamilyITexts(const Tag_GlobalBuffer& record, FamilyITexts& texts) {
  for (auto& t : texts) t.Text.clear();
  texts[0].Text = BuildPX1(record);
  texts[1].Text = BuildPX2(record);
  texts[2].Text = BuildPX3(record);
  texts[3].Text = BuildPX4(record);
  for (int i = 1; i <= 7; ++i) {
    texts[2 * i + 3 - 1].Text = TrimSpaces(record.Ingressi[i].SMSAttiv.str());
    if (i <= 6) texts[2 * i + 4 - 1].Text = TrimSpaces(record.Ingressi[i].SMSRipr.str());
  }
}

void BuildFamilyITexts(FamilyITexts& texts) {
  BuildFamilyITexts(GlobalBuffer, texts);
}

CommandingRange CommandingRangeOf(const Tag_GlobalBuffer& record, int output) {
  CommandingRange range;
  for (int k = 1; k <= 95; ++k) {
    const bool set = (record.NumeriTelefonici[k].Uscite >> (output - 1)) & 1;
    if (set) {
      if (range.first == 0) range.first = k;
      range.last = k;
    } else if (range.first != 0) {
      break;
    }
  }
  return range;
}

uint32_t MinutesUntil(DateTime dateField, DateTime timeField, DateTime now) {
  LocalDateTime target = FromDateTime(dateField);
  const LocalDateTime time = FromDateTime(timeField);
  target.hour = time.hour;
  target.minute = time.minute;
  target.second = 0;
  target.millisecond = 0;
  const long long diffMs = ToMs(ToDateTime(target)) - ToMs(now);
  if (diffMs <= 0) return 0;
  const long long minutes = diffMs / 1000 / 60;
  constexpr long long kMax = std::numeric_limits<uint32_t>::max();
  return static_cast<uint32_t>(minutes > kMax ? kMax : minutes);
}

std::string CounterSlotNumber(const Tag_GlobalBuffer& record, DateTime now) {
  const Tag_Opzioni& opt = record.Opzioni;
  const Tag_ComDig& dc = record.ComDig;
  return Number(MinutesUntil(opt.SMSDataPrimo, opt.SMSOraPrimo, now), 6) +
         Number(MinutesUntil(dc.SegDataPrimo, dc.SegOraPrimo, now), 6);
}

std::vector<PhoneBookWrite> FamilyIPhoneBook(const Tag_GlobalBuffer& record, ModuleVariant variant,
                                             DateTime now) {
  const int numberBase = variant == ModuleVariant::Motorola ? 100 : 0;
  std::vector<PhoneBookWrite> entries;
  for (int k = 1; k <= 95; ++k) {
    const Tag_NumeroTelefonico& tel = record.NumeriTelefonici[k];
    if (!TrimSpaces(tel.Numero).empty())
      entries.push_back({numberBase + k, tel.Numero, tel.Descrizione});
  }
  const ShortText<20>* dc[] = {&record.ComDig.Numero1, &record.ComDig.Numero2,
                               &record.ComDig.Numero3, &record.ComDig.Numero4};
  for (int j = 1; j <= 4; ++j) {
    if (!TrimSpaces(dc[j - 1]->str()).empty())
      entries.push_back({numberBase + 95 + j, dc[j - 1]->str(), "CONTACT ID " + std::to_string(j)});
  }
  entries.push_back(
      {100, CounterSlotNumber(record, now), "#" + TrimSpaces(record.Opzioni.CodUscSms)});
  return entries;
}

std::vector<SlotRange> ClearedSlots(ModuleVariant variant) {
  if (variant == ModuleVariant::Motorola) return {{1, 17}, {101, 199}};
  return {{1, 99}};
}

std::string PhoneBookWriteCommand(const PhoneBookWrite& entry) {
  return "at+cpbw=" + std::to_string(entry.slot) + ",\"" + entry.number + "\",,\"" + entry.name +
         "\"\r";
}

std::string PhoneBookClearCommand(int slot) {
  return "at+cpbw=" + std::to_string(slot) + "\r";
}
