// The built-in sample lexicon. Its bytes are generated at build time from
// data/sample-lexicon.tsv, so the TSV file stays the one source of truth.

#include "tesvar/sample_lexicon.h"

#include <cstddef>

#include "tesvar/lexicon_tsv.h"

namespace tesvar {

extern const unsigned char kSampleLexiconTsv[];
extern const std::size_t kSampleLexiconTsvSize;

std::string_view SampleLexiconTsv() {
  return std::string_view(reinterpret_cast<const char*>(kSampleLexiconTsv),
                          kSampleLexiconTsvSize);
}

Status LoadSampleLexicon(CLexicon* lexicon) {
  return ParseLexiconTsv(SampleLexiconTsv(), "sample-lexicon.tsv", lexicon);
}

}  // namespace tesvar
