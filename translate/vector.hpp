// The vector path of the decoder, where the processor has one.
#ifndef FENDLE_TRANSLATE_VECTOR_HPP
#define FENDLE_TRANSLATE_VECTOR_HPP

namespace fendle::detail {

// True when decode_blocks can run on this processor and is allowed to.
bool have_block_decoder();

// Turns the vector path off or back on, so that tests can reach the byte path.
void allow_block_decoder(bool allow);

// Decodes whole blocks of 64 bytes, starting where a new syllable or byte
// begins, as long as a block starts before `stop` and 136 bytes remain before
// `end`. Stops before a block in which a syllable is not fendle. Writes at
// `out`, up to the input taken plus 8 bytes, and moves it past what it wrote.
// Returns where the next syllable or byte begins.
const char* decode_blocks(const char* p, const char* stop, const char* end, char*& out);

}  // namespace fendle::detail

#endif
