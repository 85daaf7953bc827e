// Fuzz target: a lexicon and words both taken from the input. The bytes
// before the first NUL are a lexicon file; the rest are words, one per
// "\n" (so words may hold NUL). An input whose lexicon does not load is
// of no further interest here; lexicon_tsv_fuzzer covers the loader.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/parse_checks.h"
#include "tesvar/lexicon_tsv.h"

namespace {

// Words parsed per input. Each word is parsed three times and may take
// its whole work budget each time (about a second with the sanitizers),
// so two keep every input well inside the run's timeout.
constexpr int kMaxWords = 2;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t split = input.find('\0');
  if (split == std::string_view::npos) return 0;
  tesvar::CLexicon lexicon;
  if (!tesvar::ParseLexiconTsv(input.substr(0, split), "fuzz.tsv", &lexicon)
           .ok()) {
    return 0;
  }
  std::string_view words = input.substr(split + 1);
  for (int i = 0; i < kMaxWords && !words.empty(); ++i) {
    const size_t end = words.find('\n');
    const std::string_view word = words.substr(0, end);
    tesvar::fuzz::CheckHeadwordIndex(lexicon, word);
    tesvar::fuzz::CheckParse(lexicon, word);
    if (end == std::string_view::npos) break;
    words.remove_prefix(end + 1);
  }
  return 0;
}
