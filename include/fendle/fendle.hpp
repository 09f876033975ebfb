// fendle for programs that embed it: text into fendle and back.
//
// In fendle every letter of a word becomes a syllable (Hello is
// Hash-e-lul-lul-o); everything that is not one of the 52 ASCII letters passes
// through unchanged. This header gives:
//   - to_fendle and from_fendle, whole texts at once, the same bytes the
//     fendle program writes for the same input;
//   - encoder and decoder (from translate.hpp), the streaming translators the
//     program itself uses, for input that arrives in pieces;
//   - expand, contract, is_vowel and is_irregular, the word-level routines.
// Nothing here prints or exits; invalid syllables go to the caller.
#ifndef FENDLE_FENDLE_HPP
#define FENDLE_FENDLE_HPP

#include <functional>
#include <string>
#include <string_view>

#include "fendle/translate.hpp"

#define FENDLE_VERSION_MAJOR 1
#define FENDLE_VERSION_MINOR 0
#define FENDLE_VERSION_STRING "1.0"

namespace fendle {

// The fendle of `text`, as `fendle` writes it.
std::string to_fendle(std::string_view text);

// Called with each syllable that is not fendle, whole, in the order met.
using syllable_handler = std::function<void(std::string_view syllable)>;

// The text that `fendle_text` is the fendle of, as `fendle /i` writes it. A
// syllable that is not fendle is kept unchanged and handed to `on_invalid`,
// when given. A hyphen right after a letter separates syllables and is dropped.
std::string from_fendle(std::string_view fendle_text, const syllable_handler& on_invalid = {});

}  // namespace fendle

#endif
