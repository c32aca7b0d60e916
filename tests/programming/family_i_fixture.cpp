#include "family_i_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Telephone {
  int k;
  const char* number;
  const char* name;
  uint8_t outputs;
};

// Output 1 is commanded by 1 (and 12 after a gap), output 2 by 3 to 5, output 3 by 3 (and
// 7 after a gap); output 4 is driven by events, so number 10's bit for it is not written.
const Telephone kTelephones[] = {
    {1, "+390212345678", "Casa", 0x1},
    {2, "3331234567", "Ufficio Rossi", 0},
    {3, "0212p34", "Pausa", 0x6},
    {4, "0444", "Quattro", 0x2},
    {5, "0555", "Cinque", 0x2},
    {7, "0777", "Sette", 0x4},
    {9, "   ", "Vuoto", 0},
    {10, "0101", "PXAVIER", 0x8},
    {12, "012", "Dodici", 0x1},
    {95, "0959595", "Ultimo", 0},
};

void SetEvent(Tag_Evento& e, const char* user, const char* code1, const char* code2, uint8_t send) {
  e.CodiceUtente = user;
  e.CodiceEvento1 = code1;
  e.CodiceEvento2 = code2;
  e.Invia = send;
}

}  // namespace

Tag_GlobalBuffer DefaultRecord() {
  Tag_GlobalBuffer record;
  Tag_Cliente header;
  ResetConfiguration(record, header, false);
  return record;
}

Tag_GlobalBuffer RichFamilyIRecord() {
  Tag_GlobalBuffer r = DefaultRecord();
  for (const Telephone& t : kTelephones) {
    r.NumeriTelefonici[t.k].Numero = t.number;
    r.NumeriTelefonici[t.k].Descrizione = t.name;
    r.NumeriTelefonici[t.k].Uscite = t.outputs;
  }

  auto commanded = [&](int i, uint8_t pol, const char* name, uint8_t conf, uint8_t tipo,
                       uint8_t time) {
    Tag_Uscita& o = r.Uscite[i];
    o.Polarita = pol;
    o.OUTRESERV = 1;
    o.MaskEventiVELA_I = 0;
    o.Messaggio = name;
    o.Conferma = conf;
    o.Tipo = tipo;
    o.TempoOn = time;
  };
  commanded(1, 0, "RADIO2", 2, 1, 30);
  commanded(2, 1, "A,B", 1, 0, 99);
  commanded(3, 0, "LUCEPORTICO", 0, 1, 0);
  r.Uscite[4].Polarita = 0;
  r.Uscite[4].MaskEventiVELA_I = 0xA5;

  const uint8_t masks[] = {0x01, 0x82, 0x7F, 0xFF, 0x10, 0xC3, 0x5A};
  const char* on[] = {"Allarme ingresso 1", "Allarme 2", "Furto 3", "Att 4", "", "", "Att 7"};
  for (int i = 1; i <= 7; ++i) {
    Tag_Ingresso& in = r.Ingressi[i];
    in.MaskSms = masks[i - 1];
    in.SMSAttiv = on[i - 1];
    in.SMSRipr = "Ripristino " + std::to_string(i);
  }
  r.Ingressi[6].SMSAttiv = std::string(100, 'x').replace(0, 6, "Lungo ");
  const uint8_t polarity[] = {0, 1, 0, 1};
  const uint8_t serv1[] = {1, 0, 1, 1};
  const uint8_t serv2[] = {0, 1, 1, 1};
  for (int i = 1; i <= 4; ++i) {
    r.Ingressi[i].Polarita = polarity[i - 1];
    r.Ingressi[i].ServVELA_I_1 = serv1[i - 1];
    r.Ingressi[i].ServVELA_I_2 = serv2[i - 1];
  }

  Tag_Opzioni& opt = r.Opzioni;
  opt.SMSIntervallo = 1234567;
  opt.CodUscSms = "1234";
  opt.CifreRim = 12;
  opt.ControlloCreditoAttivo = 1;
  opt.ControlloCredito = 123;
  opt.Priorita = 1;
  opt.Prefisso = "0039";

  Tag_ComDig& dc = r.ComDig;
  dc.Numero1 = "0299887766";
  dc.Numero2 = "0311";
  dc.Numero3 = "  ";
  dc.Numero4 = "0444555";
  dc.SegIntervallo = 2880;
  auto& ev = dc.Eventi;
  SetEvent(ev[0], "1111", "1", "30", 1);
  SetEvent(ev[1], "9991", "9", "91", 0);
  SetEvent(ev[2], "2222", "2", "31", 0);
  SetEvent(ev[3], "9993", "9", "93", 1);
  SetEvent(ev[4], "3333", "3", "32", 1);
  SetEvent(ev[5], "9995", "9", "95", 1);
  SetEvent(ev[6], "4444", "4", "33", 0);
  SetEvent(ev[7], "9997", "9", "97", 0);
  SetEvent(ev[8], "4321", "7", "52", 1);
  SetEvent(ev[9], "9999", "9", "99", 0);
  SetEvent(ev[10], "", "3", "A3", 0);
  SetEvent(ev[11], "", "3", "B9", 1);
  SetEvent(ev[12], "", "6", "03", 1);
  SetEvent(ev[13], "", "6", "25", 1);
  return r;
}

