// vela-cli defaults, and send and load for a family A device, run as the built program
// against the simulated communicator on its pseudo-terminal.
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>

#include <gtest/gtest.h>
#include "cli_run.h"
#include "device_session.h"
#include "family_a_fixture.h"
#include "programming/family_a_image.h"
#include "record_json.h"
#include "shell/cp1252.h"
#include "shell/language.h"
#include "test_language.h"

namespace {

class CliTransferA : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory_symlink(ShippedLanguageFolder(), dir.path() / "LANGUAGE");
  }

  CliRun Cli(std::vector<std::string> args, const std::string& input = {}) const {
    return RunCli(dir, std::move(args), input);
  }

  static bool Parse(const std::string& json, Tag_Cliente& header, Tag_GlobalBuffer& record,
                    std::string& error) {
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json));
    return RecordFromJson(doc.object(), header, record, error);
  }

  std::string RecordFile(const Tag_Cliente& header, const Tag_GlobalBuffer& record) {
    const std::string file = "record" + std::to_string(++files_) + ".json";
    return dir.Write(file, QJsonDocument(RecordToJson(header, record)).toJson().toStdString())
        .string();
  }

  static std::string Text(int n) { return Cp1252ToUtf8(LanguageText(n)); }

  TempDir dir;
  int files_ = 0;
};

TEST_F(CliTransferA, DefaultsGiveAFreshRecord) {
  CliRun run = Cli({"defaults", "--type", "21", "--firmware", "1.05"});
  ASSERT_EQ(run.code, 0) << run.err;
  Tag_Cliente header;
  Tag_GlobalBuffer record;
  std::string error;
  ASSERT_TRUE(Parse(run.out, header, record, error)) << error;
  EXPECT_EQ(header.TipoCentrale, 21);
  EXPECT_EQ(header.Rel_firmware, "1.05");
  EXPECT_EQ(BuildFamilyAText(record, header, 1, 1.05), "OS1=FP;OS2=FG;OS3=BC;OS4=BP,MS;OS5=CO,CI;");
  EXPECT_EQ(record.Ingressi[1].Polarita, 1);

  run = Cli({"defaults", "--type", "22"});
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_TRUE(Parse(run.out, header, record, error)) << error;
  EXPECT_EQ(header.TipoCentrale, 22);
  EXPECT_EQ(Cli({"defaults", "--type", "23"}).code, 2);
}

TEST_F(CliTransferA, SendThenLoadThroughTheProgram) {
  DeviceSession device(FamilyADevice("1.12"));
  ASSERT_TRUE(device.started()) << device.error();
  const std::string port = device.sim().SlavePath();
  Tag_Cliente header = HeaderWithRelease("1.12");
  const Tag_GlobalBuffer source = NonDefaultRecord(DefaultRecord(), LineSwitch::UsaGsm);
  const std::string in = RecordFile(header, source);

  CliRun run = Cli({"send", "--port", port, "--in", in, "--speed", "10"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const auto messages = device.sim().Messages();
  ASSERT_EQ(messages.size(), 15u);
  EXPECT_EQ(messages.at(6).text, "OR=00010;SC=#A 12#;CG=1;");

  // Without --out the record read back goes to stdout.
  run = Cli({"load", "--port", port, "--type", "21", "--firmware", "1.12", "--speed", "10"});
  ASSERT_EQ(run.code, 0) << run.err;
  Tag_Cliente loadedHeader;
  Tag_GlobalBuffer loaded;
  std::string error;
  ASSERT_TRUE(Parse(run.out, loadedHeader, loaded, error)) << error;
  EXPECT_EQ(loadedHeader.Rel_firmware, "1.12");
  for (int k = 1; k <= 8; ++k)
    EXPECT_EQ(loaded.NumeriTelefonici[k].Numero, source.NumeriTelefonici[k].Numero);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(loaded.Ingressi[k], source.Ingressi[k]) << k;
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(loaded.Uscite[k], source.Uscite[k]) << k;
  EXPECT_EQ(loaded.Opzioni.Prefisso, source.Opzioni.Prefisso);
  EXPECT_EQ(loaded.Opzioni.UsaGsm, 1);
  EXPECT_EQ(loaded.SmsS, source.SmsS);
}

TEST_F(CliTransferA, FailuresAreToldAndExitNonZero) {
  DeviceSession device(FamilyADevice("1.12"));
  ASSERT_TRUE(device.started()) << device.error();
  const std::string port = device.sim().SlavePath();

  // The device runs the other generation: the windows' message, and no file written.
  const std::string out = (dir.path() / "never.json").string();
  CliRun run = Cli({"load", "--port", port, "--type", "21", "--firmware", "1.00", "--out", out,
                    "--speed", "10"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "error: " + Text(146) + "\n");
  EXPECT_FALSE(std::filesystem::exists(out));

  // An event no output carries, declined: nothing reaches the SIM.
  Tag_GlobalBuffer record = DefaultRecord();
  record.Uscite[1].FP = 0;
  const std::string in = RecordFile(HeaderWithRelease("1.12"), record);
  run = Cli({"send", "--port", port, "--in", in, "--speed", "10"});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find(Text(149) + " -> no"), std::string::npos) << run.err;
  EXPECT_EQ(device.sim().Messages().size(), 1u);

  // The same record read from standard input, the question answered yes.
  run = Cli({"send", "--port", port, "--in", "-", "--answer", "yes", "--speed", "10"}, in);
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(device.sim().Messages().at(3).text, "OS1=FP;OS2=FG;OS3=BC;OS4=BP,MS;OS5=CO,CI;");

  EXPECT_EQ(Cli({"send", "--port", port, "--in", in, "--answer", "maybe"}).code, 2);
  EXPECT_EQ(Cli({"load", "--port", "", "--type", "21", "--firmware", "1.12"}).code, 2);
  EXPECT_EQ(Cli({"load", "--port", "COM7", "--type", "21", "--firmware", "1.12"}).code, 2);
}

}  // namespace
