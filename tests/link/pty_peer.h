// The far end of a pseudo-terminal, scripted byte by byte: what the port writes is logged,
// and replies go out when the expected bytes have come (or at once, split, late, or never).
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class PtyPeer {
 public:
  // One piece of a reply: wait delayMs (real), then write the bytes.
  struct Piece {
    int delayMs;
    std::string bytes;
  };

  PtyPeer();
  ~PtyPeer();

  // The device the port opens.
  const std::string& SlavePath() const { return slavePath_; }

  // Writes bytes to the port now.
  void Send(const std::string& bytes);
  // When the bytes received since the rule was given (and since the previous rule matched)
  // contain `when`, the pieces go out. Rules match in the order given.
  void OnReceive(const std::string& when, std::vector<Piece> reply);
  void OnReceive(const std::string& when, const std::string& reply) {
    OnReceive(when, {{0, reply}});
  }
  // Closes the far end: the line is cut.
  void Hangup();

  // Everything the port has written so far.
  std::string Received() const;
  // Waits up to realMs until at least count bytes have been received; returns them all.
  std::string WaitReceived(size_t count, int realMs);
  // True once every rule has fired.
  bool ScriptDone() const;

 private:
  struct Rule {
    std::string when;
    std::vector<Piece> reply;
    size_t from;
  };
  void Run();
  void WriteAll(const std::string& bytes);

  int master_ = -1;
  int slave_ = -1;  // held open so that the line stays up between the port's opens
  int wake_[2] = {-1, -1};
  std::string slavePath_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::string received_;
  size_t matchFrom_ = 0;
  std::deque<Rule> rules_;
  bool stop_ = false;
  std::thread thread_;
};
