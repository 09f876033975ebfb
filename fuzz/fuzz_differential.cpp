// Arbitrary bytes, both directions, whole and in arbitrary pieces: the fast
// path gives the plain path's output and diagnostics, byte for byte.
#include <cstdint>

#include "harness.hpp"
#include "translate/vector.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  // The first four bytes choose the pieces and the path of the fast decoder.
  const std::uint32_t seed =
      data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
  const std::string_view input(reinterpret_cast<const char*>(data) + 4, size - 4);
  const auto cuts = fuzz::cuts_from(seed, input.size());
  fendle::detail::allow_block_decoder((seed & 0x80000000u) == 0);
  for (bool inverse : {false, true}) {
    const fuzz::recorder plain = fuzz::translate(input, inverse, fuzz::path::plain);
    const fuzz::recorder fast = fuzz::translate(input, inverse, fuzz::path::fast);
    const fuzz::recorder fast_pieces = fuzz::translate(input, inverse, fuzz::path::fast, cuts);
    const fuzz::recorder plain_pieces = fuzz::translate(input, inverse, fuzz::path::plain, cuts);
    fuzz::require(fast.both == plain.both);
    fuzz::require(fast_pieces.both == plain.both);
    fuzz::require(plain_pieces.both == plain.both);
    fuzz::require(fast.text == plain.text);
  }
  fendle::detail::allow_block_decoder(true);
  return 0;
}
