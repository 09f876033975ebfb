// The streaming translators: the fast path gives the plain path's bytes, and
// neither depends on where the input is cut.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "fendle/translate.hpp"
#include "fuzz/harness.hpp"
#include "translate/vector.hpp"

namespace {

using fuzz::path;
using fuzz::recorder;
using fuzz::translate;

// Equal strings, or where they first differ: inputs here are too long to print.
::testing::AssertionResult same(const std::string& a, const std::string& b) {
  if (a == b) return ::testing::AssertionSuccess();
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  return ::testing::AssertionFailure()
         << "sizes " << a.size() << " and " << b.size() << ", first difference at " << i << ": ..."
         << a.substr(i > 20 ? i - 20 : 0, 40) << "... against ..."
         << b.substr(i > 20 ? i - 20 : 0, 40) << "...";
}

std::string head(const std::string& s) { return s.substr(0, 60); }

// The fast decoder has a vector path where the processor allows and a byte
// path for the rest; every test runs once with each.
class Stream : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { fendle::detail::allow_block_decoder(GetParam()); }
  void TearDown() override { fendle::detail::allow_block_decoder(true); }
};

INSTANTIATE_TEST_SUITE_P(VectorPath, Stream, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "allowed" : "off"; });

std::string random_text(std::mt19937& rng, std::size_t n, std::string_view alphabet) {
  std::string s(n, ' ');
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  for (char& c : s) c = alphabet[pick(rng)];
  return s;
}

std::string all_bytes() {
  std::string s;
  for (int c = 0; c < 256; ++c) s += static_cast<char>(c);
  return s;
}

// Inputs that reach every branch: both forms of each syllable, hyphens in
// every position, runs around the decoder's hold, and noise.
std::vector<std::string> inputs() {
  std::vector<std::string> v = {
      "",
      "a",
      "-",
      "--",
      "a-",
      "-a",
      "Hi, you!\n",
      "Hash-i, yac-o-u!\n",
      "hash--e -hash hash-",
      "well-known",
      "HASH HAsh BuB bUb bubb buc ae h b y wa hudge-jash-yuack-wash-hac-qac",
      "xux-zuz-Xux-1u1",
      "hashelullulo",
      std::string("a\0b-\0-bub\0", 10),
      all_bytes(),
      "Judge-a-yac Wac-o-wac Bub-o-xux a-e-i-o-u I\r\n",
  };
  for (std::size_t n : {fendle::decoder::hold_capacity - 1, fendle::decoder::hold_capacity,
                        fendle::decoder::hold_capacity + 1, 3 * fendle::decoder::hold_capacity}) {
    v.push_back(std::string(n, 'b'));
    v.push_back("bub-" + std::string(n, 'q') + "-e " + std::string(n, 'z'));
  }
  std::mt19937 rng(7);
  fendle::encoder enc;
  for (int i = 0; i < 40; ++i) {
    v.push_back(random_text(rng, 1 + rng() % 300, all_bytes()));
    v.push_back(random_text(rng, 1 + rng() % 300, "abhjqwyuBHY- \n-"));
    std::string text = random_text(rng, 1 + rng() % 300, "The quick brown fox, jumps!\n");
    recorder r;
    enc.reset();
    enc.feed_plain(text, r);
    v.push_back(r.text);
    if (!r.text.empty()) r.text[rng() % r.text.size()] = "xuA-\0 "[rng() % 6];
    v.push_back(r.text);
  }
  return v;
}

TEST_P(Stream, FastPathGivesThePlainBytesWhole) {
  for (const std::string& input : inputs()) {
    for (bool inverse : {false, true}) {
      const recorder plain = translate(input, inverse, path::plain);
      const recorder fast = translate(input, inverse, path::fast);
      EXPECT_TRUE(same(fast.both, plain.both)) << inverse << " " << head(input);
    }
  }
}

TEST_P(Stream, EveryCutGivesTheSameBytes) {
  for (const std::string& input : inputs()) {
    if (input.size() > 300) continue;
    for (bool inverse : {false, true}) {
      const std::string expected = translate(input, inverse, path::plain).both;
      for (std::size_t cut = 0; cut <= input.size(); ++cut) {
        for (path how : {path::plain, path::fast}) {
          EXPECT_TRUE(same(translate(input, inverse, how, {cut}).both, expected))
              << inverse << " cut at " << cut << " of " << head(input);
        }
      }
    }
  }
}

TEST_P(Stream, ByteByByteAndRandomPieces) {
  std::mt19937 rng(11);
  for (const std::string& input : inputs()) {
    for (bool inverse : {false, true}) {
      const std::string expected = translate(input, inverse, path::plain).both;
      std::vector<std::size_t> each, random;
      for (std::size_t i = 1; i < input.size(); ++i) each.push_back(i);
      for (std::size_t at = 0; at < input.size(); at += 1 + rng() % 40) random.push_back(at);
      EXPECT_TRUE(same(translate(input, inverse, path::fast, each).both, expected)) << head(input);
      EXPECT_TRUE(same(translate(input, inverse, path::fast, random).both, expected))
          << head(input);
    }
  }
}

TEST_P(Stream, LongSyllableIsReportedWholeAcrossPieces) {
  const std::string s(3 * fendle::decoder::hold_capacity + 5, 'b');
  std::vector<std::size_t> cuts;
  for (std::size_t at = 1000; at < s.size(); at += 1000) cuts.push_back(at);
  for (path how : {path::plain, path::fast}) {
    const recorder r = translate(s + "-a", true, how, cuts);
    EXPECT_TRUE(same(r.both, "<" + s + ">" + s + "a"));
    EXPECT_TRUE(same(r.text, s + "a"));
  }
}

TEST_P(Stream, ForwardOfEnglishReadsBack) {
  const std::string text = "The quick brown fox jumps over the lazy dog; why, Jinx? Hq!\n";
  const recorder there = translate(text, false, path::fast);
  EXPECT_EQ(there.text.substr(0, 17), "Tut-hash-e quack-");
  EXPECT_EQ(translate(there.text, true, path::fast).both, text);
}

}  // namespace

namespace {

// A fault at every offset within the blocks of the vector path, in every form
// a syllable can take.
TEST_P(Stream, AFaultAnywhereInLongFendle) {
  std::string text;
  for (int i = 0; i < 12; ++i) text += "Why, jump quick: the hazy wolf Jinx-ed Quebec's ox! ";
  const std::string fendle = translate(text, false, path::plain).text;
  for (std::size_t at = 0; at < 200; ++at) {
    for (char fault : {'x', 'A', '-', ' ', 'u'}) {
      std::string input = fendle;
      input[at] = fault;
      EXPECT_TRUE(
          same(translate(input, true, path::fast).both, translate(input, true, path::plain).both))
          << "fault " << fault << " at " << at;
    }
  }
}

}  // namespace
