#include "model/record.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/language.h"

namespace {

// The live instances are globals: every test starts from a new customer of type 21.
class RecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCustomerCodeSource([this] {
      ++codeRequests;
      return std::string("0042");
    });
    Cliente = Tag_Cliente{};
    Cliente.TipoCentrale = kTypeVelaA;
    Cliente.Rel_firmware = "1.10";
    ResetConfiguration(true);
    TakeSavedCopy();
    codeRequests = 0;
  }
  void TearDown() override { SetCustomerCodeSource(nullptr); }

  int codeRequests = 0;
};

std::string Label(int textNumber, const char* digits) {
  return LanguageText(textNumber) + " " + digits;
}

TEST_F(RecordTest, PhoneEntryLabelsHaveTwoDigitsUpTo99AndThen100) {
  struct Case {
    int entry;
    const char* digits;
  } cases[] = {{1, "01"}, {9, "09"}, {10, "10"}, {50, "50"}, {99, "99"}, {100, "100"}};
  for (const auto& c : cases)
    EXPECT_EQ(GlobalBuffer.NumeriTelefonici[c.entry].Descrizione, Label(115, c.digits)) << c.entry;
  for (int k = 1; k <= 100; ++k) {
    const auto& entry = GlobalBuffer.NumeriTelefonici[k];
    EXPECT_EQ(entry.Numero, "") << k;
    EXPECT_EQ(entry.Avvisatore, 0) << k;
    EXPECT_EQ(entry.Uscite, 0) << k;
  }
}

TEST_F(RecordTest, MessageAndSmsLabelsAndInputDefaults) {
  const char* digits[] = {"01", "02", "03", "04", "05", "06", "07", "08"};
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(GlobalBuffer.Messaggi[k].Descrizione, Label(116, digits[k - 1])) << k;
    EXPECT_EQ(GlobalBuffer.SmsS[k].Descrizione, Label(156, digits[k - 1])) << k;
  }
  EXPECT_EQ(GlobalBuffer.SmsS[0].Descrizione, LanguageText(157));

  for (int k = 1; k <= 7; ++k) {
    const auto& in = GlobalBuffer.Ingressi[k];
    EXPECT_EQ(in.Polarita, 1) << k;
    EXPECT_EQ(in.Messaggio + in.MaskTel + in.MaskSms + in.SmsA + in.SmsR + in.Serv +
                  in.ServVELA_I_1 + in.ServVELA_I_2,
              0)
        << k;
    EXPECT_EQ(in.SMSAttiv, "") << k;
    EXPECT_EQ(in.SMSRipr, "") << k;
  }
}

TEST_F(RecordTest, OutputsCarrySevenEventFlags) {
  struct Case {
    uint8_t FP, FG, BC, BP, CO, CI, MS, mask;
  } cases[] = {{1, 0, 0, 0, 0, 0, 0, 1},
               {0, 1, 0, 0, 0, 0, 0, 6},
               {0, 0, 1, 0, 0, 0, 0, 8},
               {0, 0, 0, 1, 0, 0, 1, 112},
               {0, 0, 0, 0, 1, 1, 0, 0}};
  for (int k = 1; k <= 5; ++k) {
    const auto& out = GlobalBuffer.Uscite[k];
    const auto& c = cases[k - 1];
    EXPECT_EQ(out.Polarita, 1) << k;
    EXPECT_EQ(out.FP, c.FP) << k;
    EXPECT_EQ(out.FG, c.FG) << k;
    EXPECT_EQ(out.BC, c.BC) << k;
    EXPECT_EQ(out.BP, c.BP) << k;
    EXPECT_EQ(out.CO, c.CO) << k;
    EXPECT_EQ(out.CI, c.CI) << k;
    EXPECT_EQ(out.MS, c.MS) << k;
    EXPECT_EQ(out.MaskEventiVELA_I, c.mask) << k;
    EXPECT_EQ(out.OUTRESERV + out.Tipo + out.TempoOn + out.Conferma, 0) << k;
    EXPECT_EQ(out.Messaggio, "") << k;
  }
  EXPECT_EQ(CountOutputEvents(GlobalBuffer), 7);
}

