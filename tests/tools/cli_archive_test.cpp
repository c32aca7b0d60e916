// vela-cli archive, run as the built program on a working folder of its own.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>

#include <gtest/gtest.h>
#include "record_json.h"
#include "record_samples.h"
#include "shell/cp1252.h"
#include "shell/language.h"
#include "temp_dir.h"
#include "test_language.h"

namespace {

struct CliRun {
  int code = -1;
  std::string out;
  std::string err;
};

class CliArchive : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory_symlink(ShippedLanguageFolder(), dir.path() / "LANGUAGE");
  }

  CliRun Cli(std::vector<std::string> args) const {
    args.insert(args.begin(), {VELA_CLI, "--root", dir.str()});
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string out = (dir.path() / "stdout").string();
    const std::string err = (dir.path() / "stderr").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    // The user's settings stay out of it: the language is the one the locale gives.
    std::vector<std::string> env{"XDG_CONFIG_HOME=" + (dir.path() / "config").string(),
                                 "HOME=" + dir.str(), "LANG=C", "LC_ALL=C"};
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    CliRun run;
    if (posix_spawn(&pid, VELA_CLI, &actions, nullptr, argv.data(), envp.data()) == 0) {
      int status = 0;
      waitpid(pid, &status, 0);
      run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = ReadFileBytes(out);
    run.err = ReadFileBytes(err);
    return run;
  }

  // Writes the sample customer, named in UTF-8, as a file for save and returns its path.
  std::string SampleFile(const std::string& name, int type, const std::string& code,
                         Tag_Cliente* header = nullptr, Tag_GlobalBuffer* record = nullptr) {
    Tag_Cliente h;
    Tag_GlobalBuffer r;
    FillEveryField(h, r);
    h.Nome = Utf8ToCp1252(name);
    h.TipoCentrale = static_cast<uint8_t>(type);
    h.CodiceCliente = code;
    if (header) *header = h;
    if (record) *record = r;
    QJsonObject json = RecordToJson(h, r);
    json.insert("Note", QString::fromUtf8("first\r\nsecond \xc3\xa8"));
    const std::string file = "customer" + std::to_string(++files_) + ".json";
    return dir.Write(file, QJsonDocument(json).toJson().toStdString()).string();
  }

  static std::string Text(int n) { return Cp1252ToUtf8(LanguageText(n)); }

  TempDir dir;
  int files_ = 0;
};

TEST_F(CliArchive, SaveThenLoadGivesTheSameCustomer) {
  Tag_Cliente h;
  Tag_GlobalBuffer r;
  const std::string in = SampleFile("Rossi \xc3\xa8", kTypeVelaI, "12", &h, &r);
  CliRun run = Cli({"archive", "save", "--in", in});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "stored as customer 1\n");
  EXPECT_EQ(run.err, "");

  const std::string out = (dir.path() / "loaded.json").string();
  run = Cli({"archive", "load", "Rossi \xc3\xa8", "--out", out});
  ASSERT_EQ(run.code, 0) << run.err;
  const QJsonObject json =
      QJsonDocument::fromJson(QByteArray::fromStdString(ReadFileBytes(out))).object();
  Tag_Cliente lh;
  Tag_GlobalBuffer lr;
  std::string error;
  ASSERT_TRUE(RecordFromJson(json, lh, lr, error)) << error;
  EXPECT_EQ(lh.Nome.str(), "Rossi \xe8");
  EXPECT_EQ(lh.CodiceCliente.str(), "0012");  // padded as the customer form does
  EXPECT_EQ(lh.SerialCli, 1);
  EXPECT_EQ(lh.Indirizzo, h.Indirizzo);
  EXPECT_EQ(lh.NotePresenti, 1);
  EXPECT_EQ(json["Note"].toString().toStdString(), "first\r\nsecond \xc3\xa8");
  for (int k = 1; k <= 95; ++k) EXPECT_EQ(lr.NumeriTelefonici[k], r.NumeriTelefonici[k]) << k;
  EXPECT_EQ(lr.Ingressi, r.Ingressi);
  EXPECT_EQ(lr.Uscite, r.Uscite);
  EXPECT_EQ(lr.Opzioni, r.Opzioni);
  EXPECT_EQ(lr.SmsS, r.SmsS);
  EXPECT_EQ(lr.ComDig, r.ComDig);

  run = Cli({"archive", "list"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "0012\t22\tRossi \xc3\xa8\n");
  run = Cli({"archive", "show", "Rossi \xc3\xa8"});
  EXPECT_EQ(run.code, 0);
  EXPECT_NE(run.out.find("CodiceCliente: 0012\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Note: second \xc3\xa8\n"), std::string::npos) << run.out;
}

