#include "report.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

// Failures to write standard error cannot be reported anywhere; they are ignored.
void write_stderr(const char* data, std::size_t size) {
  while (size > 0) {
#ifdef _WIN32
    const int n =
        write(STDERR_FILENO, data, static_cast<unsigned>(size < (1u << 30) ? size : 1u << 30));
#else
    const ssize_t n = write(STDERR_FILENO, data, size);
#endif
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
}

report_sink current_sink = write_stderr;

}  // namespace

void set_report_sink(report_sink sink) { current_sink = sink ? sink : write_stderr; }

int report_error(const char* format, ...) {
  static constexpr char prefix[] = "Fendle: error: ";
  char text[4096];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  if (n < 0) return n;
  current_sink(prefix, sizeof prefix - 1);
  if (static_cast<std::size_t>(n) < sizeof text) {
    current_sink(text, static_cast<std::size_t>(n));
    return n;
  }
  // Longer than the stack buffer: format again into one made to measure.
  char* big = static_cast<char*>(std::malloc(static_cast<std::size_t>(n) + 1));
  if (big == nullptr) {
    current_sink(text, sizeof text - 1);
    return n;
  }
  va_start(args, format);
  std::vsnprintf(big, static_cast<std::size_t>(n) + 1, format, args);
  va_end(args);
  current_sink(big, static_cast<std::size_t>(n));
  std::free(big);
  return n;
}
