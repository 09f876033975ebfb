// Throughput of the translation core, in bytes of input per second: forward and
// inverse on English text, and on inputs chosen to be hard.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fendle/fendle.hpp"

namespace {

// Takes everything and keeps only the count: the cost measured is the translation.
class null_sink final : public fendle::sink, public fendle::diagnostics {
 public:
  char* reserve(std::size_t n) override {
    if (buffer_.size() < n) buffer_.resize(n);
    return buffer_.data();
  }
  void commit(std::size_t n) override { written += n; }
  std::size_t written = 0;

 private:
  std::vector<char> buffer_;
};

// Real English: the licence texts Debian installs, or a paragraph when they are missing.
const std::string& english() {
  static const std::string text = [] {
    std::string s;
    for (const char* name : {"GPL-3", "LGPL-3", "Apache-2.0", "GFDL-1.3", "MPL-2.0", "Artistic"}) {
      std::ifstream f(std::string("/usr/share/common-licenses/") + name, std::ios::binary);
      s.append(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
    if (s.empty()) {
      s = "The quick brown fox jumps over the lazy dog. Why, you ask? Just because: it can.\n";
    }
    while (s.size() < (4u << 20)) s += s;
    return s;
  }();
  return text;
}

const std::string& english_fendle() {
  static const std::string s = fendle::to_fendle(english());
  return s;
}

// Hard inputs: one word without end, syllables that are all invalid, and no letters at all.
const std::string& long_word() {
  static const std::string s(4u << 20, 'q');
  return s;
}
// `piece` over and over, to 4 MiB.
std::string repeated(std::string_view piece) {
  std::string t;
  while (t.size() < (4u << 20)) t += piece;
  return t;
}
const std::string& invalid_syllables() {
  static const std::string s = repeated("HASH-bUb-xx-ae-hack ");
  return s;
}
const std::string& no_letters() {
  static const std::string s = repeated("0123456789 ,.;:!?-()[]\n\t\x80\xff");
  return s;
}

enum class way { forward, inverse };
enum class route { fast, plain };

// Feeds the input in blocks the size the program reads, through one path.
void translate(benchmark::State& state, const std::string& input, way w, route r) {
  null_sink out;
  constexpr std::size_t block = 1 << 17;
  for (auto _ : state) {
    fendle::encoder e;
    fendle::decoder d;
    for (std::size_t at = 0; at < input.size(); at += block) {
      const std::string_view piece = std::string_view(input).substr(at, block);
      if (w == way::forward && r == route::fast) e.feed(piece, out);
      if (w == way::forward && r == route::plain) e.feed_plain(piece, out);
      if (w == way::inverse && r == route::fast) d.feed(piece, out, out);
      if (w == way::inverse && r == route::plain) d.feed_plain(piece, out, out);
    }
    if (w == way::inverse) d.finish(out, out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}

BENCHMARK_CAPTURE(translate, forward_english, english(), way::forward, route::fast);
BENCHMARK_CAPTURE(translate, forward_english_plain, english(), way::forward, route::plain);
BENCHMARK_CAPTURE(translate, forward_fendle, english_fendle(), way::forward, route::fast);
BENCHMARK_CAPTURE(translate, forward_long_word, long_word(), way::forward, route::fast);
BENCHMARK_CAPTURE(translate, forward_no_letters, no_letters(), way::forward, route::fast);
BENCHMARK_CAPTURE(translate, inverse_fendle, english_fendle(), way::inverse, route::fast);
BENCHMARK_CAPTURE(translate, inverse_fendle_plain, english_fendle(), way::inverse, route::plain);
BENCHMARK_CAPTURE(translate, inverse_english, english(), way::inverse, route::fast);
BENCHMARK_CAPTURE(translate, inverse_long_word, long_word(), way::inverse, route::fast);
BENCHMARK_CAPTURE(translate, inverse_invalid_syllables, invalid_syllables(), way::inverse,
                  route::fast);
BENCHMARK_CAPTURE(translate, inverse_no_letters, no_letters(), way::inverse, route::fast);

}  // namespace

BENCHMARK_MAIN();
