#include "console.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "common/report.hpp"
#include "texts.hpp"

namespace {

out_stream stdout_stream(STDOUT_FILENO);
out_stream stderr_stream(STDERR_FILENO);
out_stream* diagnostic_stream = &stderr_stream;
out_stream* text_stream = &stdout_stream;

// Holds the text of a long invalid syllable while its diagnostic is written.
// A failure to write it stops the program, since text would be lost; a failure
// to create it only costs the order, and is reported at the end.
out_stream* spool_stream = nullptr;
int spool_error = 0;
int spool_open_error = 0;

// A file that goes away when the program ends, or -1 with errno set.
#ifdef _WIN32
// The C runtime's tmpfile() writes to the root of the drive, which users may not write to.
int open_temporary() {
  wchar_t dir[MAX_PATH + 1], name[MAX_PATH + 1];
  if (GetTempPathW(MAX_PATH + 1, dir) == 0 || GetTempFileNameW(dir, L"fen", 0, name) == 0) {
    errno = EACCES;
    return -1;
  }
  return _wopen(name, _O_RDWR | _O_BINARY | _O_TRUNC | _O_TEMPORARY);
}
#else
int open_temporary() {
  std::FILE* f = std::tmpfile();  // kept open to the end: its descriptor is used
  return f != nullptr ? fileno(f) : -1;
}
#endif

void write_diagnostic(const char* data, std::size_t size) {
  diagnostic_stream->put(std::string_view(data, size));
}

// I/O failures bypass the buffers: the stream they concern may be the broken one.
void report_failure(const char* message, int error) {
  stderr_stream.flush();
  set_report_sink(nullptr);
  report_error(message, std::strerror(error));
}

bool open_spool() {
  if (spool_stream != nullptr) return true;
  const int fd = open_temporary();
  if (fd < 0) {
    spool_open_error = errno;
    return false;
  }
  static out_stream stream(fd);
  spool_stream = &stream;
  return true;
}

// Copies the held text to standard output and empties the temporary file.
void drain_spool() {
  const int fd = spool_stream->fd();
  if (!spool_stream->flush()) {
    spool_error = spool_stream->error();
    return;
  }
  if (lseek(fd, 0, SEEK_SET) != 0) {
    spool_error = errno;
    return;
  }
  char block[1 << 16];
  for (;;) {
    const ssize_t n = read(fd, block, sizeof block);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      spool_error = errno;
      return;
    }
    stdout_stream.put(std::string_view(block, static_cast<std::size_t>(n)));
  }
  if (lseek(fd, 0, SEEK_SET) != 0 || ftruncate(fd, 0) != 0) spool_error = errno;
}

}  // namespace

void open_console() {
  set_binary(STDIN_FILENO);
  set_binary(STDOUT_FILENO);
  set_binary(STDERR_FILENO);  // diagnostics read the same wherever they go
  if (same_destination(STDOUT_FILENO, STDERR_FILENO)) diagnostic_stream = &stdout_stream;
  set_report_sink(write_diagnostic);
}

out_stream& text_output() { return *text_stream; }

void flush_console() {
  stdout_stream.flush();
  stderr_stream.flush();
}

bool console_failed() {
  return stdout_stream.error() != 0 || spool_error != 0 ||
         (text_stream != &stdout_stream && text_stream->error() != 0);
}

void begin_long_report() {
  if (diagnostic_stream == &stdout_stream) {
    if (open_spool())
      text_stream = spool_stream;
    else
      diagnostic_stream = &stderr_stream;  // out of order, but nothing is lost
  }
  report_error("%s", invalid_head);
}

void long_report_piece(std::string_view piece) { diagnostic_stream->put(piece); }

void end_long_report() {
  diagnostic_stream->put(invalid_tail);
  if (spool_open_error != 0) diagnostic_stream = &stdout_stream;
  if (text_stream == spool_stream && spool_stream != nullptr) {
    text_stream = &stdout_stream;
    drain_spool();
  }
}

int close_console(int status) {
  if (spool_error == 0 && spool_stream != nullptr && spool_stream->error() != 0)
    spool_error = spool_stream->error();
  stdout_stream.flush();
  int error = stdout_stream.error();
  // A descriptor that was never open has nothing to lose: only a real close failure counts.
  if (error == 0 && close(STDOUT_FILENO) != 0 && errno != EBADF) error = errno;
  if (spool_error != 0 || spool_open_error != 0) {
    report_failure(spool_failure_message, spool_error != 0 ? spool_error : spool_open_error);
    status = 2;
  }
  if (error != 0) {
    report_failure(write_failure_message, error);
    status = 2;
  }
  stderr_stream.flush();
  return status;
}

void report_read_failure(int error) {
  stdout_stream.flush();
  if (stdout_stream.error() != 0) return;  // close_console reports that one instead
  report_failure(read_failure_message, error);
}
