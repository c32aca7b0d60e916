// Sending, and reading replies one character at a time.
#include <algorithm>

#include "link/at_channel.h"
#include "link/at_text.h"
#include "programming/progress.h"
#include "shell/pacing.h"
#include "shell/text_helpers.h"

namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kCtrlZ = 26;
constexpr size_t kReplyLineLimit = 65;
constexpr size_t kLongLineLimit = 161;

void TransferStep() {
  if (TransferFlag) ProgressStep(1);
}

void Send(TComm& port, const std::string& bytes) {
  PurgeInput(port);
  WriteComm(port, bytes);
  TransferStep();
}

// The cooked readers: a carriage return ends a line that has something in it, line feeds
// and empty lines vanish, and a long line is cut at the limit (the rest is the next line).
bool ReadCookedLine(TComm& port, std::string& line, size_t limit) {
  for (;;) {
    const std::string c = ReadCharTimeout(port, CharTimeout);
    if (c.empty()) return false;
    if (c[0] == kCr) {
      if (line.empty()) continue;
      break;
    }
    if (c[0] == kLf) continue;
    line += c;
    if (line.size() >= limit) break;
  }
  TransferStep();
  return true;
}

}  // namespace

void SendCommand(TComm& port, const std::string& text) {
  if (Cliente.TipoCentrale == kTypeVelaI && !text.empty())
    Send(port, text);
  else
    Send(port, text + kCr);
}

void SendTextBody(TComm& port, const std::string& text) {
  Send(port, text + kCtrlZ);
}

bool ReadReplyLine(TComm& port, std::string& line) {
  std::string working;
  if (!ReadCookedLine(port, working, kReplyLineLimit)) return false;
  line = working;
  return true;
}

bool ReadLongLine(TComm& port, std::string& line) {
  line.clear();
  return ReadCookedLine(port, line, kLongLineLimit);
}

bool ReadRawLine(TComm& port, std::string& line) {
  line.clear();
  for (;;) {
    const std::string c = ReadCharTimeout(port, CharTimeout);
    if (c.empty()) return false;
    line += c;
    if (c[0] == kCr || line.size() >= kLongLineLimit) break;
  }
  line.pop_back();
  TransferStep();
  return true;
}

bool ReadUntilOk(TComm& port, std::string& text) {
  text.clear();
  const auto start = WaitStart();
  for (;;) {
    const std::string c = ReadCharTimeout(port, CharTimeout);
    if (c.empty()) return false;
    text += c;
    const size_t n = text.size();
    if (n > 500) break;
    if (n >= 3 && LowerAscii(text.substr(n - 3, 2)) == "ok") break;
    if (WholeSecondsSince(start) > 5) break;
  }
  TransferStep();
  return true;
}

bool ReadFrame(TComm& port, FrameBuffer& buffer, int n, bool withChecksum) {
  buffer.fill(0);
  const int wanted = std::clamp(n, 0, static_cast<int>(buffer.size()) - 1) + 1;
  int received = 0;
  while (received < wanted) {
    const std::string c = ReadCharTimeout(port, CharTimeout);
    if (c.empty()) break;
    buffer[received++] = static_cast<uint8_t>(c[0]);
  }
  TransferStep();
  if (received == 0) return false;
  if (!withChecksum) return true;
  // A short frame cannot be trusted, even when its last byte happens to match.
  if (received < wanted) return false;
  uint8_t sum = 0;
  for (int i = 0; i < received - 1; ++i) sum = static_cast<uint8_t>(sum + buffer[i]);
  return buffer[received - 1] == sum;
}

std::string FrameText(const FrameBuffer& buffer, int first, int count) {
  std::string text;
  for (int i = std::max(first, 0); i < first + count && i < static_cast<int>(buffer.size()); ++i)
    if (buffer[i] >= 32) text += static_cast<char>(buffer[i]);
  return TrimSpaces(text);
}

void SplitLines(const std::string& text, std::vector<std::string>& lines) {
  std::string current;
  for (char c : text) {
    if (c == kCr) {
      if (!current.empty()) lines.push_back(current);
      current.clear();
    } else if (c != kLf && c != '\0') {
      current += c;
    }
  }
}