TEST_F(RecordTest, OptionsAndDigitalCommunicatorDefaults) {
  const DateTime before = DateTimeNow();
  ResetConfiguration(false);
  const DateTime after = DateTimeNow();

  const auto& o = GlobalBuffer.Opzioni;
  EXPECT_EQ(o.VoceInLinea, 1);
  EXPECT_EQ(o.Squillo + o.Selezione + o.Richiama + o.UsaGsm + o.CommutaChiama +
                o.ControlloCreditoAttivo + o.Priorita,
            0);
  EXPECT_EQ(o.ControlloCredito, 1);
  EXPECT_EQ(o.CifreRim, 0);
  EXPECT_EQ(o.SMSIntervallo, 0u);
  EXPECT_EQ(o.Prefisso, "");
  EXPECT_EQ(o.CodUscSms, "");
  EXPECT_EQ(o.NtelChiamataADT, "");
  for (DateTime now : {o.SMSDataPrimo, o.SMSOraPrimo, GlobalBuffer.ComDig.SegDataPrimo,
                       GlobalBuffer.ComDig.SegOraPrimo}) {
    EXPECT_GE(now, before);
    EXPECT_LE(now, after);
  }

  const auto& d = GlobalBuffer.ComDig;
  EXPECT_EQ(d.Numero1, "");
  EXPECT_EQ(d.Numero2, "");
  EXPECT_EQ(d.Numero3, "");
  EXPECT_EQ(d.Numero4, "");
  EXPECT_EQ(d.SegIntervallo, 0u);
  const char* codes[14][2] = {{"1", "3A"}, {"1", "3A"}, {"1", "3A"}, {"1", "3A"}, {"1", "3A"},
                              {"1", "3A"}, {"1", "3A"}, {"1", "3A"}, {"3", "51"}, {"3", "51"},
                              {"3", "A2"}, {"3", "A2"}, {"6", "02"}, {"6", "24"}};
  for (int e = 0; e < 14; ++e) {
    EXPECT_EQ(d.Eventi[e].CodiceEvento1, codes[e][0]) << e;
    EXPECT_EQ(d.Eventi[e].CodiceEvento2, codes[e][1]) << e;
    EXPECT_EQ(d.Eventi[e].CodiceUtente, "") << e;
    EXPECT_EQ(d.Eventi[e].Invia, 0) << e;
  }
}

TEST_F(RecordTest, ResetClearsEveryEditAndSetsTheEventCount) {
  GlobalBuffer.NumeriTelefonici[77].Numero = "0123";
  GlobalBuffer.Ingressi[3].Serv = 1;
  GlobalBuffer.Uscite[2].Messaggio = "text";
  GlobalBuffer.Uscite[2].FG = 0;
  GlobalBuffer.Opzioni.Squillo = 1;
  GlobalBuffer.ComDig.Eventi[4].Invia = 1;
  OutputEventCount = 2;
  ResetConfiguration(false);
  // The fields that take "now" are the only ones a reset makes different.
  GlobalBuffer.Opzioni.SMSDataPrimo = SavedBuffer.Opzioni.SMSDataPrimo;
  GlobalBuffer.Opzioni.SMSOraPrimo = SavedBuffer.Opzioni.SMSOraPrimo;
  GlobalBuffer.ComDig.SegDataPrimo = SavedBuffer.ComDig.SegDataPrimo;
  GlobalBuffer.ComDig.SegOraPrimo = SavedBuffer.ComDig.SegOraPrimo;
  EXPECT_TRUE(IsUnchanged());
  EXPECT_EQ(OutputEventCount, 7);
}

TEST_F(RecordTest, NewCustomerTakesItsCodeFromTheInstalledSource) {
  Cliente.SerialCli = 12;
  Cliente.Nome = "Rossi";
  Cliente.Indirizzo = "Via Roma 1";
  Cliente.Comune = "Milano";
  Cliente.Telefono = "02 123";
  Cliente.TelCentrale = "333 456";
  Cliente.DescrImpianto = "Shop";
  Cliente.NotePresenti = 1;
  Cliente.DataUltModifica = 100;
  const DateTime before = DateTimeNow();
  ResetConfiguration(true);

  EXPECT_EQ(codeRequests, 1);
  EXPECT_EQ(Cliente.CodiceCliente, "0042");
  EXPECT_EQ(Cliente.SerialCli, 0);
  EXPECT_EQ(Cliente.NotePresenti, 0);
  for (const auto* text : {&Cliente.Nome, &Cliente.Indirizzo, &Cliente.Comune, &Cliente.Telefono,
                           &Cliente.TelCentrale, &Cliente.DescrImpianto})
    EXPECT_EQ(*text, "");
  EXPECT_GE(Cliente.DataUltModifica, before);
  EXPECT_EQ(Cliente.TipoCentrale, kTypeVelaA);
  EXPECT_EQ(Cliente.Rel_firmware, "1.10");

  SetCustomerCodeSource([] { return std::string("123456"); });
  ResetConfiguration(true);
  EXPECT_EQ(Cliente.CodiceCliente, "1234");  // a short text of 4
  SetCustomerCodeSource(nullptr);
  ResetConfiguration(true);
  EXPECT_EQ(Cliente.CodiceCliente, "");
}

