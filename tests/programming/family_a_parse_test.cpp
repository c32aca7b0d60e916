#include "programming/family_a_parse.h"

#include <gtest/gtest.h>

#include "family_a_fixture.h"
#include "programming/family_a_image.h"
#include "programming/firmware_family.h"

namespace {

// The module hands the body over behind the line feed that ended its header line.
std::string AsRead(const std::string& body) {
  return "\n" + body;
}

void ExpectSameCarried(const Tag_GlobalBuffer& got, const Tag_GlobalBuffer& want,
                       const std::string& what) {
  for (int k = 1; k <= 7; ++k)
    EXPECT_EQ(got.Ingressi[k], want.Ingressi[k]) << what << " input " << k;
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(got.Uscite[k], want.Uscite[k]) << what << " output " << k;
  EXPECT_EQ(got.Opzioni, want.Opzioni) << what;
  EXPECT_EQ(got.SmsS, want.SmsS) << what;
  EXPECT_TRUE(IsUnchanged(got, want)) << what;
}

struct RoundTrip {
  const char* name;
  LineSwitch lineSwitch;
  const char* release;
};

TEST(FamilyARoundTrip, EveryCarriedFieldComesBack) {
  // Guards against a field the writer puts in a text that its parser then reads at the
  // wrong offset, from the wrong key or not at all, for both generations and for each of
  // the three ways input 4 can be set up; fields an early device does not keep must stay
  // as the target record had them.
  const RoundTrip cases[] = {{"late, no switching", LineSwitch::None, "1.12"},
                             {"late, UsaGsm", LineSwitch::UsaGsm, "1.10"},
                             {"late, CommutaChiama", LineSwitch::CommutaChiama, "1.19"},
                             {"early, no switching", LineSwitch::None, "1.05"},
                             {"early, CommutaChiama", LineSwitch::CommutaChiama, "1.0"}};
  for (const auto& c : cases) {
    const Tag_GlobalBuffer base = DefaultRecord();
    const Tag_GlobalBuffer source = NonDefaultRecord(base, c.lineSwitch);
    const Tag_Cliente header = HeaderWithRelease(c.release);
    const double f = FirmwareNumber(c.release);
    Tag_GlobalBuffer target = base;
    int events = 7;
    for (int t = 0; t < FamilyATextCount(f); ++t)
      ParseFamilyAText(t, AsRead(BuildFamilyAText(source, header, t, f)), f, target, events);

    Tag_GlobalBuffer want = IsEarlyFamily(f) ? EarlyCarried(source, base) : source;
    want.NumeriTelefonici = base.NumeriTelefonici;  // the phone book is read on its own
    ExpectSameCarried(target, want, c.name);
    EXPECT_EQ(events, CountOutputEvents(want)) << c.name;
  }
}

TEST(FamilyARoundTrip, DefaultLateImageGivesDefaults) {
  // Guards the other direction: parsing a default image over a changed record must put
  // every carried field back to its default, not just leave set bits alone.
  const Tag_GlobalBuffer defaults = DefaultRecord();
  const Tag_Cliente header = HeaderWithRelease("1.12");
  Tag_GlobalBuffer target = NonDefaultRecord(defaults, LineSwitch::CommutaChiama);
  target.NumeriTelefonici = defaults.NumeriTelefonici;
  Tag_GlobalBuffer source = defaults;
  for (int i = 1; i <= 8; ++i) source.SmsS[i].Descrizione = "SMS " + std::to_string(i);
  int events = 0;
  for (int t = 0; t < 14; ++t)
    ParseFamilyAText(t, AsRead(BuildFamilyAText(source, header, t, 1.12)), 1.12, target, events);
  ExpectSameCarried(target, source, "defaults");
  EXPECT_EQ(events, 7);
}

TEST(FamilyAParse, PolaritiesAndOptions) {
  Tag_GlobalBuffer r = DefaultRecord();
  int events = 7;
  r.Opzioni.CifreRim = 4;
  ParseFamilyAText(2, AsRead("IP=LHLH;OP=HHHHH;VS=2;RC=1;PRE=0;BD=2;"), 1.05, r, events);
  EXPECT_EQ(r.Ingressi[1].Polarita, 0);
  EXPECT_EQ(r.Ingressi[2].Polarita, 1);
  EXPECT_EQ(r.Ingressi[3].Polarita, 0);
  EXPECT_EQ(r.Ingressi[4].Polarita, 1);
  EXPECT_EQ(r.Opzioni.Selezione, 1);
  EXPECT_EQ(r.Opzioni.VoceInLinea, 0);
  EXPECT_EQ(r.Opzioni.Richiama, 1);
  EXPECT_EQ(r.Opzioni.Prefisso, "0");
  EXPECT_EQ(r.Opzioni.CifreRim, 4) << "an early device has no digits to remove";

  ParseFamilyAText(2, AsRead("IP=HHHH;OP=HHHHH;VS=7;RC=x;PRE=00;BD=3;"), 1.12, r, events);
  EXPECT_EQ(r.Opzioni.Prefisso, "00");
  EXPECT_EQ(r.Opzioni.CifreRim, 3);
  EXPECT_EQ(r.Opzioni.Selezione, 1) << "an unknown choice changes nothing";
  EXPECT_EQ(r.Opzioni.Richiama, 1);

  ParseFamilyAText(2, AsRead("IP=HHHH;OP=HHHHH;VS=1;RC=0;"), 1.12, r, events);
  EXPECT_EQ(r.Opzioni.Prefisso, "") << "no PRE= item: the device has no prefix";
}

TEST(FamilyAParse, ServiceInputByGeneration) {
  Tag_GlobalBuffer r = DefaultRecord();
  int events = 7;
  r.Ingressi[2].Messaggio = 4;
  r.Ingressi[2].MaskTel = 0x11;
  const std::string text = AsRead("AV1=310100000;AV2=SERV;AV3=100000000;AV4=100000000;");
  ParseFamilyAText(0, text, 1.12, r, events);
  EXPECT_EQ(r.Ingressi[2].Serv, 1);
  EXPECT_EQ(r.Ingressi[2].Messaggio, 0);
  EXPECT_EQ(r.Ingressi[2].MaskTel, 0);
  EXPECT_EQ(r.Ingressi[1].Messaggio, 2);
  EXPECT_EQ(r.Ingressi[1].MaskTel, 0x05);

  // The early reader knows no service inputs: the letters read as message 1 and no number.
  r.Ingressi[2].Serv = 0;
  r.Ingressi[2].MaskTel = 0x11;
  ParseFamilyAText(0, text, 1.05, r, events);
  EXPECT_EQ(r.Ingressi[2].Serv, 0);
  EXPECT_EQ(r.Ingressi[2].Messaggio, 0);
  EXPECT_EQ(r.Ingressi[2].MaskTel, 0);
}

TEST(FamilyAParse, OutputEventsByOrderAndReservedOutputs) {
  Tag_GlobalBuffer r = DefaultRecord();
  int events = 7;
  // Items go by position; an item without its ";" leaves the later outputs without events.
  ParseFamilyAText(1, AsRead("OS1=BC,MS;OS9=FP,CI;OS3=MS;OS4=FG"), 1.12, r, events);
  EXPECT_EQ(r.Uscite[1].BC + r.Uscite[1].MS, 2);
  EXPECT_EQ(r.Uscite[2].FP + r.Uscite[2].CI, 2);
  EXPECT_EQ(r.Uscite[3].MS, 1);
  EXPECT_EQ(r.Uscite[4].FG, 0);
  EXPECT_EQ(events, 5);

  ParseFamilyAText(4, AsRead("OR=0X000;SC=##;CG=;"), 1.12, r, events);
  EXPECT_EQ(r.Uscite[2].OUTRESERV, 1);
  EXPECT_EQ(r.Uscite[2].FP + r.Uscite[2].CI, 0) << "a reserved output carries no events";
  EXPECT_EQ(r.Uscite[1].OUTRESERV, 0);
  EXPECT_EQ(events, 3);
}

TEST(FamilyAParse, CodeAndSwitchingRunOnShortTexts) {
  Tag_GlobalBuffer r = DefaultRecord();
  int events = 7;
  r.Uscite[1].OUTRESERV = 1;
  ParseFamilyAText(4, AsRead("#77"), 1.12, r, events);
  EXPECT_EQ(r.Opzioni.CodUscSms, "") << "no second # gives an empty code";
  EXPECT_EQ(r.Uscite[1].OUTRESERV, 1) << "too short for the reserved outputs";

  r.Ingressi[4].Serv = 1;
  ParseFamilyAText(4, AsRead("CG=2;"), 1.12, r, events);
  EXPECT_EQ(r.Opzioni.CommutaChiama, 1);
  EXPECT_EQ(r.Ingressi[4].Serv, 0);
  EXPECT_EQ(r.Ingressi[4].MaskTel, 1);
  ParseFamilyAText(4, AsRead("CG=9;"), 1.12, r, events);
  EXPECT_EQ(r.Opzioni.CommutaChiama, 1) << "an unknown digit changes nothing";
  ParseFamilyAText(4, AsRead("OR=00000;SC=#x#;cg=1;"), 1.12, r, events);
  EXPECT_EQ(r.Opzioni.CommutaChiama, 1) << "the key is upper case only";
  ParseFamilyAText(4, AsRead("OR=00000;SC=#x#;CG=;"), 1.12, r, events);
  EXPECT_EQ(r.Opzioni.CommutaChiama + r.Opzioni.UsaGsm, 0) << "an empty value reads as 0";
}

TEST(FamilyAParse, MissingItemsAreSkipped) {
  // Offsets counted from the start of a text that lacks the key would read whatever stands
  // there into the record.
  const Tag_GlobalBuffer before = NonDefaultRecord(DefaultRecord(), LineSwitch::None);
  for (int t : {0, 2, 3}) {
    for (const char* text : {"\n+CMS ERROR: 321", "\n111111111111111111", "\nOS1=FP;OS2=FG;"}) {
      Tag_GlobalBuffer r = before;
      int events = 0;
      ParseFamilyAText(t, text, 1.12, r, events);
      EXPECT_TRUE(IsUnchanged(r, before)) << "text " << t << " '" << text << "'";
    }
  }
  Tag_GlobalBuffer r = before;
  int events = 0;
  ParseFamilyAText(0, AsRead("AV3=211000000;"), 1.12, r, events);
  EXPECT_EQ(r.Ingressi[3].MaskTel, 0x03);
  EXPECT_EQ(r.Ingressi[1], before.Ingressi[1]);
  EXPECT_EQ(r.Ingressi[4], before.Ingressi[4]);
}

TEST(FamilyAParse, ShortOrEmptyTextsChangeNothing) {
  const Tag_GlobalBuffer before = NonDefaultRecord(DefaultRecord(), LineSwitch::None);
  for (int t : {0, 1, 2, 3, 5}) {
    for (const char* text : {"", "\n", "\nOS1="}) {
      Tag_GlobalBuffer r = before;
      int events = 99;
      ParseFamilyAText(t, text, 1.12, r, events);
      EXPECT_TRUE(IsUnchanged(r, before)) << "text " << t << " '" << text << "'";
      EXPECT_EQ(events, 99);
    }
  }
  Tag_GlobalBuffer r = before;
  int events = 0;
  ParseFamilyAText(6, "", 1.12, r, events);
  EXPECT_EQ(r.SmsS[1], before.SmsS[1]);
}

TEST(FamilyAParse, OutputTextsAndSmsTexts) {
  Tag_GlobalBuffer r = NonDefaultRecord(DefaultRecord(), LineSwitch::None);
  int events = 0;
  ParseFamilyAText(5, AsRead(";;;;;"), 1.12, r, events);
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(r.Uscite[k].Messaggio, "") << k;
  ParseFamilyAText(5, AsRead("Uno;Due;Tre"), 1.12, r, events);
  EXPECT_EQ(r.Uscite[2].Messaggio, "Due");
  EXPECT_EQ(r.Uscite[3].Messaggio, "") << "no closing ; left";

  ParseFamilyAText(6, AsRead(" "), 1.12, r, events);
  EXPECT_EQ(r.SmsS[1].Descrizione, "") << "a stored blank reads back empty";
  ParseFamilyAText(13, AsRead("+CMGR: \"STO UNSENT\",\"\""), 1.12, r, events);
  EXPECT_EQ(r.SmsS[8].Descrizione, "") << "a header line is not an SMS text";
  ParseFamilyAText(7, AsRead("  Porta\r"), 1.12, r, events);
  EXPECT_EQ(r.SmsS[2].Descrizione, "Porta");
}

TEST(FamilyAParse, PhoneBookNumber) {
  const struct {
    const char* line;
    const char* number;
  } cases[] = {{"+CPBR: 2,\"0123456\",129,\"TELNUM2\"", "0123456"},
               {"+CPBR: 1,\"+390212\",145,\"TELNUM1\"", "+390212"},
               {"OK", ""},
               {"+CPBR: 3,\"012", ""},
               {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(PhoneBookNumber(c.line), c.number) << c.line;
}

}  // namespace
