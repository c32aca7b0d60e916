#include "line_client.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point end) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

bool EndsWithFinal(const std::string& s) {
  if (s.size() >= 2 && s.compare(s.size() - 2, 2, "> ") == 0) return true;
  if (s.size() < 2 || s.compare(s.size() - 2, 2, "\r\n") != 0) return false;
  const size_t start = s.rfind("\r\n", s.size() - 3);
  const std::string last = s.substr(start == std::string::npos ? 0 : start + 2);
  return last == "OK\r\n" || last == "ERROR\r\n" || last.rfind("+CME ERROR:", 0) == 0 ||
         last.rfind("+CMS ERROR:", 0) == 0;
}

}  // namespace

LineClient::LineClient(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd_ < 0) return;
  termios tio{};
  if (tcgetattr(fd_, &tio) == 0) {
    cfmakeraw(&tio);
    tcsetattr(fd_, TCSANOW, &tio);
  }
  tcflush(fd_, TCIOFLUSH);
}

LineClient::~LineClient() {
  if (fd_ >= 0) ::close(fd_);
}

void LineClient::Send(const std::string& bytes) {
  size_t done = 0;
  while (fd_ >= 0 && done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else {
      pollfd p{fd_, POLLOUT, 0};
      if (::poll(&p, 1, 500) <= 0) return;
    }
  }
}

std::string LineClient::ReadReply(int timeoutMs) {
  std::string out;
  const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!EndsWithFinal(out)) {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, MsLeft(end)) <= 0 || !(p.revents & POLLIN)) break;
    char buf[256];
    const ssize_t n = ::read(fd_, buf, sizeof buf);
    if (n <= 0) break;
    out.append(buf, static_cast<size_t>(n));
  }
  return out;
}

std::string LineClient::At(const std::string& line, int timeoutMs) {
  Send(line + "\r");
  return ReadReply(timeoutMs);
}

std::string LineClient::ReadBytes(size_t n, int timeoutMs) {
  std::string out;
  const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (out.size() < n) {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, MsLeft(end)) <= 0 || !(p.revents & POLLIN)) break;
    char buf[256];
    const ssize_t got = ::read(fd_, buf, n - out.size() < sizeof buf ? n - out.size() : sizeof buf);
    if (got <= 0) break;
    out.append(buf, static_cast<size_t>(got));
  }
  return out;
}

std::string LineClient::ReadFor(int ms) {
  std::string out;
  const auto end = Clock::now() + std::chrono::milliseconds(ms);
  while (MsLeft(end) > 0) {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, MsLeft(end)) <= 0) continue;
    if (!(p.revents & POLLIN)) break;
    char buf[256];
    const ssize_t n = ::read(fd_, buf, sizeof buf);
    if (n <= 0) break;
    out.append(buf, static_cast<size_t>(n));
  }
  return out;
}

bool LineClient::LineDropped(int timeoutMs) {
  pollfd p{fd_, POLLIN, 0};
  if (::poll(&p, 1, timeoutMs) <= 0) return false;
  if (p.revents & (POLLHUP | POLLERR)) return true;
  char c;
  return ::read(fd_, &c, 1) < 0;
}

std::string ControllerFrame(unsigned char a, unsigned char b, unsigned char c) {
  return std::string{static_cast<char>(a), static_cast<char>(b), static_cast<char>(c),
                     static_cast<char>(static_cast<unsigned char>(a + b + c))};
}
