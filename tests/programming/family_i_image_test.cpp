// The family I texts and phone-book content as the device reads them: every token, the
// zero-fill that never cuts, the trimming, and what is left out.
#include <gtest/gtest.h>

#include <functional>

#include "family_i_fixture.h"
#include "programming/family_i_image.h"

namespace {

std::string Text(const Tag_GlobalBuffer& record, int n) {
  FamilyITexts texts;
  BuildFamilyITexts(record, texts);
  return texts[n - 1].Text;
}

struct TextCase {
  const char* name;
  int n;
  std::function<void(Tag_GlobalBuffer&)> edit;
  std::string expected;
};

void Commanded(Tag_GlobalBuffer& r, int output, std::initializer_list<int> numbers) {
  r.Uscite[output].OUTRESERV = 1;
  r.Uscite[output].Messaggio = "CANCELLO";
  for (int k : numbers) r.NumeriTelefonici[k].Uscite |= static_cast<uint8_t>(1u << (output - 1));
}

const std::string kDefaultOutputs2to4 = "O2=H;E:01100000;O3=H;E:00010000;O4=H;E:00001110;";

TEST(FamilyIImage, TokensOfEveryText) {
  const TextCase cases[] = {
      {"default outputs", 1, [](Tag_GlobalBuffer&) {}, "O1=H;E:10000000;" + kDefaultOutputs2to4},
      {"range of number 1 alone", 1, [](auto& r) { Commanded(r, 1, {1}); },
       "O1=H;M:CANCELLO,0;01-01,255;" + kDefaultOutputs2to4},
      {"range 3 to 5", 1,
       [](auto& r) {
         Commanded(r, 1, {3, 4, 5});
       },
       "O1=H;M:CANCELLO,0;03-05,255;" + kDefaultOutputs2to4},
      {"range stops at the first gap", 1,
       [](auto& r) {
         Commanded(r, 1, {3, 7});
       },
       "O1=H;M:CANCELLO,0;03-03,255;" + kDefaultOutputs2to4},
      {"no commanding number", 1, [](auto& r) { Commanded(r, 1, {}); },
       "O1=H;M:CANCELLO,0;00-00,255;" + kDefaultOutputs2to4},
      {"timed output, long name cut to 8, other outputs' bits ignored", 1,
       [](auto& r) {
         Commanded(r, 2, {2});
         r.NumeriTelefonici[1].Uscite = 0x1;  // output 1's bit
         r.Uscite[2].Polarita = 0;
         r.Uscite[2].Messaggio = "APRICANCELLO";
         r.Uscite[2].Conferma = 2;
         r.Uscite[2].Tipo = 1;
         r.Uscite[2].TempoOn = 7;
       },
       "O1=H;E:10000000;O2=L;M:APRICANC,2;02-02,007;O3=H;E:00010000;O4=H;E:00001110;"},
      {"untimed output writes 255 whatever its on-time", 1,
       [](auto& r) {
         Commanded(r, 1, {95});
         r.Uscite[1].TempoOn = 40;
       },
       "O1=H;M:CANCELLO,0;95-95,255;" + kDefaultOutputs2to4},
      {"default inputs", 2, [](Tag_GlobalBuffer&) {},
       "A=00,00000000;B=00,00000000;C=00,00000000;D=00,00000000;E=00,00000000;"
       "F=00,00000000;G=00,00000000;"},
      {"text presence counts blanks, mask bit 0 first", 2,
       [](auto& r) {
         r.Ingressi[1].SMSAttiv = " ";
         r.Ingressi[1].MaskSms = 0x81;
         r.Ingressi[7].SMSRipr = "ok";
         r.Ingressi[7].MaskSms = 0x06;
       },
       "A=10,10000001;B=00,00000000;C=00,00000000;D=00,00000000;E=00,00000000;"
       "F=00,00000000;G=01,01100000;"},
      {"the typical options text", 3, [](auto& r) { r.Opzioni.SMSIntervallo = 1440; },
       "IP:HHHH;IS:00000000;MP:001440,DP:000000;C2:0000;T:01;PI;R:0;P:;"},
      {"options: input 4's service pair always 00, code filled, prefix trimmed", 3,
       [](auto& r) {
         r.Ingressi[1].Polarita = 0;
         r.Ingressi[3].Polarita = 0;
         r.Ingressi[1].ServVELA_I_2 = 1;
         r.Ingressi[3].ServVELA_I_1 = 1;
         r.Ingressi[4].ServVELA_I_1 = 1;
         r.Ingressi[4].ServVELA_I_2 = 1;
         r.ComDig.SegIntervallo = 60;
         r.ComDig.Eventi[8].CodiceUtente = " 12 ";
         r.Opzioni.ControlloCredito = 0;
         r.Opzioni.Priorita = 1;
         r.Opzioni.CifreRim = 3;
         r.Opzioni.Prefisso = " 0039 ";
       },
       "IP:LHLH;IS:01001000;MP:000000,DP:000060;C2:0012;T:00;PA;R:3;P:0039;"},
      {"options: wide values are written whole", 3,
       [](auto& r) {
         r.Opzioni.SMSIntervallo = 1000000;
         r.ComDig.SegIntervallo = 4294967295u;
         r.Opzioni.ControlloCredito = 255;
         r.Opzioni.CifreRim = -12;
       },
       "IP:HHHH;IS:00000000;MP:1000000,DP:4294967295;C2:0000;T:255;PI;R:-12;P:;"},
      {"default events", 4, [](Tag_GlobalBuffer&) {},
       "A:00,0000;13A;B:00,0000;13A;C:00,0000;13A;D:00,0000;13A;E:00,51;F:00,A2;G:00,02;"
       "H:00,24;"},
      {"events: second of a pair gives only its flag, codes trimmed and filled", 4,
       [](auto& r) {
         auto& ev = r.ComDig.Eventi;
         ev[0].Invia = 1;
         ev[1].Invia = 1;
         ev[1].CodiceUtente = "9999";
         ev[2].CodiceUtente = "12";
         ev[2].CodiceEvento1 = " ";
         ev[2].CodiceEvento2 = "7";
         ev[7].Invia = 1;
         ev[9].Invia = 1;
         ev[10].CodiceEvento2 = "";
         ev[12].Invia = 1;
         ev[13].Invia = 1;
         ev[13].CodiceEvento2 = "9";
       },
       "A:11,0000;13A;B:00,0012;007;C:00,0000;13A;D:01,0000;13A;E:01,51;F:00,00;G:10,02;"
       "H:10,09;"},
  };
  for (const TextCase& c : cases) {
    Tag_GlobalBuffer record = DefaultRecord();
    c.edit(record);
    EXPECT_EQ(Text(record, c.n), c.expected) << c.name;
  }
}

TEST(FamilyIImage, InputTextsAreTrimmedAndInput7HasNoRestoreText) {
  Tag_GlobalBuffer record = DefaultRecord();
  for (int i = 1; i <= 7; ++i) {
    record.Ingressi[i].SMSAttiv = "  on " + std::to_string(i) + " ";
    record.Ingressi[i].SMSRipr = "off " + std::to_string(i);
  }
  record.Ingressi[2].SMSRipr = "   ";
  FamilyITexts texts;
  for (int n = 0; n < 17; ++n) texts[n] = {"stale", 40 + n};
  BuildFamilyITexts(record, texts);
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(texts[2 * i + 2].Text, "on " + std::to_string(i));
  EXPECT_EQ(texts[5].Text, "off 1");
  EXPECT_EQ(texts[7].Text, "");  // blanks only: an empty text
  EXPECT_EQ(texts[15].Text, "off 6");
  for (int n = 0; n < 17; ++n) EXPECT_EQ(texts[n].Index, 40 + n) << "indices are the caller's";
}

TEST(FamilyIImage, MinutesUntilTakesDateAndHourMinuteOnly) {
  const DateTime date = ToDateTime({2030, 5, 6, 23, 59, 59, 999});    // its time is ignored
  const DateTime time = ToDateTime({1899, 12, 30, 10, 20, 45, 500});  // its date and seconds too
  struct Case {
    LocalDateTime now;
    uint32_t minutes;
  } cases[] = {
      {{2030, 5, 6, 8, 0, 30, 500}, 139},     // 2 h 19 min 29.5 s ahead
      {{2030, 5, 6, 10, 19, 0, 0}, 1},        // exactly 60 s ahead
      {{2030, 5, 6, 10, 19, 0, 1}, 0},        // 59.999 s ahead
      {{2030, 5, 6, 10, 20, 0, 0}, 0},        // now
      {{2031, 1, 1, 0, 0, 0, 0}, 0},          // past
      {{2028, 5, 6, 10, 20, 0, 0}, 1051200},  // two years ahead: seven digits
  };
  for (const Case& c : cases) {
    const LocalDateTime& n = c.now;
    EXPECT_EQ(MinutesUntil(date, time, ToDateTime(c.now)), c.minutes)
        << n.year << "-" << n.month << "-" << n.day << " " << n.hour << ":" << n.minute << ":"
        << n.second << "." << n.millisecond;
  }
}

TEST(FamilyIImage, PhoneBookSlotsOfBothVariants) {
  Tag_GlobalBuffer record = RichFamilyIRecord();
  const DateTime now = ToDateTime({2030, 1, 1, 12, 0, 0, 0});
  record.Opzioni.SMSDataPrimo = record.Opzioni.SMSOraPrimo = ToDateTime({2030, 1, 2, 12, 0});
  record.ComDig.SegDataPrimo = record.ComDig.SegOraPrimo = ToDateTime({2029, 1, 1, 12, 0});
  record.Opzioni.CodUscSms = " 77 ";

  const auto motorola = FamilyIPhoneBook(record, ModuleVariant::Motorola, now);
  const auto ericsson = FamilyIPhoneBook(record, ModuleVariant::Ericsson, now);
  std::vector<int> slots;
  for (const auto& e : motorola) slots.push_back(e.slot);
  // Telephone 9 (blank) and contact number 3 (blank) are not written; slot 100 comes last.
  EXPECT_EQ(slots,
            (std::vector<int>{101, 102, 103, 104, 105, 107, 110, 112, 195, 196, 197, 199, 100}));
  ASSERT_EQ(ericsson.size(), motorola.size());
  for (size_t i = 0; i + 1 < motorola.size(); ++i) {
    EXPECT_EQ(ericsson[i].slot, motorola[i].slot - 100);
    EXPECT_EQ(ericsson[i].number, motorola[i].number);
    EXPECT_EQ(ericsson[i].name, motorola[i].name);
  }
  EXPECT_EQ(PhoneBookWriteCommand(motorola[2]), "at+cpbw=103,\"0212p34\",,\"Pausa\"\r");
  EXPECT_EQ(PhoneBookWriteCommand(motorola[10]), "at+cpbw=197,\"0311\",,\"CONTACT ID 2\"\r");
  EXPECT_EQ(PhoneBookWriteCommand(ericsson.back()), "at+cpbw=100,\"001440000000\",,\"#77\"\r");
  EXPECT_EQ(PhoneBookClearCommand(17), "at+cpbw=17\r");
}

TEST(FamilyIImage, CounterSlotGrowsPastTwelveDigitsRatherThanCut) {
  Tag_GlobalBuffer record = DefaultRecord();
  const DateTime now = ToDateTime({2030, 1, 1, 0, 0, 0, 0});
  record.Opzioni.SMSDataPrimo = record.Opzioni.SMSOraPrimo = ToDateTime({2032, 1, 1, 0, 0});
  record.ComDig.SegDataPrimo = record.ComDig.SegOraPrimo = ToDateTime({2030, 1, 1, 0, 5});
  EXPECT_EQ(CounterSlotNumber(record, now), "1051200000005");
}

}  // namespace