TEST_F(RecordTest, ResetWithoutNewCustomerKeepsTheWholeHeader) {
  Cliente.SerialCli = 12;
  Cliente.Nome = "Rossi";
  Cliente.CodiceCliente = "0007";
  Cliente.DataUltModifica = 100;
  Cliente.NotePresenti = 1;
  Cliente.TipoCentrale = kTypeVelaI;
  Cliente.Rel_firmware = "1.00";
  const Tag_Cliente header = Cliente;
  ResetConfiguration(false);
  EXPECT_EQ(Cliente, header);
  EXPECT_EQ(codeRequests, 0);
  ResetConfiguration(true);
  EXPECT_EQ(Cliente.TipoCentrale, kTypeVelaI);
  EXPECT_EQ(Cliente.Rel_firmware, "1.00");
}

TEST_F(RecordTest, ResetLeavesTheSavedCopyAlone) {
  GlobalBuffer.Opzioni.Prefisso = "0";
  TakeSavedCopy();
  ResetConfiguration(true);
  EXPECT_EQ(SavedBuffer.Opzioni.Prefisso, "0");
  EXPECT_FALSE(IsUnchanged());
}

using Mutation = std::function<void(Tag_GlobalBuffer&)>;

struct NamedMutation {
  const char* name;
  Mutation apply;
};

