// Streaming translation. Each direction has a plain path that applies the
// rules one byte at a time, and a fast path that gives the same bytes.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

#include "fendle/translate.hpp"
#include "vector.hpp"

namespace fendle {
namespace {

// One table entry: up to 8 bytes stored at once, of which `len` count.
struct piece {
  char bytes[8];
};

// Two neighbouring bytes as one number, the way the hot loop loads them.
inline unsigned load_pair(const unsigned char* p) {
  std::uint16_t v;
  std::memcpy(&v, p, 2);
  return v;
}

// Forward: the output for a byte depends on it and on whether the byte before
// was a letter, so one table indexed by the pair of bytes gives it whole.
struct encode_table {
  piece out[1 << 16];  // the bytes, and their count in the last one
  encode_table() {
    // Each byte's output after a non-letter and after a letter...
    piece row[2][256];
    std::uint8_t row_len[2][256];
    for (unsigned after = 0; after < 2; ++after) {
      for (unsigned c = 0; c < 256; ++c) {
        char* b = row[after][c].bytes;
        std::memset(b, 0, 8);
        const char ch = static_cast<char>(c);
        std::size_t n = 0;
        if (!is_letter(static_cast<unsigned char>(c))) {
          b[n++] = ch;
        } else {
          if (after) b[n++] = '-';
          n += expand(std::string_view(&ch, 1), b + n);
        }
        row_len[after][c] = static_cast<std::uint8_t>(n);
      }
    }
    // ...spread over every pair.
    for (unsigned prev = 0; prev < 256; ++prev) {
      const unsigned after = is_letter(static_cast<unsigned char>(prev)) ? 1 : 0;
      for (unsigned c = 0; c < 256; ++c) {
        const unsigned char bytes[2] = {static_cast<unsigned char>(prev),
                                        static_cast<unsigned char>(c)};
        const unsigned i = load_pair(bytes);
        out[i] = row[after][c];
        out[i].bytes[7] = static_cast<char>(row_len[after][c]);
      }
    }
  }
};

const encode_table& encoding() {
  static const encode_table table;
  return table;
}

// Inverse: the first byte of a syllable and, for an irregular consonant, the
// two after it select the one form the syllable can take.
struct decode_table {
  struct alignas(32) form {
    std::uint64_t pattern, mask;  // a form that cannot match has a pattern outside its mask
    std::uint64_t len;
  };
  // How far the output moves for the byte after a syllable: past the letter
  // and the byte, past the letter alone for a joining hyphen, 0 for a letter.
  std::uint8_t advance[256];
  std::uint8_t irregular[256];   // 0xff for h, j, q, w, y
  std::uint8_t suffix[1 << 16];  // by the two bytes after the consonant: 1 to 4, or 0
  form forms[256 * 8];           // by first byte and suffix number
  decode_table() {
    static constexpr std::string_view suffixes[5] = {"", "ash", "ac", "uack", "udge"};
    std::memset(suffix, 0, sizeof suffix);
    for (unsigned k = 1; k < 5; ++k)
      suffix[load_pair(reinterpret_cast<const unsigned char*>(suffixes[k].data()))] =
          static_cast<std::uint8_t>(k);
    for (unsigned c = 0; c < 256; ++c) {
      const auto uc = static_cast<unsigned char>(c);
      advance[c] = is_letter(uc) ? 0 : c == '-' ? 1 : 2;
      irregular[c] = is_irregular(uc) ? 0xff : 0;
      for (unsigned k = 0; k < 8; ++k) {
        form& f = forms[c << 3 | k];
        f = {0x100, 0xff, 0};
        std::string s(1, static_cast<char>(c));
        if (is_irregular(uc)) {
          if (k == 0 || k > 4) continue;
          s += suffixes[k];
        } else if (k != 0 || !is_letter(uc)) {
          continue;
        } else if (!is_vowel(uc)) {
          s += {'u', static_cast<char>(to_lower(uc))};
        }
        char pattern[8] = {}, mask[8] = {};
        std::memcpy(pattern, s.data(), s.size());
        std::memset(mask, 0xff, s.size());
        std::memcpy(&f.pattern, pattern, 8);
        std::memcpy(&f.mask, mask, 8);
        f.len = s.size();
      }
    }
  }
};

const decode_table& decoding() {
  static const decode_table table;
  return table;
}

// How much input one reserve covers: small enough for any sink's buffer.
constexpr std::size_t chunk = 8192;

void put(sink& out, std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size(); at += chunk) {
    const std::string_view piece = bytes.substr(at, chunk);
    std::memcpy(out.reserve(piece.size()), piece.data(), piece.size());
    out.commit(piece.size());
  }
}

const char* run_end(const char* p, const char* end) {
  while (p < end && is_letter(static_cast<unsigned char>(*p))) ++p;
  return p;
}

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
  if (text.empty()) return;
  const encode_table& t = encoding();
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = p + text.size();
  // The first byte's neighbour is in the previous piece: stand in for it.
  unsigned char prev = in_word_ ? 'a' : ' ';
  while (p < end) {
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(end - p), chunk);
    char* const start = out.reserve(n * (max_syllable + 1) + 8);
    char* o = start;
    const unsigned char first[2] = {prev, *p};
    std::uint64_t e;
    std::memcpy(&e, t.out[load_pair(first)].bytes, 8);
    std::memcpy(o, &e, 8);
    o += e >> 56;
    // Each byte is looked up with the one before it: one load gives both.
    const unsigned char* q = p;
    const unsigned char* const last = p + n - 1;
#pragma GCC unroll 8
    for (; q < last; ++q) {
      std::memcpy(&e, t.out[load_pair(q)].bytes, 8);
      std::memcpy(o, &e, 8);
      o += e >> 56;
    }
    prev = *last;
    p += n;
    out.commit(static_cast<std::size_t>(o - start));
  }
  in_word_ = is_letter(prev);
}

