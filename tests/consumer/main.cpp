// Translates through the installed library and checks the bytes.
#include <cstdio>
#include <fendle/fendle.hpp>
#include <string>

int main() {
  const std::string text = "Hello, world! Quick: jump.\n";
  const std::string there = fendle::to_fendle(text);
  int invalid = 0;
  const std::string back =
      fendle::from_fendle(there + "HASH\n", [&](std::string_view) { ++invalid; });
  const bool ok =
      there == "Hash-e-lul-lul-o, wac-o-rur-lul-dud! Quack-u-i-cuc-kuk: judge-u-mum-pup.\n" &&
      back == text + "HASH\n" && invalid == 1;
  std::printf("%s%s", there.c_str(), ok ? "consumer: ok\n" : "consumer: wrong bytes\n");
  return ok ? 0 : 1;
}
