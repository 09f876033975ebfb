// The decoder's vector path: 64 bytes at a time, with AVX2 and BMI2.
//
// Each block is classified into bit masks, one bit per byte. Every syllable
// is checked against its forms with the masks shifted into line; when all are
// fendle, the output is the first byte of each syllable and every non-letter
// but a joining hyphen: the block's bytes compressed by one mask.
#include "vector.hpp"

#include <cstdint>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define FENDLE_HAVE_AVX2 1
#include <immintrin.h>
#endif

namespace fendle::detail {

namespace {
bool allowed = true;
}

void allow_block_decoder(bool allow) { allowed = allow; }

#ifdef FENDLE_HAVE_AVX2
namespace {

#define FENDLE_TARGET __attribute__((target("avx2,bmi,bmi2,popcnt")))

// One bit per byte of a block.
struct masks {
  std::uint64_t letter, hyphen, vowel, irregular, regular, same_lower;
  std::uint64_t a, c, d, e, g, h, k, s, u;
};

FENDLE_TARGET inline std::uint64_t bits(__m256i lo, __m256i hi) {
  return static_cast<std::uint32_t>(_mm256_movemask_epi8(lo)) |
         static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(hi))) << 32;
}

FENDLE_TARGET inline std::uint64_t equal(__m256i lo, __m256i hi, char c) {
  const __m256i v = _mm256_set1_epi8(c);
  return bits(_mm256_cmpeq_epi8(lo, v), _mm256_cmpeq_epi8(hi, v));
}

// Letter classes by the low five bits of the lower-case form: 1 vowel, 2 irregular, 4 other.
FENDLE_TARGET inline __m256i classes(__m256i x) {
  const __m256i low = _mm256_setr_epi8(0, 1, 4, 4, 4, 1, 4, 4, 2, 1, 2, 4, 4, 4, 4, 1,  //
                                       0, 1, 4, 4, 4, 1, 4, 4, 2, 1, 2, 4, 4, 4, 4, 1);
  const __m256i high = _mm256_setr_epi8(4, 2, 4, 4, 4, 1, 4, 2, 4, 2, 4, 0, 0, 0, 0, 0,  //
                                        4, 2, 4, 4, 4, 1, 4, 2, 4, 2, 4, 0, 0, 0, 0, 0);
  const __m256i lower = _mm256_or_si256(x, _mm256_set1_epi8(0x20));
  const __m256i index = _mm256_and_si256(lower, _mm256_set1_epi8(0x1f));
  const __m256i letter =
      _mm256_cmpgt_epi8(_mm256_set1_epi8(-102), _mm256_add_epi8(lower, _mm256_set1_epi8(31)));
  const __m256i cls =
      _mm256_blendv_epi8(_mm256_shuffle_epi8(low, index), _mm256_shuffle_epi8(high, index),
                         _mm256_slli_epi16(index, 3));
  return _mm256_and_si256(cls, letter);
}

FENDLE_TARGET inline __attribute__((always_inline)) masks classify(const char* p) {
  const __m256i lo = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
  const __m256i hi = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
  const __m256i lo2 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 2));
  const __m256i hi2 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 34));
  const __m256i cl = classes(lo), ch = classes(hi);
  const __m256i case_bit = _mm256_set1_epi8(0x20);
  masks m;
  m.vowel = bits(_mm256_slli_epi16(cl, 7), _mm256_slli_epi16(ch, 7));
  m.irregular = bits(_mm256_slli_epi16(cl, 6), _mm256_slli_epi16(ch, 6));
  m.regular = bits(_mm256_slli_epi16(cl, 5), _mm256_slli_epi16(ch, 5));
  m.letter = m.vowel | m.irregular | m.regular;
  // The third byte of "bub" is the first in lower case.
  m.same_lower = bits(_mm256_cmpeq_epi8(lo2, _mm256_or_si256(lo, case_bit)),
                      _mm256_cmpeq_epi8(hi2, _mm256_or_si256(hi, case_bit)));
  m.hyphen = equal(lo, hi, '-');
  m.a = equal(lo, hi, 'a');
  m.c = equal(lo, hi, 'c');
  m.d = equal(lo, hi, 'd');
  m.e = equal(lo, hi, 'e');
  m.g = equal(lo, hi, 'g');
  m.h = equal(lo, hi, 'h');
  m.k = equal(lo, hi, 'k');
  m.s = equal(lo, hi, 's');
  m.u = equal(lo, hi, 'u');
  return m;
}

