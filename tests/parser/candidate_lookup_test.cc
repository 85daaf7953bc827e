// The driver looks up only the entries whose headword starts the word or
// follows its verb prefix. Checked here against the full walk: every entry
// whose headword occurs anywhere in the word, tried with its analyses.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "nouns/parsed_noun.h"
#include "numbers/parsed_num.h"
#include "parser/spelling.h"
#include "support/test_lexicon.h"
#include "tesvar/parser.h"
#include "verbs/parsed_verb.h"

namespace tesvar {
namespace {

using testing::Entry;

// Key and label of every reading the full walk finds, in order.
std::vector<std::string> FullWalk(const CLexicon& lexicon, std::string word) {
  NormaliseSpelling(&word);
  std::vector<std::string> readings;
  auto add = [&](auto& analysis, const CLexicon::Entry& entry) {
    analysis.Clear();
    if (analysis.Parse(word, entry.word)) {
      readings.push_back(std::string(entry.key) + "/" +
                         std::string(analysis.POS()));
    }
  };
  for (const CLexicon::Entry& entry : lexicon.entries()) {
    if (word.find(entry.word.m_strHeadword) == std::string::npos) continue;
    CParsedNoun noun;
    CParsedVerb verb;
    CParsedNum number;
    CParsedWord plain;
    switch (static_cast<uint32_t>(entry.word.m_nPOS)) {
      case kNoun:
        add(noun, entry);
        break;
      case kVerb:
        add(verb, entry);
        break;
      case kPronoun:
        add(noun, entry);
        add(verb, entry);
        break;
      case kNumber:
        add(number, entry);
        break;
      default:
        add(plain, entry);
    }
  }
  return readings;
}

std::vector<std::string> Driver(const CLexicon& lexicon,
                                const std::string& word) {
  CTesvarParser parser(&lexicon);
  ParseResults results;
  parser.ParseWord(word, results);
  std::vector<std::string> readings;
  for (const CParseResult& r : results) {
    readings.push_back(r.m_strKey + "/" + r.m_strPOS);
  }
  return readings;
}

TEST(CandidateLookupTest, AgreesWithTheFullWalkOnRandomWords) {
  // Pieces that combine into prefixes, roots, suffixes and number parts,
  // so that headwords occur at the start, after a prefix and elsewhere.
  const std::vector<std::string> pieces = {
      "vI",  "jI",    "yI",  "lu",  "qet", "Sop", "wa'", "maH", "pu'", "be'",
      "taH", "ghach", "wI'", "vam", "a",   "Du'", "lu'", "",    "'a'", "DIch"};
  const int32_t codes[] = {kNoun, kVerb, kPronoun, kNumber, kAdverbial, -1};
  uint64_t state = 7;
  auto next = [&state] {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<uint32_t>(state >> 33);
  };
  CLexicon lexicon;
  for (int i = 0; i < 60; ++i) {
    std::string headword = pieces[next() % pieces.size()];
    if (next() % 2) headword += pieces[next() % pieces.size()];
    lexicon.Add(std::to_string(i),
                Entry(headword, codes[next() % std::size(codes)], "x"));
  }
  for (int i = 0; i < 3000; ++i) {
    std::string word;
    for (uint32_t n = 1 + next() % 4; n > 0; --n) {
      word += pieces[next() % pieces.size()];
    }
    ASSERT_EQ(Driver(lexicon, word), FullWalk(lexicon, word)) << word;
  }
}

}  // namespace
}  // namespace tesvar
