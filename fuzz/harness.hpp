// Translating through either path, in pieces: shared by the fuzz targets and the tests.
#ifndef FENDLE_FUZZ_HARNESS_HPP
#define FENDLE_FUZZ_HARNESS_HPP

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fendle/translate.hpp"

namespace fuzz {

// Output and diagnostics together in the order the front end writes them to a
// shared stream (the text of a long syllable after its complete diagnostic),
// and the output alone. Breaking the sink's rules aborts.
class recorder final : public fendle::sink, public fendle::diagnostics {
 public:
  std::string both, text;

  char* reserve(std::size_t n) override {
    if (n > fendle::sink::max_reserve) std::abort();
    scratch_.resize(n);
    open_ = true;
    return scratch_.data();
  }
  void commit(std::size_t n) override {
    if (!open_ || n > scratch_.size()) std::abort();
    open_ = false;
    (long_ ? spool_ : both).append(scratch_, 0, n);
    text.append(scratch_, 0, n);
  }
  void invalid_syllable(std::string_view s) override {
    note("<");
    both += s;
    both += '>';
  }
  void long_syllable_begin() override {
    note("<");
    long_ = true;
  }
  void long_syllable_piece(std::string_view s) override { both += s; }
  void long_syllable_end() override {
    both += '>';
    both += spool_;
    spool_.clear();
    long_ = false;
  }
  std::size_t reports = 0;

 private:
  void note(const char* s) {
    if (open_) std::abort();  // a diagnostic inside a window of output
    ++reports;
    both += s;
  }
  bool open_ = false, long_ = false;
  std::string scratch_, spool_;
};

enum class path { plain, fast };

// Translates `input` in the pieces that `cuts` (ascending offsets) make.
inline recorder translate(std::string_view input, bool inverse, path how,
                          const std::vector<std::size_t>& cuts = {}) {
  recorder r;
  fendle::encoder enc;
  fendle::decoder dec;
  std::size_t from = 0;
  auto feed = [&](std::size_t to) {
    const std::string_view piece = input.substr(from, to - from);
    if (inverse && how == path::fast) dec.feed(piece, r, r);
    if (inverse && how == path::plain) dec.feed_plain(piece, r, r);
    if (!inverse && how == path::fast) enc.feed(piece, r);
    if (!inverse && how == path::plain) enc.feed_plain(piece, r);
    from = to;
  };
  for (std::size_t cut : cuts) feed(cut);
  feed(input.size());
  if (inverse) dec.finish(r, r);
  return r;
}

// Cut points drawn from `seed`, from single bytes to whole kilobytes.
inline std::vector<std::size_t> cuts_from(std::uint32_t seed, std::size_t size) {
  std::vector<std::size_t> cuts;
  std::uint32_t x = seed | 1;
  for (std::size_t at = 0;;) {
    x ^= x << 13, x ^= x >> 17, x ^= x << 5;
    at += 1 + x % (x & 0x100 ? 4096 : 16);
    if (at >= size) return cuts;
    cuts.push_back(at);
  }
}

inline void require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace fuzz

#endif
