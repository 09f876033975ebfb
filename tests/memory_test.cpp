// Memory stays flat however long a word is: a 200 MB word in either direction,
// generated and checked as it streams, within 8 MiB of peak resident memory.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "by_hand.hpp"
#include "process.hpp"

#if defined(__SANITIZE_ADDRESS__)
#define FENDLE_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FENDLE_SANITIZED 1
#endif
#endif

namespace {

constexpr std::size_t word_size = 200u << 20;
const std::string letters = "TheQuickBrownFoxJumpsOverTheLazyDogWhyJinxHq";

// Produces a long text piece by piece from a generator of small pieces, and
// checks a stream against it as it arrives.
class text_stream {
 public:
  explicit text_stream(std::function<std::string(std::size_t)> piece, std::size_t pieces)
      : piece_(std::move(piece)), pieces_(pieces) {}
  // Up to `n` more bytes; empty at the end.
  std::string_view next(std::size_t n) {
    while (have_.size() - used_ < n && index_ < pieces_) {
      have_.erase(0, used_);
      used_ = 0;
      have_ += piece_(index_++);
    }
    const std::string_view v = std::string_view(have_).substr(used_, n);
    used_ += v.size();
    return v;
  }
  // Compares the next bytes; false at the first difference.
  bool matches(const char* data, std::size_t n) {
    while (n > 0) {
      const std::string_view want = next(n);
      if (want.empty() || want != std::string_view(data, want.size())) return false;
      data += want.size();
      n -= want.size();
    }
    return true;
  }
  bool done() { return next(1).empty(); }

 private:
  std::function<std::string(std::size_t)> piece_;
  std::size_t pieces_, index_ = 0, used_ = 0;
  std::string have_;
};

struct outcome {
  bool out_ok = true, err_ok = true;
  long max_rss_kib = 0;
  int status = -1;
};

outcome run_streaming(const std::vector<std::string>& args, text_stream& in, text_stream& out,
                      text_stream& err) {
  int pin[2], pout[2], perr[2];
  if (pipe(pin) != 0 || pipe(pout) != 0 || pipe(perr) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pin[0], 0);
    dup2(pout[1], 1);
    dup2(perr[1], 2);
    for (int fd : {pin[0], pin[1], pout[0], pout[1], perr[0], perr[1]}) close(fd);
    exec_fendle(args);
  }
  close(pin[0]);
  close(pout[1]);
  close(perr[1]);
  outcome o;
  text_stream* checks[2] = {&out, &err};
  bool* oks[2] = {&o.out_ok, &o.err_ok};
  pump(
      pin[1], pout[0], perr[0], [&] { return in.next(1 << 16); },
      [&](int which, std::string_view bytes) {
        if (*oks[which]) *oks[which] = checks[which]->matches(bytes.data(), bytes.size());
      });
  for (int i = 0; i < 2; ++i)
    if (*oks[i]) *oks[i] = checks[i]->done();
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  o.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  o.max_rss_kib = usage.ru_maxrss;
  return o;
}

// Runs fendle on a stream too long to hold, checking both outputs as they come,
// and its peak resident memory.
void expect_flat(const std::vector<std::string>& args, text_stream& in, text_stream& out,
                 text_stream& err) {
  constexpr long limit_kib = 8 * 1024;
  const outcome o = run_streaming(args, in, out, err);
  EXPECT_TRUE(o.out_ok) << o.status << " " << o.max_rss_kib;
  EXPECT_TRUE(o.err_ok);
  EXPECT_EQ(o.status, 0);
  EXPECT_LE(o.max_rss_kib, limit_kib);
}

TEST(Memory, TwoHundredMegabyteWordForward) {
#ifdef FENDLE_SANITIZED
  GTEST_SKIP() << "sanitizers change the memory a process takes";
#endif
  const std::size_t pieces = word_size / letters.size();
  text_stream in([](std::size_t) { return letters; }, pieces);
  text_stream out(
      [](std::size_t i) {
        std::string s;
        for (char c : letters) s += (i == 0 && s.empty() ? "" : "-") + by_hand::syllable(c);
        return s;
      },
      pieces);
  text_stream err([](std::size_t) { return std::string(); }, 0);
  expect_flat({}, in, out, err);
}

TEST(Memory, TwoHundredMegabyteSyllableInverse) {
#ifdef FENDLE_SANITIZED
  GTEST_SKIP() << "sanitizers change the memory a process takes";
#endif
  const std::size_t pieces = word_size / letters.size();
  text_stream in([](std::size_t) { return letters; }, pieces);
  text_stream out([](std::size_t) { return letters; }, pieces);
  text_stream err(
      [pieces](std::size_t i) {
        if (i == 0) return std::string("Fendle: error: syntax: word ");
        if (i == pieces + 1) return std::string(" is not valid fendle\n");
        return letters;
      },
      pieces + 2);
  expect_flat({"/i"}, in, out, err);
}

}  // namespace
