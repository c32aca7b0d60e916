// gammu, an independent AT client, against the simulated family A module: identification,
// the SIM phone book and stored unsent texts in text mode. Each run has a hard time limit.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "sim_fixture.h"
#include "temp_dir.h"

namespace {

constexpr int kTimeLimitSeconds = 60;

std::string FindGammu() {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    const size_t end = dirs.find(':', start);
    const std::string dir =
        dirs.substr(start, end == std::string::npos ? std::string::npos : end - start);
    const std::string candidate = dir + "/gammu";
    if (!dir.empty() && access(candidate.c_str(), X_OK) == 0) return candidate;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return "";
}

struct GammuRun {
  int exitCode = -1;  // -1: killed at the time limit
  std::string output;
};

class GammuTest : public SimTest {
 protected:
  void SetUp() override {
    gammu_ = FindGammu();
    if (gammu_.empty()) GTEST_SKIP() << "gammu is not installed (tools/deps.sh installs it)";
    SimConfig config;
    config.linkPath = dir_.str() + "/vela-com1";
    Start(config);
    client_.reset();  // gammu is the client
    rc_ = dir_.Write("gammurc", "[gammu]\ndevice = " + config.linkPath +
                                    "\nconnection = at19200\nfeatures = USE_SMSTEXTMODE\n")
              .string();
  }

  GammuRun Gammu(std::vector<std::string> args) {
    const std::string out = (dir_.path() / "gammu.out").string();
    std::vector<std::string> all = {gammu_, "-c", rc_};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
      const int in = open("/dev/null", O_RDONLY);
      const int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      dup2(in, 0);
      dup2(fd, 1);
      dup2(fd, 2);
      execv(argv[0], argv.data());
      _exit(127);
    }
    GammuRun run;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(kTimeLimitSeconds);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        run.output = ReadFileBytes(out) + "\n(killed at the time limit)";
        return run;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -2;
    run.output = ReadFileBytes(out);
    return run;
  }

  TempDir dir_;
  std::string gammu_;
  std::string rc_;
};

TEST_F(GammuTest, Identifies) {
  const GammuRun run = Gammu({"identify"});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("SIMULATED"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("GSM-A900"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("351234567890125"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("222019876543210"), std::string::npos) << run.output;
}

TEST_F(GammuTest, WritesReadsAndDeletesPhoneBookEntries) {
  sim().SetPhoneEntry("SM", 1, PhoneEntry{"0123456", 129, "TELNUM1"});
  const std::string vcf =
      dir_.Write("new.vcf",
                 "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Rossi\r\nTEL:+393331112222\r\n"
                 "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:2.1\r\nN:Bianchi\r\n"
                 "TEL:0212345678\r\nEND:VCARD\r\n")
          .string();
  GammuRun run = Gammu({"addnew", vcf, "-yes", "-memory", "SM"});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  auto book = sim().PhoneBook("SM");
  ASSERT_EQ(book.size(), 3u) << sim().DumpSim();
  EXPECT_EQ(book.at(1), (PhoneEntry{"0123456", 129, "TELNUM1"}));  // untouched
  EXPECT_EQ(book.at(2), (PhoneEntry{"+393331112222", 145, "Rossi"}));
  EXPECT_EQ(book.at(3), (PhoneEntry{"0212345678", 129, "Bianchi"}));

  run = Gammu({"getallmemory", "SM"});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  for (const char* text : {"\"0123456\"", "\"TELNUM1\"", "\"+393331112222\"", "\"Bianchi\""})
    EXPECT_NE(run.output.find(text), std::string::npos) << text << "\n" << run.output;

  run = Gammu({"deletememory", "SM", "1", "2"});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  book = sim().PhoneBook("SM");
  ASSERT_EQ(book.size(), 1u);
  EXPECT_EQ(book.count(3), 1u);
}

TEST_F(GammuTest, SavesListsReadsAndDeletesAnUnsentText) {
  GammuRun run = Gammu({"savesms", "TEXT", "-folder", "2", "-unsent", "-text", "OS1=FP;OS2=FG;"});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  auto messages = sim().Messages();
  ASSERT_EQ(messages.size(), 2u) << sim().DumpSim();
  EXPECT_EQ(messages.at(2).status, "STO UNSENT");
  EXPECT_EQ(messages.at(2).text, "OS1=FP;OS2=FG;");

  run = Gammu({"getallsms"});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("VELA-A rev. 1.12"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("OS1=FP;OS2=FG;"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("2 SMS parts in 2 SMS sequences"), std::string::npos) << run.output;

  run = Gammu({"getsms", "2", "2"});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("Location 2"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("OS1=FP;OS2=FG;"), std::string::npos) << run.output;

  run = Gammu({"deletesms", "2", "2"});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  messages = sim().Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages.begin()->first, 1);  // the revision text stays
}

}  // namespace
