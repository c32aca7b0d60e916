// vela-cli status, calls and remote, run as the built program against the simulated
// communicator started here.
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>
#include "cli_run.h"
#include "record_json.h"
#include "record_samples.h"
#include "shell/cp1252.h"
#include "shell/language.h"
#include "sim/simulator.h"
#include "temp_dir.h"
#include "test_language.h"

namespace {

class CliDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory_symlink(ShippedLanguageFolder(), dir.path() / "LANGUAGE");
  }
  void TearDown() override {
    if (sim) sim->Stop();
  }
  void Start(char family, std::vector<std::string> faults = {}) {
    SimConfig c;
    c.family = family;
    c.firmware = family == 'I' ? "1.05" : "1.12";
    c.faults = std::move(faults);
    sim = std::make_unique<Simulator>(c);
    std::string error;
    ASSERT_TRUE(sim->Start(&error)) << error;
  }
  CliRun Cli(std::vector<std::string> args) const { return RunCli(dir, std::move(args)); }
  // The record file of a family I customer.
  std::string RecordFile(const Tag_Cliente& h, const Tag_GlobalBuffer& r, const char* name) {
    return dir.Write(name, QJsonDocument(RecordToJson(h, r)).toJson().toStdString()).string();
  }
  static bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }

  TempDir dir;
  std::unique_ptr<Simulator> sim;
};

TEST_F(CliDevice, StatusOfBothFamilies) {
  Start('I');
  CliRun run = Cli({"status", "--port", sim->SlavePath(), "--type", "22", "--speed", "25"});
  ASSERT_EQ(run.code, 0) << run.err;
  for (const char* part :
       {"indicator: 0 (answering)\n", "version: 1.05\n", "manufacturer: MOTOROLA\n",
        "operator: SIMNET\n", "signal: 180\n", "supply: 200 (12.90 Volt)\n", "output 1: off\n",
        "next periodic SMS: none\n"})
    EXPECT_TRUE(Has(run.out, part)) << part << "\n" << run.out;
  sim->Stop();

  Start('I', {"not-ready"});
  run = Cli({"status", "--port", sim->SlavePath(), "--type", "22", "--speed", "25"});
  EXPECT_EQ(run.code, 1);
  EXPECT_TRUE(Has(run.out, "indicator: 3 (not ready)")) << run.out;
  sim->Stop();

  Start('A');
  run = Cli({"status", "--port", sim->SlavePath(), "--type", "21", "--speed", "25"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(Has(run.out, "cell 1: 62 level 18\n")) << run.out;
  EXPECT_TRUE(Has(run.out, "signal: 18 (lcd-sign6.bmp)\n")) << run.out;
  EXPECT_EQ(Cli({"status", "--port", sim->SlavePath(), "--type", "23"}).code, 2);
}

TEST_F(CliDevice, CallListsOfBothFamilies) {
  const std::string unnamed = Cp1252ToUtf8(LanguageText(164));
  Start('I', {"no-storage=DC"});
  CliRun run = Cli({"calls", "--port", sim->SlavePath(), "--type", "22", "--speed", "25"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "received:\n1\tRossi\t+393331234567\n2\t" + unnamed +
                         "\t0212345678\nmissed:\n1\tBianchi\t+393479876543\ndialled:\n");
  sim->Stop();
  Start('A');
  run = Cli({"calls", "--port", sim->SlavePath(), "--type", "21", "--speed", "25"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(Has(run.out, "missed:\n1\tBianchi")) << run.out;
  EXPECT_FALSE(Has(run.out, "dialled")) << run.out;
}

TEST_F(CliDevice, RemoteLinesPrintedThenSent) {
  Tag_Cliente h;
  Tag_GlobalBuffer r;
  FillEveryField(h, r);
  h.TipoCentrale = kTypeVelaI;
  h.Nome = "Verdi";
  h.CodiceCliente = "0007";
  const std::string stored = RecordFile(h, r, "stored.json");
  ASSERT_EQ(Cli({"archive", "save", "--in", stored}).code, 0);

  CliRun run = Cli({"remote", "--in", stored});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(Has(run.out, "#*a*O1=")) << run.out;
  run = Cli({"remote", "--in", stored, "--compare", "Verdi"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "");

  r.NumeriTelefonici[3].Numero = "";
  const std::string changed = RecordFile(h, r, "changed.json");
  run = Cli({"remote", "--in", changed, "--compare", "Verdi"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "#*r*03*\n");

  Start('I');
  run = Cli({"remote", "--in", changed, "--compare", "Verdi", "--number", "3331112222", "--send",
             "--port", sim->SlavePath(), "--speed", "50"});
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(sim->SentMessages().size(), 1u);
  EXPECT_EQ(sim->SentMessages()[0].destination, "3331112222");
  EXPECT_EQ(sim->SentMessages()[0].text, "#*r*03*");
  EXPECT_EQ(Cli({"remote", "--in", changed, "--number", "33\"1", "--send", "--port", "x"}).code, 2);
  EXPECT_EQ(Cli({"remote", "--in", changed, "--compare", "Nessuno"}).code, 1);
}

}  // namespace
