// Standard output and standard error of the program, and the order between them.
//
// When both lead to the same file, pipe or terminal, diagnostics go into the
// output's own buffer, so each lands just before the text it concerns. Otherwise
// each stream is buffered on its own.
#ifndef FENDLE_CLI_CONSOLE_HPP
#define FENDLE_CLI_CONSOLE_HPP

#include <string_view>

#include "io.hpp"

void open_console();

// Where translated text goes now: standard output, or a temporary file while a
// syllable too long to hold is reported (see begin_long_report).
out_stream& text_output();

// Everything written so far goes out: called before the program waits for input.
void flush_console();

// True once standard output (or the temporary file) has failed: stop translating.
bool console_failed();

// An invalid syllable too long to hold, reported as it streams past: its bytes
// go to the diagnostic with long_report_piece and to text_output() as usual.
// With a shared destination its text is held in a temporary file until the
// diagnostic is complete, so the diagnostic still comes first.
void begin_long_report();
void long_report_piece(std::string_view piece);
void end_long_report();

// Flushes and closes standard output; reports a failure. Returns `status`, or 2
// when standard output failed at any point.
int close_console(int status);

// Reports a failure to read standard input after flushing what was translated.
void report_read_failure(int error);

#endif
