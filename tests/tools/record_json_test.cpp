// The JSON form of the header and the record: every field there and back, and the
// refusal of a file that does not hold a whole record.
#include "record_json.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <functional>

#include "record_samples.h"
#include "shell/cp1252.h"

namespace {

QJsonObject Sample(Tag_Cliente& h, Tag_GlobalBuffer& r) {
  FillEveryField(h, r);
  h.SerialCli = 77;
  std::string every;  // every byte value but NUL, in a text of any length
  for (int c = 1; c < 256; ++c) every += static_cast<char>(c);
  r.Uscite[3].Messaggio = every;
  r.Opzioni.SMSDataPrimo = 45123.123456789012;
  r.Opzioni.CifreRim = -2147483647 - 1;
  r.ComDig.SegIntervallo = 4294967295u;
  return RecordToJson(h, r);
}

// Guards against a field the writer or the reader leaves out, and against numbers or
// texts that change on the way through the text of the file.
TEST(RecordJson, EveryFieldSurvivesTheFile) {
  Tag_Cliente h;
  Tag_GlobalBuffer r;
  const QByteArray text = QJsonDocument(Sample(h, r)).toJson();
  Tag_Cliente h2;
  Tag_GlobalBuffer r2;
  std::string error;
  ASSERT_TRUE(RecordFromJson(QJsonDocument::fromJson(text).object(), h2, r2, error)) << error;
  EXPECT_EQ(h2, h);
  EXPECT_TRUE(IsUnchanged(r2, r));
  EXPECT_EQ(r2.Uscite[3].Messaggio, r.Uscite[3].Messaggio);
  EXPECT_EQ(r2.Opzioni, r.Opzioni);
  EXPECT_EQ(r2.ComDig, r.ComDig);
}

TEST(RecordJson, NamesAndShapesFollowTheRecord) {
  Tag_Cliente h;
  Tag_GlobalBuffer r;
  const QJsonObject json = Sample(h, r);
  EXPECT_EQ(json["Cliente"].toObject()["Nome"].toString().toStdString(), Cp1252ToUtf8(h.Nome));
  EXPECT_EQ(json["NumeriTelefonici"].toArray().size(), 100);
  EXPECT_EQ(json["NumeriTelefonici"].toArray()[0].toObject()["Numero"].toString().toStdString(),
            r.NumeriTelefonici[1].Numero);
  EXPECT_EQ(json["SmsS"].toArray().size(), 9);
  EXPECT_EQ(json["ComDig"].toObject()["Eventi"].toArray().size(), 14);
  EXPECT_EQ(json["Opzioni"].toObject()["SMSIntervallo"].toDouble(), 100000);
  EXPECT_EQ(json["Uscite"].toArray()[3].toObject()["TempoOn"].toInt(), r.Uscite[4].TempoOn);
}

TEST(RecordJson, AnIncompleteOrWrongFileIsRefusedByField) {
  struct Case {
    const char* what;
    std::function<void(QJsonObject&)> spoil;
    const char* field;
  } cases[] = {
      {"missing", [](QJsonObject& j) { j.remove("Opzioni"); }, "Opzioni: missing"},
      {"byte range",
       [](QJsonObject& j) {
         QJsonArray a = j["Uscite"].toArray();
         QJsonObject o = a[1].toObject();
         o["TempoOn"] = 256;
         a[1] = o;
         j["Uscite"] = a;
       },
       "Uscite[2].TempoOn:"},
      {"fraction",
       [](QJsonObject& j) {
         QJsonObject c = j["Cliente"].toObject();
         c["TipoCentrale"] = 21.5;
         j["Cliente"] = c;
       },
       "Cliente.TipoCentrale:"},
      {"short text",
       [](QJsonObject& j) {
         QJsonObject c = j["Cliente"].toObject();
         c["CodiceCliente"] = "12345";
         j["Cliente"] = c;
       },
       "Cliente.CodiceCliente: longer than 4"},
      {"code page",
       [](QJsonObject& j) {
         QJsonObject c = j["Cliente"].toObject();
         c["Nome"] = QString::fromUtf8("\xe2\x98\x83");  // a snowman
         j["Cliente"] = c;
       },
       "Cliente.Nome: holds a character"},
      {"array length",
       [](QJsonObject& j) {
         QJsonArray a = j["SmsS"].toArray();
         a.removeLast();
         j["SmsS"] = a;
       },
       "SmsS: an array of 9"},
      {"text type",
       [](QJsonObject& j) {
         QJsonObject o = j["Opzioni"].toObject();
         o["Prefisso"] = 12;
         j["Opzioni"] = o;
       },
       "Opzioni.Prefisso: a text"},
  };
  for (const auto& c : cases) {
    Tag_Cliente h;
    Tag_GlobalBuffer r;
    QJsonObject json = Sample(h, r);
    c.spoil(json);
    Tag_Cliente into;
    into.Nome = "untouched";
    Tag_GlobalBuffer record;
    std::string error;
    EXPECT_FALSE(RecordFromJson(json, into, record, error)) << c.what;
    EXPECT_EQ(error.rfind(c.field, 0), 0u) << c.what << ": " << error;
    EXPECT_EQ(into.Nome.str(), "untouched") << c.what;
  }
}

}  // namespace
