// The embedding API: whole texts give the program's own bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fendle/fendle.hpp"
#include "process.hpp"

namespace {

TEST(Library, WholeTextsBothWays) {
  EXPECT_EQ(fendle::to_fendle("Hi, you!\n"), "Hash-i, yac-o-u!\n");
  EXPECT_EQ(fendle::to_fendle(""), "");
  EXPECT_EQ(fendle::from_fendle("Hash-i, yac-o-u!\n"), "Hi, you!\n");
  std::vector<std::string> seen;
  const std::string long_one(100000, 'q');
  const std::string back = fendle::from_fendle("HASH-i xx " + long_one + "-e",
                                               [&](std::string_view s) { seen.emplace_back(s); });
  EXPECT_EQ(back, "HASHi xx " + long_one + "e");
  EXPECT_EQ(seen, (std::vector<std::string>{"HASH", "xx", long_one}));
  EXPECT_EQ(fendle::from_fendle("xx"), "xx");  // no handler: ignored
}

TEST(Library, SameBytesAsTheProgram) {
  std::string text;
  for (int c = 0; c < 256; ++c)
    text += {static_cast<char>(c), 'a', static_cast<char>(c), 'Q', '-', 'y'};
  const run_result forward = run_fendle({{}, text});
  EXPECT_EQ(fendle::to_fendle(text), forward.out);
  const run_result inverse = run_fendle({{"/i"}, text});
  std::string reports;
  EXPECT_EQ(fendle::from_fendle(text,
                                [&](std::string_view s) {
                                  reports += "Fendle: error: syntax: word " + std::string(s) +
                                             " is not valid fendle\n";
                                }),
            inverse.out);
  EXPECT_EQ(reports, inverse.err);
}

}  // namespace
