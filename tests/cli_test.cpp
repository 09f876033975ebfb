// The program from outside: given standard input and arguments, the exact
// standard output, standard error and exit status.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "by_hand.hpp"
#include "process.hpp"

namespace {

const std::string help =
    "\n\nUsage: fendle [/i /h /? /v] [ < input ] [ > output] \n\n"
    "Bracketted items are optional. With no options, read text from terminal and\n"
    "print fendle to terminal.\n\n"
    "   /? or /h: print this helpful information and exit.\n"
    "   /v:       print version number and exit.\n"
    "   /i:       translate fendle back to text.\n\n\n";
const std::string usage = "Fendle: error: Usage: fendle [/i /h /? /v] [ < input ] [ > output ]\n";

std::string invalid(const std::string& syllable) {
  return "Fendle: error: syntax: word " + syllable + " is not valid fendle\n";
}

// Every byte that is not a letter, NUL included.
std::string non_letters() {
  std::string s;
  for (int c = 0; c < 256; ++c)
    if (!((c | 0x20) >= 'a' && (c | 0x20) <= 'z')) s += static_cast<char>(c);
  return s;
}

struct expectation {
  const char* name;
  std::vector<std::string> args;
  std::string input;
  std::string out, err;
  int status;
};

TEST(Cli, EndToEnd) {
  const expectation cases[] = {
      {"empty", {}, "", "", "", 0},
      {"line", {}, "Hi, you!\n", "Hash-i, yac-o-u!\n", "", 0},
      {"line back", {"/i"}, "Hash-i, yac-o-u!\n", "Hi, you!\n", "", 0},
      {"ends in a word", {}, "abc", "a-bub-cuc", "", 0},
      {"no letters", {}, non_letters(), non_letters(), "", 0},
      {"no letters back", {"/i"}, non_letters(), non_letters(), "", 0},
      {"nul splits words", {}, std::string("a\0b", 3), std::string("a\0bub", 5), "", 0},
      {"nul back", {"/i"}, std::string("a\0bub", 5), std::string("a\0b", 3), "", 0},
      {"ctrl-z and crlf",
       {},
       "Jay\x1a\r\nbox\r\n\x1a",
       "Judge-a-yac\x1a\r\nbub-o-xux\r\n\x1a",
       "",
       0},
      {"ctrl-z and crlf back",
       {"/i"},
       "Judge-a-yac\x1a\r\nbub-o-xux\r\n",
       "Jay\x1a\r\nbox\r\n",
       "",
       0},
      {"hyphen in text", {}, "well-known\n", "wac-e-lul-lul-kuk-nun-o-wac-nun\n", "", 0},
      {"hyphen read back", {"/i"}, "wac-e-lul-lul-kuk-nun-o-wac-nun\n", "wellknown\n", "", 0},
      {"hyphens back", {"/i"}, "hash--e -hash hash-", "h-e -h h", "", 0},
      {"invalid syllables", {"/i"}, "HASH xx\n", "HASH xx\n", invalid("HASH") + invalid("xx"), 0},
      {"unhyphenated", {"/i"}, "hashelullulo", "hashelullulo", invalid("hashelullulo"), 0},
      {"help", {"/h"}, "Hello", help, "", 0},
      {"help ?", {"/?", "/x"}, "", help, "", 0},
      {"help word", {"/help"}, "", help, "", 0},
      {"version", {"/v"}, "Hello", "1.0\n", "", 0},
      {"version after i", {"/i", "/v"}, "", "1.0\n", "", 0},
      {"version word", {"/version", "/x"}, "", "1.0\n", "", 0},
      {"usage", {"/x", "/v"}, "Hello", "", usage, 1},
      {"slash alone", {"/"}, "", "", usage, 1},
      {"upper case", {"/H"}, "", "", usage, 1},
      {"file name ends options", {"notes.txt", "/v"}, "Jay", "Judge-a-yac", "", 0},
      {"dash is no option", {"-v"}, "Wow", "Wac-o-wac", "", 0},
      {"i twice", {"/i", "/ix"}, "Bub-o-xux", "Box", "", 0},
  };
  for (const char* exe : {fendle_path(), fendle_words_path()}) {
    for (const auto& c : cases) {
      run_options o{c.args, c.input};
      o.exe = exe;
      const run_result r = run_fendle(o);
      EXPECT_EQ(r.out, c.out) << c.name << " " << exe;
      EXPECT_EQ(r.err, c.err) << c.name << " " << exe;
      EXPECT_EQ(r.status, c.status) << c.name << " " << exe;
    }
  }
}

// The block-by-block program against the word-by-word one, on inputs of every
// kind, with the streams apart and together.
TEST(Cli, BlockLoopMatchesWordLoop) {
  std::mt19937 rng(3);
  auto random_text = [&](std::size_t n, std::string_view alphabet) {
    std::string s(n, ' ');
    for (char& c : s) c = alphabet[rng() % alphabet.size()];
    return s;
  };
  std::string bytes;
  for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
  std::vector<std::string> inputs;
  for (int i = 0; i < 6; ++i) {
    inputs.push_back(random_text(1 + rng() % 200000, bytes));
    inputs.push_back(random_text(1 + rng() % 200000, "abhjqwyuBHY- \n-"));
    const std::string text = random_text(1 + rng() % 200000, "The quick brown fox, jumps!\n");
    std::string fendle = run_fendle({{}, text}).out;
    inputs.push_back(fendle);
    for (int k = 0; k < 20 && !fendle.empty(); ++k)
      fendle[rng() % fendle.size()] = "xuA-\0 "[rng() % 6];
    inputs.push_back(fendle);
  }
  for (const std::string& input : inputs) {
    for (const char* mode : {"", "/i"}) {
      for (stdout_kind out : {stdout_kind::pipe, stdout_kind::with_stderr}) {
        run_options o{{mode}, input};
        o.out = out;
        const run_result blocks = run_fendle(o);
        o.exe = fendle_words_path();
        const run_result words = run_fendle(o);
        EXPECT_TRUE(blocks.out == words.out) << mode << " " << input.size();
        EXPECT_TRUE(blocks.err == words.err) << mode << " " << input.size();
        EXPECT_EQ(blocks.status, words.status);
      }
    }
  }
}

TEST(Cli, DiagnosticsKeepTheirPlaceInASharedStream) {
  run_options o{{"/i"}, "Hash-i HASH-i xx\n"};
  o.out = stdout_kind::with_stderr;
  const run_result r = run_fendle(o);
  EXPECT_EQ(r.out, "Hi " + invalid("HASH") + "HASHi " + invalid("xx") + "xx\n");
  EXPECT_EQ(r.status, 0);
}

struct fault {
  const char* name;
  std::vector<std::string> args;
  std::string input;
  stdin_kind in;
  stdout_kind out;
  bool ignore_sigpipe;
  std::string err;
};

TEST(Cli, InputOutputFailuresAreReported) {
  const std::string big(1 << 20, 'b');
  const std::string full = "Fendle: error: cannot write standard output: No space left on device\n";
  const std::string bad_out = "Fendle: error: cannot write standard output: Bad file descriptor\n";
  const std::string broken = "Fendle: error: cannot write standard output: Broken pipe\n";
  const fault cases[] = {
      {"disk full", {}, "Hello\n", stdin_kind::data, stdout_kind::full, false, full},
      {"disk full, much", {}, big, stdin_kind::data, stdout_kind::full, false, full},
      {"disk full, help", {"/h"}, "", stdin_kind::data, stdout_kind::full, false, full},
      {"disk full, version", {"/v"}, "", stdin_kind::data, stdout_kind::full, false, full},
      {"stdout closed", {}, "Hello\n", stdin_kind::data, stdout_kind::closed, false, bad_out},
      {"broken pipe", {}, big, stdin_kind::data, stdout_kind::broken_pipe, true, broken},
      {"stdin a directory",
       {},
       "",
       stdin_kind::directory,
       stdout_kind::pipe,
       false,
       "Fendle: error: cannot read standard input: Is a directory\n"},
      {"stdin closed",
       {},
       "",
       stdin_kind::closed,
       stdout_kind::pipe,
       false,
       "Fendle: error: cannot read standard input: Bad file descriptor\n"},
  };
  for (const auto& c : cases) {
    run_options o{c.args, c.input, c.in, c.out, c.ignore_sigpipe};
    const run_result r = run_fendle(o);
    EXPECT_EQ(r.err, c.err) << c.name;
    EXPECT_EQ(r.status, 2) << c.name;
    EXPECT_EQ(r.out, "") << c.name;
  }
}

TEST(Cli, BrokenPipeEndsQuietlyLikeCat) {
  run_options o{{}, std::string(1 << 20, 'b')};
  o.out = stdout_kind::broken_pipe;
  const run_result r = run_fendle(o);
  EXPECT_EQ(r.signal, SIGPIPE);
  EXPECT_EQ(r.err, "");
}

TEST(Cli, NothingToWriteToAClosedStdoutIsNoFailure) {
  run_options o{{}, ""};
  o.out = stdout_kind::closed;
  const run_result r = run_fendle(o);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
}

std::string pattern(std::size_t n) {
  static const std::string letters = "TheQuickBrownFoxJumpsOverTheLazyDogWhyJinxHq";
  std::string s;
  while (s.size() < n) s += letters;
  s.resize(n);
  return s;
}

TEST(Cli, WordsOfAnyLength) {
  // Around the reader's buffer of 2047 letters, and far past it, in both loops.
  for (const char* exe : {fendle_path(), fendle_words_path()}) {
    for (std::size_t n : {2046u, 2047u, 2048u, 4094u, 4095u, 1u << 20}) {
      const std::string word = pattern(n), fendle = by_hand::fendle_of(word);
      run_options o{{}, word + " " + word};
      o.exe = exe;
      run_result r = run_fendle(o);
      EXPECT_EQ(r.out, fendle + " " + fendle) << n << " " << exe;
      o = {{"/i"}, fendle + "\n" + fendle};
      o.exe = exe;
      r = run_fendle(o);
      EXPECT_EQ(r.out, word + "\n" + word) << n << " " << exe;
      EXPECT_EQ(r.err, "") << n << " " << exe;
    }
  }
}

TEST(Cli, LongInvalidSyllablesAreReportedWhole) {
  for (const char* exe : {fendle_path(), fendle_words_path()}) {
    for (std::size_t n : {2046u, 2047u, 2048u, 4094u, 4095u, 1u << 20}) {
      const std::string s = pattern(n), input = "x" + s + "-e " + s;
      run_options o{{"/i"}, input};
      o.exe = exe;
      run_result r = run_fendle(o);
      EXPECT_EQ(r.out, "x" + s + "e " + s) << n << " " << exe;
      EXPECT_EQ(r.err, invalid("x" + s) + invalid(s)) << n << " " << exe;

      o.out = stdout_kind::with_stderr;
      r = run_fendle(o);
      EXPECT_EQ(r.out, invalid("x" + s) + "x" + s + "e " + invalid(s) + s) << n << " " << exe;
    }
  }
}

TEST(Cli, AnswersEachLineAsACoprocess) {
  for (bool terminal : {false, true}) {
    child c = start_fendle({"/i"}, terminal);
    const std::string nl = terminal ? "\r\n" : "\n";
    write(c.in, "Hash-i, yac-o-u!\n", 17);
    EXPECT_EQ(read_until(c.out, "Hi, you!" + nl, 10), "Hi, you!" + nl) << terminal;
    write(c.in, "Hash-e HASH\n", 12);
    const std::string answer =
        terminal ? "He " + invalid("HASH").substr(0, invalid("HASH").size() - 1) + "\r\nHASH\r\n"
                 : "He HASH\n";
    EXPECT_EQ(read_until(c.out, answer, 10), answer) << terminal;
    if (terminal) write(c.in, "\x04", 1);  // end of input at the terminal
    EXPECT_EQ(finish(c), 0) << terminal;
  }
}

}  // namespace