TEST_F(CliArchive, TheOverwriteQuestionIsAnsweredByTheFlags) {
  const std::string in = SampleFile("Bianchi", kTypeVelaA, "0001");
  ASSERT_EQ(Cli({"archive", "save", "--in", in}).code, 0);
  const std::string question = "warning: " + Text(130);
  CliRun run = Cli({"archive", "save", "--in", in});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, question + " -> no\n");
  run = Cli({"archive", "save", "--in", in, "--no"});
  EXPECT_EQ(run.code, 1);
  run = Cli({"archive", "save", "--in", in, "--yes"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, question + " -> yes\n");
  EXPECT_EQ(run.out, "stored as customer 1\n");
  EXPECT_EQ(Cli({"archive", "save", "--in", in, "--yes", "--no"}).code, 2);
}

TEST_F(CliArchive, MessagesComeInTheLanguageAsked) {
  LoadLanguage("Italiano");
  const std::string italian = Text(130);
  ASSERT_TRUE(LoadEnglishForTests());
  ASSERT_NE(italian, Text(130));
  const std::string in = SampleFile("Bianchi", kTypeVelaA, "0001");
  ASSERT_EQ(Cli({"archive", "save", "--in", in}).code, 0);
  const CliRun run = Cli({"--lang", "Italiano", "archive", "save", "--in", in});
  EXPECT_EQ(run.err, "warning: " + italian + " -> no\n");
}

TEST_F(CliArchive, RefusalsPrintTheWindowsMessages) {
  ASSERT_EQ(Cli({"archive", "save", "--in", SampleFile("Verdi", kTypeVelaA, "0001")}).code, 0);
  CliRun run = Cli({"archive", "save", "--in", SampleFile("Verdi", kTypeVelaI, "0002")});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "warning: " + Text(128) + "\n");
  run = Cli({"archive", "save", "--in", SampleFile("Neri", kTypeVelaI, "0001")});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "error: " + Text(129) + " \"VELA-A\"\n");
  EXPECT_EQ(Cli({"archive", "list"}).out, "0001\t21\tVerdi\n");
}

TEST_F(CliArchive, DeleteAsksFirst) {
  ASSERT_EQ(Cli({"archive", "save", "--in", SampleFile("Gialli", kTypeVelaA, "0001")}).code, 0);
  CliRun run = Cli({"archive", "delete", "Gialli"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "warning: " + Text(131) + "\nGialli ? -> no\n");
  EXPECT_EQ(Cli({"archive", "list"}).out, "0001\t21\tGialli\n");
  run = Cli({"archive", "delete", "Gialli", "--yes"});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Cli({"archive", "list"}).out, "");
  EXPECT_EQ(Cli({"archive", "delete", "Gialli", "--yes"}).code, 1);
}

TEST_F(CliArchive, BadUsageAndBadFilesWriteNothing) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"archive"}, "needs a subcommand"},
      {{"archive", "list", "--by", "town"}, "--by takes"},
      {{"archive", "show"}, "takes one NAME"},
      {{"archive", "load", "X"}, "needs --out"},
      {{"archive", "save", "--in", "/nonexistent.json"}, "cannot read"},
      {{"archive", "save", "--in", dir.Write("bad.json", "{ not json").string()}, "not a JSON"},
      {{"archive", "save", "--in", dir.Write("part.json", "{\"Cliente\": {}}").string()},
       "Cliente.SerialCli: missing"},
      {{"archive", "save", "--frobnicate"}, "unknown option"},
      {{"nothing"}, "unknown group"},
  };
  for (const auto& c : cases) {
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.code, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_EQ(Cli({"archive", "list"}).out, "");
  // --type narrows the search to one device type.
  ASSERT_EQ(Cli({"archive", "save", "--in", SampleFile("Doppio", kTypeVelaA, "0001")}).code, 0);
  EXPECT_EQ(Cli({"archive", "show", "Doppio", "--type", "22"}).code, 1);
  EXPECT_EQ(Cli({"archive", "show", "Doppio", "--type", "21"}).code, 0);
}

}  // namespace
