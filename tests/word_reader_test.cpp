// The word reader: which words it returns, and where the delimiters go.
#include "word_reader.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A file holding `text`, rewound, or an empty one to collect output.
std::FILE* file_with(const std::string& text) {
  std::FILE* f = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), f);
  std::fflush(f);
  std::rewind(f);
  return f;
}

std::string contents(std::FILE* f) {
  std::string s;
  lseek(fileno(f), 0, SEEK_SET);
  char buf[4096];
  ssize_t n;
  while ((n = read(fileno(f), buf, sizeof buf)) > 0) s.append(buf, static_cast<std::size_t>(n));
  return s;
}

struct reading {
  std::vector<std::string> calls;  // each result, as "word", "0" or "-1"
  std::string written;             // what the reader itself wrote
};

// Calls get_word to the end, and records each result; words are not translated.
reading read_words(const std::string& input, bool inverse_mode) {
  inverse = inverse_mode ? 1 : 0;
  reset_word_reader();
  std::FILE* in_file = file_with(input);
  std::FILE* out_file = file_with("");
  reading r;
  {
    in_stream in(fileno(in_file), nullptr);
    out_stream out(fileno(out_file));
    static char word[word_buffer_size];
    for (;;) {
      const int n = get_word(in, word, out);
      r.calls.push_back(n > 0 ? std::string(word) : std::to_string(n));
      if (n > 0) EXPECT_EQ(std::string(word).size(), static_cast<std::size_t>(n));
      if (n < 0) break;
    }
    out.flush();
  }
  r.written = contents(out_file);
  std::fclose(in_file);
  std::fclose(out_file);
  inverse = 0;
  return r;
}

TEST(WordReader, DelimitersComeOneCallLate) {
  const struct {
    const char* input;
    bool inverse;
    std::vector<std::string> calls;
    const char* written;
  } cases[] = {
      {"", false, {"-1"}, ""},
      {"a b\n", false, {"a", "b", "-1"}, " \n"},
      {"a, b", false, {"a", "0", "b", "-1"}, ", "},
      {"abc", false, {"abc", "-1"}, ""},
      {"well-known", false, {"well", "known", "-1"}, "-"},
      {"hash--e", true, {"hash", "0", "e", "-1"}, "-"},
      {"-hash", true, {"0", "hash", "-1"}, "-"},
      {"hash-", true, {"hash", "-1"}, ""},
      {"1\r\n\xe9x", false, {"0", "0", "0", "0", "x", "-1"}, "1\r\n\xe9"},
  };
  for (const auto& c : cases) {
    const reading r = read_words(c.input, c.inverse);
    EXPECT_EQ(r.calls, c.calls) << c.input;
    EXPECT_EQ(r.written, c.written) << c.input;
  }
}

TEST(WordReader, NulIsADelimiterThatPassesThrough) {
  const reading r = read_words(std::string("a\0b\0", 4), false);
  EXPECT_EQ(r.calls, (std::vector<std::string>{"a", "b", "-1"}));
  EXPECT_EQ(r.written, std::string("\0\0", 2));
}

TEST(WordReader, LongRunsComeInPiecesWithNothingLost) {
  // Two full pieces and a rest, then an inverse-mode hyphen right after the
  // break between pieces: it still follows a letter and is consumed.
  const std::string run(2 * word_max + 5, 'q');
  reading r = read_words(run + "-x ", true);
  EXPECT_EQ(r.calls, (std::vector<std::string>{std::string(word_max, 'q'),
                                               std::string(word_max, 'q'), "qqqqq", "x", "-1"}));
  EXPECT_EQ(r.written, " ");

  r = read_words(std::string(word_max, 'q') + "-x", true);
  EXPECT_EQ(r.calls, (std::vector<std::string>{std::string(word_max, 'q'), "0", "x", "-1"}));
  EXPECT_EQ(r.written, "");
}

}  // namespace
