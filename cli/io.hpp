// Block-buffered standard streams over file descriptors: no stdio call per byte.
#ifndef FENDLE_CLI_IO_HPP
#define FENDLE_CLI_IO_HPP

#include <cstddef>
#include <string_view>

// A buffered writer. The first failed write is kept in error() and every later
// write is dropped, so a caller may check once at a convenient point.
class out_stream {
 public:
  explicit out_stream(int fd) : fd_(fd) {}
  out_stream(const out_stream&) = delete;
  out_stream& operator=(const out_stream&) = delete;

  void put(char c) {
    if (len_ == sizeof buf_) flush();
    buf_[len_++] = c;
  }
  void put(std::string_view s);
  // Room for n bytes at the returned pointer, to be committed with commit(n).
  char* reserve(std::size_t n);
  void commit(std::size_t n) { len_ += n; }

  bool flush();
  int error() const { return error_; }
  int fd() const { return fd_; }

 private:
  void write_all(const char* p, std::size_t n);
  static constexpr std::size_t capacity = 1 << 18;
  int fd_;
  int error_ = 0;
  std::size_t len_ = 0;
  char buf_[capacity];
};

// A buffered reader. Before it waits for the next block it calls the given
// hook, so that everything already translated is out before the program blocks.
class in_stream {
 public:
  using before_wait = void (*)();
  in_stream(int fd, before_wait hook) : fd_(fd), hook_(hook) {}
  in_stream(const in_stream&) = delete;
  in_stream& operator=(const in_stream&) = delete;

  // The next byte as 0 to 255, or -1 at the end of the input or on an error.
  int get() { return pos_ < len_ ? static_cast<unsigned char>(buf_[pos_++]) : refill(); }
  // The rest of the current block, or the next block; empty at the end.
  std::string_view next_block();
  int error() const { return error_; }

 private:
  int refill();
  bool fill();
  static constexpr std::size_t capacity = 1 << 17;
  int fd_;
  before_wait hook_;
  int error_ = 0;
  std::size_t pos_ = 0, len_ = 0;
  char buf_[capacity];
};

// Whether two descriptors lead to the same file, pipe or terminal.
bool same_destination(int a, int b);

// Puts the descriptor in binary mode where the platform has a text mode.
void set_binary(int fd);

#endif
