#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/text.h"

namespace fandrel {

// Four UTF-16 code units read as one 64-bit number, the first in the lowest 16 bits: the
// title key folds plain ASCII four units at a time, and the ranking compares keys four
// units at a time.
inline constexpr std::uint64_t kEachUnit = 0x0001000100010001;

constexpr bool AllAscii(std::uint64_t four) { return (four & 0xFF80 * kEachUnit) == 0; }

// FoldAscii on each of four ASCII units: bit 7 of a unit is set by adding 0x3F from 'A' on,
// and by adding 0x25 from the unit after 'Z' on; 'A' to 'Z' get 0x20 more.
constexpr std::uint64_t FoldAsciiFour(std::uint64_t four) {
  return four | ((four + 0x3F * kEachUnit) & ~(four + 0x25 * kEachUnit) & 0x80 * kEachUnit) >> 2;
}

// Whether FoldAscii is still to be applied to a key's units as they are read (a key read
// from its shortcut's name).
enum class Folding : std::uint8_t { kNone, kAsRead };

struct KeyUnits {
  const char16_t* data;
  std::uint32_t size;
  Folding folding;

  char16_t At(std::size_t k) const {
    return folding == Folding::kAsRead ? FoldAscii(data[k]) : data[k];
  }

  // Four units from `at` on as one number that compares as those units of the key do: the
  // first unit the most significant, and a key that ends sooner padded with zeros.
  std::uint64_t FourFrom(std::size_t at) const {
    static_assert(std::endian::native == std::endian::little);
    if (at + 4 > size) {
      std::uint64_t four = 0;
      for (std::size_t k = at; k < at + 4; ++k) four = four << 16 | (k < size ? At(k) : 0u);
      return four;
    }
    std::uint64_t four;  // the first unit in the lowest 16 bits
    std::memcpy(&four, data + at, sizeof four);
    if (folding == Folding::kAsRead && AllAscii(four)) {
      four = FoldAsciiFour(four);
    } else if (folding == Folding::kAsRead) {
      std::uint64_t folded = 0;
      for (int unit = 3; unit >= 0; --unit) {
        folded = folded << 16 | FoldAscii(static_cast<char16_t>(four >> (16 * unit)));
      }
      four = folded;
    }
    // Reversed, so that the first unit is the most significant.
    four = four << 32 | four >> 32;
    return (four & 0x0000FFFF0000FFFF) << 16 | (four >> 16 & 0x0000FFFF0000FFFF);
  }
};

}  // namespace fandrel
