// The main loop, in two forms that write the same bytes.
#ifndef FENDLE_CLI_LOOPS_HPP
#define FENDLE_CLI_LOOPS_HPP

#include "io.hpp"

// Word by word, as the rules read: get_word, then expand or contract.
void translate_words(in_stream& in);

// Block by block, through the streaming translators.
void translate_blocks(in_stream& in);

#endif
