// The client end of the simulator's line for tests: opens the slave of the pseudo-terminal
// raw, as a serial port would be, writes bytes and reads what comes back with time limits.
#pragma once

#include <string>

class LineClient {
 public:
  explicit LineClient(const std::string& path);
  ~LineClient();
  LineClient(const LineClient&) = delete;
  LineClient& operator=(const LineClient&) = delete;

  bool ok() const { return fd_ >= 0; }
  void Send(const std::string& bytes);
  // Everything read until the text ends with one of the module's final results ("OK",
  // "ERROR", "+CME ERROR: n", "+CMS ERROR: n", or the "> " prompt), or until timeoutMs of
  // real time passed.
  std::string ReadReply(int timeoutMs = 2000);
  // Sends a command line (a carriage return is added) and reads its reply.
  std::string At(const std::string& line, int timeoutMs = 2000);
  // Exactly n bytes, or fewer when timeoutMs passed first.
  std::string ReadBytes(size_t n, int timeoutMs = 2000);
  // Everything that arrives within ms (for silence and noise checks).
  std::string ReadFor(int ms);
  // True when the line reports a hang-up or an error (the simulator cut it).
  bool LineDropped(int timeoutMs = 1000);

 private:
  int fd_ = -1;
};

// The 4-byte controller frame of three data bytes and their 8-bit sum.
std::string ControllerFrame(unsigned char a, unsigned char b, unsigned char c);
