#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/path_list.h"
#include "search/text_store.h"

namespace fandrel {

// The title keys of a list's paths, in the list's order, for ranking them. Most keys are
// just their names less the suffix with 'A' to 'Z' lower-cased: those are read from the
// names themselves, lower-cased as they are read, so that a search matching most of a
// large tree does not hold every title twice. Only the others are stored here.
class TitleKeys {
 public:
  explicit TitleKeys(const PathList& paths) : paths_(paths) {}

  // The key of the list's next path: paths[size()].
  void Append(TextView key);
  std::size_t size() const { return at_.size(); }

  // Where key k's code units are, how many, and whether they are to be lower-cased.
  struct Units {
    const char16_t* data;
    std::uint32_t size;
    bool fold;

    char16_t At(std::size_t k) const {
      const char16_t c = data[k];
      return fold && c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
    }
    // Four units from `at` on as one number, a key that ends sooner padded with zeros:
    // the numbers of two keys compare as those units of the keys do.
    std::uint64_t FourFrom(std::size_t at) const {
      std::uint64_t four = 0;
      for (std::size_t k = at; k < at + 4; ++k) four = four << 16 | (k < size ? At(k) : 0u);
      return four;
    }
  };
  Units UnitsOf(std::size_t k) const;

 private:
  static constexpr std::uint32_t kInName = 0xFFFFFFFF;

  const PathList& paths_;
  TextStore stored_;
  std::vector<std::uint32_t> at_;  // in stored_, or kInName
};

}  // namespace fandrel
