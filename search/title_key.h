#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/text.h"
#include "search/path_list.h"
#include "search/text_store.h"

namespace fandrel {

// Shortcuts end in ".url", in any case.
inline constexpr std::size_t kSuffixLength = 4;

// FoldAscii on four units at once, read as one number (the first in the lowest 16 bits),
// when all four are ASCII: bit 7 of a unit is set by adding 0x3F from 'A' on, and by
// adding 0x25 from the unit after 'Z' on; 'A' to 'Z' get 0x20 more.
inline constexpr std::uint64_t kEachUnit = 0x0001000100010001;
constexpr bool AllAscii(std::uint64_t four) { return (four & 0xFF80 * kEachUnit) == 0; }
constexpr std::uint64_t FoldAsciiFour(std::uint64_t four) {
  return four | ((four + 0x3F * kEachUnit) & ~(four + 0x25 * kEachUnit) & 0x80 * kEachUnit) >> 2;
}

// The title key of a shortcut path: its file name less the last four characters (the
// ".url" suffix), lower-cased under the user's locale. The list shows these keys, and
// the sort and the distinct pass compare them ordinally on UTF-16 code units.
Text GetTitleKey(TextView path);

// The same for an entry name, into `key`, whose storage is reused: the walk computes one
// for every candidate of the tree. True when the key is the name less its suffix with only
// FoldAscii applied, as it is for most titles.
bool TitleKeyOf(TextView name, Text& key);

// Whether an entry name ends in ".url" regardless of case; a name shorter than four
// characters is compared whole, so it never is.
bool HasShortcutSuffix(TextView name);

// The title keys of a list's paths, in the list's order, for ranking them. A key that is
// its name folded (see TitleKeyOf) is read from the name itself, folded as it is read, so
// that a search matching most of a large tree does not hold every title twice; only the
// others are stored here. The first four units of each key are kept beside it, as the
// first thing the ranking compares.
class TitleKeys {
 public:
  explicit TitleKeys(const PathList& paths) : paths_(paths) {}

  // The key of the list's next path, paths[size()], and what TitleKeyOf said of it.
  void Append(TextView key, bool folded);
  std::size_t size() const { return at_.size(); }

  // Where key k's code units are, how many, and whether they are to be folded.
  struct Units {
    const char16_t* data;
    std::uint32_t size;
    bool fold;

    char16_t At(std::size_t k) const { return fold ? FoldAscii(data[k]) : data[k]; }
    // Four units from `at` on as one number, a key that ends sooner padded with zeros:
    // the numbers of two keys compare as those units of the keys do.
    std::uint64_t FourFrom(std::size_t at) const {
      static_assert(std::endian::native == std::endian::little);
      if (at + 4 > size) {
        std::uint64_t four = 0;
        for (std::size_t k = at; k < at + 4; ++k) four = four << 16 | (k < size ? At(k) : 0u);
        return four;
      }
      std::uint64_t four;  // the first unit in the lowest 16 bits
      std::memcpy(&four, data + at, sizeof four);
      if (fold && AllAscii(four)) {
        four = FoldAsciiFour(four);
      } else if (fold) {
        std::uint64_t folded = 0;
        for (int unit = 3; unit >= 0; --unit) {
          folded = folded << 16 | FoldAscii(static_cast<char16_t>(four >> (16 * unit)));
        }
        four = folded;
      }
      // The first unit the most significant, so that the numbers compare as the units do.
      four = four << 32 | four >> 32;
      return (four & 0x0000FFFF0000FFFF) << 16 | (four >> 16 & 0x0000FFFF0000FFFF);
    }
  };
  Units UnitsOf(std::size_t k) const;
  std::uint64_t Head(std::size_t k) const { return heads_[k]; }  // UnitsOf(k).FourFrom(0)

 private:
  static constexpr std::uint32_t kInName = 0xFFFFFFFF;

  const PathList& paths_;
  TextStore stored_;
  std::vector<std::uint32_t> at_;  // in stored_, or kInName
  std::vector<std::uint64_t> heads_;
};

}  // namespace fandrel
