#include "loops.hpp"

#include <string_view>

#include "common/report.hpp"
#include "console.hpp"
#include "fendle/translate.hpp"
#include "texts.hpp"
#include "word_reader.hpp"

namespace {

class console_diagnostics final : public fendle::diagnostics {
 public:
  void non_letter(unsigned char c) override { report_error(non_letter_message, c); }
  void invalid_syllable(std::string_view s) override {
    report_error("%s%.*s%s", invalid_head, static_cast<int>(s.size()), s.data(), invalid_tail);
  }
  void long_syllable_begin() override { begin_long_report(); }
  void long_syllable_piece(std::string_view piece) override { long_report_piece(piece); }
  void long_syllable_end() override { end_long_report(); }
};

class console_sink final : public fendle::sink {
 public:
  char* reserve(std::size_t n) override { return text_output().reserve(n); }
  void commit(std::size_t n) override { text_output().commit(n); }
};

char word_buffer[word_buffer_size];
char output_buffer[fendle::expanded_size(word_max)];

}  // namespace

// A word longer than word_buffer arrives in pieces: forward, the pieces are
// joined by the hyphen between their letters; inverse, the syllable is
// invalid and is reported and written piece by piece.
void translate_words(in_stream& in) {
  console_diagnostics report;
  bool open = false;  // the last piece filled the buffer: the word may go on
  for (;;) {
    const int n = get_word(in, word_buffer, text_output());
    if (console_failed()) return;
    if (open && n <= 0 && inverse) report.long_syllable_end();
    if (n < 0) return;
    const std::string_view word(word_buffer, static_cast<std::size_t>(n));
    if (n == 0) {
      open = false;
      continue;
    }
    if (!inverse) {
      if (open) text_output().put('-');
      text_output().put(
          std::string_view(output_buffer, fendle::expand(word, output_buffer, &report)));
    } else if (open || n == word_max) {
      if (!open) report.long_syllable_begin();
      report.long_syllable_piece(word);
      text_output().put(word);
      if (n < word_max) report.long_syllable_end();
    } else {
      text_output().put(
          std::string_view(output_buffer, fendle::contract(word, output_buffer, &report)));
    }
    open = n == word_max;
  }
}

void translate_blocks(in_stream& in) {
  console_diagnostics report;
  console_sink out;
  fendle::encoder encoder;
  fendle::decoder decoder;
  for (;;) {
    const std::string_view block = in.next_block();
    if (block.empty()) break;
    if (inverse)
      decoder.feed(block, out, report);
    else
      encoder.feed(block, out);
    if (console_failed()) return;
  }
  if (inverse) decoder.finish(out, report);
}
