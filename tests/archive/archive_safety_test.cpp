// What a save does when something goes wrong under it: a failing section, another
// program holding the lock, and a process killed half-way through.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <chrono>
#include <filesystem>
#include <random>

#include "archive_fixture.h"
#include "record_samples.h"
#include "shell/pacing.h"

namespace {

using T = ArchiveTable;

// Version v of the customer "Versioni": every section differs between versions.
void Version(int v, Tag_Cliente& header, Tag_GlobalBuffer& record) {
  FillEveryField(header, record, v);
  header.Nome = "Versioni";
  header.CodiceCliente = "0042";
}

// Loads "Versioni" from a fresh configuration and tells which version it holds whole:
// 0 or 1, or -1 when it is a mixture or cannot be read.
int StoredVersion(int serial) {
  Tag_Cliente header;
  Tag_GlobalBuffer record;
  int events = 0;
  if (!ArchiveLoadCustomer(serial, header, record, events)) return -1;
  for (int v = 0; v <= 1; ++v) {
    Tag_Cliente h;
    Tag_GlobalBuffer expected;
    Version(v, h, expected);
    // Entries 96 to 100 are not stored; the load leaves them as they were.
    for (int k = 96; k <= 100; ++k) expected.NumeriTelefonici[k] = record.NumeriTelefonici[k];
    if (IsUnchanged(record, expected) && header.Indirizzo == h.Indirizzo &&
        header.Rel_firmware == h.Rel_firmware)
      return v;
  }
  return -1;
}

TEST_F(ArchiveTest, AFailingSectionKeepsItsPreviousRows) {
  Tag_Cliente header;
  Tag_GlobalBuffer first, second;
  Version(0, header, first);
  Version(1, header, second);
  ASSERT_EQ(ArchiveSave(header, first, ""), SaveStatus::Stored);
  Exec(T::Uscite,
       "CREATE TRIGGER refuse BEFORE INSERT ON Uscite BEGIN SELECT RAISE(ABORT, 'refused "
       "here'); END");
  ui.host.Answer(MsgResult::Yes);
  EXPECT_EQ(ArchiveSave(header, second, ""), SaveStatus::Stored);
  ASSERT_EQ(ui.host.Boxes().size(), 2u);  // the overwrite question, then the section
  EXPECT_NE(ui.host.Boxes()[1].text.find("refused here"), std::string::npos);
  EXPECT_EQ(ui.host.Boxes()[1].kind, MsgKind::Warning);

  Tag_Cliente loadedHeader;
  Tag_GlobalBuffer loaded;
  int events = 0;
  ASSERT_TRUE(ArchiveLoadCustomer(header.SerialCli, loadedHeader, loaded, events));
  EXPECT_EQ(loaded.Uscite, first.Uscite);       // the failed section: the previous rows, all five
  EXPECT_EQ(loaded.Ingressi, second.Ingressi);  // the sections around it: the new ones
  EXPECT_EQ(loaded.Opzioni, second.Opzioni);
  EXPECT_EQ(Rows(T::Uscite, header.SerialCli), 5);
}

TEST_F(ArchiveTest, ASecondProgramWaitsForTheLockThenReportsIt) {
  SetPacingSpeed(10);  // the five-second wait becomes half a second
  const int serial = SaveNew("Primo", "0001");
  ui.host.ClearBoxes();
  {
    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-program");
    other.setDatabaseName(QString::fromStdString(FileOf(T::Clienti)));
    ASSERT_TRUE(other.open());
    QSqlQuery lock(other);
    ASSERT_TRUE(lock.exec("BEGIN IMMEDIATE"));

    Tag_Cliente h = Header("Secondo", "0002");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ArchiveSave(h, DefaultRecord(), ""), SaveStatus::EngineFailed);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(450));
    ASSERT_EQ(ui.host.Boxes().size(), 1u);
    EXPECT_NE(ui.host.Boxes()[0].text.find("locked"), std::string::npos) << ui.host.Boxes()[0].text;
    EXPECT_EQ(h.SerialCli, 0);

    // Reading goes on meanwhile.
    Tag_Cliente loaded;
    Tag_GlobalBuffer record;
    int events = 0;
    EXPECT_TRUE(ArchiveLoadCustomer(serial, loaded, record, events));
    EXPECT_EQ(loaded.Nome.str(), "Primo");

