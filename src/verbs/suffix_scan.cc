// The suffix scan reads a verb from its root outward in one greedy pass:
// at each point the first suffix of the inventory that the remaining text
// begins with is taken, with no backtracking, so the inventory's row order
// decides every split. Each suffix is checked before and after it is
// stored (verb_checks.cc). Rovers are kept by the position where they
// stood, which is the class of the last class suffix before them plus one,
// 0 straight after the root.
//
// {-ghach} and {-wI'} end the verb: the verb part, glossed in English,
// becomes a made-up noun entry, and the embedded noun analysis reads the
// whole word as that noun followed by noun suffixes.
// Tested by verb_scan_test.cc.

#include <cstddef>

#include "platform/text.h"
#include "verbs/parsed_verb.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {

namespace {

using RoverSlots = std::string (CParsedVerb::*)[CParsedVerb::kRoverSlots];

// Where each rover is kept. {-Ha'} and {-Qo'} change the reading of the
// whole verb, so only their presence is marked (with their gloss); the
// others keep their position.
struct RoverHome {
  std::string_view suffix;
  RoverSlots slots;                  // by position, or nullptr
  std::string CParsedVerb::*marker;  // or nullptr
};

constexpr size_t kRoverHomeCount = 6;
constexpr RoverHome kRoverHomes[kRoverHomeCount] = {
    {"be'", &CParsedVerb::m_strNegRover, nullptr},
    {"qu'", &CParsedVerb::m_strEmphRover, nullptr},
    {"be'qu'", &CParsedVerb::m_strNegEmphRover, nullptr},
    {"qu'be'", &CParsedVerb::m_strEmphNegRover, nullptr},
    {"Ha'", nullptr, &CParsedVerb::m_strRootNeg},
    {"Qo'", nullptr, &CParsedVerb::m_strRefusal},
};

// Suffixes that turn the verb into a noun; noun suffixes may follow them.
constexpr size_t kNounFormingCount = 2;
constexpr std::string_view kNounFormingSuffixes[kNounFormingCount] = {"ghach",
                                                                      "wI'"};

// Pronouns glossed "that" point at something; they never act as verbs.
constexpr std::string_view kDemonstrativeDefinition = "that";

const RoverHome* FindRoverHome(std::string_view suffix) {
  for (const RoverHome& home : kRoverHomes) {
    if (home.suffix == suffix) return &home;
  }
  return nullptr;
}

bool IsNounForming(std::string_view suffix) {
  for (std::string_view noun_forming : kNounFormingSuffixes) {
    if (suffix == noun_forming) return true;
  }
  return false;
}

}  // namespace

int CParsedVerb::ParseNoPrefix(std::string_view word, const CTWord& entry) {
  if (entry.m_nPOS != kVerb && entry.m_nPOS != kPronoun) return 0;
  m_bAsNoun = 0;
  const bool pronoun = entry.m_nPOS == kPronoun;
  if (pronoun && entry.m_strDefinition == kDemonstrativeDefinition) return 0;
  m_bPronoun = pronoun ? 1 : 0;
  m_bStative = entry.m_bStative;
  if (!StartsWith(word, entry.m_strHeadword)) return 0;

  TakeEntry(word, entry);
  VerbScanState scan;
  scan.rest = word.substr(entry.m_strHeadword.size());
  if (scan.rest.empty()) return 1;

  ScanSuffixes(&scan);
  int result = scan.rest.empty() ? 1 : 0;
  // Also for a verb turned into a noun or with an unread tail: the
  // reflexive checks judge what was read.
  CheckReflexive(scan.reflexive);
  if (m_bAsNoun) result = Nominalise(word, scan.rest.size());
  return result;
}

void CParsedVerb::ScanSuffixes(VerbScanState* scan) {
  while (const VerbSuffixRow* row = MatchVerbSuffix(scan->rest)) {
    scan->current = row->suffix;
    scan->type = row->type;
    CheckBeforeStoring(scan);
    StoreSuffix(*row, *scan);
    CheckAfterStoring(scan);
    scan->rest.remove_prefix(row->suffix.size());
    if (IsNounForming(row->suffix)) {
      m_bAsNoun = 1;
      return;
    }
    // Rovers have no class: a rover after a rover stands at the same
    // position as the first.
    if (row->type != kRoverType) {
      scan->last = row->suffix;
      scan->last_type = row->type;
    }
  }
}

void CParsedVerb::StoreSuffix(const VerbSuffixRow& row,
                              const VerbScanState& scan) {
  if (row.type >= 1 && row.type <= kLastVerbClass) {
    (this->*kClassFields[row.type]).assign(row.suffix);
    return;
  }
  if (row.type != kRoverType) {
    m_lstErrors.push_back("Unknown verb suffix type!");
    m_dScore /= factor::kEighth;
    return;
  }
  const RoverHome* home = FindRoverHome(row.suffix);
  if (home == nullptr) return;
  if (home->marker != nullptr) {
    (this->*home->marker).assign(row.gloss);
  } else {
    (this->*home->slots)[scan.last_type + 1].assign(row.suffix);
  }
}

int CParsedVerb::Nominalise(std::string_view word, size_t unread) {
  // The verb part is glossed as a verb, without its subject, and that
  // gloss becomes the definition of the noun the word is read as.
  m_bAsNoun = 0;
  m_bNominalised = 1;
  const std::string definition = ToString();
  CTWord verb_part;
  verb_part.m_strHeadword = word.substr(0, word.size() - unread);
  verb_part.m_strDefinition = definition;
  const int result = m_noun.Parse(word, verb_part);
  m_bAsNoun = 1;
  return result;
}

}  // namespace tesvar
