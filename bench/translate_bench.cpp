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
const std::string& invalid_syllables() {
  static const std::string s = [] {
    std::string t;
    while (t.size() < (4u << 20)) t += "HASH-bUb-xx-ae-hack ";
    return t;
  }();
  return s;
}
const std::string& no_letters() {
  static const std::string s = [] {
    std::string t;
    while (t.size() < (4u << 20)) t += "0123456789 ,.;:!?-()[]\n\t\x80\xff";
    return t;
  }();
  return s;
}

// Feeds the input in blocks the size the program reads.
void encode(benchmark::State& state, const std::string& input) {
  null_sink out;
  for (auto _ : state) {
    fendle::encoder e;
    for (std::size_t at = 0; at < input.size(); at += 1 << 17)
      e.feed(std::string_view(input).substr(at, 1 << 17), out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}

void decode(benchmark::State& state, const std::string& input) {
  null_sink out;
  for (auto _ : state) {
    fendle::decoder d;
    for (std::size_t at = 0; at < input.size(); at += 1 << 17)
      d.feed(std::string_view(input).substr(at, 1 << 17), out, out);
    d.finish(out, out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}

void decode_plain(benchmark::State& state, const std::string& input) {
  null_sink out;
  for (auto _ : state) {
    fendle::decoder d;
    d.feed_plain(input, out, out);
    d.finish(out, out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}

void encode_plain(benchmark::State& state, const std::string& input) {
  null_sink out;
  for (auto _ : state) {
    fendle::encoder e;
    e.feed_plain(input, out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}

BENCHMARK_CAPTURE(encode, english, english());
BENCHMARK_CAPTURE(encode_plain, english, english());
BENCHMARK_CAPTURE(encode, fendle, english_fendle());
BENCHMARK_CAPTURE(encode, long_word, long_word());
BENCHMARK_CAPTURE(encode, no_letters, no_letters());
BENCHMARK_CAPTURE(decode, fendle, english_fendle());
BENCHMARK_CAPTURE(decode_plain, fendle, english_fendle());
BENCHMARK_CAPTURE(decode, english, english());
BENCHMARK_CAPTURE(decode, long_word, long_word());
BENCHMARK_CAPTURE(decode, invalid_syllables, invalid_syllables());
BENCHMARK_CAPTURE(decode, no_letters, no_letters());

}  // namespace

BENCHMARK_MAIN();
