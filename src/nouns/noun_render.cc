// English and native renderings of a noun reading. The English gloss puts
// the suffix glosses in English word order around the definition: the
// outer types in front (5, 4, 3, then 1 next to the noun), the plural
// behind it. The native form rebuilds the word in type order, so a word
// read with its suffixes out of order comes back corrected.
// Tested by parsed_noun_test.cc.

#include "nouns/noun_suffix_table.h"
#include "nouns/parsed_noun.h"
#include "platform/text.h"

namespace tesvar {

std::string_view CParsedNoun::SuffixGloss(std::string_view suffix,
                                          const NounSuffixRow* row) const {
  // Suffix texts are unique in the table, so a slot that still is its
  // row's text (the same bytes) has that row.
  if (row == nullptr || row->suffix.data() != suffix.data() ||
      row->suffix.size() != suffix.size()) {
    row = FindNounSuffix(suffix);
  }
  // A slot text that is no table suffix (the plural with its note) stands
  // for itself.
  if (row == nullptr) return suffix;
  // A demonstrative follows the number of the noun: "these".
  if (!m_strNS2.empty() && !row->plural_gloss.empty()) return row->plural_gloss;
  return row->gloss;
}

std::string CParsedNoun::TS(std::string_view suffix) const {
  return std::string(SuffixGloss(suffix));
}

void CParsedNoun::AppendGloss(std::string_view definition,
                              std::string* out) const {
  const struct {
    std::string_view text;
    int type;
  } outer[] = {{m_strNS5, 5}, {m_strNS4, 4}, {m_strNS3, 3}, {m_strNS1, 1}};
  for (const auto& slot : outer) {
    if (slot.text.empty()) continue;
    out->append(SuffixGloss(slot.text, slot_rows_[slot.type - 1]));
    out->push_back(' ');
  }
  out->append(definition);
  if (!m_strNS2.empty()) {
    out->push_back(' ');
    out->append(SuffixGloss(m_strNS2, slot_rows_[1]));
  }
}

std::string CParsedNoun::ToString() const {
  std::string out;
  AppendGloss(m_strGloss, &out);
  return out;
}

std::string CParsedNoun::ToStringTesvar() const {
  std::string out;
  WriteNative(&out);
  return out;
}

void CParsedNoun::WriteNative(std::string* out) const {
  AssignConcat(
      out, {m_strHeadword, m_strNS1, m_strNS2, m_strNS3, m_strNS4, m_strNS5});
}

}  // namespace tesvar
