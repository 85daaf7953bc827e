// Tested end to end by cli_run_test.cc and cli_lexicon_test.cc.

#include "tools/lexicon_file.h"

#include "tesvar/lexicon_tsv.h"
#include "tesvar/sample_lexicon.h"

namespace tesvar {
namespace cli {

Status LoadLexicon(const std::string& path, CLexicon* lexicon,
                   const LexiconLoadOptions& options,
                   std::vector<LexiconWarning>* warnings) {
  if (path.empty()) {
    return ParseLexiconTsv(SampleLexiconTsv(), kSampleLexiconName, lexicon,
                           options, warnings);
  }
  return LoadLexiconTsvFile(path, lexicon, options, warnings);
}

std::string DescribeLexicon(const std::string& path, const CLexicon& lexicon) {
  const std::string count = std::to_string(lexicon.size()) +
                            (lexicon.size() == 1 ? " entry" : " entries");
  return (path.empty() ? std::string("built-in sample") : path) + ", " + count;
}

}  // namespace cli
}  // namespace tesvar
