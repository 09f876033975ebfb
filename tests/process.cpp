#include "process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

const char* fendle_path() {
  const char* path = std::getenv("FENDLE_EXE");
  return path != nullptr ? path : FENDLE_EXE;
}

const char* fendle_words_path() { return FENDLE_WORDS_EXE; }

namespace {

void check(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(what);
}

// Moves `fd` onto `target` in the child.
void place(int fd, int target) {
  if (fd != target) {
    dup2(fd, target);
    close(fd);
  }
}

}  // namespace

void pump(int feed, int out, int err, const std::function<std::string_view()>& next,
          const std::function<void(int which, std::string_view bytes)>& take) {
  signal(SIGPIPE, SIG_IGN);          // a child that stops reading must not end the test
  fcntl(feed, F_SETFL, O_NONBLOCK);  // POLLOUT promises room for a little, not for all
  int sources[2] = {out, err};
  std::string_view pending;
  while (feed >= 0 || sources[0] >= 0 || sources[1] >= 0) {
    pollfd fds[3];
    int n = 0;
    for (int s : sources)
      if (s >= 0) fds[n++] = {s, POLLIN, 0};
    if (feed >= 0) fds[n++] = {feed, POLLOUT, 0};
    if (poll(fds, static_cast<nfds_t>(n), -1) < 0) {
      check(errno == EINTR, "poll");
      continue;
    }
    for (int k = 0; k < n; ++k) {
      if (fds[k].revents == 0) continue;
      if (fds[k].fd == feed) {
        if (pending.empty()) pending = next();
        const ssize_t w = pending.empty() ? -1 : write(feed, pending.data(), pending.size());
        if (w > 0) pending.remove_prefix(static_cast<std::size_t>(w));
        if (w < 0 && (pending.empty() || errno != EAGAIN)) {
          close(feed);
          feed = -1;
        }
        continue;
      }
      const int which = fds[k].fd == sources[0] ? 0 : 1;
      char buf[1 << 16];
      const ssize_t got = read(sources[which], buf, sizeof buf);
      if (got > 0) {
        take(which, std::string_view(buf, static_cast<std::size_t>(got)));
      } else {
        close(sources[which]);
        sources[which] = -1;
      }
    }
  }
}

run_result run_fendle(const run_options& o) {
  int in[2], out[2], err[2];
  check(pipe(in) == 0 && pipe(out) == 0 && pipe(err) == 0, "pipe");
  const pid_t pid = fork();
  check(pid >= 0, "fork");
  if (pid == 0) {
    signal(SIGPIPE, o.ignore_sigpipe ? SIG_IGN : SIG_DFL);
    close(in[1]);
    close(out[0]);
    close(err[0]);
    switch (o.in) {
      case stdin_kind::data: place(in[0], 0); break;
      case stdin_kind::directory: place(open("/", O_RDONLY | O_DIRECTORY), 0); break;
      case stdin_kind::closed: close(0); break;
    }
    place(err[1], 2);
    switch (o.out) {
      case stdout_kind::pipe: place(out[1], 1); break;
      case stdout_kind::full: place(open("/dev/full", O_WRONLY), 1); break;
      case stdout_kind::closed: close(1); break;
      case stdout_kind::broken_pipe: {
        int p[2];
        if (pipe(p) != 0) _exit(126);
        close(p[0]);
        place(p[1], 1);
        break;
      }
      case stdout_kind::with_stderr:
        place(out[1], 1);
        dup2(1, 2);
        break;
    }
    exec_fendle(o.args, o.exe);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  run_result r;
  bool sent = false;
  pump(
      in[1], out[0], err[0],
      [&]() -> std::string_view {
        if (sent) return {};
        sent = true;
        return o.input;
      },
      [&](int which, std::string_view bytes) { (which == 0 ? r.out : r.err) += bytes; });
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) check(errno == EINTR, "waitpid");
  if (WIFEXITED(status)) r.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) r.signal = WTERMSIG(status);
  return r;
}

void exec_fendle(const std::vector<std::string>& args, const char* exe) {
  std::vector<std::string> copy = args;
  std::string name = "fendle";
  std::vector<char*> argv{name.data()};
  for (auto& a : copy) argv.push_back(a.data());
  argv.push_back(nullptr);
  execv(exe != nullptr ? exe : fendle_path(), argv.data());
  _exit(127);
}

child start_fendle(const std::vector<std::string>& args, bool terminal) {
  child c;
  if (terminal) {
    int master = -1, slave = -1;
    check(openpty(&master, &slave, nullptr, nullptr, nullptr) == 0, "openpty");
    termios t;
    tcgetattr(slave, &t);
    t.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(slave, TCSANOW, &t);
    c.pid = fork();
    check(c.pid >= 0, "fork");
    if (c.pid == 0) {
      close(master);
      setsid();
      dup2(slave, 0);
      dup2(slave, 1);
      dup2(slave, 2);
      if (slave > 2) close(slave);
      exec_fendle(args);
    }
    close(slave);
    c.in = master;
    c.out = master;
    return c;
  }
  int in[2], out[2];
  check(pipe(in) == 0 && pipe(out) == 0, "pipe");
  c.pid = fork();
  check(c.pid >= 0, "fork");
  if (c.pid == 0) {
    close(in[1]);
    close(out[0]);
    place(in[0], 0);
    place(out[1], 1);
    exec_fendle(args);
  }
  close(in[0]);
  close(out[1]);
  c.in = in[1];
  c.out = out[0];
  return c;
}

std::string read_until(int fd, const std::string& expected, int seconds) {
  std::string got;
  while (got.size() < expected.size()) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, seconds * 1000) <= 0) break;
    char buf[4096];
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n <= 0) break;
    got.append(buf, static_cast<std::size_t>(n));
  }
  return got;
}

int finish(child& c) {
  // A terminal stays open until the child is gone: it ends its input with ^D.
  if (c.out != c.in) close(c.in);
  int status = 0;
  while (waitpid(c.pid, &status, 0) < 0) check(errno == EINTR, "waitpid");
  close(c.out);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
