// Verb analysis entry points. A word is read as prefix + verb first and
// only when no prefix reading of the entry works as a bare verb, so each
// entry gives at most one verb reading. Prefixes are matched on the word
// itself; no prefix of the table begins another, so at most one applies.
// Tested by verb_scan_test.cc and verb_checks_test.cc.

#include "platform/text.h"
#include "verbs/parsed_verb.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {

int CParsedVerb::Parse(std::string_view word, const CTWord& entry) {
  if (ParseWithPrefix(word, entry)) return 1;
  return ParseNoPrefix(word, entry) ? 1 : 0;
}

int CParsedVerb::ParseWithPrefix(std::string_view word, const CTWord& entry) {
  // Pronouns used as verbs never take a prefix.
  if (entry.m_nPOS != kVerb) return 0;
  // Only the one prefix the word begins with can apply, and only when the
  // headword follows it; otherwise the record stays untouched.
  const VerbPrefixRow* row = MatchVerbPrefix(word);
  if (row == nullptr) return 0;
  const std::string_view rest = word.substr(row->prefix.size());
  if (!StartsWith(rest, entry.m_strHeadword)) return 0;
  SetPrefix(row);
  if (ParseNoPrefix(rest, entry)) {
    CheckStativePrefix();
    return 1;
  }
  // Messages of a failed reading of the rest must not reach the reading
  // without prefix.
  Clear();
  return 0;
}

}  // namespace tesvar