void decoder::take_letters(std::string_view run, sink& out, diagnostics& report) {
  if (!long_ && held_size_ + run.size() <= hold_capacity) {
    std::memcpy(held_ + held_size_, run.data(), run.size());
    held_size_ += run.size();
    return;
  }
  if (!long_) {
    long_ = true;
    report.long_syllable_begin();
    report.long_syllable_piece(std::string_view(held_, held_size_));
    put(out, std::string_view(held_, held_size_));
    held_size_ = 0;
  }
  // Pieces no larger than a sink is asked to hold at once.
  for (std::size_t at = 0; at < run.size(); at += chunk) {
    const std::string_view piece = run.substr(at, chunk);
    report.long_syllable_piece(piece);
    put(out, piece);
  }
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
    if (is_letter(static_cast<unsigned char>(c)))
      take_letters(std::string_view(&c, 1), out, report);
    else
      take_other(c, out, report);
  }
}

void decoder::finish(sink& out, diagnostics& report) { end_syllable(out, report); }

void decoder::feed(std::string_view fendle, sink& out, diagnostics& report) {
  const decode_table& t = decoding();
  const char* p = fendle.data();
  const char* const end = p + fendle.size();
  // A syllable cut at the end of the last piece goes on here first.
  if (in_syllable()) {
    const char* q = run_end(p, end);
    take_letters(std::string_view(p, static_cast<std::size_t>(q - p)), out, report);
    if (q == end) return;
    take_other(*q, out, report);
    p = q + 1;
  }
  // Each turn takes a syllable and the byte after it, or one non-letter. A
  // syllable must be followed by a non-letter in the same piece: eight bytes
  // of room keep every look ahead inside it. Where the processor allows, whole
  // blocks go through the vector path, and the bytes it leaves come here.
  const bool blocks = detail::have_block_decoder();
  const char* bytewise_until = p;
  while (end - p > 8) {
    const char* const stop = end - p - 8 > static_cast<std::ptrdiff_t>(chunk) ? p + chunk : end - 8;
    char* const start = out.reserve(static_cast<std::size_t>(stop - p) + 128);
    char* o = start;
    bool committed = false;
    while (p < stop) {
      if (blocks && p >= bytewise_until) {
        p = detail::decode_blocks(p, stop, end, o);
        bytewise_until = p + 64;  // past the block the vector path would not take
        if (p >= stop) break;
      }
      const unsigned c = static_cast<unsigned char>(*p);
      if (t.advance[c] != 0) {  // not a letter: it stands for itself
        *o++ = static_cast<char>(c);
        ++p;
        continue;
      }
      const unsigned k =
          t.suffix[load_pair(reinterpret_cast<const unsigned char*>(p) + 1)] & t.irregular[c];
      const decode_table::form& f = t.forms[c << 3 | k];
      const std::uint64_t pattern = f.pattern, mask = f.mask, len = f.len;
      std::uint64_t w;
      std::memcpy(&w, p, 8);
      const auto next = static_cast<unsigned char>(p[len]);
      const unsigned moved = t.advance[next];
      if ((w & mask) == pattern && moved != 0) {
        o[0] = static_cast<char>(c);
        o[1] = static_cast<char>(next);
        o += moved;
        p += len + 1;
        continue;
      }
      // Not fendle: find where the run of letters ends.
      const char* q = run_end(p + 1, end);
      if (q == end) {  // it may go on in the next piece: hold it
        out.commit(static_cast<std::size_t>(o - start));
        take_letters(std::string_view(p, static_cast<std::size_t>(end - p)), out, report);
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
