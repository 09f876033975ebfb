// Streaming translation. Each direction has a plain path that applies the
// rules one byte at a time, and a fast path that gives the same bytes.
#include <array>
#include <string>
#include <cstdint>
#include <cstring>

#include "fendle/translate.hpp"

namespace fendle {
namespace {

// One table entry: up to 8 bytes stored at once, of which `len` count.
struct piece {
  char bytes[8];
};

// Forward: the output for a byte depends on it and on whether the byte before
// was a letter, so one table indexed by the pair of bytes gives it whole.
struct encode_table {
  piece out[1 << 16];
  std::uint8_t len[1 << 16];
  encode_table() {
    for (unsigned prev = 0; prev < 256; ++prev) {
      for (unsigned c = 0; c < 256; ++c) {
        const unsigned i = pair(prev, c);
        char* b = out[i].bytes;
        std::memset(b, 0, sizeof out[i].bytes);
        const auto uc = static_cast<unsigned char>(c);
        if (!is_letter(uc)) {
          b[0] = static_cast<char>(c);
          len[i] = 1;
          continue;
        }
        std::size_t n = 0;
        if (is_letter(static_cast<unsigned char>(prev))) b[n++] = '-';
        const char letter = static_cast<char>(c);
        n += expand(std::string_view(&letter, 1), b + n);
        len[i] = static_cast<std::uint8_t>(n);
      }
    }
  }
  static unsigned pair(unsigned prev, unsigned c) { return prev | c << 8; }
};

const encode_table& encoding() {
  static const encode_table table;
  return table;
}

// Inverse: the first byte of a syllable and, for an irregular consonant, the
// two after it select the one form the syllable can take.
struct decode_table {
  struct form {
    std::uint64_t pattern, mask;
    std::uint32_t len;  // 0: no valid form starts this way
  };
  bool letter[256];
  std::uint8_t irregular[256];     // 0xff for h, j, q, w, y
  std::uint8_t suffix[1 << 16];    // by the two bytes after the consonant: 1 to 4, or 0
  form forms[256 * 5];             // by first byte and suffix number
  decode_table() {
    static constexpr std::string_view suffixes[5] = {"", "ash", "ac", "uack", "udge"};
    std::memset(suffix, 0, sizeof suffix);
    for (unsigned k = 1; k < 5; ++k)
      suffix[static_cast<unsigned char>(suffixes[k][0]) |
             static_cast<unsigned char>(suffixes[k][1]) << 8] = static_cast<std::uint8_t>(k);
    for (unsigned c = 0; c < 256; ++c) {
      const auto uc = static_cast<unsigned char>(c);
      letter[c] = is_letter(uc);
      irregular[c] = is_irregular(uc) ? 0xff : 0;
      for (unsigned k = 0; k < 5; ++k) {
        std::string s(1, static_cast<char>(c));
        if (is_irregular(uc)) s += suffixes[k];
        else if (is_letter(uc) && !is_vowel(uc)) s += {'u', static_cast<char>(to_lower(uc))};
        form& f = forms[c * 5 + k];
        f = {0, 0, 0};
        if (!is_letter(uc) || !is_syllable(s) || (is_irregular(uc) && k == 0)) continue;
        char pattern[8] = {}, mask[8] = {};
        std::memcpy(pattern, s.data(), s.size());
        std::memset(mask, 0xff, s.size());
        std::memcpy(&f.pattern, pattern, 8);
        std::memcpy(&f.mask, mask, 8);
        f.len = static_cast<std::uint32_t>(s.size());
      }
    }
  }
};

const decode_table& decoding() {
  static const decode_table table;
  return table;
}

void put(sink& out, std::string_view bytes) {
  std::memcpy(out.reserve(bytes.size()), bytes.data(), bytes.size());
  out.commit(bytes.size());
}

// How much input one reserve covers: small enough for any sink's buffer.
constexpr std::size_t chunk = 8192;

}  // namespace

void encoder::feed_plain(std::string_view text, sink& out) {
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (!is_letter(c)) {
      put(out, std::string_view(&ch, 1));
      in_word_ = false;
      continue;
    }
    if (in_word_) put(out, "-");
    char syllable[max_syllable + 1];
    put(out, std::string_view(syllable, expand(std::string_view(&ch, 1), syllable)));
    in_word_ = true;
  }
}

