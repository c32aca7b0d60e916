// The status page's polling of a family A module: the cells the module hears ("at^monp")
// and its signal quality ("at+csq"), asked once a second from the page's timer.
#pragma once

#include <string>
#include <vector>

#include "link/serial_port.h"

constexpr int kCellSlots = 6;

// One line of the cell list: its first word, and its second as a signal value.
struct CellSlot {
  std::string label;
  int value = 0;  // 0 when the word is not a number
};

// The cells of an "at^monp" reply: the lines after the first (the heading), at most six.
// The module's final "OK" is not a cell.
std::vector<CellSlot> CellSlotsFromReply(const std::string& reply);

// The LCD picture file for a signal value: "lcd-sign1.bmp" to "lcd-sign10.bmp" for 0 to 31,
// "none.bmp" for 32 to 99 (no measure), empty for any other value (the picture stays).
std::string SignalPictureFile(int value);

struct CellPoll {
  std::vector<CellSlot> cells;  // what fills the slots; the slots after them are cleared
  bool signalRead = false;      // a "+CSQ" line came
  int signal = 0;
};

// One poll on an open port: the cell list, then the signal quality, each awaited at most
// 6 seconds.
CellPoll PollCellsAndSignal(TComm& port);
