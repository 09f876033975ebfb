// Letter classes and the syllable table.
#include "fendle/translate.hpp"

namespace fendle {

int is_vowel(int c) {
  switch (to_lower(static_cast<unsigned char>(c))) {
    case 'a':
    case 'e':
    case 'i':
    case 'o':
    case 'u': return 1;
    default: return 0;
  }
}

int is_irregular(int c) { return suffix_of(static_cast<unsigned char>(c)).empty() ? 0 : 1; }

std::string_view suffix_of(unsigned char c) {
  switch (to_lower(c)) {
    case 'h': return "ash";
    case 'j': return "udge";
    case 'q': return "uack";
    case 'w': return "ac";
    case 'y': return "ac";  // the same as w: "ac", not "ack"
    default: return {};
  }
}

}  // namespace fendle
