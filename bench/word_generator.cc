// Word generation. Affixes come from the analysers' own tables, so the
// words use exactly the suffixes, prefixes and number elements that the
// parser knows; the chances below only decide how often each slot is
// filled. Well-formed chains fill the slots in type order, one suffix per
// type; the tangled kind draws suffixes of any type in any order, which
// gives the grammar checks (and the suggestion check after them) work.
// Tested by generator_test.cc.

#include "bench/word_generator.h"

#include <string_view>

#include "bench/lexicon_generator.h"
#include "nouns/noun_suffix_table.h"
#include "numbers/number_tables.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {
namespace bench {

constexpr int kLastVerbType = kLastVerbClass;

// How a verb's suffix chain is drawn: the chance of a prefix, of a suffix
// of each type 1 to 9, of a rover before each of those slots, and whether
// the verb may be turned into a noun.
struct ChainShape {
  uint32_t prefix_percent;
  uint32_t type_percent[kLastVerbType + 1];  // index 0 unused
  uint32_t rover_percent;
  bool nominalise;
};

namespace {

// Percentage of nouns that carry a suffix of each type, outermost last.
struct SlotChance {
  int type;
  uint32_t percent;
};
constexpr SlotChance kNounSlots[] = {
    {1, 10}, {2, 30}, {3, 8}, {4, 25}, {5, 25}};

// The plural a careful writer picks, by the first flag of the noun that
// is set; the last row is for every other noun.
struct PluralRow {
  int32_t CTWord::*flag;
  std::string_view suffix;
};
constexpr PluralRow kPlurals[] = {{&CTWord::m_bBodyPart, "Du'"},
                                  {&CTWord::m_bLanguage, "pu'"},
                                  {nullptr, "mey"}};

constexpr ChainShape kTypicalVerb = {
    80, {0, 8, 12, 8, 8, 8, 10, 25, 2, 18}, 6, true};
constexpr ChainShape kLongVerb = {
    100, {0, 0, 100, 100, 100, 100, 100, 100, 0, 100}, 10, true};
// Pronouns used as verbs ("I am", "are they?") take no prefix.
constexpr ChainShape kPronounVerb = {
    0, {0, 0, 0, 15, 0, 10, 10, 0, 5, 25}, 5, false};
constexpr uint32_t kPronounAsNounPercent = 50;
constexpr uint32_t kNominalSuffixPercent = 30;

constexpr uint32_t kTensPercent = 35;
constexpr uint32_t kPowerPercent = 25;
constexpr uint32_t kNumberSuffixPercent = 40;

// Tangled words: how many suffixes, and how often a verb has a prefix.
constexpr uint32_t kTangledMinSuffixes = 3;
constexpr uint32_t kTangledExtraSuffixes = 2;
constexpr uint32_t kTangledPrefixPercent = 70;
constexpr uint32_t kTangledVerbPercent = 50;

// The kinds of words in typed text, per hundred words.
struct KindShare {
  WordKind kind;
  uint32_t weight;
};
constexpr KindShare kTextShares[] = {
    {WordKind::kNoun, 30},     {WordKind::kVerb, 28},   {WordKind::kPronoun, 3},
    {WordKind::kNumber, 3},    {WordKind::kPlain, 8},   {WordKind::kTangled, 5},
    {WordKind::kMisspelt, 15}, {WordKind::kGarbage, 8},
};
// The words that get misspelt.
constexpr KindShare kMisspeltShares[] = {
    {WordKind::kNoun, 40},  {WordKind::kVerb, 40},   {WordKind::kNumber, 5},
    {WordKind::kPlain, 10}, {WordKind::kPronoun, 5},
};

// ASCII only, whatever the locale, so that the lists stay the same bytes.
char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
void UpperCase(std::string* word, Random*) {
  for (char& c : *word) c = Upper(c);
}
void LowerCase(std::string* word, Random*) {
  for (char& c : *word) c = Lower(c);
}
void Capitalise(std::string* word, Random*) {
  if (!word->empty()) (*word)[0] = Upper((*word)[0]);
}
void StrayCharacter(std::string* word, Random* random) {
  constexpr std::string_view kStray = " -.,0123456789";
  word->insert(random->Uniform(word->size() + 1), 1,
               kStray[random->Uniform(kStray.size())]);
}
void ThForTlh(std::string* word, Random* random) {
  const size_t at = word->find("tlh");
  if (at == std::string::npos) return StrayCharacter(word, random);
  word->replace(at, 3, "th");
}
void DropApostrophe(std::string* word, Random* random) {
  const size_t at = word->find('\'');
  if (at == std::string::npos) return LowerCase(word, random);
  word->erase(at, 1);
}

struct Misspelling {
  void (*apply)(std::string* word, Random* random);
  uint32_t weight;
};
constexpr Misspelling kMisspellings[] = {
    {UpperCase, 15},      {LowerCase, 25}, {Capitalise, 15},
    {StrayCharacter, 20}, {ThForTlh, 10},  {DropApostrophe, 15},
};

// Garbage is either bytes of any letter, digit or mark, or syllables of
// the language that happen to be no word.
constexpr std::string_view kGarbageBytes =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789'-";
constexpr uint32_t kSyllableGarbagePercent = 30;
constexpr uint32_t kGarbageMinLength = 3;
constexpr uint32_t kGarbageExtraLength = 10;

// A random row of `rows` whose type is `type`, or nullptr when none is.
template <typename Row, size_t kCount>
const Row* PickOfType(const Row (&rows)[kCount], int type, Random* random) {
  size_t matching = 0;
  for (const Row& row : rows) matching += row.type == type ? 1 : 0;
  if (matching == 0) return nullptr;
  size_t draw = random->Uniform(matching);
  for (const Row& row : rows) {
    if (row.type == type && draw-- == 0) return &row;
  }
  return nullptr;
}

}  // namespace

WordGenerator::WordGenerator(const CLexicon& lexicon, uint64_t seed,
                             EntryDraw draw)
    : random_(seed), draw_(draw) {
  for (const CLexicon::Entry& entry : lexicon.entries()) {
    const CTWord& word = entry.word;
    switch (word.m_nPOS) {
      case kNoun:
        nouns_.push_back(word);
        break;
      case kVerb:
        verbs_.push_back(word);
        break;
      case kPronoun:
        pronouns_.push_back(word);
        break;
      case kNumber:
        numbers_.push_back(word);
        break;
      default:
        plain_.push_back(word);
        break;
    }
  }
}

std::string WordGenerator::Make(WordKind kind) {
  switch (kind) {
    case WordKind::kPlain:
      return Headword(plain_, nullptr);
    case WordKind::kNoun:
      return MakeNoun();
    case WordKind::kVerb:
      return MakeVerb(false);
    case WordKind::kLongVerb:
      return MakeVerb(true);
    case WordKind::kPronoun:
      return MakePronoun();
    case WordKind::kNumber:
      return MakeNumber();
    case WordKind::kTangled:
      return MakeTangled();
    case WordKind::kMisspelt:
      return MakeMisspelt();
    case WordKind::kGarbage:
      return MakeGarbage();
  }
  return std::string();
}

std::string WordGenerator::Next() {
  return Make(kTextShares[random_.PickWeighted(kTextShares)].kind);
}

std::string WordGenerator::Headword(const std::vector<CTWord>& entries,
                                    const CTWord** entry) {
  const CTWord* picked = nullptr;
  if (!entries.empty()) {
    picked =
        &entries[draw_ == EntryDraw::kZipf ? random_.Zipf(entries.size())
                                           : random_.Uniform(entries.size())];
  }
  if (entry != nullptr) *entry = picked;
  return picked != nullptr ? std::string(picked->m_strHeadword)
                           : MakeSyllables(2, &random_);
}

void WordGenerator::AppendNounSuffixes(const CTWord* noun, int first_type,
                                       std::string* word) {
  for (const SlotChance& slot : kNounSlots) {
    if (slot.type < first_type || !random_.Percent(slot.percent)) continue;
    if (slot.type == 2 && noun != nullptr) {
      if (noun->m_bInherentPlural) continue;
      const PluralRow* plural = kPlurals;
      while (plural->flag != nullptr && !(noun->*plural->flag)) ++plural;
      word->append(plural->suffix);
      continue;
    }
    const NounSuffixRow* row = PickOfType(kNounSuffixes, slot.type, &random_);
    if (row != nullptr) word->append(row->suffix);
  }
}

std::string WordGenerator::MakeNoun() {
  const CTWord* noun = nullptr;
  std::string word = Headword(nouns_, &noun);
  AppendNounSuffixes(noun, 1, &word);
  return word;
}

void WordGenerator::AppendVerbSuffixes(const ChainShape& shape,
                                       std::string* word) {
  for (int type = 1; type <= kLastVerbType; ++type) {
    if (random_.Percent(shape.rover_percent)) {
      word->append(PickOfType(kVerbSuffixes, kRover, &random_)->suffix);
    }
    if (!random_.Percent(shape.type_percent[type])) continue;
    const VerbSuffixRow* row = PickOfType(kVerbSuffixes, type, &random_);
    if (row == nullptr) continue;
    if (!row->has(kNominaliser)) {
      word->append(row->suffix);
    } else if (shape.nominalise) {
      word->append(row->suffix);
      if (random_.Percent(kNominalSuffixPercent)) {
        AppendNounSuffixes(nullptr, 2, word);
      }
      return;
    }
  }
}

std::string WordGenerator::MakeVerb(bool long_chain) {
  const ChainShape& shape = long_chain ? kLongVerb : kTypicalVerb;
  std::string word;
  if (random_.Percent(shape.prefix_percent)) {
    word.append(kVerbPrefixes[random_.Uniform(kVerbPrefixCount)].prefix);
  }
  word += Headword(verbs_, nullptr);
  AppendVerbSuffixes(shape, &word);
  return word;
}

std::string WordGenerator::MakePronoun() {
  std::string word = Headword(pronouns_, nullptr);
  if (random_.Percent(kPronounAsNounPercent)) {
    AppendNounSuffixes(nullptr, 1, &word);
  } else {
    AppendVerbSuffixes(kPronounVerb, &word);
  }
  return word;
}

std::string WordGenerator::MakeNumber() {
  std::string word = Headword(numbers_, nullptr);
  if (random_.Percent(kTensPercent)) word.append(kTensElement);
  if (random_.Percent(kPowerPercent)) {
    word.append(kPowers[random_.Uniform(kPowerCount)].element);
  }
  if (random_.Percent(kNumberSuffixPercent)) {
    word.append(kNumberSuffixes[random_.Uniform(kNumberSuffixCount)].suffix);
  }
  return word;
}

std::string WordGenerator::MakeTangled() {
  const bool verb = random_.Percent(kTangledVerbPercent);
  std::string word;
  if (verb && random_.Percent(kTangledPrefixPercent)) {
    word.append(kVerbPrefixes[random_.Uniform(kVerbPrefixCount)].prefix);
  }
  word += Headword(verb ? verbs_ : nouns_, nullptr);
  const uint32_t count =
      kTangledMinSuffixes + random_.Uniform(kTangledExtraSuffixes + 1);
  for (uint32_t i = 0; i < count; ++i) {
    word.append(verb ? kVerbSuffixes[random_.Uniform(kVerbSuffixCount)].suffix
                     : kNounSuffixes[random_.Uniform(kNounSuffixCount)].suffix);
  }
  return word;
}

std::string WordGenerator::MakeMisspelt() {
  std::string word =
      Make(kMisspeltShares[random_.PickWeighted(kMisspeltShares)].kind);
  Misspell(&word);
  return word;
}

void WordGenerator::Misspell(std::string* word) {
  kMisspellings[random_.PickWeighted(kMisspellings)].apply(word, &random_);
}

std::string WordGenerator::MakeGarbage() {
  if (random_.Percent(kSyllableGarbagePercent)) {
    return MakeSyllables(1 + static_cast<int>(random_.Uniform(3)), &random_);
  }
  const uint32_t length =
      kGarbageMinLength + random_.Uniform(kGarbageExtraLength + 1);
  std::string word;
  for (uint32_t i = 0; i < length; ++i) {
    word += kGarbageBytes[random_.Uniform(kGarbageBytes.size())];
  }
  return word;
}

std::vector<std::string> GenerateWordList(const CLexicon& lexicon, size_t count,
                                          uint64_t seed, EntryDraw draw) {
  WordGenerator generator(lexicon, seed, draw);
  std::vector<std::string> words;
  words.reserve(count);
  for (size_t i = 0; i < count; ++i) words.push_back(generator.Next());
  return words;
}

}  // namespace bench
}  // namespace tesvar
