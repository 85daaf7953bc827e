// The pairs of bytes that begin a suffix of an affix table, built at
// compile time. Every suffix has two bytes at least, so a text whose first
// two bytes begin none is matched by no row: a scan from there reads
// nothing. The replays of the work meter (entry_cost.h) ask this first,
// since most of the places they start from, right after a short headword
// at the start of a long word, are the middle of another word's root.
//
// Constant data; thread-safe.
// Tested by candidate_lookup_test.cc.

#ifndef TESVAR_PARSER_SUFFIX_STARTS_H_
#define TESVAR_PARSER_SUFFIX_STARTS_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tesvar {

class SuffixStarts {
 public:
  // Whether some suffix may begin `text`: false means that none does.
  bool MayBegin(std::string_view text) const {
    if (text.size() < 2) return false;
    const auto second = static_cast<unsigned char>(text[1]);
    const uint64_t* seconds =
        seconds_[first_[static_cast<unsigned char>(text[0])]];
    return ((seconds[second >> 6] >> (second & 63)) & 1) != 0;
  }

  // The pairs of the suffixes of `table`. More than kMaxFirstBytes - 1
  // first bytes, or a suffix shorter than two bytes, end the constant
  // evaluation, and with it the build.
  template <typename Row, size_t N>
  static constexpr SuffixStarts Of(const Row (&table)[N],
                                   std::string_view Row::*suffix) {
    SuffixStarts starts{};
    size_t sets = 1;  // set 0, of no second byte, for the other bytes
    for (const Row& row : table) {
      const std::string_view text = row.*suffix;
      if (text.size() < 2) throw "suffixes have two bytes at least";
      const auto first = static_cast<unsigned char>(text[0]);
      const auto second = static_cast<unsigned char>(text[1]);
      if (starts.first_[first] == 0) {
        if (sets == kMaxFirstBytes) throw "too many first bytes";
        starts.first_[first] = static_cast<uint8_t>(sets++);
      }
      starts.seconds_[starts.first_[first]][second >> 6] |= uint64_t{1}
                                                            << (second & 63);
    }
    return starts;
  }

 private:
  static constexpr size_t kMaxFirstBytes = 32;

  // The set of second bytes of each first byte; 0 for a byte that begins
  // no suffix.
  uint8_t first_[256] = {};
  // Bit b of a set: the byte b follows the first byte in some suffix.
  uint64_t seconds_[kMaxFirstBytes][4] = {};
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_SUFFIX_STARTS_H_
