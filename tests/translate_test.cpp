// The letter classes, the syllable table, expand and contract.
#include "fendle/translate.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "by_hand.hpp"

namespace {

// Records what the routines report, in order.
struct recorder : fendle::diagnostics {
  std::vector<std::string> seen;
  void non_letter(unsigned char c) override {
    seen.push_back("non-letter " + std::string(1, static_cast<char>(c)));
  }
  void invalid_syllable(std::string_view s) override {
    seen.push_back("invalid " + std::string(s));
  }
};

std::string expand(std::string_view word, recorder* r = nullptr) {
  std::string out(fendle::expanded_size(word.size()), '\x7f');
  const std::size_t n = fendle::expand(word, out.data(), r);
  if (!word.empty()) EXPECT_EQ(out[n], '\0');
  return out.substr(0, n);
}

std::string contract(std::string_view syllable, recorder* r = nullptr) {
  std::string out(syllable.size() + 1, '\x7f');
  const std::size_t n = fendle::contract(syllable, out.data(), r);
  if (!syllable.empty()) EXPECT_EQ(out[n], '\0');
  return out.substr(0, n);
}

TEST(Letters, ClassesOfAllBytes) {
  const std::string vowels = "aeiouAEIOU", irregular = "hjqwyHJQWY";
  for (int c = 0; c < 256; ++c) {
    const auto b = static_cast<unsigned char>(c);
    SCOPED_TRACE(c);
    EXPECT_EQ(fendle::is_letter(b), std::isalpha(c) != 0);  // the "C" locale
    EXPECT_EQ(fendle::to_lower(b), static_cast<unsigned char>(std::tolower(c)));
    const bool in_vowels = c != 0 && vowels.find(static_cast<char>(c)) != std::string::npos;
    const bool in_irregular = c != 0 && irregular.find(static_cast<char>(c)) != std::string::npos;
    EXPECT_EQ(fendle::is_vowel(c), in_vowels ? 1 : 0);
    EXPECT_EQ(fendle::is_irregular(c), in_irregular ? 1 : 0);
  }
}

TEST(Letters, SyllableOfEveryLetter) {
  for (int i = 0; i < 26; ++i) {
    std::string lower = by_hand::syllables[i], upper = lower;
    upper[0] = static_cast<char>('A' + i);
    EXPECT_EQ(expand(std::string(1, static_cast<char>('a' + i))), lower);
    EXPECT_EQ(expand(std::string(1, static_cast<char>('A' + i))), upper);
    EXPECT_EQ(contract(lower), std::string(1, static_cast<char>('a' + i)));
    EXPECT_EQ(contract(upper), std::string(1, static_cast<char>('A' + i)));
  }
}

TEST(Expand, Words) {
  const std::pair<const char*, const char*> cases[] = {
      {"Hello", "Hash-e-lul-lul-o"},  {"Quick", "Quack-u-i-cuc-kuk"},
      {"QUICK", "Quack-U-I-Cuc-Kuk"}, {"Jay", "Judge-a-yac"},
      {"Wow", "Wac-o-wac"},           {"Box", "Bub-o-xux"},
      {"aeiou", "a-e-i-o-u"},         {"I", "I"},
      {"yYwW", "yac-Yac-wac-Wac"},    {"", ""},
  };
  for (const auto& [word, fendle] : cases) EXPECT_EQ(expand(word), fendle) << word;
}

TEST(Expand, NonLettersKeepTheirHyphens) {
  const struct {
    const char* word;
    const char* fendle;
    std::vector<std::string> reports;
  } cases[] = {
      {"a!b", "a--bub", {"non-letter !"}},
      {"!!", "-", {"non-letter !", "non-letter !"}},
      {"!", "", {"non-letter !"}},
      {"7a", "-a", {"non-letter 7"}},
  };
  for (const auto& c : cases) {
    recorder r;
    EXPECT_EQ(expand(c.word, &r), c.fendle) << c.word;
    EXPECT_EQ(r.seen, c.reports) << c.word;
  }
}

TEST(Contract, ValidSyllables) {
  const std::pair<const char*, const char*> cases[] = {
      {"a", "a"},   {"E", "E"},     {"u", "u"},    {"Hash", "H"},  {"hac", "h"},
      {"qac", "q"}, {"hudge", "h"}, {"jash", "j"}, {"yuack", "y"}, {"wash", "w"},
      {"xux", "x"}, {"zuz", "z"},   {"Xux", "X"},  {"1u1", "1"},
  };
  for (const auto& [syllable, letter] : cases) {
    recorder r;
    EXPECT_EQ(contract(syllable, &r), letter) << syllable;
    EXPECT_TRUE(r.seen.empty()) << syllable;
  }
}

TEST(Contract, InvalidSyllablesAreReportedAndCopied) {
  for (const char* s : {"ae", "h", "b", "HASH", "HAsh", "buc", "bubb", "BuB", "BUB", "bUb",
                        "hashelullulo", "hack", "y", "wa"}) {
    recorder r;
    EXPECT_EQ(contract(s, &r), s);
    EXPECT_EQ(r.seen, std::vector<std::string>{"invalid " + std::string(s)});
  }
}

TEST(Contract, EmptySyllableWritesNothing) {
  char out[2] = {'x', 'y'};
  EXPECT_EQ(fendle::contract("", out), 0u);
  EXPECT_EQ(fendle::expand("", out), 0u);
  EXPECT_EQ(out[0], 'x');
}

TEST(Contract, UndoesExpandLetterByLetter) {
  std::string word;
  for (int c = 'A'; c <= 'Z'; ++c) word += {static_cast<char>(c), static_cast<char>(c | 0x20)};
  const std::string fendle = expand(word);
  std::string back;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= fendle.size(); ++i) {
    if (i < fendle.size() && fendle[i] != '-') continue;
    back += contract(std::string_view(fendle).substr(start, i - start));
    start = i + 1;
  }
  EXPECT_EQ(back, word);
  EXPECT_EQ(std::count(fendle.begin(), fendle.end(), '-'), 51);
}

}  // namespace
