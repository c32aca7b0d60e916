#include "record_samples.h"

#include <string>

namespace {

// Variant 0 turns every default flag over; variant 1 keeps it.
uint8_t Flag(uint8_t byDefault, int variant) {
  return variant % 2 == 0 ? static_cast<uint8_t>(1 - byDefault) : byDefault;
}

// 150.. is clear of every default byte (0, 1, 6, 8, 112) and of the other variant.
uint8_t Byte(int field, int variant) {
  return static_cast<uint8_t>(150 + field + 50 * variant);
}

std::string Text(const std::string& what, int k, int variant) {
  // "\xE8" is e grave, "\x80" the euro sign, "\x81" a byte the code page leaves undefined.
  return what + " \xE8\x80\x81 " + std::to_string(k) + (variant ? " b" : " a");
}

std::string Full(std::size_t n, char first, int variant) {
  std::string s;
  for (std::size_t i = 0; i < n; ++i)
    s += static_cast<char>(first + variant + static_cast<int>(i % 20));
  if (n > 2) s[1] = '\xE0';  // a grave
  return s;
}

}  // namespace

void FillEveryField(Tag_Cliente& h, Tag_GlobalBuffer& r, int v) {
  h.SerialCli = 0;
  h.Nome = Full(35, 'A', v);
  h.Indirizzo = Full(35, 'B', v);
  h.Comune = Full(35, 'C', v);
  h.Telefono = Full(35, '0', v);
  h.TelCentrale = Full(35, '1', v);
  h.TipoCentrale = kTypeVelaI;
  h.DescrImpianto = Full(35, 'D', v);
  h.CodiceCliente = v ? "4322" : "4321";
  h.DataUltModifica = 45123.25 + v;
  h.NotePresenti = 1;
  h.Rel_firmware = v ? "1.19" : "1.00";

  for (int k = 1; k <= 100; ++k) {
    auto& n = r.NumeriTelefonici[k];
    n.Descrizione = Text("Numero", k, v);
    n.Numero = "+39 02 " + std::to_string(1000 + k + v);
    n.Avvisatore = Flag(0, v);
    n.Uscite = Byte(k % 40, v);
  }
  for (int k = 1; k <= 8; ++k) r.Messaggi[k].Descrizione = Text("Messaggio", k, v);
  for (int k = 1; k <= 7; ++k) {
    auto& in = r.Ingressi[k];
    in.Polarita = Byte(k, v);
    in.Messaggio = Byte(k + 1, v);
    in.MaskTel = Byte(k + 2, v);
    in.MaskSms = Byte(k + 3, v);
    in.SmsA = Byte(k + 4, v);
    in.SmsR = Byte(k + 5, v);
    in.Serv = Flag(0, v);
    in.SMSAttiv = Full(100, 'a', v);
    in.SMSRipr = Full(100, 'b', v);
    in.ServVELA_I_1 = Flag(0, v);
    in.ServVELA_I_2 = Flag(0, v);
  }
  // Defaults of the event flags: output 1 FP, 2 FG, 3 BC, 4 BP and MS, 5 CO and CI.
  for (int k = 1; k <= 5; ++k) {
    auto& out = r.Uscite[k];
    out.Polarita = Byte(k, v);
    out.FP = Flag(k == 1, v);
    out.FG = Flag(k == 2, v);
    out.BC = Flag(k == 3, v);
    out.BP = Flag(k == 4, v);
    out.CO = Flag(k == 5, v);
    out.CI = Flag(k == 5, v);
    out.MS = Flag(k == 4, v);
    out.OUTRESERV = Flag(0, v);
    out.Messaggio = Text("Uscita", k, v);
    out.MaskEventiVELA_I = Byte(k + 10, v);
    out.Tipo = Byte(k + 11, v);
    out.TempoOn = Byte(k + 12, v);
    out.Conferma = Byte(k + 13, v);
  }
  auto& o = r.Opzioni;
  o.VoceInLinea = Flag(1, v);
  o.Squillo = Flag(0, v);
  o.Selezione = Flag(0, v);
  o.Prefisso = Text("0", 1, v);
  o.Richiama = Flag(0, v);
  o.CodUscSms = Text("#12", 2, v);
  o.CifreRim = -5 - v;
  o.UsaGsm = Flag(0, v);
  o.CommutaChiama = Flag(0, v);
  o.NtelChiamataADT = Full(20, '2', v);
  o.SMSDataPrimo = 45001.0 + v;
  o.SMSOraPrimo = 0.5 + v / 8.0;
  o.SMSIntervallo = 100000 + 7 * v;
  o.ControlloCreditoAttivo = 1;
  o.ControlloCredito = static_cast<uint8_t>(200 + v);
  o.Priorita = Flag(0, v);
  for (int i = 0; i <= 8; ++i) r.SmsS[i].Descrizione = Text("Sms", i, v);
  auto& c = r.ComDig;
  c.Numero1 = Full(20, '3', v);
  c.Numero2 = Full(20, '4', v);
  c.Numero3 = Full(20, '5', v);
  c.Numero4 = Full(20, '6', v);
  for (int i = 0; i <= 13; ++i) {
    auto& e = c.Eventi[i];
    e.CodiceUtente = std::string(v ? "W" : "U") + std::to_string(100 + i);
    e.CodiceEvento1 = std::string(1, static_cast<char>('A' + i + v));
    e.CodiceEvento2 = std::string(v ? "Y" : "Z") + static_cast<char>('a' + i);
    e.Invia = Flag(0, v);
  }
  c.SegDataPrimo = 45002.0 + v;
  c.SegOraPrimo = 0.75 - v / 16.0;
  c.SegIntervallo = 70000 + 3 * v;
}
