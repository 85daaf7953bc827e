// The plain-word analysis.
// Tested by parsed_word_test.cc.

#include "words/parsed_word.h"

#include <utility>

namespace tesvar {

void CParsedWord::Clear() {
  for (std::string& suggestion : m_lstSuggestions) {
    spare_suggestions_.push_back(std::move(suggestion));
  }
  m_lstSuggestions.clear();
  suggestions_in_space_.clear();
  m_lstErrors.clear();
  m_strWord = {};
  m_strGloss = {};
  m_nPOS = 0;
  m_dScore = 0.0;
  m_strHeadword = {};
}

std::string& CParsedWord::AddSpareSuggestion() {
  if (spare_suggestions_.empty()) return m_lstSuggestions.emplace_back();
  m_lstSuggestions.push_back(std::move(spare_suggestions_.back()));
  spare_suggestions_.pop_back();
  return m_lstSuggestions.back();
}

std::string& CParsedWord::AddSuggestion() {
  std::string& suggestion = AddSpareSuggestion();
  suggestion.clear();
  return suggestion;
}

std::string& CParsedWord::AddSuggestionOfSize(size_t size) {
  // Only bytes past the old text are filled in.
  std::string& suggestion = AddSpareSuggestion();
  suggestion.resize(size);
  return suggestion;
}

char* CParsedWord::AddSuggestionBytes(size_t size) {
  if (text_space_ == nullptr) return AddSuggestionOfSize(size).data();
  char* bytes = text_space_->Allocate(size);
  suggestions_in_space_.emplace_back(bytes, size);
  return bytes;
}

int CParsedWord::Parse(std::string_view word, const CTWord& entry) {
  if (word != entry.m_strHeadword) return 0;
  TakeEntry(word, entry);
  m_nPOS = entry.m_nPOS;
  return 1;
}

void CParsedWord::TakeEntry(std::string_view word, const CTWord& entry) {
  m_strWord = word;
  m_dScore = 1.0;
  // The gloss is only ever shown, like the messages.
  if (!quiet_) m_strGloss = entry.m_strDefinition;
  m_strHeadword = entry.m_strHeadword;
}

std::string_view CParsedWord::POS() const { return PartOfSpeechLabel(m_nPOS); }

}  // namespace tesvar
