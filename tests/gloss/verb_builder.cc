// Builds verb records from a short text, so that gloss test rows read like
// the readings they stand for.

#include "gloss/verb_builder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "verbs/verb_affix_tables.h"

namespace tesvar {
namespace testing {

namespace {

bool PlaceRover(CParsedVerb* v, const std::string& item, size_t at) {
  const int pos = std::stoi(item.substr(at + 1));
  if (pos < 0 || pos >= CParsedVerb::kRoverSlots) return false;
  const struct {
    std::string_view text;
    std::string_view* slots;
  } rovers[] = {{"be'", v->m_strNegRover},
                {"qu'", v->m_strEmphRover},
                {"be'qu'", v->m_strNegEmphRover},
                {"qu'be'", v->m_strEmphNegRover}};
  for (const auto& rover : rovers) {
    if (rover.text != item.substr(0, at)) continue;
    rover.slots[pos] = rover.text;
    return true;
  }
  return false;
}

bool PlaceClassSuffix(CParsedVerb* v, const std::string& item) {
  for (const VerbSuffixRow& row : kVerbSuffixes) {
    if (row.suffix != item || row.type == kRover) continue;
    v->*kClassFields[row.type] = row.suffix;
    return true;
  }
  return false;
}

bool Place(CParsedVerb* v, const std::string& item) {
  const size_t at = item.find('@');
  if (at != std::string::npos) return PlaceRover(v, item, at);
  if (item == "stative") {
    v->m_bStative = 1;
  } else if (item == "pronoun") {
    v->m_bPronoun = 1;
  } else if (item == "nominalised") {
    v->m_bNominalised = 1;
  } else if (item == "Ha'") {
    v->m_strRootNeg = "not";
  } else if (item == "Qo'") {
    v->m_strRefusal = "refuse to ";
  } else {
    return PlaceClassSuffix(v, item);
  }
  return true;
}

}  // namespace

CParsedVerb MakeVerb(std::string_view prefix, std::string_view definition,
                     std::string_view affixes) {
  CParsedVerb v;
  v.m_strGloss = definition;
  v.SetPrefix(FindVerbPrefix(prefix));
  EXPECT_EQ(v.m_strPrefix, prefix) << "unknown prefix";
  std::istringstream items{std::string(affixes)};
  for (std::string item; items >> item;) {
    EXPECT_TRUE(Place(&v, item)) << "unknown affix item " << item;
  }
  return v;
}

}  // namespace testing
}  // namespace tesvar
