#include "word_reader.hpp"

#include "fendle/translate.hpp"

int inverse = 0;

namespace {

// The delimiter read but not yet written. Every byte is a delimiter that can be
// pending, NUL included, so "nothing" is a value no byte can take.
constexpr int nothing_pending = -1;
int pending_char = nothing_pending;

// True when the last call filled the buffer: the next byte may go on with the same word.
bool word_open = false;

}  // namespace

void reset_word_reader() {
  pending_char = nothing_pending;
  word_open = false;
}

int get_word(in_stream& in, char* word, out_stream& out) {
  if (pending_char != nothing_pending) {
    out.put(static_cast<char>(pending_char));
    pending_char = nothing_pending;
  }
  const bool continues = word_open;
  word_open = false;
  int i = 0;
  for (;;) {
    const int c = in.get();
    if (c < 0) {
      word[i] = '\0';
      return i > 0 ? i : -1;
    }
    if (fendle::is_letter(static_cast<unsigned char>(c))) {
      word[i++] = static_cast<char>(c);
      if (i == word_max) {
        word[i] = '\0';
        word_open = true;
        return i;
      }
      continue;
    }
    // In fendle text a hyphen right after a letter joins two syllables.
    if (!(c == '-' && inverse && (i > 0 || continues))) pending_char = c;
    word[i] = '\0';
    return i;
  }
}
