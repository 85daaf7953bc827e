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
#include <initializer_list>
#include <iterator>
#include <utility>

#include "platform/text.h"
#include "words/parsed_word.h"

namespace tesvar {

namespace {

// The slots by type, innermost first.
constexpr std::string_view CParsedNoun::*kSlots[] = {
    &CParsedNoun::m_strNS1, &CParsedNoun::m_strNS2, &CParsedNoun::m_strNS3,
    &CParsedNoun::m_strNS4, &CParsedNoun::m_strNS5};
constexpr int kSlotCount = static_cast<int>(std::size(kSlots));
static_assert(kSlotCount == kLastNounClass, "one slot per noun suffix type");

bool IsOfKind(const CTWord& entry, NounKind kind) {
  switch (kind) {
    case kAnyNoun:
      break;
    case kBodyPartNoun:
      return entry.m_bBodyPart != 0;
    case kLanguageNoun:
      return entry.m_bLanguage != 0;
  }
  return true;
}

// The complaint about a plural on a noun of another kind than it is meant
// for (%s is the headword).
std::string_view PluralMisuse(NounKind kind) {
  switch (kind) {
    case kAnyNoun:
      break;
    case kBodyPartNoun:
      return "Body-part suffix {-Du'} on non-body-part noun {%s}";
    case kLanguageNoun:
      return "Plural suffix {-pu'} is for beings capable of language.";
  }
  return std::string_view();
}

constexpr bool IsPlural(const NounSuffixRow& row) {
  return row.type == kNounPlural;
}

constexpr bool IsGeneralPlural(const NounSuffixRow& row) {
  return IsPlural(row) && row.meant_for == kAnyNoun;
}

constexpr bool IsKindPlural(const NounSuffixRow& row) {
  return IsPlural(row) && row.meant_for != kAnyNoun;
}

// The plurals meant for one kind of noun, in row order, picked from the
// table once.
constexpr size_t CountKindPlurals() {
  size_t count = 0;
  for (const NounSuffixRow& row : kNounSuffixes) count += IsKindPlural(row);
  return count;
}

struct KindPlurals {
  const NounSuffixRow* rows[CountKindPlurals()];
};

constexpr KindPlurals PickKindPlurals() {
  KindPlurals plurals{};
  size_t count = 0;
  for (const NounSuffixRow& row : kNounSuffixes) {
    if (IsKindPlural(row)) plurals.rows[count++] = &row;
  }
  return plurals;
}

constexpr KindPlurals kKindPlurals = PickKindPlurals();

// The plural meant for a kind of noun this entry is, first in row order;
// nullptr when it has none of its own.
const NounSuffixRow* OwnPlural(const CTWord& entry) {
  for (const NounSuffixRow* row : kKindPlurals.rows) {
    if (IsOfKind(entry, row->meant_for)) return row;
  }
  return nullptr;
}

// The plural suffix this noun takes.
std::string_view FittingPlural(const CTWord& entry) {
  const NounSuffixRow* own = OwnPlural(entry);
  return own != nullptr ? own->suffix : GeneralPlural().suffix;
}

// Nouns that are places already and so take no locative suffix; the
// lexicon marks them only by their definitions.
struct LocativeNoun {
  std::string_view definition;
  std::string_view noun;
};
constexpr LocativeNoun kLocativeNouns[] = {
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

// The slot text of the general plural with that note. Slots are views, so
// the noted text is a constant of its own; there is one general plural
// (noun_suffix_table.cc).
constexpr std::string_view kScatteredPlural = "mey (scattered about)";

constexpr std::string_view GeneralPluralSuffix() {
  for (const NounSuffixRow& row : kNounSuffixes) {
    if (IsGeneralPlural(row)) return row.suffix;
  }
  return std::string_view();
}
static_assert(kScatteredPlural.substr(0, GeneralPluralSuffix().size()) ==
                      GeneralPluralSuffix() &&
                  kScatteredPlural.substr(GeneralPluralSuffix().size()) ==
                      kScatteredNote,
              "the noted plural is the general plural and the note");

// Adds the message made from `format` and `args` as by Format, unless the
// noun is quiet.
void AddError(CParsedNoun* noun, std::string_view format,
              std::initializer_list<FormatArg> args = {}) {
  if (noun->quiet()) return;
  noun->m_lstErrors.push_back(args.size() == 0 ? std::string(format)
                                               : Format(format, args));
}

void Suggest(CParsedNoun* noun,
             std::initializer_list<std::string_view> pieces) {
  std::string& word = noun->AddSuggestion();
  for (std::string_view piece : pieces) word.append(piece);
}

// The slots below `type`, innermost first, as they stand now.
std::string LowerSlots(CParsedNoun* noun, int type) {
  std::string out;
  for (int t = 1; t < type && t <= kSlotCount; ++t) {
    out.append(*NounSlot(noun, t));
  }
  return out;
}

// A plural meant for another kind of noun.
bool CheckPluralKind(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (!IsPlural(m.row) || IsOfKind(m.entry, m.row.meant_for)) return true;
  AddError(noun, PluralMisuse(m.row.meant_for), {noun->m_strHeadword});
  noun->m_dScore /= factor::kHalf;
  if (!m.entry.m_bInherentPlural) {
    Suggest(noun, {noun->m_strHeadword, noun->m_strNS1, FittingPlural(m.entry),
                   m.after});
  }
  return true;
}

bool CheckInherentPlural(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (!IsPlural(m.row) || !m.entry.m_bInherentPlural) return true;
  AddError(noun, kInherentPluralMessage);
  noun->m_dScore /= factor::kQuarter;
  Suggest(noun, {noun->m_strHeadword, noun->m_strNS1, m.after});
  return true;
}

// The lexicon may know an irregular plural without knowing its form.
bool CheckIrregularPlural(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (!IsPlural(m.row) || m.entry.m_bInherentPlural ||
      !m.entry.m_bIrregularPlural) {
    return true;
  }
  const std::string_view form = m.entry.m_strIrregularPlural;
  if (form.empty()) {
    AddError(noun, kUnknownPluralMessage);
  } else {
    AddError(noun, kIrregularPluralMessage, {form});
    Suggest(noun, {form, noun->m_strNS1, m.after});
  }
  noun->m_dScore /= factor::kHalf;
  return true;
}

bool IsPossessiveFor(const NounSuffixRow& row, NounKind kind) {
  return row.role == kPossessive && row.meant_for == kind;
}

bool CheckLanguagePossessive(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (m.entry.m_bLanguage || !IsPossessiveFor(m.row, kLanguageNoun)) {
    return true;
  }
  AddError(noun, kPossessiveMessage, {m.row.suffix});
  noun->m_dScore /= factor::kHalf;
  // Every such possessive has a general form (noun_suffix_table.cc).
  const NounSuffixRow* general = PossessiveFor(m.row, kAnyNoun);
  Suggest(noun, {noun->m_strHeadword, noun->m_strNS1, noun->m_strNS2,
                 noun->m_strNS3, general->suffix, m.after});
  return true;
}

bool CheckPoeticPlural(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (!m.entry.m_bBodyPart || !IsGeneralPlural(m.row)) return true;
  AddError(noun, kPoeticMessage);
  noun->m_dScore /= factor::kHalf;
  Suggest(noun, {noun->m_strHeadword, noun->m_strNS1,
                 PluralFor(kBodyPartNoun).suffix, m.after});
  return true;
}

// A being capable of language called by a possessive meant for things.
// It is a message only: the word is well formed, just rude.
bool CheckInsult(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (!m.entry.m_bLanguage || !IsPossessiveFor(m.row, kAnyNoun)) {
    return true;
  }
  AddError(noun, kInsultMessage);
  const NounSuffixRow* polite = PossessiveFor(m.row, kLanguageNoun);
  if (polite != nullptr) {
    Suggest(noun, {noun->m_strHeadword, noun->m_strNS1, noun->m_strNS2,
                   noun->m_strNS3, polite->suffix, m.after});
  }
  return true;
}

// The general plural on a noun with a plural of its own kind means the
// things are spread around; the note travels in the slot text.
bool MarkScattered(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (IsGeneralPlural(m.row) && OwnPlural(m.entry) != nullptr) {
    // The slot holds the general plural just stored.
    noun->m_strNS2 = kScatteredPlural;
  }
  return true;
}

bool CheckLocative(const NounSuffixMatch& m, CParsedNoun* noun) {
  if (m.row.role != kLocative) return true;
  for (const LocativeNoun& place : kLocativeNouns) {
    if (m.entry.m_strDefinition != place.definition) continue;
    AddError(noun, kLocativeMessage);
    Suggest(noun, {place.noun});
    return false;
  }
  return true;
}

// The checks of what a suffix means, in the order they run.
using UseCheck = bool (*)(const NounSuffixMatch&, CParsedNoun*);
constexpr UseCheck kUseChecks[] = {
    CheckPluralKind,         CheckInherentPlural, CheckIrregularPlural,
    CheckLanguagePossessive, CheckPoeticPlural,   CheckInsult,
    MarkScattered,           CheckLocative,
};

}  // namespace

std::string_view* NounSlot(CParsedNoun* noun, int type) {
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
    AddError(noun, kSameTypeMessage, {last_suffix, m.row.suffix, type});
    noun->m_dScore /= factor::kEighth;
    Suggest(noun, {noun->m_strHeadword, lower, last_suffix, m.after});
    Suggest(noun, {noun->m_strHeadword, lower, m.row.suffix, m.after});
  } else {
    AddError(noun, kOrderMessage, {m.row.suffix, type, last_suffix, last_type});
    noun->m_dScore /= factor::kHalf;
    Suggest(noun,
            {noun->m_strHeadword, lower, m.row.suffix, last_suffix, m.after});
  }
}

bool CheckNounSuffixUse(const NounSuffixMatch& match, CParsedNoun* noun) {
  // Every check concerns a plural, a possessive or a locative; the other
  // suffixes pass them all.
  const NounSuffixRow& row = match.row;
  if (!IsPlural(row) && row.role != kPossessive && row.role != kLocative) {
    return true;
  }
  for (UseCheck check : kUseChecks) {
    if (!check(match, noun)) return false;
  }
  return true;
}

}  // namespace tesvar
