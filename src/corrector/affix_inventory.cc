// Number words are a root followed by the tens element, a power of ten and
// a number suffix, each at most once; the corrector treats those elements
// like suffixes and leaves their order to the parser.

#include "corrector/affix_inventory.h"

#include "nouns/noun_suffix_table.h"
#include "numbers/number_tables.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {
namespace corrector {

void AppendVerbPrefixes(std::vector<std::string_view>* out) {
  for (const VerbPrefixRow& row : kVerbPrefixes) out->push_back(row.prefix);
}

void AppendSuffixes(std::vector<AffixText>* out) {
  for (const NounSuffixRow& row : kNounSuffixes) {
    out->push_back({row.suffix, kNounSuffix});
  }
  for (const VerbSuffixRow& row : kVerbSuffixes) {
    out->push_back({row.suffix, kVerbSuffix});
  }
  out->push_back({kTensElement, kNumberElement});
  for (const PowerRow& row : kPowers) {
    out->push_back({row.element, kNumberElement});
  }
  for (const NumberSuffixRow& row : kNumberSuffixes) {
    out->push_back({row.suffix, kNumberElement});
  }
}

}  // namespace corrector
}  // namespace tesvar
