// Fuzz target: one word, the whole input, parsed against the built-in
// sample lexicon, with the invariants of parse_checks.h.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/check.h"
#include "fuzz/parse_checks.h"
#include "tesvar/sample_lexicon.h"

namespace {

tesvar::CLexicon LoadedSample() {
  tesvar::CLexicon lexicon;
  tesvar::fuzz::Check(tesvar::LoadSampleLexicon(&lexicon).ok(),
                      "sample lexicon loads");
  return lexicon;
}

// Loaded once: loading costs more than parsing a word, and the parser only
// reads the lexicon, so one constant lexicon serves every input.
const tesvar::CLexicon kSample = LoadedSample();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view word(reinterpret_cast<const char*>(data), size);
  tesvar::fuzz::CheckHeadwordIndex(kSample, word);
  tesvar::fuzz::CheckParse(kSample, word);
  return 0;
}
