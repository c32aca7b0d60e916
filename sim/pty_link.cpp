#include "sim/pty_link.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

std::string Errno(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

}  // namespace

bool PtyLink::Open(const std::string& linkPath, std::string* error) {
  Close();
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  char name[PATH_MAX];
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
      ptsname_r(master_, name, sizeof name) != 0) {
    *error = Errno("cannot open a pseudo-terminal");
    Close();
    return false;
  }
  slavePath_ = name;
  slave_ = ::open(name, O_RDWR | O_NOCTTY);
  termios tio{};
  if (slave_ < 0 || tcgetattr(slave_, &tio) != 0) {
    *error = Errno("cannot open " + slavePath_);
    Close();
    return false;
  }
  cfmakeraw(&tio);
  cfsetispeed(&tio, B9600);
  cfsetospeed(&tio, B9600);
  tcsetattr(slave_, TCSANOW, &tio);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);

  if (!linkPath.empty()) {
    struct stat st {};
    if (lstat(linkPath.c_str(), &st) == 0) {
      if (!S_ISLNK(st.st_mode)) {
        *error = linkPath + " exists and is not a link";
        Close();
        return false;
      }
      ::unlink(linkPath.c_str());
    }
    if (::symlink(slavePath_.c_str(), linkPath.c_str()) != 0) {
      *error = Errno("cannot link " + linkPath);
      Close();
      return false;
    }
    linkPath_ = linkPath;
  }
  return true;
}

void PtyLink::Close() {
  if (!linkPath_.empty()) {
    char target[PATH_MAX];
    const ssize_t n = ::readlink(linkPath_.c_str(), target, sizeof target - 1);
    if (n > 0 && std::string(target, static_cast<size_t>(n)) == slavePath_)
      ::unlink(linkPath_.c_str());
    linkPath_.clear();
  }
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
  slave_ = master_ = -1;
}

void PtyLink::Write(const std::string& bytes) {
  size_t done = 0;
  int stalls = 0;
  while (master_ >= 0 && done < bytes.size() && stalls < 5) {
    const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) return;
    pollfd p{master_, POLLOUT, 0};
    if (::poll(&p, 1, 100) <= 0) ++stalls;
  }
}
