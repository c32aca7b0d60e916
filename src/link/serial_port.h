// The one serial port every user of the link shares: opened with fixed line settings on
// demand, read one byte at a time with a timeout, closed by whoever finishes an exchange.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct TComm {
  int32_t Port = 1;  // COM n
  int Handle = -1;   // open file descriptor; -1 while closed
  uint8_t BaudIndex = 6;
  uint8_t ParityIndex = 0;    // none, odd, even, mark, space
  uint8_t DataBitsIndex = 4;  // 4, 5, 6, 7, 8 data bits
  uint8_t StopBitsIndex = 0;  // 1, 1.5, 2 stop bits
  std::string LastError;
  // The driver's error counters when the errors were last taken; reads and writes report
  // the errors counted since.
  struct ErrorCounters {
    int frame = 0, overrun = 0, parity = 0, brk = 0, bufOverrun = 0;
  } Counted;
};

extern TComm Comm;  // the program's one port record

// LastError's text for the driver's communication error flags (one flag names itself).
std::string CommErrorText(unsigned flags);

// Baud rate of a BaudIndex, or 0 for an index outside the table.
int BaudRateOfIndex(int index);

// Which device "COM n" opens. The default names /dev/ttyS<n-1>; start-up installs one that
// looks at the settings first. An empty function restores the default.
void SetComDeviceResolver(std::function<std::string(int)> resolver);
std::string ComDeviceName(int port);

bool OpenComm(TComm& port);
void CloseComm(TComm& port);
// Received bytes waiting in the driver; 0 while closed. Takes the driver's error counts.
int InQueue(TComm& port);
void PurgeInput(TComm& port);
void WriteComm(TComm& port, const void* bytes, uint16_t count);
void WriteComm(TComm& port, const std::string& bytes);
// Reads up to count bytes that have already arrived; returns how many were read.
int ReadComm(TComm& port, void* buffer, uint16_t count);
// The next received byte as a one-character text, or "" when none came within the timeout
// (nominal seconds on the pacing clock).
std::string ReadCharTimeout(TComm& port, double timeoutSeconds);
// Drops or raises the DTR line; a line without modem signals (a pseudo-terminal) ignores it.
void SetDtr(TComm& port, bool on);
