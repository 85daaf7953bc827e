// CParsedWord is one analysis of one word against one lexicon entry and
// the base of the noun, verb and number analyses. On its own it reads the
// uninflected parts of speech: the word must equal the headword exactly.
//
// The texts of a reading (word, headword, gloss, and in the derived
// analyses every affix) are views: into the word being parsed, the
// lexicon entry and the affix tables. They stay valid while the word and
// the lexicon do, which covers a parser call and the rendering of its
// readings; filling a reading copies nothing.
//
// Analyses are values owned by one call of the parser; not thread-safe.
// Tested by parsed_word_test.cc.

#ifndef TESVAR_WORDS_PARSED_WORD_H_
#define TESVAR_WORDS_PARSED_WORD_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tesvar/lexicon.h"
#include "tesvar/string_list.h"
#include "words/text_space.h"

namespace tesvar {

// Score factors. Every irregularity divides a reading's score by one of
// these; a score of exactly 1.0 marks a flawless reading, so the values
// are part of the output format. DO NOT CHANGE.
namespace factor {
constexpr double kSpelling = 1.1;
constexpr double kSlight = 1.5;
constexpr double kHalf = 2.0;
constexpr double kThird = 3.0;
constexpr double kQuarter = 4.0;
constexpr double kEighth = 8.0;
}  // namespace factor

class CParsedWord {
 public:
  CParsedWord() = default;
  CParsedWord(const CParsedWord&) = default;
  CParsedWord& operator=(const CParsedWord&) = default;
  virtual ~CParsedWord() = default;

  // Returns the object to its empty state, keeping allocated storage.
  void Clear();

  // Plain match: returns 1 and fills word, headword, gloss, score 1.0 and
  // the entry's code when `word` equals the entry's headword; otherwise
  // returns 0 and changes nothing. The message lists are not touched.
  // The record refers to `word` and to the entry's texts (see above).
  int Parse(std::string_view word, const CTWord& entry);

  // The English rendering of a plain word: its gloss.
  std::string ToString() const { return std::string(m_strGloss); }
  // The native rendering of a plain word: the word itself.
  std::string ToStringTesvar() const { return std::string(m_strWord); }

  // Label of m_nPOS: "N", "V", "P", "ADV", "NUM", "CONJ", "EXCL", "Q", "X".
  std::string_view POS() const;
  // Records that `word` begins with the entry's headword: the word, a
  // score of 1.0, the entry's definition as gloss and its headword. Every
  // analysis starts its reading this way.
  void TakeEntry(std::string_view word, const CTWord& entry);
  // Appends an empty suggestion to m_lstSuggestions and returns it to be
  // written. Its storage is that of a suggestion cleared before, so a
  // record that serves many readings rarely allocates for them.
  std::string& AddSuggestion();
  // The same with a suggestion of `size` bytes whose content is left
  // unspecified, for the caller to overwrite whole.
  std::string& AddSuggestionOfSize(size_t size);
  // Room for a suggestion of `size` bytes, for the caller to write whole:
  // in the text space when one is set (see set_text_space), else in a new
  // entry of m_lstSuggestions.
  char* AddSuggestionBytes(size_t size);
  int HasErrors() const { return m_lstErrors.empty() ? 0 : 1; }
  int HasSuggestions() const {
    return m_lstSuggestions.empty() && suggestions_in_space_.empty() ? 0 : 1;
  }

  // Lets the suggestions added with AddSuggestionBytes go to `space`
  // (nullptr: to m_lstSuggestions) and be listed by
  // suggestions_in_space(), for quiet readings whose suggestions are only
  // read as views. Clear keeps the setting.
  void set_text_space(TextSpace* space) { text_space_ = space; }
  // The suggestions written to the text space, in the order added; views
  // of it.
  const std::vector<std::string_view>& suggestions_in_space() const {
    return suggestions_in_space_;
  }

  // A quiet analysis writes no messages and takes no gloss from its entry;
  // everything else, the score and the suggestions included, is the same.
  // For readings that are never shown. Clear keeps the setting.
  void set_quiet(bool quiet) { quiet_ = quiet; }
  bool quiet() const { return quiet_; }

  StringList m_lstSuggestions;
  StringList m_lstErrors;
  std::string_view m_strWord;
  std::string_view m_strGloss;
  int32_t m_nPOS = 0;
  double m_dScore = 0.0;
  std::string_view m_strHeadword;

 private:
  // Appends a suggestion with the storage and the stale text of a spare.
  std::string& AddSpareSuggestion();

  bool quiet_ = false;
  // Suggestions of earlier readings, kept for their storage.
  StringList spare_suggestions_;
  TextSpace* text_space_ = nullptr;  // see set_text_space
  std::vector<std::string_view> suggestions_in_space_;
};

}  // namespace tesvar

#endif  // TESVAR_WORDS_PARSED_WORD_H_
