#include "support/test_lexicon.h"

#include <charconv>
#include <utility>

namespace tesvar {
namespace testing {

CTWord TestWord::view() const {
  CTWord word;
  word.m_strHeadword = headword;
  word.m_nPOS = pos;
  word.m_strDefinition = definition;
  word.m_bLanguage = (flags & kLanguage) ? 1 : 0;
  word.m_bBodyPart = (flags & kBodyPart) ? 1 : 0;
  word.m_bInherentPlural = (flags & kInherentPlural) ? 1 : 0;
  word.m_bIrregularPlural = (flags & kIrregularPlural) ? 1 : 0;
  word.m_bStative = (flags & kStative) ? 1 : 0;
  word.m_strIrregularPlural = irregular_plural;
  return word;
}

TestWord Entry(std::string headword, int32_t pos, std::string definition,
               uint32_t flags, std::string irregular_plural) {
  return TestWord{std::move(headword), pos, std::move(definition), flags,
                  std::move(irregular_plural)};
}

CLexicon Lexicon(std::initializer_list<TestWord> entries) {
  CLexicon lexicon;
  int counter = 0;
  for (const TestWord& word : entries) {
    const std::string key = word.headword + ":" + std::to_string(word.pos);
    if (!lexicon.Add(key, word)) {
      lexicon.Add(key + "#" + std::to_string(++counter), word);
    }
  }
  return lexicon;
}

namespace {

std::string ShortestDouble(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof(buffer), value);
  return std::string(buffer, result.ptr);
}

std::string DumpList(const StringList& list) {
  std::string out = "[";
  for (size_t i = 0; i < list.size(); ++i) {
    if (i > 0) out += "|";
    out += list[i];
  }
  return out + "]";
}

}  // namespace

std::string Dump(const CParseResult& r) {
  return r.m_strPOS + " " + r.m_strKey + " \"" + r.m_strAnalysis + "\" " +
         ShortestDouble(r.m_dScore) + " errors=" + DumpList(r.m_lstErrors) +
         " suggestions=" + DumpList(r.m_lstSuggestions);
}

std::string Dump(const ParseResults& results) {
  std::string out;
  for (const CParseResult& r : results) out += Dump(r) + "\n";
  return out;
}

}  // namespace testing
}  // namespace tesvar
