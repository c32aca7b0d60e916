#include <sys/resource.h>

#include <thread>

#include "link_fixture.h"
#include "shell/pacing.h"

namespace {

using PortTest = LinkTest;

double ThreadCpuMs() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 + usage.ru_stime.tv_sec * 1e3 +
         usage.ru_stime.tv_usec / 1e3;
}

TEST_F(PortTest, ByteIsHandedOverWhenItArrivesNotAtTheTimeout) {
  std::thread late([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    peer.Send(std::string(1, '\0'));  // a zero byte is a byte like any other
  });
  std::string got;
  const long ms = RealMs([&] { got = ReadCharTimeout(port, 20.0); });  // 1 s real
  late.join();
  EXPECT_EQ(got, std::string(1, '\0'));
  EXPECT_GE(ms, 25);
  EXPECT_LT(ms, 500);
}

TEST_F(PortTest, SilenceGivesAnEmptyTextAfterTheTimeout) {
  std::string got = "x";
  const long ms = RealMs([&] { got = ReadCharTimeout(port, 2.0); });
  EXPECT_EQ(got, "");
  EXPECT_GE(ms, Real(2000));
  EXPECT_LT(ms, Real(2000) + 200);
}

TEST_F(PortTest, ClosedPortHasNothingQueuedAndWaitsTheWholeTimeout) {
  peer.Send("abc");
  CloseComm(port);
  EXPECT_EQ(port.Handle, -1);
  EXPECT_EQ(InQueue(port), 0);
  std::string got = "x";
  const long ms = RealMs([&] { got = ReadCharTimeout(port, 1.0); });
  EXPECT_EQ(got, "");
  EXPECT_GE(ms, Real(1000));
  char buffer[4];
  EXPECT_EQ(ReadComm(port, buffer, 4), 0);
}

TEST_F(PortTest, CutLineWaitsOutTheTimeoutWithoutSpinning) {
  peer.Hangup();
  const double cpuBefore = ThreadCpuMs();
  std::string got = "x";
  SetPacingSpeed(4);  // 500 ms real
  const long ms = RealMs([&] { got = ReadCharTimeout(port, 2.0); });
  EXPECT_EQ(got, "");
  EXPECT_GE(ms, 500);
  EXPECT_LT(ThreadCpuMs() - cpuBefore, 50);
}

TEST_F(PortTest, WritesGoOutAsGivenAndReadsTakeWhatHasArrived) {
  WriteComm(port, std::string("AT\r\0\xFF", 5));
  EXPECT_EQ(peer.WaitReceived(5, 500), std::string("AT\r\0\xFF", 5));
  peer.Send("hello");
  ASSERT_TRUE(WaitQueued(5));
  EXPECT_EQ(InQueue(port), 5);
  char buffer[8] = {};
  EXPECT_EQ(ReadComm(port, buffer, 3), 3);
  EXPECT_EQ(std::string(buffer, 3), "hel");
  EXPECT_EQ(InQueue(port), 2);
}

TEST_F(PortTest, PurgeDropsEverythingWaiting) {
  peer.Send(std::string(3000, 'g'));
  ASSERT_TRUE(WaitQueued(3000));
  PurgeInput(port);
  EXPECT_EQ(InQueue(port), 0);
  EXPECT_EQ(ReadCharTimeout(port, 0.2), "");
}

TEST_F(PortTest, OpenOnAnOpenPortOpensItAgain) {
  ASSERT_TRUE(OpenComm(port));
  ASSERT_NE(port.Handle, -1);
  peer.Send("z");
  EXPECT_EQ(ReadCharTimeout(port, 1.0), "z");
}

TEST_F(PortTest, OpenFailureLeavesThePortClosedWithItsReason) {
  SetComDeviceResolver([](int) { return std::string("/dev/no-such-port"); });
  EXPECT_FALSE(OpenComm(port));
  EXPECT_EQ(port.Handle, -1);
  EXPECT_EQ(port.LastError, "Device identifier is invalid or unsupported");
  // A file that is no serial line opens but cannot be configured: the port stays closed.
  SetComDeviceResolver([](int) { return std::string("/dev/null"); });
  EXPECT_FALSE(OpenComm(port));
  EXPECT_EQ(port.Handle, -1);
}

TEST_F(PortTest, CloseOfAClosedPortChangesNothing) {
  CloseComm(port);
  port.LastError = "kept";
  CloseComm(port);
  EXPECT_EQ(port.Handle, -1);
  EXPECT_EQ(port.LastError, "kept");
}

TEST_F(PortTest, WriteOnAClosedPortRecordsAnError) {
  CloseComm(port);
  WriteComm(port, "AT\r");
  EXPECT_EQ(port.LastError, "General error 9");
}

TEST(PortNames, ComNumberOpensTheResolvedDevice) {
  SetComDeviceResolver({});
  EXPECT_EQ(ComDeviceName(1), "/dev/ttyS0");
  EXPECT_EQ(ComDeviceName(3), "/dev/ttyS2");
  SetComDeviceResolver([](int n) { return "/tmp/vela-com" + std::to_string(n); });
  EXPECT_EQ(ComDeviceName(3), "/tmp/vela-com3");
  SetComDeviceResolver({});
}

TEST(PortErrors, OneFlagNamesItselfAnythingElseIsAGeneralError) {
  const std::pair<unsigned, const char*> cases[] = {
      {0x0001, "Receive Queue overflow "},
      {0x0002, "Receive Overrun Error "},
      {0x0004, "Receive Parity Error "},
      {0x0008, "Receive Framing error "},
      {0x0010, "Break Detected "},
      {0x0100, "TX Queue is full "},
      {0x0200, "LPTx Timeout "},
      {0x0400, "LPTx I/O Error "},
      {0x0800, "LPTx Device not selected "},
      {0x1000, "LPTx Out-Of-Paper "},
      {0x8000, "Requested mode unsupported "},
      {0x0006, "General error 6"},
      {0x0020, "General error 32"},
  };
  for (const auto& [flags, text] : cases) EXPECT_EQ(CommErrorText(flags), text) << flags;
}

TEST(PortErrors, BaudTableEndsAtIndex12) {
  EXPECT_EQ(BaudRateOfIndex(0), 110);
  EXPECT_EQ(BaudRateOfIndex(6), 9600);
  EXPECT_EQ(BaudRateOfIndex(7), 14400);
  EXPECT_EQ(BaudRateOfIndex(12), 256000);
  EXPECT_EQ(BaudRateOfIndex(13), 0);
}

}  // namespace
