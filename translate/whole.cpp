// Whole-text translation for programs that embed fendle.
#include <string>

#include "fendle/fendle.hpp"

namespace fendle {
namespace {

class string_sink final : public sink {
 public:
  explicit string_sink(std::string& s) : s_(s) {}
  char* reserve(std::size_t n) override {
    s_.resize(used_ + n);
    return s_.data() + used_;
  }
  void commit(std::size_t n) override {
    used_ += n;
    s_.resize(used_);
  }

 private:
  std::string& s_;
  std::size_t used_ = 0;
};

// Hands each invalid syllable over whole, however the decoder delivered it.
class handler_diagnostics final : public diagnostics {
 public:
  explicit handler_diagnostics(const syllable_handler& h) : handler_(h) {}
  void invalid_syllable(std::string_view s) override {
    if (handler_) handler_(s);
  }
  void long_syllable_begin() override { long_.clear(); }
  void long_syllable_piece(std::string_view piece) override {
    if (handler_) long_ += piece;
  }
  void long_syllable_end() override {
    if (handler_) handler_(long_);
    long_.clear();
  }

 private:
  const syllable_handler& handler_;
  std::string long_;
};

}  // namespace

std::string to_fendle(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  string_sink sink(out);
  encoder().feed(text, sink);
  return out;
}

std::string from_fendle(std::string_view fendle_text, const syllable_handler& on_invalid) {
  std::string out;
  out.reserve(fendle_text.size() / 2);
  string_sink sink(out);
  handler_diagnostics report(on_invalid);
  decoder d;
  d.feed(fendle_text, sink, report);
  d.finish(sink, report);
  return out;
}

}  // namespace fendle
