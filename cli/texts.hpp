// The program's own texts, byte for byte.
#ifndef FENDLE_CLI_TEXTS_HPP
#define FENDLE_CLI_TEXTS_HPP

inline constexpr char help_text[] =
    "\n\nUsage: fendle [/i /h /? /v] [ < input ] [ > output] \n\n"
    "Bracketted items are optional. With no options, read text from terminal and\n"
    "print fendle to terminal.\n\n"
    "   /? or /h: print this helpful information and exit.\n"
    "   /v:       print version number and exit.\n"
    "   /i:       translate fendle back to text.\n\n";
inline constexpr char usage_line[] = "fendle [/i /h /? /v] [ < input ] [ > output ]";
inline constexpr char version_text[] = "1.0";

// Diagnostics, each written after report_error's prefix.
inline constexpr char usage_message[] = "Usage: %s\n";
inline constexpr char non_letter_message[] = "Internal: expand called with non-alphabetic %c\n";
// "syntax: word %s is not valid fendle\n", cut at the syllable so that a
// syllable too long to hold can be reported as it streams past.
inline constexpr char invalid_head[] = "syntax: word ";
inline constexpr char invalid_tail[] = " is not valid fendle\n";
inline constexpr char write_failure_message[] = "cannot write standard output: %s\n";
inline constexpr char read_failure_message[] = "cannot read standard input: %s\n";
inline constexpr char spool_failure_message[] = "cannot keep a long syllable in order: %s\n";

#endif
