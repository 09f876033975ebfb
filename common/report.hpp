// The program's one diagnostic writer.
#ifndef FENDLE_COMMON_REPORT_HPP
#define FENDLE_COMMON_REPORT_HPP

#include <cstddef>

// Writes "Fendle: error: " and then the formatted message; adds no line end.
// Returns the length of the formatted message.
int report_error(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Where diagnostics go: by default straight to standard error. The front end
// points this at its own buffered streams so diagnostics keep their place.
using report_sink = void (*)(const char* data, std::size_t size);
void set_report_sink(report_sink sink);

#endif