// The bits of the byte n places on, reaching into the next block.
inline std::uint64_t ahead(std::uint64_t cur, std::uint64_t next, unsigned n) {
  return cur >> n | next << (64 - n);
}

// The positions where a syllable of one of its forms starts.
inline std::uint64_t valid_starts(const masks& m, const masks& n) {
  const std::uint64_t end1 = ~ahead(m.letter, n.letter, 1), end3 = ~ahead(m.letter, n.letter, 3);
  const std::uint64_t end4 = ~ahead(m.letter, n.letter, 4), end5 = ~ahead(m.letter, n.letter, 5);
  const std::uint64_t a1 = ahead(m.a, n.a, 1), u1 = ahead(m.u, n.u, 1);
  const std::uint64_t ash = a1 & ahead(m.s, n.s, 2) & ahead(m.h, n.h, 3) & end4;
  const std::uint64_t ac = a1 & ahead(m.c, n.c, 2) & end3;
  const std::uint64_t uack =
      u1 & ahead(m.a, n.a, 2) & ahead(m.c, n.c, 3) & ahead(m.k, n.k, 4) & end5;
  const std::uint64_t udge =
      u1 & ahead(m.d, n.d, 2) & ahead(m.g, n.g, 3) & ahead(m.e, n.e, 4) & end5;
  return (m.vowel & end1) | (m.regular & u1 & m.same_lower & end3) |
         (m.irregular & (ash | ac | uack | udge));
}

// Writes the bytes of the block whose bits are set, in order.
FENDLE_TARGET inline char* compress(const char* p, std::uint64_t keep, char* o) {
  for (int g = 0; g < 8; ++g) {
    const std::uint64_t m = keep >> (8 * g) & 0xff;
    std::uint64_t v;
    std::memcpy(&v, p + 8 * g, 8);
    const std::uint64_t packed = _pext_u64(v, _pdep_u64(m, 0x0101010101010101ull) * 0xff);
    std::memcpy(o, &packed, 8);
    o += _mm_popcnt_u64(m);
  }
  return o;
}

}  // namespace

bool have_block_decoder() {
  static const bool have = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2") &&
                           __builtin_cpu_supports("popcnt");
  return have && allowed;
}

FENDLE_TARGET const char* decode_blocks(const char* p, const char* stop, const char* end,
                                        char*& out) {
  if (p >= stop || end - p < 136) return p;
  char* o = out;
  std::uint64_t carry = 0;  // 1 when the byte before the block is a letter
  masks m = classify(p);
  for (;;) {
    const masks n = classify(p + 64);
    const std::uint64_t after_letter = m.letter << 1 | carry;
    const std::uint64_t starts = m.letter & ~after_letter;
    if ((starts & ~valid_starts(m, n)) != 0) break;  // not fendle: leave it to the byte path
    o = compress(p, starts | (~m.letter & ~(m.hyphen & after_letter)), o);
    carry = m.letter >> 63;
    p += 64;
    m = n;
    if (p >= stop || end - p < 136) break;
  }
  out = o;
  // Step past the rest of a syllable begun in the last block, and its joining hyphen.
  if (carry != 0) {
    while (m.letter & 1) {
      ++p;
      m.letter >>= 1;
    }
    if (*p == '-') ++p;
  }
  return p;
}

#else

bool have_block_decoder() {
  (void)allowed;
  return false;
}
const char* decode_blocks(const char* p, const char*, const char*, char*&) { return p; }

#endif

}  // namespace fendle::detail
