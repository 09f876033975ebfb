#include "options.hpp"

#include "word_reader.hpp"

request read_options(int argc, const char* const* argv) {
  for (int i = 1; i < argc && argv[i][0] == '/'; ++i) {
    switch (argv[i][1]) {  // "/help" is /h: the rest of the argument is ignored
      case '?':
      case 'h': return request::help;
      case 'v': return request::version;
      case 'i': inverse = 1; break;
      default:  // a slash alone, /x, and /H, /I, /V: case counts
        return request::usage;
    }
  }
  return request::translate;
}