std::vector<NamedMutation> EveryField() {
  return {
      {"phone 50 Numero (unused under type 21)",
       [](auto& r) { r.NumeriTelefonici[50].Numero = "1"; }},
      {"phone 100 Descrizione", [](auto& r) { r.NumeriTelefonici[100].Descrizione += "x"; }},
      {"phone 1 Avvisatore", [](auto& r) { r.NumeriTelefonici[1].Avvisatore = 1; }},
      {"phone 95 Uscite", [](auto& r) { r.NumeriTelefonici[95].Uscite = 4; }},
      {"message 8", [](auto& r) { r.Messaggi[8].Descrizione = "M"; }},
      {"input 7 Polarita", [](auto& r) { r.Ingressi[7].Polarita = 0; }},
      {"input 1 Messaggio", [](auto& r) { r.Ingressi[1].Messaggio = 3; }},
      {"input 2 MaskTel", [](auto& r) { r.Ingressi[2].MaskTel = 1; }},
      {"input 3 MaskSms", [](auto& r) { r.Ingressi[3].MaskSms = 128; }},
      {"input 4 SmsA", [](auto& r) { r.Ingressi[4].SmsA = 2; }},
      {"input 5 SmsR", [](auto& r) { r.Ingressi[5].SmsR = 8; }},
      {"input 6 Serv", [](auto& r) { r.Ingressi[6].Serv = 1; }},
      {"input 7 SMSAttiv", [](auto& r) { r.Ingressi[7].SMSAttiv = "on"; }},
      {"input 7 SMSRipr", [](auto& r) { r.Ingressi[7].SMSRipr = "off"; }},
      {"input 1 ServVELA_I_1", [](auto& r) { r.Ingressi[1].ServVELA_I_1 = 1; }},
      {"input 1 ServVELA_I_2", [](auto& r) { r.Ingressi[1].ServVELA_I_2 = 1; }},
      {"output 5 Polarita", [](auto& r) { r.Uscite[5].Polarita = 0; }},
      {"output 5 FP", [](auto& r) { r.Uscite[5].FP = 1; }},
      {"output 5 FG", [](auto& r) { r.Uscite[5].FG = 1; }},
      {"output 5 BC", [](auto& r) { r.Uscite[5].BC = 1; }},
      {"output 5 BP", [](auto& r) { r.Uscite[5].BP = 1; }},
      {"output 5 CO", [](auto& r) { r.Uscite[5].CO = 0; }},
      {"output 5 CI", [](auto& r) { r.Uscite[5].CI = 0; }},
      {"output 5 MS", [](auto& r) { r.Uscite[5].MS = 1; }},
      {"output 1 OUTRESERV", [](auto& r) { r.Uscite[1].OUTRESERV = 1; }},
      {"output 1 Messaggio", [](auto& r) { r.Uscite[1].Messaggio = "ON"; }},
      {"output 1 MaskEventiVELA_I", [](auto& r) { r.Uscite[1].MaskEventiVELA_I = 3; }},
      {"output 1 Tipo", [](auto& r) { r.Uscite[1].Tipo = 1; }},
      {"output 1 TempoOn", [](auto& r) { r.Uscite[1].TempoOn = 30; }},
      {"output 1 Conferma", [](auto& r) { r.Uscite[1].Conferma = 1; }},
      {"VoceInLinea", [](auto& r) { r.Opzioni.VoceInLinea = 0; }},
      {"Squillo", [](auto& r) { r.Opzioni.Squillo = 1; }},
      {"Selezione", [](auto& r) { r.Opzioni.Selezione = 1; }},
      {"Prefisso", [](auto& r) { r.Opzioni.Prefisso = "0"; }},
      {"Richiama", [](auto& r) { r.Opzioni.Richiama = 1; }},
      {"CodUscSms", [](auto& r) { r.Opzioni.CodUscSms = "1234"; }},
      {"CifreRim", [](auto& r) { r.Opzioni.CifreRim = -1; }},
      {"UsaGsm", [](auto& r) { r.Opzioni.UsaGsm = 1; }},
      {"CommutaChiama", [](auto& r) { r.Opzioni.CommutaChiama = 1; }},
      {"NtelChiamataADT", [](auto& r) { r.Opzioni.NtelChiamataADT = "*1"; }},
      {"SMSDataPrimo", [](auto& r) { r.Opzioni.SMSDataPrimo += 1; }},
      {"SMSOraPrimo", [](auto& r) { r.Opzioni.SMSOraPrimo += 1.0 / 86400000; }},
      {"SMSIntervallo", [](auto& r) { r.Opzioni.SMSIntervallo = 1440; }},
      {"ControlloCreditoAttivo", [](auto& r) { r.Opzioni.ControlloCreditoAttivo = 1; }},
      {"ControlloCredito", [](auto& r) { r.Opzioni.ControlloCredito = 255; }},
      {"Priorita", [](auto& r) { r.Opzioni.Priorita = 1; }},
      {"SmsS 0", [](auto& r) { r.SmsS[0].Descrizione = "none"; }},
      {"SmsS 8", [](auto& r) { r.SmsS[8].Descrizione = ""; }},
      {"Numero1", [](auto& r) { r.ComDig.Numero1 = "1"; }},
      {"Numero2", [](auto& r) { r.ComDig.Numero2 = "2"; }},
      {"Numero3", [](auto& r) { r.ComDig.Numero3 = "3"; }},
      {"Numero4", [](auto& r) { r.ComDig.Numero4 = "4"; }},
      {"event 13 CodiceUtente", [](auto& r) { r.ComDig.Eventi[13].CodiceUtente = "1234"; }},
      {"event 0 CodiceEvento1", [](auto& r) { r.ComDig.Eventi[0].CodiceEvento1 = "9"; }},
      {"event 8 CodiceEvento2", [](auto& r) { r.ComDig.Eventi[8].CodiceEvento2 = "52"; }},
      {"event 12 Invia", [](auto& r) { r.ComDig.Eventi[12].Invia = 1; }},
      {"SegDataPrimo", [](auto& r) { r.ComDig.SegDataPrimo -= 1; }},
      {"SegOraPrimo", [](auto& r) { r.ComDig.SegOraPrimo += 0.5; }},
      {"SegIntervallo", [](auto& r) { r.ComDig.SegIntervallo = 60; }},
  };
}

TEST_F(RecordTest, AnyChangedFieldOfAnyEntryCountsAsUnsaved) {
  ASSERT_TRUE(IsUnchanged());
  for (const auto& mutation : EveryField()) {
    Tag_GlobalBuffer live = SavedBuffer;
    mutation.apply(live);
    EXPECT_FALSE(IsUnchanged(live, SavedBuffer)) << mutation.name;
    EXPECT_TRUE(IsUnchanged(SavedBuffer, SavedBuffer)) << mutation.name;
  }
}