void ExpectRichRecordRead(const Tag_GlobalBuffer& read, ModuleVariant variant) {
  const Tag_GlobalBuffer w = RichFamilyIRecord();
  const Tag_GlobalBuffer d = DefaultRecord();

  SCOPED_TRACE(variant == ModuleVariant::Motorola ? "MOTOROLA" : "ERICSSON");
  for (int k = 1; k <= 95; ++k) {
    SCOPED_TRACE("telephone " + std::to_string(k));
    const bool blank = k == 9;
    EXPECT_EQ(read.NumeriTelefonici[k].Numero,
              blank ? d.NumeriTelefonici[k].Numero : w.NumeriTelefonici[k].Numero);
    EXPECT_EQ(read.NumeriTelefonici[k].Descrizione,
              blank ? d.NumeriTelefonici[k].Descrizione : w.NumeriTelefonici[k].Descrizione);
  }
  // Runs cut at their first gap, event-driven outputs carry none.
  const std::pair<int, uint8_t> commanders[] = {{1, 0x1}, {3, 0x6}, {4, 0x2}, {5, 0x2}};
  for (int k = 1; k <= 95; ++k) {
    uint8_t bits = 0;
    for (const auto& [entry, mask] : commanders)
      if (entry == k) bits = mask;
    EXPECT_EQ(read.NumeriTelefonici[k].Uscite, bits) << "telephone " << k;
  }
  // MOTOROLA contact slots 196-199 also fill telephone entries 96-99.
  const ShortText<20>* wrote[] = {&w.ComDig.Numero1, &w.ComDig.Numero2, &w.ComDig.Numero3,
                                  &w.ComDig.Numero4};
  const ShortText<20>* got[] = {&read.ComDig.Numero1, &read.ComDig.Numero2, &read.ComDig.Numero3,
                                &read.ComDig.Numero4};
  for (int j = 1; j <= 4; ++j) {
    SCOPED_TRACE("contact number " + std::to_string(j));
    const bool blank = j == 3;
    EXPECT_EQ(got[j - 1]->str(), blank ? std::string() : wrote[j - 1]->str());
    const auto& tel = read.NumeriTelefonici[95 + j];
    if (variant == ModuleVariant::Motorola && !blank) {
      EXPECT_EQ(tel.Numero, wrote[j - 1]->str());
      EXPECT_EQ(tel.Descrizione, "CONTACT ID " + std::to_string(j));
    } else {
      EXPECT_EQ(tel, d.NumeriTelefonici[95 + j]);
    }
  }
  EXPECT_EQ(read.Opzioni.CodUscSms, "1234");

  for (int i = 1; i <= 4; ++i) {
    SCOPED_TRACE("output " + std::to_string(i));
    const Tag_Uscita& o = read.Uscite[i];
    EXPECT_EQ(o.Polarita, w.Uscite[i].Polarita);
    EXPECT_EQ(o.OUTRESERV, w.Uscite[i].OUTRESERV);
  }
  EXPECT_EQ(read.Uscite[1].Messaggio, "RADIO2");
  EXPECT_EQ(read.Uscite[1].Conferma, 2);
  EXPECT_EQ(read.Uscite[1].Tipo, 1);
  EXPECT_EQ(read.Uscite[1].TempoOn, 30);
  EXPECT_EQ(read.Uscite[2].Messaggio, "A,B");
  EXPECT_EQ(read.Uscite[2].Conferma, 1);
  EXPECT_EQ(read.Uscite[2].Tipo, 0);
  EXPECT_EQ(read.Uscite[2].TempoOn, 255);  // an untimed output is written "255"
  EXPECT_EQ(read.Uscite[3].Messaggio, "LUCEPORT");
  EXPECT_EQ(read.Uscite[3].Conferma, 0);
  EXPECT_EQ(read.Uscite[3].Tipo, 1);
  EXPECT_EQ(read.Uscite[3].TempoOn, 0);
  EXPECT_EQ(read.Uscite[4].MaskEventiVELA_I, 0xA5);
  EXPECT_EQ(read.Uscite[5], d.Uscite[5]);

  for (int i = 1; i <= 7; ++i) {
    SCOPED_TRACE("input " + std::to_string(i));
    const Tag_Ingresso& in = read.Ingressi[i];
    EXPECT_EQ(in.MaskSms, w.Ingressi[i].MaskSms);
    EXPECT_EQ(in.SMSAttiv.str(), w.Ingressi[i].SMSAttiv.str());
    EXPECT_EQ(in.SMSRipr.str(), i == 7 ? std::string() : w.Ingressi[i].SMSRipr.str());
    if (i <= 4) {
      EXPECT_EQ(in.Polarita, w.Ingressi[i].Polarita);
    }
    EXPECT_EQ(in.ServVELA_I_1, i <= 3 ? w.Ingressi[i].ServVELA_I_1 : 0);
    EXPECT_EQ(in.ServVELA_I_2, i <= 3 ? w.Ingressi[i].ServVELA_I_2 : 0);
  }

  const Tag_Opzioni& opt = read.Opzioni;
  EXPECT_EQ(opt.SMSIntervallo, 1234567u);
  EXPECT_EQ(read.ComDig.SegIntervallo, 2880u);
  EXPECT_EQ(opt.ControlloCredito, 123);
  EXPECT_EQ(opt.ControlloCreditoAttivo, 1);
  EXPECT_EQ(opt.Priorita, 1);
  EXPECT_EQ(opt.CifreRim, 12);
  EXPECT_EQ(opt.Prefisso, "0039");

  const auto& ev = read.ComDig.Eventi;
  const auto& wev = w.ComDig.Eventi;
  for (int e = 0; e < 14; ++e) EXPECT_EQ(ev[e].Invia, wev[e].Invia) << "event " << e;
  for (int e = 0; e < 8; ++e) {
    const Tag_Evento& first = wev[e - e % 2];  // a pair comes back with its first event's codes
    EXPECT_EQ(ev[e].CodiceUtente.str(), first.CodiceUtente.str()) << "event " << e;
    EXPECT_EQ(ev[e].CodiceEvento1.str(), first.CodiceEvento1.str()) << "event " << e;
    EXPECT_EQ(ev[e].CodiceEvento2.str(), first.CodiceEvento2.str()) << "event " << e;
  }
  EXPECT_EQ(ev[8].CodiceUtente.str(), "4321");
  const char* code2[] = {"52", "52", "A3", "A3", "03", "25"};
  for (int e = 8; e < 14; ++e) {
    EXPECT_EQ(ev[e].CodiceEvento2.str(), code2[e - 8]) << "event " << e;
    EXPECT_EQ(ev[e].CodiceEvento1.str(), d.ComDig.Eventi[e].CodiceEvento1.str()) << "event " << e;
  }
}
