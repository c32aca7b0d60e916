#include "status/family_a_poll.h"

#include <algorithm>
#include <cctype>

#include "link/at_channel.h"
#include "link/at_text.h"
#include "shell/module_poller.h"
#include "shell/pacing.h"

namespace {

constexpr int kReplySeconds = 6;

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  for (char c : line) {
    if (c != ' ') {
      word += c;
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

// A whole decimal number, or 0.
int NumberOrZero(const std::string& text) {
  if (text.empty() || text.size() > 9) return 0;
  int value = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::vector<CellSlot> CellSlotsFromReply(const std::string& reply) {
  std::vector<std::string> lines;
  SplitLines(reply, lines);
  std::vector<CellSlot> cells;
  for (std::size_t i = 1; i < lines.size() && cells.size() < kCellSlots; ++i) {
    if (TrimSpaces(lines[i]) == "OK") continue;
    const std::vector<std::string> words = Words(lines[i]);
    if (words.empty()) continue;
    cells.push_back({words[0], words.size() > 1 ? NumberOrZero(words[1]) : 0});
  }
  return cells;
}

std::string SignalPictureFile(int value) {
  if (value < 0 || value > 99) return {};
  if (value >= 32) return "none.bmp";
  // Three values a step; the first step (0 to 3) and the last (28 to 31) take four.
  const int n = std::min(10, value <= 3 ? 1 : (value - 1) / 3 + 1);
  return "lcd-sign" + std::to_string(n) + ".bmp";
}

CellPoll PollCellsAndSignal(TComm& port) {
  CellPoll poll;
  SendCommand(port, "at^monp");
  Pause(100);
  std::string reply;
  auto start = WaitStart();
  bool replied = false;
  while (!replied && WholeSecondsSince(start) < kReplySeconds)
    replied = ReadUntilOk(port, reply) && !reply.empty();
  poll.cells = CellSlotsFromReply(reply);

  SendCommand(port, "at+csq");
  Pause(100);
  std::string line;
  start = WaitStart();
  while (WholeSecondsSince(start) < kReplySeconds) {
    std::string read;
    if (ReadReplyLine(port, read) && ContainsNoCase(read, "csq")) {
      line = read;
      break;
    }
  }
  if (!line.empty()) {
    poll.signalRead = true;
    poll.signal = SignalLevel(line);
  }
  return poll;
}
