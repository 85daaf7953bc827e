// Lexicon TSV loader. PLACEHOLDER: filled in by the loader work.

#include "tesvar/lexicon_tsv.h"

namespace tesvar {

Status ParseLexiconTsv(std::string_view, std::string_view source_name,
                       CLexicon* lexicon) {
  lexicon->Clear();
  return Status::InvalidInput(std::string(source_name) + ":1: not loaded");
}

}  // namespace tesvar
