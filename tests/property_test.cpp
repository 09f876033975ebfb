// Properties that make fendle safe to rely on: every byte value has its
// translation, lines translate on their own, and no cut changes the output.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "by_hand.hpp"
#include "fuzz/harness.hpp"
#include "process.hpp"

namespace {

using fuzz::path;
using fuzz::translate;

using by_hand::is_letter;
using by_hand::syllable;

TEST(Properties, EveryByteValueBothWays) {
  for (int value = 0; value < 256; ++value) {
    const auto c = static_cast<unsigned char>(value);
    const std::string byte(1, static_cast<char>(c));
    const std::string forward = is_letter(c) ? syllable(static_cast<char>(c)) : byte;
    const bool valid_alone =
        !is_letter(c) || syllable(static_cast<char>(c)) == byte;  // vowels are their own syllable
    for (path how : {path::plain, path::fast}) {
      EXPECT_EQ(translate(byte, false, how).both, forward) << value;
      EXPECT_EQ(translate(byte, true, how).both, valid_alone ? byte : "<" + byte + ">" + byte)
          << value;
      // And back again, inside a line, for every byte but a hyphen after a letter.
      EXPECT_EQ(translate(translate(" " + byte + "\n", false, how).text, true, how).both,
                " " + byte + "\n")
          << value;
    }
  }
}

TEST(Properties, EveryByteValueThroughTheProgram) {
  std::string input, forward, inverse, inverse_err;
  for (int value = 0; value < 256; ++value) {
    const auto c = static_cast<unsigned char>(value);
    const std::string byte(1, static_cast<char>(c));
    input += byte + "\n";
    forward += (is_letter(c) ? syllable(static_cast<char>(c)) : byte) + "\n";
    inverse += byte + "\n";
    if (is_letter(c) && syllable(static_cast<char>(c)) != byte)
      inverse_err += "Fendle: error: syntax: word " + byte + " is not valid fendle\n";
  }
  run_result r = run_fendle({{}, input});
  EXPECT_EQ(r.out, forward);
  EXPECT_EQ(r.err, "");
  r = run_fendle({{"/i"}, input});
  EXPECT_EQ(r.out, inverse);
  EXPECT_EQ(r.err, inverse_err);
  r = run_fendle({{"/i"}, forward});
  EXPECT_EQ(r.out, input);
  EXPECT_EQ(r.err, "");
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n') continue;
    lines.push_back(text.substr(start, i + 1 - start));
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::vector<std::string> samples() {
  std::mt19937 rng(5);
  std::vector<std::string> v;
  const std::string alphabets[] = {"The quick, brown fox\n", "hash-e bub- -x\nHASHqwy",
                                   std::string("ab\n\0\xff-", 7)};
  for (const std::string& alphabet : alphabets) {
    for (int i = 0; i < 20; ++i) {
      std::string s(rng() % 400, ' ');
      for (char& c : s) c = alphabet[rng() % alphabet.size()];
      v.push_back(s);
      v.push_back(translate(s, false, path::plain).text);
    }
  }
  return v;
}

// What makes splitting at line ends sound, across processes or machines.
TEST(Properties, LineByLineEqualsWhole) {
  for (const std::string& text : samples()) {
    for (bool inverse : {false, true}) {
      for (path how : {path::plain, path::fast}) {
        std::string joined;
        for (const std::string& line : lines_of(text)) joined += translate(line, inverse, how).both;
        EXPECT_EQ(joined, translate(text, inverse, how).both);
      }
    }
  }
}

TEST(Properties, LineByLineThroughTheProgram) {
  const std::string text = "Hi, you!\nwell-known\nHASH-i xx\n\nJay-\n-Wow\nbub";
  for (const char* mode : {"", "/i"}) {
    std::string out, err;
    for (const std::string& line : lines_of(text)) {
      const run_result r = run_fendle({{mode}, line});
      out += r.out;
      err += r.err;
    }
    const run_result whole = run_fendle({{mode}, text});
    EXPECT_EQ(out, whole.out) << mode;
    EXPECT_EQ(err, whole.err) << mode;
  }
}

// Every pair of cuts in short inputs, both paths, both ways.
TEST(Properties, NoTwoCutsChangeTheOutput) {
  const std::string inputs[] = {"Hash-i, yac-o-u!\n", "hash--e HASH bub-",
                                std::string("a-b c\0d-", 8), "QUICK jump"};
  for (const std::string& input : inputs) {
    for (bool inverse : {false, true}) {
      const std::string expected = translate(input, inverse, path::plain).both;
      for (std::size_t i = 0; i <= input.size(); ++i) {
        for (std::size_t j = i; j <= input.size(); ++j) {
          for (path how : {path::plain, path::fast})
            EXPECT_EQ(translate(input, inverse, how, {i, j}).both, expected)
                << input << " " << i << " " << j;
        }
      }
    }
  }
}

}  // namespace
