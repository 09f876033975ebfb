// Cuts the input into words, passing everything between them straight through.
#ifndef FENDLE_CLI_WORD_READER_HPP
#define FENDLE_CLI_WORD_READER_HPP

#include <cstddef>

#include "io.hpp"

// Room for a word: longer runs of letters come back in pieces of word_max.
inline constexpr std::size_t word_buffer_size = 2048;
inline constexpr int word_max = static_cast<int>(word_buffer_size) - 1;

// Set by /i: a hyphen right after a letter then separates two syllables and is dropped.
extern int inverse;

// Writes the delimiter that ended the previous word to `out`, then collects the
// next run of letters into `word`, NUL-terminated. Returns the number of letters
// (at least 1), 0 when a non-letter came first, or -1 at the end of the input.
// A result of word_max means the run may go on: the next call continues it.
int get_word(in_stream& in, char* word, out_stream& out);

// Forgets what the reader holds between calls, as at the start of a run.
void reset_word_reader();

#endif