void encoder::feed(std::string_view text, sink& out) {
  const encode_table& t = encoding();
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = p + text.size();
  if (p == end) return;
  // The first byte's neighbour is in the previous piece: stand in for it.
  unsigned prev = in_word_ ? 'a' : ' ';
  while (p < end) {
    const std::size_t n = static_cast<std::size_t>(end - p) < chunk ? static_cast<std::size_t>(end - p) : chunk;
    char* const start = out.reserve(n * (max_syllable + 1) + 8);
    char* o = start;
    const unsigned first = encode_table::pair(prev, *p);
    std::memcpy(o, t.out[first].bytes, 8);
    o += t.len[first];
    for (std::size_t i = 1; i < n; ++i) {
      const unsigned k = encode_table::pair(p[i - 1], p[i]);
      std::memcpy(o, t.out[k].bytes, 8);
      o += t.len[k];
    }
    prev = p[n - 1];
    p += n;
    out.commit(static_cast<std::size_t>(o - start));
  }
  in_word_ = is_letter(static_cast<unsigned char>(prev));
}

void decoder::take_letter(char c, sink& out, diagnostics& report) {
  if (!long_ && held_size_ < hold_capacity) {
    held_[held_size_++] = c;
    return;
  }
  if (!long_) {
    // Too long to be fendle, and too long to hold: pass it on as it comes.
    long_ = true;
    report.long_syllable_begin();
    report.long_syllable_piece(std::string_view(held_, held_size_));
    put(out, std::string_view(held_, held_size_));
    held_size_ = 0;
  }
  report.long_syllable_piece(std::string_view(&c, 1));
  put(out, std::string_view(&c, 1));
}

void decoder::end_syllable(sink& out, diagnostics& report) {
  if (long_) {
    report.long_syllable_end();
    long_ = false;
    return;
  }
  const std::string_view s(held_, held_size_);
  held_size_ = 0;
  if (s.empty()) return;
  if (is_syllable(s)) {
    put(out, s.substr(0, 1));
    return;
  }
  report.invalid_syllable(s);  // before the syllable itself, as on a terminal
  put(out, s);
}

void decoder::take_other(char c, sink& out, diagnostics& report) {
  // A hyphen right after a letter joins two syllables and is dropped.
  const bool joins = c == '-' && in_syllable();
  end_syllable(out, report);
  if (!joins) put(out, std::string_view(&c, 1));
}

void decoder::feed_plain(std::string_view fendle, sink& out, diagnostics& report) {
  for (const char c : fendle) {
    if (is_letter(static_cast<unsigned char>(c))) take_letter(c, out, report);
    else take_other(c, out, report);
  }
}

void decoder::finish(sink& out, diagnostics& report) { end_syllable(out, report); }

void decoder::feed(std::string_view fendle, sink& out, diagnostics& report) {
  const decode_table& t = decoding();
  const char* p = fendle.data();
  const char* const end = p + fendle.size();
  // A syllable cut at the end of the last piece goes on here first.
  while (p < end && in_syllable()) {
    if (is_letter(static_cast<unsigned char>(*p))) take_letter(*p++, out, report);
    else take_other(*p++, out, report);
  }
  // Each turn takes a syllable and the byte after it, or one non-letter. A
  // syllable must be followed by a non-letter in the same piece: eight bytes
  // of room keep every look ahead inside it.
  while (end - p > 8) {
    const char* const stop = end - p - 8 > static_cast<std::ptrdiff_t>(chunk) ? p + chunk : end - 8;
    char* const start = out.reserve(static_cast<std::size_t>(stop - p) + 8);
    char* o = start;
    bool committed = false;
    while (p < stop) {
      const auto c = static_cast<unsigned char>(*p);
      if (!t.letter[c]) {
        *o++ = static_cast<char>(c);
        ++p;
        continue;
      }
      const auto* u = reinterpret_cast<const unsigned char*>(p);
      const unsigned k = t.suffix[u[1] | u[2] << 8] & t.irregular[c];
      const decode_table::form& f = t.forms[c * 5 + k];
      std::uint64_t w;
      std::memcpy(&w, p, 8);
      const auto next = static_cast<unsigned char>(p[f.len]);
      if (f.len != 0 && (w & f.mask) == f.pattern && !t.letter[next]) {
        o[0] = static_cast<char>(c);
        o[1] = static_cast<char>(next);
        o += next == '-' ? 1 : 2;
        p += f.len + 1;
        continue;
      }
      // Not fendle: find where the run of letters ends.
      const char* q = p + 1;
      while (q < end && is_letter(static_cast<unsigned char>(*q))) ++q;
      if (q == end) {  // it may go on in the next piece: hold it
        out.commit(static_cast<std::size_t>(o - start));
        feed_plain(std::string_view(p, static_cast<std::size_t>(end - p)), out, report);
        return;
      }
      out.commit(static_cast<std::size_t>(o - start));
      committed = true;
      const std::string_view s(p, static_cast<std::size_t>(q - p));
      report.invalid_syllable(s);
      put(out, s);
      if (*q != '-') put(out, std::string_view(q, 1));
      p = q + 1;
      break;  // the window was given back: take a new one
    }
    if (!committed) out.commit(static_cast<std::size_t>(o - start));
  }
  feed_plain(std::string_view(p, static_cast<std::size_t>(end - p)), out, report);
}

}  // namespace fendle
