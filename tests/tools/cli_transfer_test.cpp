// vela-cli send and load for a family I device, run as the built program against the
// simulated communicator.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>

#include "cli_run.h"
#include "family_i_fixture.h"
#include "record_json.h"
#include "shell/cp1252.h"
#include "shell/language.h"
#include "shell/pacing.h"
#include "sim/simulator.h"
#include "test_language.h"

namespace {

class CliTransfer : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    std::filesystem::create_directory_symlink(ShippedLanguageFolder(), dir.path() / "LANGUAGE");
    SetPacingSpeed(20);
  }
  void TearDown() override {
    if (sim_) sim_->Stop();
    SetPacingSpeed(1);
  }

  void StartDevice(std::vector<std::string> faults = {}) {
    SimConfig config;
    config.family = 'I';
    config.module = GetParam();
    config.faults = std::move(faults);
    sim_ = std::make_unique<Simulator>(config);
    std::string error;
    ASSERT_TRUE(sim_->Start(&error)) << error;
  }

  CliRun Cli(const std::string& command, std::vector<std::string> args) const {
    args.insert(args.begin(), {command, "--device", sim_->SlavePath(), "--speed", "20"});
    return RunCli(dir, std::move(args));
  }

  static std::string Text(int n) { return Cp1252ToUtf8(LanguageText(n)); }

  TempDir dir;
  std::unique_ptr<Simulator> sim_;
};

TEST_P(CliTransfer, SendThenLoadGivesTheRecordBack) {
  StartDevice();
  Tag_Cliente header;
  header.TipoCentrale = kTypeVelaI;
  header.Nome = "Rossi";
  const std::string in =
      dir.Write("in.json",
                QJsonDocument(RecordToJson(header, RichFamilyIRecord())).toJson().toStdString())
          .string();
  CliRun run = Cli("send", {"--in", in});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_GE(sim_->Messages().size(), 16u);

  const std::string out = (dir.path() / "out.json").string();
  run = Cli("load", {"--out", out, "--type", "22"});
  ASSERT_EQ(run.code, 0) << run.err;
  Tag_Cliente readHeader;
  Tag_GlobalBuffer read;
  std::string error;
  const QJsonObject json =
      QJsonDocument::fromJson(QByteArray::fromStdString(ReadFileBytes(out))).object();
  ASSERT_TRUE(RecordFromJson(json, readHeader, read, error)) << error;
  ExpectRichRecordRead(read, std::string(GetParam()) == "MOTOROLA" ? ModuleVariant::Motorola
                                                                   : ModuleVariant::Ericsson);
}

TEST_P(CliTransfer, FailuresAreToldAndNothingIsWritten) {
  StartDevice({"error=0xC3"});
  const std::string out = (dir.path() / "out.json").string();
  CliRun run = Cli("load", {"--out", out, "--type", "22"});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find(Text(237)), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(out));

  run = Cli("load", {"--out", out, "--type", "23"});
  EXPECT_EQ(run.code, 2);
  run = Cli("send", {"--type", "22"});
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find("--in FILE"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Makers, CliTransfer, ::testing::Values("MOTOROLA", "ERICSSON"));

}  // namespace
