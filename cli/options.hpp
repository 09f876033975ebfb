// The command line: options begin with a slash; only the character after it counts.
#ifndef FENDLE_CLI_OPTIONS_HPP
#define FENDLE_CLI_OPTIONS_HPP

enum class request { translate, help, version, usage };

// Reads the options in order; the first that ends the program wins. Sets
// `inverse` for /i. The first argument without a slash ends the options.
request read_options(int argc, const char* const* argv);

#endif
