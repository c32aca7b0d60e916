#include "link_fixture.h"

#include <thread>

#include "programming/progress.h"
#include "shell/app_state.h"
#include "shell/pacing.h"
#include "shell/poller_flags.h"

void LinkTest::SetUp() {
  SetPacingSpeed(kSpeed);
  SetComDeviceResolver([path = peer.SlavePath()](int) { return path; });
  Cliente = Tag_Cliente{};
  Cliente.TipoCentrale = kTypeVelaA;
  ASSERT_TRUE(OpenComm(port)) << port.LastError;
}

void LinkTest::TearDown() {
  CloseComm(port);
  SetComDeviceResolver({});
  SetPacingSpeed(1);
  TransferFlag = false;
  PollerRun = false;
  Closing = false;
  Cliente = Tag_Cliente{};
}

bool LinkTest::WaitQueued(int count) {
  for (int i = 0; i < 200; ++i) {
    if (InQueue(port) >= count) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return false;
}
