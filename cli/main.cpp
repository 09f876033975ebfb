// fendle: turns text into fendle, or with /i fendle back into text.
#include <unistd.h>

#include <string_view>

#include "common/report.hpp"
#include "console.hpp"
#include "fendle/translate.hpp"
#include "options.hpp"
#include "texts.hpp"
#include "word_reader.hpp"

namespace {

class console_diagnostics final : public fendle::diagnostics {
 public:
  void non_letter(unsigned char c) override { report_error(non_letter_message, c); }
  void invalid_syllable(std::string_view s) override {
    report_error("%s%.*s%s", invalid_head, static_cast<int>(s.size()), s.data(), invalid_tail);
  }
};

char word_buffer[word_buffer_size];
char output_buffer[fendle::expanded_size(word_max)];

// Runs the words of standard input through expand, or contract under /i.
// A word longer than word_buffer arrives in pieces: forward, the pieces are
// joined by the hyphen between their letters; inverse, the syllable is
// invalid and is reported and written piece by piece.
void translate_input(in_stream& in) {
  console_diagnostics report;
  bool open = false;  // the last piece filled the buffer: the word may go on
  for (;;) {
    const int n = get_word(in, word_buffer, text_output());
    if (console_failed()) return;
    if (open && n <= 0 && inverse) end_long_report();
    if (n < 0) return;
    const std::string_view word(word_buffer, static_cast<std::size_t>(n));
    if (n == 0) {
      open = false;
      continue;
    }
    out_stream& out = text_output();
    if (!inverse) {
      if (open) out.put('-');
      out.put(std::string_view(output_buffer, fendle::expand(word, output_buffer, &report)));
    } else if (open || n == word_max) {
      if (!open) begin_long_report();
      long_report_piece(word);
      text_output().put(word);
      if (n < word_max) end_long_report();
    } else {
      out.put(std::string_view(output_buffer, fendle::contract(word, output_buffer, &report)));
    }
    open = n == word_max;
  }
}

int write_text(const char* text) {
  out_stream& out = text_output();
  out.put(text);
  out.put('\n');
  return close_console(0);
}

}  // namespace

int main(int argc, char** argv) {
  open_console();
  switch (read_options(argc, argv)) {
    case request::help:
      return write_text(help_text);
    case request::version:
      return write_text(version_text);
    case request::usage:
      report_error(usage_message, usage_line);
      return close_console(1);
    case request::translate:
      break;
  }
  in_stream in(STDIN_FILENO, flush_console);
  translate_input(in);
  if (in.error() != 0 && !console_failed()) {
    report_read_failure(in.error());
    close_console(2);
    return 2;
  }
  return close_console(0);
}
