// The simulator's end of the line: a pseudo-terminal in raw mode, with the slave held open by
// the simulator itself so the master never sees a hang-up between clients, and an optional
// symbolic link to the slave.
#pragma once

#include <string>

class PtyLink {
 public:
  PtyLink() = default;
  ~PtyLink() { Close(); }
  PtyLink(const PtyLink&) = delete;
  PtyLink& operator=(const PtyLink&) = delete;

  bool Open(const std::string& linkPath, std::string* error);
  // Closes both ends (a client sees the line drop) and removes the link when it is still ours.
  void Close();
  bool open() const { return master_ >= 0; }
  int master() const { return master_; }
  const std::string& slavePath() const { return slavePath_; }

  // Writes everything within a short bound; a client that reads nothing may lose bytes once
  // the terminal's buffer is full, as on a real line.
  void Write(const std::string& bytes);

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string slavePath_;
  std::string linkPath_;
};
