// The word-level translations: one word into fendle, one syllable back.
#include <cstring>

#include "fendle/translate.hpp"

namespace fendle {

std::size_t expand(std::string_view word, char* out, diagnostics* report) {
  if (word.empty()) return 0;
  char* p = out;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const auto c = static_cast<unsigned char>(word[i]);
    if (is_vowel(c)) {
      *p++ = static_cast<char>(c);
    } else if (is_irregular(c)) {
      *p++ = static_cast<char>(c);
      const std::string_view s = suffix_of(c);
      std::memcpy(p, s.data(), s.size());
      p += s.size();
    } else if (is_letter(c)) {
      *p++ = static_cast<char>(c);
      *p++ = 'u';
      *p++ = static_cast<char>(to_lower(c));
    } else if (report) {
      report->non_letter(c);
    }
    // The hyphen depends on the position alone, so a skipped byte keeps its hyphens.
    if (i + 1 < word.size()) *p++ = '-';
  }
  *p = '\0';
  return static_cast<std::size_t>(p - out);
}

bool is_syllable(std::string_view s) {
  if (s.empty()) return false;
  const auto c = static_cast<unsigned char>(s[0]);
  if (is_vowel(c)) return s.size() == 1;
  if (is_irregular(c)) {
    // Any irregular consonant takes any of the suffixes: "hudge" reads as h.
    const std::string_view rest = s.substr(1);
    return rest == "ash" || rest == "ac" || rest == "uack" || rest == "udge";
  }
  return s.size() == 3 && s[1] == 'u' && static_cast<unsigned char>(s[2]) == to_lower(c);
}

std::size_t contract(std::string_view syllable, char* out, diagnostics* report) {
  if (syllable.empty()) return 0;
  if (is_syllable(syllable)) {
    out[0] = syllable[0];
    out[1] = '\0';
    return 1;
  }
  if (report) report->invalid_syllable(syllable);
  std::memcpy(out, syllable.data(), syllable.size());
  out[syllable.size()] = '\0';
  return syllable.size();
}

}  // namespace fendle
