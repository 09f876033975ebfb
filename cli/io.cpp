#include "io.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cassert>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <poll.h>
#endif

namespace {

// A descriptor opened non-blocking by someone else must not turn EAGAIN into
// a failure: wait until it is ready instead.
bool wait_ready(int fd, bool for_write) {
#ifdef _WIN32
  (void)fd;
  (void)for_write;
  return false;
#else
  pollfd p{fd, static_cast<short>(for_write ? POLLOUT : POLLIN), 0};
  while (poll(&p, 1, -1) < 0) {
    if (errno != EINTR) return false;
  }
  return true;
#endif
}

bool retry(int fd, bool for_write) {
  if (errno == EINTR) return true;
  if (errno == EAGAIN || errno == EWOULDBLOCK) return wait_ready(fd, for_write);
  return false;
}

}  // namespace

void out_stream::put(std::string_view s) {
  if (s.size() >= capacity) {
    if (flush()) {
      // Large pieces skip the buffer; the first failure is kept like any other.
      const char* p = s.data();
      std::size_t left = s.size();
      while (left > 0 && error_ == 0) {
        const ssize_t n = write(fd_, p, left);
        if (n > 0) {
          p += n;
          left -= static_cast<std::size_t>(n);
        } else if (n == 0 || !retry(fd_, true)) {
          error_ = n == 0 ? EIO : errno;
        }
      }
    }
    return;
  }
  if (capacity - len_ < s.size()) flush();
  std::memcpy(buf_ + len_, s.data(), s.size());
  len_ += s.size();
}

char* out_stream::reserve(std::size_t n) {
  assert(n <= capacity);
  if (capacity - len_ < n) flush();
  return buf_ + len_;
}

bool out_stream::flush() {
  std::size_t done = 0;
  while (done < len_ && error_ == 0) {
    const ssize_t n = write(fd_, buf_ + done, len_ - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n == 0 || !retry(fd_, true)) {
      error_ = n == 0 ? EIO : errno;
    }
  }
  len_ = 0;
  return error_ == 0;
}

std::string_view in_stream::next_block() {
  if (pos_ == len_ && !fill()) return {};
  std::string_view rest(buf_ + pos_, len_ - pos_);
  pos_ = len_;
  return rest;
}

int in_stream::refill() { return fill() ? static_cast<unsigned char>(buf_[pos_++]) : -1; }

bool in_stream::fill() {
  if (error_ != 0) return false;
  if (hook_) hook_();
  for (;;) {
    const ssize_t n = read(fd_, buf_, capacity);
    if (n > 0) {
      pos_ = 0;
      len_ = static_cast<std::size_t>(n);
      return true;
    }
    if (n == 0) return false;
    if (!retry(fd_, false)) {
      error_ = errno;
      return false;
    }
  }
}

bool same_destination(int a, int b) {
  struct stat sa, sb;
  if (fstat(a, &sa) != 0 || fstat(b, &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

void set_binary(int fd) {
#ifdef _WIN32
  _setmode(fd, _O_BINARY);
#else
  (void)fd;
#endif
}
