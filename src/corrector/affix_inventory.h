// The texts of the affixes the analysers know, as a corrector needs them:
// which letters may stand before a headword (verb prefixes) and which may
// follow it, by the kind of headword they follow. Nothing else about an
// affix matters here, since every correction is read by the parser before
// it is offered; this is the only place that looks into the analysers'
// tables.
//
// Pure functions of constant tables; thread-safe.

#ifndef TESVAR_CORRECTOR_AFFIX_INVENTORY_H_
#define TESVAR_CORRECTOR_AFFIX_INVENTORY_H_

#include <cstdint>
#include <string_view>
#include <vector>

namespace tesvar {
namespace corrector {

// The kinds of affix that follow a headword, as bits.
enum AffixClass : uint8_t {
  kNounSuffix = 1 << 0,
  kVerbSuffix = 1 << 1,
  kNumberElement = 1 << 2,
};

struct AffixText {
  std::string_view text;  // canonical spelling
  uint8_t classes;        // AffixClass bits
};

// Appends every verb prefix to *out.
void AppendVerbPrefixes(std::vector<std::string_view>* out);

// Appends every affix that follows a headword, once per table row (a text
// found in two tables comes twice, with each table's class).
void AppendSuffixes(std::vector<AffixText>* out);

}  // namespace corrector
}  // namespace tesvar

#endif  // TESVAR_CORRECTOR_AFFIX_INVENTORY_H_
