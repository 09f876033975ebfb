// Letter classes, the syllable table and the word-level translations of fendle.
//
// In fendle every letter of a word becomes a syllable: a vowel stays as it is,
// h j q w y become hash judge quack wac yac, and every other consonant c
// becomes c, "u", lower-case c. The syllables of a word are joined by hyphens.
// Nothing here prints, allocates or exits; problems go to a `diagnostics`.
#ifndef FENDLE_TRANSLATE_HPP
#define FENDLE_TRANSLATE_HPP

#include <cstddef>
#include <string_view>

namespace fendle {

// Receives the problems a translation meets. Every member has a silent default.
class diagnostics {
 public:
  virtual ~diagnostics() = default;
  // `expand` was handed a byte that is not a letter; it contributes nothing.
  virtual void non_letter(unsigned char /*c*/) {}
  // `contract` was handed a syllable that is not fendle; it is copied unchanged.
  virtual void invalid_syllable(std::string_view /*syllable*/) {}
};

// The 52 ASCII letters; every other byte, 128 to 255 included, is not one.
constexpr bool is_letter(unsigned char c) { return static_cast<unsigned>((c | 0x20) - 'a') < 26; }
constexpr unsigned char to_lower(unsigned char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c | 0x20) : c;
}

// 1 if the byte is a, e, i, o or u in either case, else 0.
int is_vowel(int c);
// 1 if the byte is h, j, q, w or y in either case, else 0.
int is_irregular(int c);
// What follows an irregular consonant in its syllable ("ash" for h); empty for other bytes.
std::string_view suffix_of(unsigned char c);

// The longest syllable ("judge", "quack"), and the room `expand` needs for a
// word of n letters: n syllables, n - 1 hyphens and the terminator.
inline constexpr std::size_t max_syllable = 5;
constexpr std::size_t expanded_size(std::size_t n) { return n * (max_syllable + 1) + 1; }

// Writes the fendle form of `word` to `out` (room: expanded_size(word.size())),
// NUL-terminated, and returns its length. A byte that is not a letter is
// reported and skipped, but still counts for the hyphens around it.
// The empty word gives 0 and writes nothing; so does the empty syllable below.
std::size_t expand(std::string_view word, char* out, diagnostics* report = nullptr);

// Turns one syllable into its letter, written to `out` NUL-terminated, and
// returns 1. A syllable that is not fendle is reported and copied to `out`
// unchanged (room: syllable.size() + 1); the result is then its length.
std::size_t contract(std::string_view syllable, char* out, diagnostics* report = nullptr);

// True when `syllable` is the fendle form of one letter (its first byte).
bool is_syllable(std::string_view syllable);

}  // namespace fendle

#endif
