// Fuzz target: spelling normalisation alone, on any bytes.
//
// Length bound. Of n input bytes, the m alphabet bytes survive the case
// fold. Turning "thl" into "tlh" keeps the length; each "th" then becomes
// "tlh", one byte more, and since two "th" cannot overlap there are at
// most floor(m / 2) of them. The apostrophe adds one byte, and only before
// an initial vowel, in which case every "th" lies in the other m - 1
// bytes. Both ways the result has at most m + ceil(m / 2) bytes, which
// "aththth..." reaches; so never more than n + ceil(n / 2).

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/check.h"
#include "parser/spelling.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using tesvar::fuzz::Check;
  const std::string input(reinterpret_cast<const char*>(data), size);
  size_t alphabet_bytes = 0;
  for (const char c : input) {
    if (tesvar::IsAlphabetByte(c)) ++alphabet_bytes;
  }
  std::string word = input;
  tesvar::NormaliseSpelling(&word);
  Check(word.size() <= alphabet_bytes + (alphabet_bytes + 1) / 2,
        "no longer than m + ceil(m / 2)");
  Check(alphabet_bytes > 0 || word.empty(), "nothing from nothing");
  for (const char c : word) {
    Check(tesvar::IsAlphabetByte(c), "only alphabet bytes");
  }
  std::string again = word;
  tesvar::NormaliseSpelling(&again);
  Check(again == word, "idempotent");
  return 0;
}
