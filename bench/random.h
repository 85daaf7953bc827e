// A small deterministic random number generator for the benchmark data.
//
// The generated lexicons and word lists must be the same bytes on every
// machine and with every standard library, so that benchmark numbers taken
// on different days compare like with like. std::rand and the standard
// distribution classes do not promise that; splitmix64 with a fixed
// reduction to a range does.
//
// A Random object is a plain value; use one per thread.

#ifndef TESVAR_BENCH_RANDOM_H_
#define TESVAR_BENCH_RANDOM_H_

#include <cstddef>
#include <cstdint>

namespace tesvar {
namespace bench {

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}

  // The next 64 bits of the splitmix64 stream.
  uint64_t Next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // A number in [0, n), by multiplying the high 32 bits with n.
  // REQUIRES: 0 < n < 2^32.
  uint32_t Uniform(uint64_t n) {
    return static_cast<uint32_t>(((Next() >> 32) * n) >> 32);
  }

  // A number in [0, n) whose chance falls about as 1 / (number + 1), as
  // the ranks of words in a text do (Zipf's law): one of the bands
  // [2^b - 1, 2^(b+1) - 1) that begin below n, drawn uniformly, then a
  // number in that band (the last band cut at n).
  // REQUIRES: 0 < n < 2^32.
  uint32_t Zipf(uint64_t n) {
    uint32_t bands = 1;
    while ((uint64_t{1} << bands) - 1 < n) ++bands;
    const uint32_t band = Uniform(bands);
    const uint64_t start = (uint64_t{1} << band) - 1;
    const uint64_t band_end = (uint64_t{1} << (band + 1)) - 1;
    const uint64_t end = band_end < n ? band_end : n;
    return static_cast<uint32_t>(start + Uniform(end - start));
  }

  // True with probability percent / 100.
  bool Percent(uint32_t percent) { return Uniform(100) < percent; }

  // The index of one of the `count` rows, drawn in proportion to the rows'
  // `weight` members. REQUIRES: at least one weight is not 0.
  template <typename Row>
  size_t PickWeighted(const Row* rows, size_t count) {
    uint64_t total = 0;
    for (size_t i = 0; i < count; ++i) total += rows[i].weight;
    uint64_t draw = Uniform(total);
    size_t i = 0;
    while (draw >= rows[i].weight) draw -= rows[i++].weight;
    return i;
  }
  template <typename Row, size_t kCount>
  size_t PickWeighted(const Row (&rows)[kCount]) {
    return PickWeighted(rows, kCount);
  }

 private:
  uint64_t state_;
};

}  // namespace bench
}  // namespace tesvar

#endif  // TESVAR_BENCH_RANDOM_H_
