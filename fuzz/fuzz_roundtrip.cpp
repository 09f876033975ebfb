// Text in which no hyphen follows a letter comes back unchanged from fendle,
// with nothing reported; and each word comes back from contract applied to
// the syllables of expand.
#include <cstdint>
#include <string>

#include "harness.hpp"

namespace {

void check_words(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (!fendle::is_letter(static_cast<unsigned char>(text[i]))) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < text.size() && fendle::is_letter(static_cast<unsigned char>(text[j]))) ++j;
    const std::string word = text.substr(i, j - i);
    std::string expanded(fendle::expanded_size(word.size()), '\0');
    expanded.resize(fendle::expand(word, expanded.data()));
    std::string back;
    std::size_t start = 0, syllables = 0;
    for (std::size_t k = 0; k <= expanded.size(); ++k) {
      if (k < expanded.size() && expanded[k] != '-') continue;
      char letter[fendle::max_syllable + 2];
      const std::string_view syllable(expanded.data() + start, k - start);
      fuzz::require(fendle::contract(syllable, letter) == 1);
      back += letter[0];
      ++syllables;
      start = k + 1;
    }
    fuzz::require(back == word && syllables == word.size());
    i = j;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  // A hyphen right after a letter cannot be told from a separator: make it a blank.
  for (std::size_t i = 1; i < text.size(); ++i)
    if (text[i] == '-' && fendle::is_letter(static_cast<unsigned char>(text[i - 1]))) text[i] = ' ';
  const std::uint32_t seed = size > 0 ? data[0] * 2654435761u : 1;
  const fuzz::recorder there =
      fuzz::translate(text, false, fuzz::path::fast, fuzz::cuts_from(seed, text.size()));
  const fuzz::recorder back = fuzz::translate(there.text, true, fuzz::path::fast,
                                              fuzz::cuts_from(seed + 1, there.text.size()));
  fuzz::require(back.text == text);
  fuzz::require(back.reports == 0);
  check_words(text);
  return 0;
}
