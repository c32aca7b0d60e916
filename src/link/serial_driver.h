// The termios side of the serial port, kept apart because the kernel's termios2 header
// cannot share a translation unit with the C library's termios.
#pragma once

#include "link/serial_port.h"

struct termios2;

// Turns driver settings into a raw line with the port record's rate, parity, data bits and
// stop bits; an index out of range keeps the driver's value. False for settings no driver
// offers.
bool ComposeLineSettings(termios2& tio, const TComm& port);
// Reads, composes and writes the settings; false when the driver refused them.
bool ApplyLineSettings(int fd, const TComm& port);
// Drops or raises DTR (and RTS with it); false on a line without modem signals.
bool SetModemLines(int fd, bool withRts, bool on);
// The driver's error counters; false where the driver keeps none.
bool ReadErrorCounters(int fd, TComm::ErrorCounters& counters);
