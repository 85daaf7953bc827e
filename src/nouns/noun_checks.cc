// The noun grammar checks. A check that fires adds one message, divides
// the score by its own factor and may propose corrected whole words. A
// correction is a plain concatenation of the headword, the slots as they
// stand when the suffix is met, and the unscanned tail; it never reorders
// more than the two suffixes in question. The checks on what a suffix
// means run in a fixed order and independently, so one suffix may trip
// several of them.
// Tested by parsed_noun_test.cc.

#include "nouns/noun_checks.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "platform/text.h"
#include "words/parsed_word.h"

namespace tesvar {

namespace {

// The slots by type, innermost first.
constexpr int kSlotCount = 5;
std::string CParsedNoun::*const kSlots[kSlotCount] = {
    &CParsedNoun::m_strNS1, &CParsedNoun::m_strNS2, &CParsedNoun::m_strNS3,
    &CParsedNoun::m_strNS4, &CParsedNoun::m_strNS5};

constexpr int kPluralType = 2;
constexpr int kPossessiveType = 4;

// The plural that fits any noun without a plural of its own kind.
constexpr std::string_view kGeneralPlural = "mey";
constexpr std::string_view kBodyPartPlural = "Du'";

// Plurals reserved for one kind of noun, with the complaint when they
// appear on any other (%s is the headword).
struct PluralRow {
  std::string_view suffix;
  int32_t CTWord::*kind;
  std::string_view misuse;
};
constexpr size_t kPluralCount = 2;
const PluralRow kPlurals[kPluralCount] = {
    {kBodyPartPlural, &CTWord::m_bBodyPart,
     "Body-part suffix {-Du'} on non-body-part noun {%s}"},
    {"pu'", &CTWord::m_bLanguage,
     "Plural suffix {-pu'} is for beings capable of language."},
};

// Possessives: the form for beings capable of language and the form for
// everything else.
struct PossessivePair {
  std::string_view language;
  std::string_view general;
};
constexpr size_t kPossessiveCount = 4;
constexpr PossessivePair kPossessives[kPossessiveCount] = {
    {"wI'", "wIj"}, {"ma'", "maj"}, {"lI'", "lIj"}, {"ra'", "raj"}};

// Type-4 suffixes that suit any noun, beings capable of language included.
constexpr size_t kDemonstrativeCount = 2;
constexpr std::string_view kDemonstratives[kDemonstrativeCount] = {"vam",
                                                                   "vetlh"};

// Nouns that are places already and so take no locative suffix; the
// lexicon marks them only by their definitions.
constexpr std::string_view kLocativeSuffix = "Daq";
struct LocativeNoun {
  std::string_view definition;
  std::string_view noun;
};
constexpr size_t kLocativeNounCount = 3;
constexpr LocativeNoun kLocativeNouns[kLocativeNounCount] = {
    {"there, over there, thereabouts", "pa'"},
    {"here, hereabouts", "naDev"},
    {"everywhere", "Dat"},
};

constexpr std::string_view kSameTypeMessage =
    "The noun suffixs {%s} and {%s} are both type %i, and cannot both be on "
    "a noun at the same time.";
constexpr std::string_view kOrderMessage =
    "The noun suffix {%s} is type %i, and must precede {%s} which is type %i.";
constexpr std::string_view kInherentPluralMessage =
    "Cannot use plural suffix on inherently plural noun.";
constexpr std::string_view kUnknownPluralMessage =
    "This word has an irregular plural form, but I don't know what it is.";
constexpr std::string_view kIrregularPluralMessage =
    "Irregular plural: use {%s}.";
constexpr std::string_view kPossessiveMessage =
    "The possessive suffix {%s} is for beings capable of language.";
constexpr std::string_view kPoeticMessage =
    "Poetic usage: {-mey} on body part noun.";
constexpr std::string_view kInsultMessage =
    "Insult: Non-language suffix on being capable of language.";
constexpr std::string_view kLocativeMessage =
    "The nouns {pa'}, {Dat} and {naDev} don't take {-Daq}.";
constexpr std::string_view kScatteredNote = " (scattered about)";

void AddError(CParsedNoun* noun, std::string message) {
  noun->m_lstErrors.push_back(std::move(message));
}

void Suggest(CParsedNoun* noun,
             std::initializer_list<std::string_view> pieces) {
  std::string word;
  for (std::string_view piece : pieces) word.append(piece);
  noun->m_lstSuggestions.push_back(std::move(word));
}

// The slots below `type`, innermost first, as they stand now.
std::string LowerSlots(CParsedNoun* noun, int type) {
  std::string out;
  for (int t = 1; t < type && t <= kSlotCount; ++t) {
    out.append(*NounSlot(noun, t));
  }
  return out;
}

// The plural suffix this noun takes.
std::string_view FittingPlural(const CTWord& entry) {
  for (const PluralRow& row : kPlurals) {
    if (entry.*row.kind) return row.suffix;
  }
  return kGeneralPlural;
}

const PossessivePair* FindPossessive(std::string_view suffix,
                                     std::string_view PossessivePair::*form) {
  for (const PossessivePair& pair : kPossessives) {
    if (pair.*form == suffix) return &pair;
  }
  return nullptr;
}

bool IsDemonstrative(std::string_view suffix) {
  for (std::string_view d : kDemonstratives) {
    if (d == suffix) return true;
  }
  return false;
}

// A plural reserved for another kind of noun.
bool CheckPluralKind(const NounSuffixMatch& m, CParsedNoun* noun) {
  for (const PluralRow& row : kPlurals) {
    if (m.row.suffix != row.suffix || m.entry.*row.kind) continue;
    AddError(noun, Format(row.misuse, {noun->m_strHeadword}));
    noun->m_dScore /= factor::kHalf;
    if (!m.entry.m_bInherentPlural) {
      Suggest(noun, {noun->m_strHeadword, noun->m_strNS1,
                     FittingPlural(m.entry), m.after});
    }
  }
  return true;
}

bool CheckInherentPlural(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (m.row.type != kPluralType || !m.entry.m_bInherentPlural) return true;
  AddError(noun, std::string(kInherentPluralMessage));
  noun->m_dScore /= factor::kQuarter;
  Suggest(noun, {noun->m_strHeadword, noun->m_strNS1, m.after});
  return true;
}

// The lexicon may know an irregular plural without knowing its form.
bool CheckIrregularPlural(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (m.row.type != kPluralType || m.entry.m_bInherentPlural ||
      !m.entry.m_bIrregularPlural) {
    return true;
  }
  const std::string_view form = m.entry.m_strIrregularPlural;
  if (form.empty()) {
    AddError(noun, std::string(kUnknownPluralMessage));
  } else {
    AddError(noun, Format(kIrregularPluralMessage, {form}));
    Suggest(noun, {form, noun->m_strNS1, m.after});
  }
  noun->m_dScore /= factor::kHalf;
  return true;
}

bool CheckLanguagePossessive(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (m.entry.m_bLanguage) return true;
  const PossessivePair* pair =
      FindPossessive(m.row.suffix, &PossessivePair::language);
  if (pair == nullptr) return true;
  AddError(noun, Format(kPossessiveMessage, {m.row.suffix}));
  noun->m_dScore /= factor::kHalf;
  Suggest(noun, {noun->m_strHeadword, noun->m_strNS1, noun->m_strNS2,
                 noun->m_strNS3, pair->general, m.after});
  return true;
}

bool CheckPoeticPlural(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (!m.entry.m_bBodyPart || m.row.suffix != kGeneralPlural) return true;
  AddError(noun, std::string(kPoeticMessage));
  noun->m_dScore /= factor::kHalf;
  Suggest(noun,
          {noun->m_strHeadword, noun->m_strNS1, kBodyPartPlural, m.after});
  return true;
}

// A being capable of language called by a possessive meant for things.
// It is a message only: the word is well formed, just rude.
bool CheckInsult(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (!m.entry.m_bLanguage || m.row.type != kPossessiveType ||
      FindPossessive(m.row.suffix, &PossessivePair::language) != nullptr ||
      IsDemonstrative(m.row.suffix)) {
    return true;
  }
  AddError(noun, std::string(kInsultMessage));
  const PossessivePair* pair =
      FindPossessive(m.row.suffix, &PossessivePair::general);
  if (pair != nullptr) {
    Suggest(noun, {noun->m_strHeadword, noun->m_strNS1, noun->m_strNS2,
                   noun->m_strNS3, pair->language, m.after});
  }
  return true;
}

// The general plural on a noun with a plural of its own kind means the
// things are spread around; the note travels in the slot text.
bool MarkScattered(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (m.row.suffix == kGeneralPlural &&
      (m.entry.m_bLanguage || m.entry.m_bBodyPart)) {
    noun->m_strNS2.append(kScatteredNote);
  }
  return true;
}

bool CheckLocative(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (m.row.suffix != kLocativeSuffix) return true;
  for (const LocativeNoun& place : kLocativeNouns) {
    if (m.entry.m_strDefinition != place.definition) continue;
    AddError(noun, std::string(kLocativeMessage));
    Suggest(noun, {place.noun});
    return false;
  }
  return true;
}

// The checks of what a suffix means, in the order they run.
using UseCheck = bool (*)(const NounSuffixMatch&, CParsedNoun*);
constexpr size_t kUseCheckCount = 8;
constexpr UseCheck kUseChecks[kUseCheckCount] = {
    CheckPluralKind,         CheckInherentPlural, CheckIrregularPlural,
    CheckLanguagePossessive, CheckPoeticPlural,   CheckInsult,
    MarkScattered,           CheckLocative,
};

}  // namespace

std::string* NounSlot(CParsedNoun* noun, int type) {
  if (type < 1 || type > kSlotCount) return nullptr;
  return &(noun->*kSlots[type - 1]);
}

void CheckNounSuffixOrder(const NounSuffixMatch& m,
                          std::string_view last_suffix, int last_type,
                          CParsedNoun* noun) {
  const int type = m.row.type;
  if (type > last_type) return;
  const std::string lower = LowerSlots(noun, type);
  if (type == last_type) {
    AddError(noun, Format(kSameTypeMessage, {last_suffix, m.row.suffix, type}));
    noun->m_dScore /= factor::kEighth;
    Suggest(noun, {noun->m_strHeadword, lower, last_suffix, m.after});
    Suggest(noun, {noun->m_strHeadword, lower, m.row.suffix, m.after});
  } else {
    AddError(noun, Format(kOrderMessage,
                          {m.row.suffix, type, last_suffix, last_type}));
    noun->m_dScore /= factor::kHalf;
    Suggest(noun,
            {noun->m_strHeadword, lower, m.row.suffix, last_suffix, m.after});
  }
}

bool CheckNounSuffixUse(const NounSuffixMatch& match, CParsedNoun* noun) {
  for (UseCheck check : kUseChecks) {
    if (!check(match, noun)) return false;
  }
  return true;
}

}  // namespace tesvar
