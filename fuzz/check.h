// What the fuzz targets use to report a broken invariant: a message on
// standard error and an abort, which libFuzzer records as a crash and
// saves the input for.

#ifndef TESVAR_FUZZ_CHECK_H_
#define TESVAR_FUZZ_CHECK_H_

#include <cstdio>
#include <cstdlib>

namespace tesvar {
namespace fuzz {

inline void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

}  // namespace fuzz
}  // namespace tesvar

#endif  // TESVAR_FUZZ_CHECK_H_
