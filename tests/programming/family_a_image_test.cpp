#include "programming/family_a_image.h"

#include <gtest/gtest.h>

#include <vector>

#include "family_a_fixture.h"
#include "programming/firmware_family.h"

namespace {

struct ImageCase {
  const char* name;
  Tag_GlobalBuffer record;
  const char* release;
  std::vector<std::string> texts;  // texts 0 to size-1
};

TEST(FamilyAImage, TextsByteForByte) {
  const Tag_GlobalBuffer defaults = DefaultRecord();
  const Tag_GlobalBuffer commuta = NonDefaultRecord(defaults, LineSwitch::CommutaChiama);
  const Tag_GlobalBuffer usaGsm = NonDefaultRecord(defaults, LineSwitch::UsaGsm);
  const Tag_GlobalBuffer plain = NonDefaultRecord(defaults, LineSwitch::None);
  Tag_GlobalBuffer serv4 = commuta;  // Serv and CommutaChiama both on input 4: CommutaChiama wins
  serv4.Ingressi[4].Serv = 1;
  Tag_GlobalBuffer odd = defaults;  // values the pages never give still write what they say
  odd.Ingressi[1].Polarita = 2;
  odd.Uscite[3].Polarita = 7;
  odd.Opzioni.Squillo = 1;
  odd.Uscite[2].OUTRESERV = 1;
  odd.Opzioni.CodUscSms = " \t7\x01 ";

  const ImageCase cases[] = {
      {"defaults late",
       defaults,
       "1.12",
       {"AV1=100000000;AV2=100000000;AV3=100000000;AV4=100000000;",
        "OS1=FP;OS2=FG;OS3=BC;OS4=BP,MS;OS5=CO,CI;", "IP=HHHH;OP=HHHHH;VS=1;RC=0;BD=0;",
        "AS1=0000000000;AS2=0000000000;AS3=0000000000;AS4=0000000000;", "OR=00000;SC=##;CG=;",
        ";;;;;"}},
      {"defaults early",
       defaults,
       "1.05",
       {"AV1=100000000;AV2=100000000;AV3=100000000;AV4=100000000;",
        "OS1=FP;OS2=FG;OS3=BC;OS4=BP,MS;OS5=CO,CI;", "IP=HHHH;OP=HHHHH;VS=1;RC=0;"}},
      {"every field, input 4 switches and calls, late",
       commuta,
       "1.10",
       {"AV1=310100000;AV2=SERV;AV3=811111111;AV4=100000000;",
        "OS1=FP,CI;OS2=BC,MS;OS3=MS;OS4=;OS5=FG,BP,CO;",
        "IP=LHLL;OP=LHLHL;VS=2;RC=1;PRE=0039;BD=3;",
        "AS1=3810000001;AS2=0000000000;AS3=1000000010;AS4=0000000000;", "OR=00010;SC=#A 12#;CG=2;",
        "Cancello;Porta 2;Garage;Luce;Sirena;", "Allarme intrusione zona 1", "Ripristino zona 1",
        "Mancanza rete 230V", "Batteria bassa", "Sabotaggio sirena", "Caldaia in blocco",
        "Temperatura \xE8 alta: 40\xB0", "Fine"}},
      {"every field, input 4 switches to GSM, late",
       usaGsm,
       "1.19",
       {"AV1=310100000;AV2=SERV;AV3=811111111;AV4=100000000;",
        "OS1=FP,CI;OS2=BC,MS;OS3=MS;OS4=;OS5=FG,BP,CO;",
        "IP=LHLL;OP=LHLHL;VS=2;RC=1;PRE=0039;BD=3;",
        "AS1=3810000001;AS2=0000000000;AS3=1000000010;AS4=0000000000;",
        "OR=00010;SC=#A 12#;CG=1;"}},
      {"every field, input 4 with its own settings, late",
       plain,
       "1.1",
       {"AV1=310100000;AV2=SERV;AV3=811111111;AV4=600001100;",
        "OS1=FP,CI;OS2=BC,MS;OS3=MS;OS4=;OS5=FG,BP,CO;",
        "IP=LHLL;OP=LHLHL;VS=0;RC=1;PRE=0039;BD=3;",
        "AS1=3810000001;AS2=0000000000;AS3=1000000010;AS4=2411110000;", "OR=00010;SC=#A 12#;CG=;"}},
      {"every field, early: no SERV, no switching form, no BD",
       serv4,
       "1.09",
       {"AV1=310100000;AV2=100000000;AV3=811111111;AV4=110000000;",
        "OS1=FP,CI;OS2=BC,MS;OS3=MS;OS4=;OS5=FG,BP,CO;", "IP=LHLL;OP=LHLHL;VS=2;RC=1;PRE=0039;"}},
      {"Serv and CommutaChiama on input 4, late",
       serv4,
       "1.12",
       {"AV1=310100000;AV2=SERV;AV3=811111111;AV4=100000000;"}},
      {"values outside the pages' ranges",
       odd,
       "1.12",
       {"AV1=100000000;AV2=100000000;AV3=100000000;AV4=100000000;",
        "OS1=FP;OS2=FG;OS3=BC;OS4=BP,MS;OS5=CO,CI;", "IP=HHH;OP=HHHH;VS=0VS=1;RC=0;BD=0;",
        "AS1=0000000000;AS2=0000000000;AS3=0000000000;AS4=0000000000;", "OR=01000;SC=#7#;CG=;"}},
  };
  for (const auto& c : cases) {
    const Tag_Cliente header = HeaderWithRelease(c.release);
    const double f = FirmwareNumber(c.release);
    for (std::size_t t = 0; t < c.texts.size(); ++t)
      EXPECT_EQ(BuildFamilyAText(c.record, header, static_cast<int>(t), f), c.texts[t])
          << c.name << ", text " << t;
  }
}

TEST(FamilyAImage, SwitchingItemOnlyFromRelease11OfTheHeader) {
  // The CG= item follows the customer header's release, not the number handed in.
  const Tag_GlobalBuffer record = NonDefaultRecord(DefaultRecord(), LineSwitch::UsaGsm);
  EXPECT_EQ(BuildFamilyAText(record, HeaderWithRelease("1.05"), 4, 1.12), "OR=00010;SC=#A 12#;");
  EXPECT_EQ(BuildFamilyAText(record, HeaderWithRelease("1.10"), 4, 1.12),
            "OR=00010;SC=#A 12#;CG=1;");
}

TEST(FamilyAImage, SmsTextsTrimmedAndEmptyStaysEmpty) {
  Tag_GlobalBuffer record = DefaultRecord();
  record.SmsS[0].Descrizione = "no SMS";
  record.SmsS[1].Descrizione = "  \r\nPorta aperta \t";
  record.SmsS[8].Descrizione = "   ";
  const Tag_Cliente header = HeaderWithRelease("1.12");
  EXPECT_EQ(BuildFamilyAText(record, header, 6, 1.12), "Porta aperta");
  EXPECT_EQ(BuildFamilyAText(record, header, 13, 1.12), "");
}

TEST(FamilyAImage, GenerationBoundsAreInclusive) {
  // A release read one step above 1.09 or 1.19 would drop the device into no generation.
  const struct {
    const char* release;
    FirmwareFamily family;
    int texts;
  } cases[] = {{"1.0", FirmwareFamily::Early, 3},   {"1.00", FirmwareFamily::Early, 3},
               {"1.09", FirmwareFamily::Early, 3},  {"1.1", FirmwareFamily::Late, 14},
               {"1.10", FirmwareFamily::Late, 14},  {"1.19", FirmwareFamily::Late, 14},
               {"1.095", FirmwareFamily::None, 14}, {"0.99", FirmwareFamily::None, 14},
               {"1.2", FirmwareFamily::None, 14},   {"2.00", FirmwareFamily::None, 14}};
  for (const auto& c : cases) {
    const double f = FirmwareNumber(c.release);
    EXPECT_EQ(FirmwareFamilyOf(f), c.family) << c.release;
    EXPECT_EQ(FamilyATextCount(f), c.texts) << c.release;
  }
}

TEST(FamilyAImage, PhoneBookWriteUnquoted) {
  EXPECT_EQ(PhoneBookWriteCommand(3, "0123456"), "at+cpbw=3,0123456,,TELNUM3");
  EXPECT_EQ(PhoneBookWriteCommand(100, "+39 02"), "at+cpbw=100,+39 02,,TELNUM100");
}

}  // namespace
