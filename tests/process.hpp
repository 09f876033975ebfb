// Runs the built fendle as a child process with given standard input.
#ifndef FENDLE_TESTS_PROCESS_HPP
#define FENDLE_TESTS_PROCESS_HPP

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct run_result {
  std::string out;  // standard output
  std::string err;  // standard error
  int status = -1;  // exit status, or -1 when killed
  int signal = 0;   // the signal that ended it, if any
};

enum class stdin_kind { data, directory, closed };
enum class stdout_kind { pipe, full, closed, broken_pipe, with_stderr };

struct run_options {
  std::vector<std::string> args;
  std::string input;
  stdin_kind in = stdin_kind::data;
  stdout_kind out = stdout_kind::pipe;
  bool ignore_sigpipe = false;
  const char* exe = nullptr;  // another build of the program; fendle_path() when null
};

// The path of the fendle under test, and of the build that runs word by word.
const char* fendle_path();
const char* fendle_words_path();

// Replaces this (child) process with fendle, or with `exe` when given.
[[noreturn]] void exec_fendle(const std::vector<std::string>& args, const char* exe = nullptr);

// Moves bytes between this process and a child until all three pipes are
// closed: what `next` gives (empty at the end) into `feed`, and what arrives on
// `out` and `err` to `take`, with 0 for out and 1 for err. Neither side can
// fill a pipe and wait forever. Closes the three descriptors.
void pump(int feed, int out, int err, const std::function<std::string_view()>& next,
          const std::function<void(int which, std::string_view bytes)>& take);

// Runs it to the end. With stdout_kind::with_stderr both streams share one
// pipe and everything lands in `out`.
run_result run_fendle(const run_options& options);

#endif

// A running fendle whose standard streams the test holds itself.
struct child {
  int pid = -1;
  int in = -1;   // its standard input, for writing
  int out = -1;  // its standard output (and error, for a terminal), for reading
};

// Starts fendle over pipes (stderr goes to the test's own) or over a new
// terminal, which then carries all three streams, with echo off.
child start_fendle(const std::vector<std::string>& args, bool terminal);

// Reads from `fd` until `expected` has arrived in full, or `seconds` pass
// without it; returns what arrived.
std::string read_until(int fd, const std::string& expected, int seconds);

// Closes the child's streams and returns its exit status.
int finish(child& c);
