// The option table: only the character after the slash counts, and the first
// option that ends the program wins.
#include "options.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "word_reader.hpp"

namespace {

TEST(Options, Table) {
  const struct {
    std::vector<const char*> args;
    request expected;
    int inverse;
  } cases[] = {
      {{}, request::translate, 0},
      {{"/i"}, request::translate, 1},
      {{"/i", "/i"}, request::translate, 1},
      {{"/ix"}, request::translate, 1},
      {{"/h"}, request::help, 0},
      {{"/?"}, request::help, 0},
      {{"/help", "/x"}, request::help, 0},
      {{"/v"}, request::version, 0},
      {{"/version"}, request::version, 0},
      {{"/i", "/v"}, request::version, 1},
      {{"/v", "/x"}, request::version, 0},
      {{"/x", "/v"}, request::usage, 0},
      {{"/"}, request::usage, 0},
      {{"/H"}, request::usage, 0},
      {{"/I"}, request::usage, 0},
      {{"/V"}, request::usage, 0},
      {{"notes.txt", "/v"}, request::translate, 0},
      {{"-v"}, request::translate, 0},
      {{"/i", "x", "/h"}, request::translate, 1},
      {{""}, request::translate, 0},
  };
  for (const auto& c : cases) {
    std::vector<const char*> argv{"fendle"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    argv.push_back(nullptr);
    inverse = 0;
    EXPECT_EQ(read_options(static_cast<int>(argv.size()) - 1, argv.data()), c.expected)
        << (c.args.empty() ? "" : c.args[0]);
    EXPECT_EQ(inverse, c.inverse) << (c.args.empty() ? "" : c.args[0]);
  }
  inverse = 0;
}

}  // namespace
