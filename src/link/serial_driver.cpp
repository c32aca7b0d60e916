#include "link/serial_driver.h"

#include <asm/termbits.h>
#include <linux/serial.h>
#include <sys/ioctl.h>

namespace {

// Rates without a B-constant of their own go through BOTHER.
tcflag_t StandardRateFlag(int baud) {
  switch (baud) {
    case 110:
      return B110;
    case 300:
      return B300;
    case 600:
      return B600;
    case 1200:
      return B1200;
    case 2400:
      return B2400;
    case 4800:
      return B4800;
    case 9600:
      return B9600;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    default:
      return BOTHER;
  }
}

void SetBaud(termios2& tio, int baud) {
  tio.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
  tio.c_cflag |= StandardRateFlag(baud);
  tio.c_ispeed = baud;
  tio.c_ospeed = baud;
}

void SetParity(termios2& tio, int index) {
  if (index > 4) return;
  tio.c_cflag &= ~(PARENB | PARODD | CMSPAR);
  tio.c_iflag &= ~INPCK;
  if (index == 0) return;
  tio.c_cflag |= PARENB;
  tio.c_iflag |= INPCK;
  if (index == 1 || index == 3) tio.c_cflag |= PARODD;  // odd; mark is "odd" stuck
  if (index >= 3) tio.c_cflag |= CMSPAR;
}

bool SetDataBits(termios2& tio, int index) {
  static const tcflag_t sizes[] = {0, CS5, CS6, CS7, CS8};
  if (index > 4) return true;
  if (index == 0) return false;  // no driver offers 4 data bits
  tio.c_cflag = (tio.c_cflag & ~CSIZE) | sizes[index];
  return true;
}

void SetStopBits(termios2& tio, int index) {
  if (index > 2) return;
  // One and a half stop bits are what a UART sends for CSTOPB at 5 data bits.
  if (index == 0)
    tio.c_cflag &= ~CSTOPB;
  else
    tio.c_cflag |= CSTOPB;
}

}  // namespace

bool ComposeLineSettings(termios2& tio, const TComm& port) {
  // Binary line, no flow control of any kind, nothing translated or echoed.
  tio.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF |
                   IXANY | IUCLC | IMAXBEL);
  tio.c_oflag &= ~OPOST;
  tio.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  tio.c_cflag &= ~(CRTSCTS | HUPCL);
  tio.c_cflag |= CLOCAL | CREAD;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  const int baud = BaudRateOfIndex(port.BaudIndex);
  if (baud > 0) SetBaud(tio, baud);
  SetParity(tio, port.ParityIndex);
  if (!SetDataBits(tio, port.DataBitsIndex)) return false;
  SetStopBits(tio, port.StopBitsIndex);
  return true;
}

bool ApplyLineSettings(int fd, const TComm& port) {
  termios2 tio{};
  return ioctl(fd, TCGETS2, &tio) == 0 && ComposeLineSettings(tio, port) &&
         ioctl(fd, TCSETS2, &tio) == 0;
}

bool SetModemLines(int fd, bool withRts, bool on) {
  int bits = TIOCM_DTR | (withRts ? TIOCM_RTS : 0);
  return ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &bits) == 0;
}

bool ReadErrorCounters(int fd, TComm::ErrorCounters& counters) {
  serial_icounter_struct ic{};
  if (ioctl(fd, TIOCGICOUNT, &ic) != 0) return false;
  counters = {ic.frame, ic.overrun, ic.parity, ic.brk, ic.buf_overrun};
  return true;
}
