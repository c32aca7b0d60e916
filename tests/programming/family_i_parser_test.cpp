// Reading the family I image back: round trips through both module variants, values that the
// device's fixed positions would lose, the missing-piece rules for damaged texts, and the
// phone-book and listing lines of the modules.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "family_i_fixture.h"
#include "programming/family_i_image.h"
#include "programming/family_i_parser.h"
#include "programming/family_i_phonebook.h"

namespace {

std::string CpbrLine(int slot, const std::string& number, const std::string& name) {
  return "+CPBR: " + std::to_string(slot) + ",\"" + number + "\",129,\"" + name + "\"";
}

// What a module lists after the writer's phone book and texts, read back into a reset record.
// MOTOROLA storage indices interleave one- and two-digit numbers.
Tag_GlobalBuffer ReadBack(const Tag_GlobalBuffer& written, ModuleVariant variant) {
  FamilyITexts texts;
  BuildFamilyITexts(written, texts);
  std::vector<std::pair<int, std::string>> lines;  // slot, line
  for (const auto& e : FamilyIPhoneBook(written, variant, DateTimeNow()))
    lines.push_back({e.slot, CpbrLine(e.slot, e.number, e.name)});
  std::vector<stSms> listing;
  if (variant == ModuleVariant::Motorola) {
    for (int n = 1; n <= 17; ++n) {
      if (texts[n - 1].Text.empty()) continue;
      const int index = n % 2 ? (n + 1) / 2 : 10 + n / 2;
      lines.push_back({n, CpbrLine(n, std::to_string(index), "PX" + std::to_string(n))});
      listing.push_back(
          {"+CMGL: " + std::to_string(index) + ",\"STO UNSENT\",\"\",", texts[n - 1].Text});
    }
    std::sort(listing.begin(), listing.end(), [](const stSms& a, const stSms& b) {
      return ListedIndexOf(a.header) < ListedIndexOf(b.header);
    });
  }
  std::sort(lines.begin(), lines.end());

  Tag_GlobalBuffer read = DefaultRecord();
  std::vector<stRecAgenda> book;
  for (const auto& [slot, line] : lines) book.push_back(ParsePhoneBookLine(line));
  MapPhoneBook(book, variant, read);
  LocatedTexts located;
  if (variant == ModuleVariant::Motorola) {
    located = LocateMotorolaTexts(book, listing);
  } else {
    for (int n = 0; n < 17; ++n) located[n] = texts[n].Text;
  }
  ParseFamilyITexts(located, read);
  return read;
}

TEST(FamilyIReading, RoundTripMotorola) {
  ExpectRichRecordRead(ReadBack(RichFamilyIRecord(), ModuleVariant::Motorola),
                       ModuleVariant::Motorola);
}

TEST(FamilyIReading, RoundTripEricsson) {
  ExpectRichRecordRead(ReadBack(RichFamilyIRecord(), ModuleVariant::Ericsson),
                       ModuleVariant::Ericsson);
}

// The writer gives these values; read by fixed positions they would come back wrong (a wide
// number shifts every later position, "O2" in a command name starts output 2 early).
TEST(FamilyIReading, ValuesTheFixedPositionsWouldLoseComeBack) {
  struct Case {
    const char* name;
    std::function<void(Tag_GlobalBuffer&)> edit;
    std::function<void(const Tag_GlobalBuffer&)> check;
  };
  const Case cases[] = {
      {"two-digit digits to remove",
       [](auto& r) {
         r.Opzioni.CifreRim = 10;
         r.Opzioni.Prefisso = "02";
       },
       [](const auto& r) {
         EXPECT_EQ(r.Opzioni.CifreRim, 10);
         EXPECT_EQ(r.Opzioni.Prefisso, "02");
       }},
      {"negative digits to remove", [](auto& r) { r.Opzioni.CifreRim = -3; },
       [](const auto& r) { EXPECT_EQ(r.Opzioni.CifreRim, -3); }},
      {"three-digit credit interval",
       [](auto& r) {
         r.Opzioni.ControlloCredito = 100;
         r.Opzioni.Priorita = 1;
         r.Opzioni.CifreRim = 4;
         r.Opzioni.Prefisso = "0039";
       },
       [](const auto& r) {
         EXPECT_EQ(r.Opzioni.ControlloCredito, 100);
         EXPECT_EQ(r.Opzioni.ControlloCreditoAttivo, 1);
         EXPECT_EQ(r.Opzioni.Priorita, 1);
         EXPECT_EQ(r.Opzioni.CifreRim, 4);
         EXPECT_EQ(r.Opzioni.Prefisso, "0039");
       }},
      {"intervals of a million minutes and more",
       [](auto& r) {
         r.Opzioni.SMSIntervallo = 1000000;
         r.ComDig.SegIntervallo = 4294967295u;
         r.ComDig.Eventi[8].CodiceUtente = "0042";
       },
       [](const auto& r) {
         EXPECT_EQ(r.Opzioni.SMSIntervallo, 1000000u);
         EXPECT_EQ(r.ComDig.SegIntervallo, 4294967295u);
         EXPECT_EQ(r.ComDig.Eventi[8].CodiceUtente.str(), "0042");
       }},
      {"prefix holding a semicolon", [](auto& r) { r.Opzioni.Prefisso = "0;1"; },
       [](const auto& r) { EXPECT_EQ(r.Opzioni.Prefisso, "0;1"); }},
      {"command name holding the next output's token, and a wide confirmation",
       [](auto& r) {
         r.Uscite[1].OUTRESERV = 1;
         r.Uscite[1].Messaggio = "GO2=";
         r.Uscite[1].Conferma = 12;
         r.NumeriTelefonici[2].Uscite = 0x3;
         r.Uscite[2].OUTRESERV = 1;
         r.Uscite[2].Messaggio = "O3";
         r.Uscite[2].Tipo = 1;
         r.Uscite[2].TempoOn = 9;
         r.Uscite[3].Polarita = 0;
       },
       [](const auto& r) {
         EXPECT_EQ(r.Uscite[1].Messaggio, "GO2=");
         EXPECT_EQ(r.Uscite[1].Conferma, 12);
         EXPECT_EQ(r.Uscite[2].Messaggio, "O3");
         EXPECT_EQ(r.Uscite[2].TempoOn, 9);
         EXPECT_EQ(r.NumeriTelefonici[2].Uscite, 0x3);
         EXPECT_EQ(r.Uscite[3].Polarita, 0);
         EXPECT_EQ(r.Uscite[3].MaskEventiVELA_I, 8);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Tag_GlobalBuffer written = DefaultRecord();
    c.edit(written);
    FamilyITexts texts;
    BuildFamilyITexts(written, texts);
    Tag_GlobalBuffer read = DefaultRecord();
    ParseOutputsText(texts[0].Text, read);
    ParseOptionsText(texts[2].Text, read);
    c.check(read);
  }
}

// Texts not in the writer's form are read by the device's fixed positions: a missing token
// reads from the start of the text, a character past the end differs from every letter and
// digit, and a piece that is not a number reads as 0 (255 for an on-time).
TEST(FamilyIReading, DamagedTextsFollowTheFixedPositions) {
  {
    SCOPED_TRACE("empty bodies");
    Tag_GlobalBuffer r = DefaultRecord();
    r.Ingressi[2].MaskSms = 0xFF;
    r.Opzioni.Prefisso = "99";
    LocatedTexts texts;
    texts.fill(std::string());
    ParseFamilyITexts(texts, r);
    for (int i = 1; i <= 4; ++i) {
      EXPECT_EQ(r.Uscite[i].Polarita, 1);
      EXPECT_EQ(r.Uscite[i].MaskEventiVELA_I, DefaultRecord().Uscite[i].MaskEventiVELA_I);
      EXPECT_EQ(r.Ingressi[i].Polarita, 0);
      EXPECT_EQ(r.Ingressi[i].ServVELA_I_1, 1);
      EXPECT_EQ(r.Ingressi[i].ServVELA_I_2, 1);
    }
    EXPECT_EQ(r.Ingressi[2].MaskSms, 0);
    EXPECT_EQ(r.Opzioni.ControlloCreditoAttivo, 0);
    EXPECT_EQ(r.Opzioni.Priorita, 0);
    EXPECT_EQ(r.Opzioni.Prefisso, "");
    for (int e = 0; e < 14; ++e) EXPECT_EQ(r.ComDig.Eventi[e].Invia, 1) << e;
    EXPECT_EQ(r.ComDig.Eventi[8].CodiceUtente.str(), "");
  }
  {
    SCOPED_TRACE("short outputs text, later outputs missing");
    Tag_GlobalBuffer r = DefaultRecord();
    ParseOutputsText("O1=L;E:1", r);
    EXPECT_EQ(r.Uscite[1].Polarita, 0);
    EXPECT_EQ(r.Uscite[1].MaskEventiVELA_I, 0xFF);
    EXPECT_EQ(r.Uscite[2].MaskEventiVELA_I, 0xFF);  // "O2" missing: read from the start
  }
  {
    SCOPED_TRACE("commanded output without its tail");
    Tag_GlobalBuffer r = DefaultRecord();
    ParseOutputsText("O1=H;M:PORTA,X;03-02,", r);
    EXPECT_EQ(r.Uscite[1].OUTRESERV, 1);
    EXPECT_EQ(r.Uscite[1].Messaggio, "PORTA");
    EXPECT_EQ(r.Uscite[1].Conferma, 0);
    EXPECT_EQ(r.Uscite[1].TempoOn, 255);
    EXPECT_EQ(r.Uscite[1].Tipo, 0);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(r.NumeriTelefonici[k].Uscite, 0) << "L < F";
  }
  {
    SCOPED_TRACE("options counted from T: shift with a one-digit credit");
    Tag_GlobalBuffer r = DefaultRecord();
    ParseOptionsText("IP:HLHL;IS:11000000;MP:000090;DP:000030;C2:1234;T:5;PA;R:2;P:00;", r);
    EXPECT_EQ(r.Ingressi[2].Polarita, 0);
    EXPECT_EQ(r.Ingressi[1].ServVELA_I_2, 1);
    EXPECT_EQ(r.Opzioni.SMSIntervallo, 90u);
    EXPECT_EQ(r.ComDig.SegIntervallo, 30u);
    EXPECT_EQ(r.ComDig.Eventi[8].CodiceUtente.str(), "1234");
    EXPECT_EQ(r.Opzioni.ControlloCredito, 0);
    EXPECT_EQ(r.Opzioni.Priorita, 0);
    EXPECT_EQ(r.Opzioni.CifreRim, 0);
    EXPECT_EQ(r.Opzioni.Prefisso, "0");
  }
  {
    SCOPED_TRACE("events with a missing letter");
    Tag_GlobalBuffer r = DefaultRecord();
    ParseEventsText("A:10,1234;5AB;C:01,4321;6CD;", r);
    EXPECT_EQ(r.ComDig.Eventi[0].Invia, 1);
    EXPECT_EQ(r.ComDig.Eventi[1].CodiceUtente.str(), "1234");
    EXPECT_EQ(r.ComDig.Eventi[1].CodiceEvento1.str(), "5");
    EXPECT_EQ(r.ComDig.Eventi[1].CodiceEvento2.str(), "AB");
    // "B:" missing: group B runs from the start of the text up to "C:".
    EXPECT_EQ(r.ComDig.Eventi[2].CodiceUtente.str(), "1234");
    EXPECT_EQ(r.ComDig.Eventi[5].Invia, 1);
    EXPECT_EQ(r.ComDig.Eventi[5].CodiceEvento2.str(), "CD");
  }
}

TEST(FamilyIReading, PhoneBookLines) {
  struct Case {
    const char* line;
    int slot;
    const char* number;
    const char* name;
  } cases[] = {
      {"+CPBR: 101,\"0212345\",129,\"Casa\"", 101, "0212345", "Casa"},
      {"+CPBR:7,\"+3902\",145,\"PX7\"", 7, "+3902", "PX7"},
      {"+CPBR:  12 ,\"0212,34\",129,\"Pausa, lunga\"", 12, "0212,34", "Pausa, lunga"},
      {"+CPBR: 100,\"001440000000\",129,\"#\"", 100, "001440000000", "#"},
      {"+CPBR: 5,\"123\",129", 5, "123", ""},
      {"+CPBR: x5,\"123\",129,\"A\"", -1, "", ""},
      {"+CPBR: (1-250),20,14", -1, "", ""},
  };
  for (const Case& c : cases) {
    const stRecAgenda entry = ParsePhoneBookLine(c.line);
    EXPECT_EQ(entry.slot, c.slot) << c.line;
    EXPECT_EQ(entry.number, c.number) << c.line;
    EXPECT_EQ(entry.name, c.name) << c.line;
    EXPECT_EQ(entry.line, c.line);
  }
}

TEST(FamilyIReading, EntriesLandInTheVariantsSlots) {
  const std::vector<std::string> lines = {
      CpbrLine(3, "7", "PX3"),
      CpbrLine(5, "055", "Cinque"),
      CpbrLine(97, "097", "CONTACT ID 2"),
      CpbrLine(100, "000000000000", "#55"),
      CpbrLine(105, "0105", "Centocinque"),
      CpbrLine(196, "0196", "CONTACT ID 1"),
  };
  std::vector<stRecAgenda> book;
  for (const auto& line : lines) book.push_back(ParsePhoneBookLine(line));

  const Tag_GlobalBuffer d = DefaultRecord();
  Tag_GlobalBuffer motorola = d;
  MapPhoneBook(book, ModuleVariant::Motorola, motorola);
  EXPECT_EQ(motorola.NumeriTelefonici[5].Numero, "0105");  // from slot 105, not slot 5
  EXPECT_EQ(motorola.NumeriTelefonici[5].Descrizione, "Centocinque");
  EXPECT_EQ(motorola.NumeriTelefonici[3], d.NumeriTelefonici[3]);
  EXPECT_EQ(motorola.Opzioni.CodUscSms, "55");
  EXPECT_EQ(motorola.ComDig.Numero1.str(), "0196");
  EXPECT_EQ(motorola.NumeriTelefonici[96].Numero, "0196");
  EXPECT_EQ(motorola.NumeriTelefonici[96].Descrizione, "CONTACT ID 1");
  EXPECT_EQ(motorola.ComDig.Numero2.str(), "");
  EXPECT_EQ(motorola.NumeriTelefonici[97], d.NumeriTelefonici[97]);

  Tag_GlobalBuffer ericsson = d;
  MapPhoneBook(book, ModuleVariant::Ericsson, ericsson);
  EXPECT_EQ(ericsson.NumeriTelefonici[5].Numero, "055");
  EXPECT_EQ(ericsson.NumeriTelefonici[5].Descrizione, "Cinque");
  EXPECT_EQ(ericsson.NumeriTelefonici[3].Descrizione, "PX3");  // no index entries here
  EXPECT_EQ(ericsson.ComDig.Numero2.str(), "097");
  EXPECT_EQ(ericsson.NumeriTelefonici[97], d.NumeriTelefonici[97]);
  EXPECT_EQ(ericsson.ComDig.Numero1.str(), "");
  EXPECT_EQ(ericsson.NumeriTelefonici[96], d.NumeriTelefonici[96]);
  EXPECT_EQ(ericsson.Opzioni.CodUscSms, "55");
}

TEST(FamilyIReading, MotorolaTextsMatchTheirIndexExactly) {
  std::vector<stRecAgenda> book = {
      ParsePhoneBookLine(CpbrLine(1, "1", "PX1")),
      ParsePhoneBookLine(CpbrLine(2, "250", "PX2")),
      // A telephone number named like an index entry is not one.
      ParsePhoneBookLine(CpbrLine(103, "12", "PX3")),
      ParsePhoneBookLine(CpbrLine(4, "abc", "PX4")),
  };
  std::vector<stSms> listing;
  for (int index = 2; index <= 260; ++index)  // no message 1; more than 200 messages
    listing.push_back(
        {"+CMGL: " + std::to_string(index) + ",\"STO UNSENT\"", "body " + std::to_string(index)});
  const LocatedTexts texts = LocateMotorolaTexts(book, listing);
  EXPECT_FALSE(texts[0]) << "+CMGL: 12 is not message 1";
  EXPECT_EQ(texts[1], "body 250");
  EXPECT_FALSE(texts[2]);
  EXPECT_FALSE(texts[3]);
  for (int n = 5; n <= 17; ++n) EXPECT_FALSE(texts[n - 1]) << n;
  EXPECT_EQ(ListedIndexOf("+CMGL:7,\"STO UNSENT\""), 7);
  EXPECT_EQ(ListedIndexOf("+CMGL: ,"), -1);
}

}  // namespace
