// fendle: turns text into fendle, or with /i fendle back into text.
#include <unistd.h>

#include "common/report.hpp"
#include "console.hpp"
#include "loops.hpp"
#include "options.hpp"
#include "texts.hpp"
#include "word_reader.hpp"

namespace {

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
    case request::help: return write_text(help_text);
    case request::version: return write_text(version_text);
    case request::usage: report_error(usage_message, usage_line); return close_console(1);
    case request::translate: break;
  }
  in_stream in(STDIN_FILENO, flush_console);
#ifdef FENDLE_WORD_LOOP
  translate_words(in);
#else
  translate_blocks(in);
#endif
  if (in.error() != 0 && !console_failed()) {
    report_read_failure(in.error());
    close_console(2);
    return 2;
  }
  return close_console(0);
}
