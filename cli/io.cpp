#include "io.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cassert>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <poll.h>
#endif

namespace {

// The count one read or write is asked for: Windows takes an unsigned int.
#ifdef _WIN32
unsigned io_size(std::size_t n) { return static_cast<unsigned>(n < (1u << 30) ? n : (1u << 30)); }
#else
std::size_t io_size(std::size_t n) { return n; }
#endif

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
  if (s.size() >= capacity) {  // large pieces skip the buffer
    if (flush()) write_all(s.data(), s.size());
    return;
  }
  if (capacity - len_ < s.size()) flush();
  std::memcpy(buf_ + len_, s.data(), s.size());
  len_ += s.size();
}

// Keeps the first failure; once there is one, nothing more is written.
void out_stream::write_all(const char* p, std::size_t left) {
  while (left > 0 && error_ == 0) {
    const ssize_t n = write(fd_, p, io_size(left));
    if (n > 0) {
      p += n;
      left -= static_cast<std::size_t>(n);
    } else if (n == 0 || !retry(fd_, true)) {
      error_ = n == 0 ? EIO : errno;
    }
  }
}

char* out_stream::reserve(std::size_t n) {
  assert(n <= capacity);
  if (capacity - len_ < n) flush();
  return buf_ + len_;
}

bool out_stream::flush() {
  write_all(buf_, len_);
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
    const ssize_t n = read(fd_, buf_, io_size(capacity));
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
#ifdef _WIN32
  // Windows has no inode numbers: a process has one console, and a disk file
  // is known by its volume and index. Pipes cannot be told apart here.
  const auto ha = reinterpret_cast<HANDLE>(_get_osfhandle(a));
  const auto hb = reinterpret_cast<HANDLE>(_get_osfhandle(b));
  if (ha == INVALID_HANDLE_VALUE || hb == INVALID_HANDLE_VALUE) return false;
  DWORD mode;
  if (GetConsoleMode(ha, &mode) && GetConsoleMode(hb, &mode)) return true;
  BY_HANDLE_FILE_INFORMATION ia, ib;
  if (GetFileType(ha) != FILE_TYPE_DISK || GetFileType(hb) != FILE_TYPE_DISK) return false;
  if (!GetFileInformationByHandle(ha, &ia) || !GetFileInformationByHandle(hb, &ib)) return false;
  return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
         ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
#else
  struct stat sa, sb;
  if (fstat(a, &sa) != 0 || fstat(b, &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#endif
}

void set_binary(int fd) {
#ifdef _WIN32
  _setmode(fd, _O_BINARY);
#else
  (void)fd;
#endif
}
