#include "programming/family_a_image.h"

#include <utility>

#include "programming/firmware_family.h"
#include "programming/image_text.h"

namespace {

std::string Num(int n) {
  return std::to_string(n);
}

// "L" for 0, "H" for 1; any other value writes nothing.
std::string PolarityLetter(uint8_t polarita) {
  if (polarita == 0) return "L";
  if (polarita == 1) return "H";
  return {};
}

std::string InputsVoice(const Tag_GlobalBuffer& r, bool late) {
  std::string text;
  for (int n = 1; n <= 4; ++n) {
    const Tag_Ingresso& in = r.Ingressi[n];
    text += "AV" + Num(n) + "=";
    if (late && n == 4 && r.Opzioni.CommutaChiama) {
      text += Num(in.Messaggio + 1) + "00000000;";
    } else if (late && in.Serv) {
      text += "SERV;";
    } else {
      text += Num(in.Messaggio + 1) + MaskBits(in.MaskTel) + ";";
    }
  }
  return text;
}

std::string OutputEvents(const Tag_GlobalBuffer& r) {
  std::string text;
  for (int n = 1; n <= 5; ++n) {
    const Tag_Uscita& out = r.Uscite[n];
    std::string item = "OS" + Num(n) + "=";
    const std::pair<uint8_t, const char*> events[] = {
        {out.FP, "FP"}, {out.FG, "FG"}, {out.BC, "BC"}, {out.BP, "BP"},
        {out.CO, "CO"}, {out.CI, "CI"}, {out.MS, "MS"}};
    for (const auto& [set, name] : events) {
      if (!set) continue;
      if (item.back() != '=') item += ",";
      item += name;
    }
    text += item + ";";
  }
  return text;
}

std::string PolaritiesAndOptions(const Tag_GlobalBuffer& r, bool late) {
  const Tag_Opzioni& o = r.Opzioni;
  std::string text = "IP=";
  for (int n = 1; n <= 4; ++n) text += PolarityLetter(r.Ingressi[n].Polarita);
  text += ";OP=";
  for (int n = 1; n <= 5; ++n) text += PolarityLetter(r.Uscite[n].Polarita);
  text += ";";
  // Each choice is tested on its own; the dialler page keeps exactly one of them set.
  if (o.Squillo) text += "VS=0";
  if (o.Selezione) text += "VS=2";
  if (o.VoceInLinea) text += "VS=1";
  text += ";";
  text += o.Richiama ? "RC=1;" : "RC=0;";
  if (!o.Prefisso.empty()) text += "PRE=" + o.Prefisso + ";";
  if (late) text += "BD=" + Num(o.CifreRim) + ";";
  return text;
}

std::string InputsSms(const Tag_GlobalBuffer& r) {
  std::string text;
  for (int n = 1; n <= 4; ++n) {
    const Tag_Ingresso& in = r.Ingressi[n];
    text += "AS" + Num(n) + "=" + Num(in.SmsA) + Num(in.SmsR) + MaskBits(in.MaskSms) + ";";
  }
  return text;
}

std::string ReservedCodeSwitching(const Tag_GlobalBuffer& r, const Tag_Cliente& header) {
  const Tag_Opzioni& o = r.Opzioni;
  std::string text = "OR=";
  for (int n = 1; n <= 5; ++n) text += Num(r.Uscite[n].OUTRESERV);
  text += ";SC=#" + TrimBlanksAndControls(o.CodUscSms) + "#;";
  if (FirmwareAtLeast(header, kLateFirst)) {
    text += "CG=";
    if (o.UsaGsm != 0) {
      text += Num(o.UsaGsm);
    } else if (o.CommutaChiama) {
      text += "2";
    }
    text += ";";
  }
  return text;
}

std::string OutputTexts(const Tag_GlobalBuffer& r) {
  std::string text;
  for (int n = 1; n <= 5; ++n) text += r.Uscite[n].Messaggio + ";";
  return text;
}

}  // namespace

std::string BuildFamilyAText(const Tag_GlobalBuffer& record, const Tag_Cliente& header, int text,
                             double f) {
  const bool late = IsLateFamily(f);
  switch (text) {
    case 0:
      return InputsVoice(record, late);
    case 1:
      return OutputEvents(record);
    case 2:
      return PolaritiesAndOptions(record, late);
    case 3:
      return InputsSms(record);
    case 4:
      return ReservedCodeSwitching(record, header);
    case 5:
      return OutputTexts(record);
    default:
      if (text >= 6 && text <= 13) return TrimBlanksAndControls(record.SmsS[text - 5].Descrizione);
      return {};
  }
}

std::string BuildFamilyAText(int text, double f) {
  return BuildFamilyAText(GlobalBuffer, Cliente, text, f);
}

std::string PhoneBookWriteCommand(int k, const std::string& number) {
  return "at+cpbw=" + Num(k) + "," + number + ",,TELNUM" + Num(k);
}
