#include "pty_peer.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>

PtyPeer::PtyPeer() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
    throw std::runtime_error("no pseudo-terminal");
  slavePath_ = ptsname(master_);
  slave_ = open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  termios raw{};
  tcgetattr(slave_, &raw);
  cfmakeraw(&raw);
  tcsetattr(slave_, TCSANOW, &raw);
  tcgetattr(master_, &raw);
  cfmakeraw(&raw);
  tcsetattr(master_, TCSANOW, &raw);
  if (pipe2(wake_, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
  thread_ = std::thread([this] { Run(); });
}

PtyPeer::~PtyPeer() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  const char byte = 0;
  (void)!write(wake_[1], &byte, 1);
  thread_.join();
  for (int fd : {master_, slave_, wake_[0], wake_[1]})
    if (fd >= 0) close(fd);
}

void PtyPeer::WriteAll(const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

void PtyPeer::Send(const std::string& bytes) {
  std::lock_guard lock(mutex_);
  WriteAll(bytes);
}

void PtyPeer::OnReceive(const std::string& when, std::vector<Piece> reply) {
  std::lock_guard lock(mutex_);
  rules_.push_back({when, std::move(reply), received_.size()});
}

void PtyPeer::Hangup() {
  std::lock_guard lock(mutex_);
  close(slave_);
  slave_ = -1;
  close(master_);
  master_ = -1;
  const char byte = 0;
  (void)!write(wake_[1], &byte, 1);
}

std::string PtyPeer::Received() const {
  std::lock_guard lock(mutex_);
  return received_;
}

std::string PtyPeer::WaitReceived(size_t count, int realMs) {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, std::chrono::milliseconds(realMs),
                    [&] { return received_.size() >= count; });
  return received_;
}

bool PtyPeer::ScriptDone() const {
  std::lock_guard lock(mutex_);
  return rules_.empty();
}

void PtyPeer::Run() {
  for (;;) {
    int master;
    {
      std::lock_guard lock(mutex_);
      if (stop_) return;
      master = master_;
    }
    pollfd fds[2] = {{wake_[0], POLLIN, 0}, {master, POLLIN, 0}};
    if (poll(fds, master >= 0 ? 2 : 1, -1) < 0) continue;
    if (fds[0].revents & POLLIN) {
      char sink[16];
      (void)!read(wake_[0], sink, sizeof sink);
      continue;
    }
    char buffer[512];
    const ssize_t n = master >= 0 ? read(master, buffer, sizeof buffer) : -1;
    if (n <= 0) continue;
    std::vector<Piece> reply;
    {
      std::lock_guard lock(mutex_);
      received_.append(buffer, static_cast<size_t>(n));
      while (!rules_.empty()) {
        const size_t at =
            received_.find(rules_.front().when, std::max(matchFrom_, rules_.front().from));
        if (at == std::string::npos) break;
        matchFrom_ = at + rules_.front().when.size();
        for (Piece& piece : rules_.front().reply) reply.push_back(std::move(piece));
        rules_.pop_front();
      }
    }
    changed_.notify_all();
    // Replies go out from this thread, so a rule's delay holds back the rules after it, as
    // a device that answers one command at a time would.
    for (const Piece& piece : reply) {
      if (piece.delayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(piece.delayMs));
      Send(piece.bytes);
    }
  }
}