TEST_F(RecordTest, TheHeaderAndTheEventCountTakeNoPartInTheChangeTest) {
  GlobalBuffer.NumeriTelefonici[3].Descrizione =
      std::string(GlobalBuffer.NumeriTelefonici[3].Descrizione);  // the very same characters
  GlobalBuffer.Opzioni.NtelChiamataADT = std::string("");
  Cliente.Nome = "Bianchi";
  Cliente.Rel_firmware = "1.00";
  Cliente.TipoCentrale = kTypeVelaI;
  OutputEventCount = 0;
  EXPECT_TRUE(IsUnchanged());
}

TEST(ShortTexts, KeepTheirFirstCharacters) {
  const std::string forty(40, 'n');
  Tag_Cliente header;
  header.Nome = forty;
  header.CodiceCliente = "123456";
  header.Rel_firmware = "1.000000000000000009";
  Tag_Opzioni options;
  options.NtelChiamataADT = forty;
  Tag_Ingresso input;
  input.SMSAttiv = std::string(150, 'a');
  Tag_Evento event;
  event.CodiceEvento1 = "3A";
  event.CodiceEvento2 = "A2B";
  EXPECT_EQ(header.Nome, std::string(35, 'n'));
  EXPECT_EQ(header.CodiceCliente, "1234");
  EXPECT_EQ(header.Rel_firmware, "1.00000000000000");
  EXPECT_EQ(options.NtelChiamataADT, std::string(20, 'n'));
  EXPECT_EQ(input.SMSAttiv.size(), 100u);
  EXPECT_EQ(event.CodiceEvento1, "3");
  EXPECT_EQ(event.CodiceEvento2, "A2");
}

TEST(FirmwareNumber, PlainDecimalsOnly) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {{"1.00", 1.0}, {"1.12", 1.12}, {"1.1", 1.1}, {"2", 2}, {"", 0},
               {"1.1a", 0},   {"v1.1", 0},    {"1..1", 0},  {".", 0}, {" 1.1", 0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(FirmwareNumber(c.text), c.value) << c.text;
}

TEST(FirmwareAtLeast, ComparesTheReleaseExactlyWithTheThreshold) {
  struct Case {
    const char* release;
    double threshold;
    bool atLeast;
  } cases[] = {
      {"1.1", 1.1, true},     {"1.10", 1.1, true},  {"1.19", 1.1, true},  {"1.09", 1.1, false},
      {"1.00", 1.1, false},   {"1.0", 1.0, true},   {"2.31", 2.31, true},  // digit sums fell short
      {"2.011", 2.011, true}, {"3.99", 3.99, true}, {"", 1.1, false},     {"1.1b", 1.1, false},
  };
  for (const auto& c : cases) {
    Tag_Cliente header;
    header.Rel_firmware = c.release;
    EXPECT_EQ(FirmwareAtLeast(header, c.threshold), c.atLeast) << c.release << " " << c.threshold;
  }
}

TEST(EntryCounts, FollowTheDeviceType) {
  EXPECT_EQ(InputEntryCount(kTypeVelaA), 4);
  EXPECT_EQ(InputEntryCount(kTypeVelaI), 7);
  EXPECT_EQ(InputEntryCount(23), 4);
  SetPhoneEntryCount(95);
  EXPECT_EQ(PhoneEntryCount(), 95);
  SetPhoneEntryCount(8);
  EXPECT_EQ(PhoneEntryCount(), 8);
}

TEST_F(RecordTest, CountOutputEventsCountsEveryFlagOfTheFiveOutputs) {
  EXPECT_EQ(OutputEventCount, 7);
  GlobalBuffer.Uscite[5].CO = 0;
  EXPECT_EQ(CountOutputEvents(GlobalBuffer), 6);
  GlobalBuffer.Uscite[1].MS = 1;
  GlobalBuffer.Uscite[3].FP = 1;
  EXPECT_EQ(CountOutputEvents(GlobalBuffer), 8);
  GlobalBuffer.Uscite[2].OUTRESERV = 1;  // not an event flag
  GlobalBuffer.Uscite[0].FP = 1;         // no output 0
  EXPECT_EQ(CountOutputEvents(GlobalBuffer), 8);
  Tag_GlobalBuffer empty;
  EXPECT_EQ(CountOutputEvents(empty), 0);
}

}  // namespace
