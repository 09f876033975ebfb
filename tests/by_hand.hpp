// The fendle of letters and words, from a table written out by hand: what the
// tests hold the program against, kept apart from the code under test.
#ifndef FENDLE_TESTS_BY_HAND_HPP
#define FENDLE_TESTS_BY_HAND_HPP

#include <string>

namespace by_hand {

// The syllable of every lower-case letter.
inline const char* const syllables[26] = {
    "a",   "bub", "cuc", "dud",   "e",   "fuf", "gug", "hash", "i",   "judge", "kuk", "lul", "mum",
    "nun", "o",   "pup", "quack", "rur", "sus", "tut", "u",    "vuv", "wac",   "xux", "yac", "zuz"};

inline bool is_letter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The syllable of a letter; the letter keeps its case, the rest is lower case.
inline std::string syllable(char c) {
  std::string s = syllables[(c | 0x20) - 'a'];
  s[0] = c;
  return s;
}

// The fendle of a word of letters: its syllables joined by hyphens.
inline std::string fendle_of(const std::string& word) {
  std::string out;
  for (char c : word) {
    if (!out.empty()) out += '-';
    out += syllable(c);
  }
  return out;
}

}  // namespace by_hand

#endif
