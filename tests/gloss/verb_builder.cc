// Builds verb records from a short text, so that gloss test rows read like
// the readings they stand for.

#include "gloss/verb_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "verbs/verb_affix_tables.h"

namespace tesvar {
namespace testing {

namespace {

bool PlaceClassSuffix(CParsedVerb* v, std::string_view suffix) {
  std::string* fields[] = {&v->m_strVS1, &v->m_strVS2, &v->m_strVS3,
                           &v->m_strVS4, &v->m_strVS5, &v->m_strVS6,
                           &v->m_strVS7, &v->m_strVS8, &v->m_strVS9};
  for (const VerbSuffixRow& row : kVerbSuffixes) {
    if (row.suffix == suffix && row.type != kRoverType) {
      *fields[row.type - 1] = std::string(suffix);
      return true;
    }
  }
  return false;
}

// "be'@3": the rover's slot array at that position.
bool PlaceRover(CParsedVerb* v, std::string_view item) {
  const size_t at = item.find('@');
  const std::string_view rover = item.substr(0, at);
  const int pos = std::stoi(std::string(item.substr(at + 1)));
  if (pos < 0 || pos >= CParsedVerb::kRoverSlots) return false;
  if (rover == "be'") {
    v->m_strNegRover[pos] = std::string(rover);
  } else if (rover == "qu'") {
    v->m_strEmphRover[pos] = std::string(rover);
  } else if (rover == "be'qu'") {
    v->m_strNegEmphRover[pos] = std::string(rover);
  } else if (rover == "qu'be'") {
    v->m_strEmphNegRover[pos] = std::string(rover);
  } else {
    return false;
  }
  return true;
}

bool PlaceItem(CParsedVerb* v, std::string_view item) {
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
  } else if (item.find('@') != std::string_view::npos) {
    return PlaceRover(v, item);
  } else {
    return PlaceClassSuffix(v, item);
  }
  return true;
}

}  // namespace

CParsedVerb MakeVerb(std::string_view prefix, std::string_view definition,
                     std::string_view affixes) {
  CParsedVerb v;
  v.m_strGloss = std::string(definition);
  v.m_dScore = 1.0;
  if (!prefix.empty()) {
    const auto row = std::find_if(
        std::begin(kVerbPrefixes), std::end(kVerbPrefixes),
        [prefix](const VerbPrefixRow& r) { return r.prefix == prefix; });
    EXPECT_NE(row, std::end(kVerbPrefixes)) << "unknown prefix " << prefix;
    if (row != std::end(kVerbPrefixes)) {
      v.m_strPrefix = std::string(row->prefix);
      v.m_strSubject = std::string(row->subject);
      v.m_strObject = std::string(row->object);
    }
  }
  while (!affixes.empty()) {
    const size_t end = std::min(affixes.find(' '), affixes.size());
    const std::string_view item = affixes.substr(0, end);
    affixes.remove_prefix(std::min(end + 1, affixes.size()));
    if (!item.empty()) {
      EXPECT_TRUE(PlaceItem(&v, item)) << "unknown affix item " << item;
    }
  }
  return v;
}

}  // namespace testing
}  // namespace tesvar