    ASSERT_TRUE(lock.exec("ROLLBACK"));
    other.close();
  }
  QSqlDatabase::removeDatabase("other-program");
  SetPacingSpeed(1);
  Tag_Cliente h = Header("Secondo", "0002");
  EXPECT_EQ(ArchiveSave(h, DefaultRecord(), ""), SaveStatus::Stored);
  EXPECT_EQ(Rows(T::Clienti), 2);
}

// A user interface for the child process: answers Yes, and at the first warning tells the
// parent through a pipe and waits there to be killed.
class StopAtWarningHost : public ScriptedHost {
 public:
  explicit StopAtWarningHost(int fd) : fd_(fd) {}
  MsgResult Box(const std::string&, MsgKind kind, MsgButtons buttons) override {
    if (buttons != MsgButtons::Ok) return MsgResult::Yes;
    if (kind == MsgKind::Warning) {
      const char c = 'w';
      (void)!write(fd_, &c, 1);
      for (;;) pause();
    }
    return MsgResult::Ok;
  }

 private:
  int fd_;
};

// Waits for one byte from the child; false after the timeout.
bool WaitForChild(int fd, int ms) {
  pollfd p{fd, POLLIN, 0};
  char c = 0;
  return poll(&p, 1, ms) == 1 && read(fd, &c, 1) == 1;
}

void KillAndReap(pid_t pid) {
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
}

TEST_F(ArchiveTest, AKilledSaveLeavesThePreviousVersionWhole) {
  Tag_Cliente header;
  Tag_GlobalBuffer first;
  Version(0, header, first);
  ASSERT_EQ(ArchiveSave(header, first, ""), SaveStatus::Stored);
  // The outputs section of version 1 stops the child after four sections are rewritten.
  Exec(T::Uscite,
       "CREATE TRIGGER stop BEFORE INSERT ON Uscite WHEN NEW.Messaggio LIKE '% b' "
       "BEGIN SELECT RAISE(ABORT, 'stop'); END");

  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    StopAtWarningHost host(fds[1]);
    InstallUiHost(&host);
    ConfigureArchiveTables(DataPath(), DataFolder());
    Tag_Cliente h;
    Tag_GlobalBuffer second;
    Version(1, h, second);
    ArchiveSave(h, second, "");
    _exit(3);  // not reached: the section's warning waits to be killed
  }
  close(fds[1]);
  const bool stopped = WaitForChild(fds[0], 20000);
  KillAndReap(pid);
  close(fds[0]);
  ASSERT_TRUE(stopped) << "the child never reached the failing section";

  Exec(T::Uscite, "DROP TRIGGER stop");
  ASSERT_TRUE(ConfigureArchiveTables(DataPath(), DataFolder()));
  EXPECT_EQ(StoredVersion(header.SerialCli), 0);
  for (T table : kArchiveTables)
    EXPECT_EQ(Value(table, "PRAGMA integrity_check").toString(), "ok") << TableName(table);
}

// Kills a process that saves two versions in turn at random moments, commits included:
// every time the customer is one version or the other, never a mixture.
TEST_F(ArchiveTest, KillsAtRandomMomentsNeverLeaveAMixture) {
  Tag_Cliente header;
  Tag_GlobalBuffer record;
  Version(0, header, record);
  ASSERT_EQ(ArchiveSave(header, record, ""), SaveStatus::Stored);
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> delayUs(0, 150000);
  for (int round = 0; round < 12; ++round) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      StopAtWarningHost host(-1);
      InstallUiHost(&host);
      ConfigureArchiveTables(DataPath(), DataFolder());
      for (int v = 1;; v = 1 - v) {
        Tag_Cliente h;
        Tag_GlobalBuffer r;
        Version(v, h, r);
        ArchiveSave(h, r, "");
      }
    }
    usleep(static_cast<useconds_t>(20000 + delayUs(random)));
    KillAndReap(pid);
    ASSERT_TRUE(ConfigureArchiveTables(DataPath(), DataFolder()));
    EXPECT_NE(StoredVersion(header.SerialCli), -1) << "round " << round;
    EXPECT_EQ(Rows(T::Clienti), 1);
  }
  EXPECT_TRUE(ui.host.Boxes().empty());
}

}  // namespace
