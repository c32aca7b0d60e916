// Send and Load from the menus while the status page polls a family I device: the page and
// its thread are gone before the transfer touches the port. Every read and write on the
// serial line is watched here, with the thread that made it, to show that the port never
// has two users at once.
#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QTreeWidget>
#include <atomic>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

#include "device_sim_fixture.h"
#include "shell/language.h"
#include "shell/main_window.h"
#include "shell/settings.h"
#include "status/status_page.h"
#include "temp_dir.h"
#include "test_language.h"
#include "widgets/hex_indicator.h"
#include "working_folder.h"

namespace {

// One use of the serial line: who made it and in which order.
struct LineUse {
  std::thread::id thread;
  long sequence;
};

std::atomic<bool> g_watching{false};
std::atomic<long> g_sequence{0};
std::mutex g_mutex;
std::vector<LineUse> g_uses;

// The program's serial line is the only pseudo-terminal slave this process reads or writes
// (the simulator works on the master side).
bool IsLine(int fd) {
  struct stat st;
  return fstat(fd, &st) == 0 && S_ISCHR(st.st_mode) && major(st.st_rdev) >= 136 &&
         major(st.st_rdev) <= 143;
}

void Note(int fd) {
  if (!g_watching || !IsLine(fd)) return;
  std::lock_guard lock(g_mutex);
  g_uses.push_back({std::this_thread::get_id(), g_sequence++});
}

}  // namespace

// The process's read and write go through here while the test watches.
extern "C" ssize_t read(int fd, void* buf, size_t count) {
  static auto real = reinterpret_cast<ssize_t (*)(int, void*, size_t)>(dlsym(RTLD_NEXT, "read"));
  Note(fd);
  return real(fd, buf, count);
}

extern "C" ssize_t write(int fd, const void* buf, size_t count) {
  static auto real =
      reinterpret_cast<ssize_t (*)(int, const void*, size_t)>(dlsym(RTLD_NEXT, "write"));
  Note(fd);
  return real(fd, buf, count);
}

namespace {

class StatusTransferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartInWorkingFolder(dir);
    SetPacingSpeed(25);
    SimConfig config;
    config.family = 'I';
    config.module = "MOTOROLA";
    config.firmware = "1.05";
    config.linkPath = (dir.path() / "com1").string();
    // Slow replies keep the thread inside its reads for a good part of each cycle.
    config.faults = {"slow=150"};
    sim = std::make_unique<Simulator>(config);
    std::string error;
    ASSERT_TRUE(sim->Start(&error)) << error;
    SetComDevicePath(1, config.linkPath);
  }
  void TearDown() override {
    g_watching = false;
    window.reset();
    sim->Stop();
    SetPacingSpeed(1);
    SetSettingsFile("");
    LoadEnglishForTests();
  }

  // Opens the main window for family I on the status page and waits until it polls.
  TfrmStato* OpenPolling() {
    Cliente.TipoCentrale = kTypeVelaI;
    window = std::make_unique<TfrmMain>();
    window->show();
    QTreeWidgetItem* root = window->tvPages->topLevelItem(0);
    window->tvPages->setCurrentItem(root->child(root->childCount() - 1));  // device status
    auto* page = qobject_cast<TfrmStato*>(window->currentPage());
    if (!page) return nullptr;
    const bool polling = WaitUntil([&] {
      ui.host.RunPosted();
      QApplication::processEvents();
      return page->Image9->Picture() == kIndicatorAnswering;
    });
    return polling ? page : nullptr;
  }

  // True when no other thread used the line once this (the user-interface) thread had
  // begun to use it. *others counts the other thread's uses.
  static bool OneUserAtATime(std::thread::id ui, int* others) {
    std::lock_guard lock(g_mutex);
    long firstUi = -1, lastOther = -1;
    *others = 0;
    for (const LineUse& use : g_uses) {
      if (use.thread == ui && firstUi < 0) firstUi = use.sequence;
      if (use.thread != ui) {
        lastOther = use.sequence;
        ++*others;
      }
    }
    return firstUi >= 0 && lastOther < firstUi;
  }

  TempDir dir;
  ScopedScriptedHost ui;
  std::unique_ptr<Simulator> sim;
  std::unique_ptr<TfrmMain> window;
};

TEST_F(StatusTransferTest, SendAndLoadFromTheMenuCloseThePollingPageFirst) {
  int runsWithTheThreadOnTheLine = 0;
  // At different moments of the thread's cycle: in its pause, and in the middle of reads.
  for (int delayMs : {0, 2500, 5300}) {
    for (QAction* TfrmMain::*command : {&TfrmMain::mInvia, &TfrmMain::mCarica}) {
      QPointer<TfrmStato> page = OpenPolling();
      ASSERT_TRUE(page);
      GlobalBuffer.NumeriTelefonici[1].Numero = "0212345678";  // the window starts afresh
      {
        std::lock_guard lock(g_mutex);
        g_uses.clear();
      }
      g_watching = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(ScaledMs(delayMs)));
      ((*window).*command)->trigger();
      g_watching = false;
      EXPECT_TRUE(page.isNull());  // the page went with its thread
      int others = 0;
      EXPECT_TRUE(OneUserAtATime(std::this_thread::get_id(), &others)) << delayMs;
      if (others > 0) ++runsWithTheThreadOnTheLine;
      EXPECT_TRUE(ui.host.Boxes().empty()) << ::testing::PrintToString(ui.host.BoxTexts());
      ui.host.ClearBoxes();
      window.reset();
    }
  }
  // The watch saw the thread at work right up to a transfer at least once.
  EXPECT_GT(runsWithTheThreadOnTheLine, 0);
  // What Send wrote, Load read back.
  EXPECT_EQ(GlobalBuffer.NumeriTelefonici[1].Numero, "0212345678");
  EXPECT_EQ(sim->PhoneBook("MT").at(101).number, "0212345678");
}

}  // namespace
