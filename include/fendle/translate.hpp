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
  // An invalid syllable too long for a decoder to hold arrives in pieces
  // instead: begin, its bytes in order, end. The decoder writes the same bytes
  // to its output between begin and end.
  virtual void long_syllable_begin() {}
  virtual void long_syllable_piece(std::string_view /*piece*/) {}
  virtual void long_syllable_end() {}
};

// Where the streaming translators write: a window of room they fill and commit.
class sink {
 public:
  static constexpr std::size_t max_reserve = 64 * 1024;
  // At least n writable bytes, valid until the next call on this sink. The
  // translators never ask for more than max_reserve at once.
  virtual char* reserve(std::size_t n) = 0;
  virtual void commit(std::size_t n) = 0;

 protected:
  ~sink() = default;
};

// Text into fendle, for input that arrives in pieces of any size. The output
// for a text does not depend on how it was cut. Holds one bit of state.
class encoder {
 public:
  void feed(std::string_view text, sink& out);
  // The same, one byte at a time by the rules alone: the reference for `feed`.
  void feed_plain(std::string_view text, sink& out);
  void reset() { in_word_ = false; }

 private:
  bool in_word_ = false;  // the last byte fed was a letter
};

// Fendle into text, for input that arrives in pieces of any size. A syllable
// cut between two pieces is held until its end arrives; finish() ends the last.
class decoder {
 public:
  void feed(std::string_view fendle, sink& out, diagnostics& report);
  void feed_plain(std::string_view fendle, sink& out, diagnostics& report);
  void finish(sink& out, diagnostics& report);
  void reset() { held_size_ = 0, long_ = false; }

  // How much of a syllable cut between pieces is held before it is passed on in pieces.
  static constexpr std::size_t hold_capacity = 4096;

 private:
  void take_letters(std::string_view run, sink& out, diagnostics& report);
  void take_other(char c, sink& out, diagnostics& report);
  void end_syllable(sink& out, diagnostics& report);
  bool in_syllable() const { return held_size_ > 0 || long_; }

  char held_[hold_capacity];
  std::size_t held_size_ = 0;
  bool long_ = false;  // held_ overflowed: the syllable is being passed on in pieces
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
