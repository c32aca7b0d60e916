// Line settings: composed from the port record, and as the driver holds them after the
// port is opened. Uses termios2, which cannot share a file with the C library's termios.
#include <asm/termbits.h>
#include <sys/ioctl.h>

#include "link/serial_driver.h"
#include "link_fixture.h"

namespace {

using SettingsTest = LinkTest;

termios2 DriverSettings(const TComm& port) {
  termios2 tio{};
  EXPECT_EQ(ioctl(port.Handle, TCGETS2, &tio), 0);
  return tio;
}

TEST_F(SettingsTest, DefaultsGiveARaw8N1LineAt9600WithoutFlowControl) {
  const termios2 tio = DriverSettings(port);
  EXPECT_EQ(tio.c_cflag & CBAUD, static_cast<tcflag_t>(B9600));
  EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_TRUE(tio.c_cflag & CLOCAL);
  EXPECT_TRUE(tio.c_cflag & CREAD);
  EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP | PARMRK), 0u);
  EXPECT_EQ(tio.c_oflag & OPOST, 0u);
  EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
}

TEST_F(SettingsTest, NonStandardRatesReachTheDriver) {
  for (uint8_t index : {7, 10, 11, 12}) {
    port.BaudIndex = index;
    ASSERT_TRUE(OpenComm(port));
    EXPECT_EQ(DriverSettings(port).c_ospeed, static_cast<unsigned>(BaudRateOfIndex(index)));
  }
  port.BaudIndex = 13;  // out of the table: the driver keeps 256000
  ASSERT_TRUE(OpenComm(port));
  EXPECT_EQ(DriverSettings(port).c_ospeed, 256000u);
}

// A pseudo-terminal forces 8 bits without parity, so these are checked on the composed
// settings.
TEST(LineSettings, IndexesPickRateParityBitsAndStops) {
  struct Case {
    uint8_t baud, parity, bits, stop;
    unsigned speed;
    tcflag_t rateFlag, size, parityFlags, stopFlag;
  };
  const Case cases[] = {
      {6, 0, 4, 0, 9600, B9600, CS8, 0, 0},
      {12, 0, 4, 0, 256000, BOTHER, CS8, 0, 0},
      {7, 1, 3, 2, 14400, BOTHER, CS7, PARENB | PARODD, CSTOPB},
      {10, 2, 2, 0, 56000, BOTHER, CS6, PARENB, 0},
      {11, 3, 4, 0, 128000, BOTHER, CS8, PARENB | PARODD | CMSPAR, 0},
      {0, 4, 1, 1, 110, B110, CS5, PARENB | CMSPAR, CSTOPB},
  };
  for (const Case& c : cases) {
    TComm port;
    port.BaudIndex = c.baud;
    port.ParityIndex = c.parity;
    port.DataBitsIndex = c.bits;
    port.StopBitsIndex = c.stop;
    termios2 tio{};
    tio.c_cflag = B38400 | CS7 | PARENB | CSTOPB | CRTSCTS | HUPCL;
    tio.c_iflag = IXON | ICRNL;
    ASSERT_TRUE(ComposeLineSettings(tio, port)) << int(c.baud);
    EXPECT_EQ(tio.c_ospeed, c.speed);
    EXPECT_EQ(tio.c_ispeed, c.speed);
    EXPECT_EQ(tio.c_cflag & CBAUD, c.rateFlag);
    EXPECT_EQ(tio.c_cflag & CSIZE, c.size) << int(c.bits);
    EXPECT_EQ(tio.c_cflag & (PARENB | PARODD | CMSPAR), c.parityFlags) << int(c.parity);
    EXPECT_EQ(tio.c_iflag & INPCK, c.parity ? static_cast<tcflag_t>(INPCK) : 0u);
    EXPECT_EQ(tio.c_cflag & CSTOPB, c.stopFlag) << int(c.stop);
    EXPECT_EQ(tio.c_cflag & (CRTSCTS | HUPCL), 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | ICRNL), 0u);
  }
}

TEST(LineSettings, IndexesOutOfRangeKeepTheDriversValues) {
  TComm port;
  port.BaudIndex = 13;
  port.ParityIndex = 5;
  port.DataBitsIndex = 5;
  port.StopBitsIndex = 3;
  termios2 tio{};
  tio.c_cflag = B19200 | CS7 | PARENB | CSTOPB;
  tio.c_ospeed = tio.c_ispeed = 19200;
  ASSERT_TRUE(ComposeLineSettings(tio, port));
  EXPECT_EQ(tio.c_cflag & CBAUD, static_cast<tcflag_t>(B19200));
  EXPECT_EQ(tio.c_ospeed, 19200u);
  EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB | PARODD | CSTOPB),
            static_cast<tcflag_t>(CS7 | PARENB | CSTOPB));
}

TEST_F(SettingsTest, FourDataBitsCannotBeSetAndTheOpenFails) {
  port.DataBitsIndex = 0;
  EXPECT_FALSE(OpenComm(port));
  EXPECT_EQ(port.Handle, -1);
}

}  // namespace
