// Arbitrary UTF-16 paths (lone surrogates, empty names, names shorter than the suffix, runs
// of separators, many equal titles) must come out of the program's sort as the plain
// quicksort leaves them, and its distinct pass must keep the first of each run of equal
// titles.
//
// Input: UTF-16 code units, little-endian; U+FFFF ends a path.
#include <cstdint>
#include <cstdlib>

#include "platform/lower_case.h"
#include "tests/support/plain_quicksort.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fandrel::UseUsersLocale();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fandrel;
  std::vector<Text> paths(1);
  for (std::size_t at = 0; at + 1 < size && paths.size() <= 400; at += 2) {
    const auto unit = static_cast<char16_t>(data[at] | (data[at + 1] << 8));
    unit == 0xFFFF ? paths.emplace_back() : paths.back() += unit;
  }
  if (!testing::SortsAsPlainQuicksort(paths)) std::abort();
  return 0;
}
