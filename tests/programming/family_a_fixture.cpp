#include "family_a_fixture.h"

Tag_GlobalBuffer DefaultRecord() {
  Tag_GlobalBuffer record;
  Tag_Cliente header;
  ResetConfiguration(record, header, false);
  return record;
}

namespace {

void SetInput(Tag_Ingresso& in, uint8_t polarita, uint8_t messaggio, uint8_t maskTel,
              uint8_t maskSms, uint8_t smsA, uint8_t smsR) {
  in.Polarita = polarita;
  in.Messaggio = messaggio;
  in.MaskTel = maskTel;
  in.MaskSms = maskSms;
  in.SmsA = smsA;
  in.SmsR = smsR;
  in.Serv = 0;
}

void SetEvents(Tag_Uscita& out, std::initializer_list<uint8_t Tag_Uscita::*> flags) {
  out.FP = out.FG = out.BC = out.BP = out.CO = out.CI = out.MS = 0;
  for (auto flag : flags) out.*flag = 1;
}

}  // namespace

Tag_GlobalBuffer NonDefaultRecord(const Tag_GlobalBuffer& base, LineSwitch lineSwitch) {
  Tag_GlobalBuffer r = base;
  const char* numbers[] = {"",         "0212345678", "+393351234567", "0039021234", "112",
                           "*31#0456", "0612345",    "3471112223",    "0101010101"};
  for (int k = 1; k <= 8; ++k) r.NumeriTelefonici[k].Numero = numbers[k];

  SetInput(r.Ingressi[1], 0, 2, 0x05, 0x81, 3, 8);
  SetInput(r.Ingressi[2], 1, 0, 0, 0, 0, 0);
  r.Ingressi[2].Serv = 1;
  SetInput(r.Ingressi[3], 0, 7, 0xFF, 0x40, 1, 0);
  switch (lineSwitch) {
    case LineSwitch::None:
      SetInput(r.Ingressi[4], 0, 5, 0x30, 0x0F, 2, 4);
      break;
    case LineSwitch::UsaGsm:
      SetInput(r.Ingressi[4], 0, 0, 0, 0, 0, 0);
      break;
    case LineSwitch::CommutaChiama:
      SetInput(r.Ingressi[4], 0, 0, 1, 0, 0, 0);
      break;
  }

  auto& out = r.Uscite;
  out[1].Polarita = 0;
  SetEvents(out[1], {&Tag_Uscita::FP, &Tag_Uscita::CI});
  out[2].Polarita = 1;
  SetEvents(out[2], {&Tag_Uscita::BC, &Tag_Uscita::MS});
  out[3].Polarita = 0;
  SetEvents(out[3], {&Tag_Uscita::MS});
  out[4].Polarita = 1;
  SetEvents(out[4], {});
  out[4].OUTRESERV = 1;
  out[5].Polarita = 0;
  SetEvents(out[5], {&Tag_Uscita::FG, &Tag_Uscita::BP, &Tag_Uscita::CO});
  const char* outputTexts[] = {"", "Cancello", "Porta 2", "Garage", "Luce", "Sirena"};
  for (int k = 1; k <= 5; ++k) out[k].Messaggio = outputTexts[k];

  Tag_Opzioni& o = r.Opzioni;
  o.VoceInLinea = 0;
  o.Squillo = lineSwitch == LineSwitch::None ? 1 : 0;
  o.Selezione = lineSwitch == LineSwitch::None ? 0 : 1;
  o.Richiama = 1;
  o.Prefisso = "0039";
  o.CifreRim = 3;
  o.CodUscSms = "A 12";
  o.UsaGsm = lineSwitch == LineSwitch::UsaGsm ? 1 : 0;
  o.CommutaChiama = lineSwitch == LineSwitch::CommutaChiama ? 1 : 0;

  const char* sms[] = {"",
                       "Allarme intrusione zona 1",
                       "Ripristino zona 1",
                       "Mancanza rete 230V",
                       "Batteria bassa",
                       "Sabotaggio sirena",
                       "Caldaia in blocco",
                       "Temperatura \xE8 alta: 40\xB0",
                       "Fine"};
  for (int i = 1; i <= 8; ++i) r.SmsS[i].Descrizione = sms[i];
  return r;
}

Tag_GlobalBuffer EarlyCarried(const Tag_GlobalBuffer& source, const Tag_GlobalBuffer& target) {
  Tag_GlobalBuffer r = target;
  for (int k = 1; k <= 4; ++k) {
    r.Ingressi[k].Polarita = source.Ingressi[k].Polarita;
    r.Ingressi[k].Messaggio = source.Ingressi[k].Messaggio;
    r.Ingressi[k].MaskTel = source.Ingressi[k].MaskTel;
  }
  for (int k = 1; k <= 5; ++k) {
    const Tag_Uscita& s = source.Uscite[k];
    Tag_Uscita& d = r.Uscite[k];
    d.Polarita = s.Polarita;
    d.FP = s.FP, d.FG = s.FG, d.BC = s.BC, d.BP = s.BP, d.CO = s.CO, d.CI = s.CI, d.MS = s.MS;
  }
  r.Opzioni.VoceInLinea = source.Opzioni.VoceInLinea;
  r.Opzioni.Squillo = source.Opzioni.Squillo;
  r.Opzioni.Selezione = source.Opzioni.Selezione;
  r.Opzioni.Richiama = source.Opzioni.Richiama;
  r.Opzioni.Prefisso = source.Opzioni.Prefisso;
  return r;
}

Tag_Cliente HeaderWithRelease(const std::string& release) {
  Tag_Cliente header;
  header.TipoCentrale = kTypeVelaA;
  header.Rel_firmware = release;
  return header;
}
