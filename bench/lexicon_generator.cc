// Lexicon generation. Each entry draws a part of speech from a weighted
// table, then a kind of meaning for that part of speech (which fixes its
// flags and the English definitions it may take), then a headword of a
// syllable count typical for the part of speech. A small fixed set of
// entries, the number roots and the pronouns, is spread over the first few
// hundred entries so that every lexicon of that size or more has them.
//
// Headwords are unique except for deliberate homonyms (the same headword
// under another part of speech), as real dictionaries have them; keys are
// always unique.
// Tested by generator_test.cc.

#include "bench/lexicon_generator.h"

#include <string_view>
#include <unordered_set>
#include <vector>

#include "tesvar/lexicon.h"
#include "tesvar/lexicon_tsv.h"

namespace tesvar {
namespace bench {

namespace {

// The letters, in canonical spelling. Every lower-case "h" belongs to a
// "ch", "gh" or "tlh", so the spelling normaliser leaves the words alone.
constexpr std::string_view kConsonants[] = {
    "b", "ch", "D", "gh", "H", "j",   "l", "m", "n", "ng", "p",
    "q", "Q",  "r", "S",  "t", "tlh", "v", "w", "y", "'",
};
constexpr std::string_view kVowels[] = {"a", "e", "I", "o", "u"};
constexpr std::string_view kComplexCodas[] = {"rgh", "w'", "y'"};

// How a syllable ends, separately for the last syllable of a word and for
// the others: most roots end in a consonant.
struct CodaShare {
  enum Coda { kOpen, kConsonant, kComplex } coda;
  uint32_t weight;
};
constexpr CodaShare kFinalCodas[] = {{CodaShare::kOpen, 5},
                                     {CodaShare::kConsonant, 85},
                                     {CodaShare::kComplex, 10}};
constexpr CodaShare kInnerCodas[] = {{CodaShare::kOpen, 50},
                                     {CodaShare::kConsonant, 45},
                                     {CodaShare::kComplex, 5}};

struct SyllableShare {
  int syllables;
  uint32_t weight;
};
// Verb roots are short; nouns and the other words run longer.
constexpr SyllableShare kVerbSyllables[] = {{1, 70}, {2, 25}, {3, 5}};
constexpr SyllableShare kWordSyllables[] = {{1, 25}, {2, 50}, {3, 20}, {4, 5}};

// A kind of meaning: the flags it carries and the definitions it takes.
struct Meaning {
  std::string_view flags;  // as written in the lexicon file
  const std::string_view* definitions;
  size_t definition_count;
  uint32_t weight;
  bool has_plural_form;  // the entry may name its irregular plural
};

template <size_t kCount>
constexpr Meaning MakeMeaning(std::string_view flags,
                              const std::string_view (&definitions)[kCount],
                              uint32_t weight, bool has_plural_form = false) {
  return Meaning{flags, definitions, kCount, weight, has_plural_form};
}

constexpr std::string_view kThings[] = {
    "house", "ship", "stone", "tree",  "weapon", "food",   "song",  "world",
    "river", "city", "door",  "knife", "star",   "battle", "honor", "fire"};
constexpr std::string_view kBeings[] = {"warrior", "captain", "child",
                                        "friend",  "officer", "teacher",
                                        "enemy",   "soldier"};
constexpr std::string_view kBodyParts[] = {"hand", "eye",   "head",  "foot",
                                           "arm",  "heart", "tooth", "ear"};
constexpr std::string_view kCollectives[] = {"people", "cattle", "scraps",
                                             "clothes", "troops"};
constexpr std::string_view kActions[] = {
    "eat",   "see",  "speak", "fight", "go",   "understand", "carry", "build",
    "write", "hear", "kill",  "find",  "give", "learn",      "sing",  "wait"};
constexpr std::string_view kQualities[] = {"be big",    "be red",  "be cold",
                                           "be strong", "be good", "be tired",
                                           "be old",    "be happy"};
constexpr std::string_view kAdverbials[] = {"now",     "always",  "quickly",
                                            "perhaps", "already", "soon"};
constexpr std::string_view kConjunctions[] = {"and", "or", "but", "either/or"};
constexpr std::string_view kExclamations[] = {"yes", "no", "hello", "well done",
                                              "stop"};
constexpr std::string_view kQuestions[] = {"what?", "who?", "where?",
                                           "when?", "how?", "why?"};

constexpr Meaning kNounMeanings[] = {
    MakeMeaning("", kThings, 840),
    MakeMeaning("language", kBeings, 80),
    MakeMeaning("bodypart", kBodyParts, 40),
    MakeMeaning("inherentplural", kCollectives, 20),
    MakeMeaning("irregularplural", kThings, 12, true),
    MakeMeaning("language,irregularplural", kBeings, 8, true),
};
constexpr Meaning kVerbMeanings[] = {
    MakeMeaning("", kActions, 85),
    MakeMeaning("stative", kQualities, 15),
};
constexpr Meaning kAdverbialMeanings[] = {MakeMeaning("", kAdverbials, 1)};
constexpr Meaning kConjunctionMeanings[] = {MakeMeaning("", kConjunctions, 1)};
constexpr Meaning kExclamationMeanings[] = {MakeMeaning("", kExclamations, 1)};
constexpr Meaning kQuestionMeanings[] = {MakeMeaning("", kQuestions, 1)};

// The parts of speech drawn for ordinary entries, per thousand entries.
struct PosShare {
  int32_t pos;
  const Meaning* meanings;
  size_t meaning_count;
  const SyllableShare* syllables;
  size_t syllable_count;
  uint32_t weight;
};

template <size_t kMeanings, size_t kSyllables>
constexpr PosShare MakePosShare(int32_t pos,
                                const Meaning (&meanings)[kMeanings],
                                const SyllableShare (&syllables)[kSyllables],
                                uint32_t weight) {
  return PosShare{pos, meanings, kMeanings, syllables, kSyllables, weight};
}

constexpr PosShare kPosShares[] = {
    MakePosShare(kNoun, kNounMeanings, kWordSyllables, 540),
    MakePosShare(kVerb, kVerbMeanings, kVerbSyllables, 400),
    MakePosShare(kAdverbial, kAdverbialMeanings, kWordSyllables, 25),
    MakePosShare(kConjunction, kConjunctionMeanings, kWordSyllables, 10),
    MakePosShare(kExclamation, kExclamationMeanings, kWordSyllables, 15),
    MakePosShare(kQuestion, kQuestionMeanings, kWordSyllables, 10),
};

// Entries every lexicon of a few hundred entries has: the number roots
// that build numerals and the personal pronouns (one of them glossed
// "that", which never acts as a verb). Pronoun headwords are generated.
struct FixedEntry {
  int32_t pos;
  std::string_view headword;  // empty: generate one
  std::string_view definition;
};
constexpr FixedEntry kFixedEntries[] = {
    {kNumber, "wa'", "one"},      {kPronoun, "", "I, me"},
    {kNumber, "cha'", "two"},     {kPronoun, "", "you"},
    {kNumber, "wej", "three"},    {kPronoun, "", "he, she, him, her"},
    {kNumber, "loS", "four"},     {kPronoun, "", "it"},
    {kNumber, "vagh", "five"},    {kPronoun, "", "we, us"},
    {kNumber, "jav", "six"},      {kPronoun, "", "you (pl)"},
    {kNumber, "Soch", "seven"},   {kPronoun, "", "they, them"},
    {kNumber, "chorgh", "eight"}, {kPronoun, "", "that"},
    {kNumber, "Hut", "nine"},
};
constexpr size_t kFixedEntryCount =
    sizeof(kFixedEntries) / sizeof(kFixedEntries[0]);
// Entry i is fixed entry (i - kFixedStart) / kFixedStride when that
// division is exact and in range.
constexpr size_t kFixedStart = 7;
constexpr size_t kFixedStride = 29;

// Percentage of ordinary entries that reuse an earlier headword.
constexpr uint32_t kHomonymPercent = 2;
// Percentage of irregular plurals whose form the lexicon knows.
constexpr uint32_t kKnownPluralPercent = 80;
// Draws of a fresh headword before one more syllable is allowed.
constexpr int kDrawsPerLength = 32;

template <typename Row, size_t kCount>
const Row& Pick(const Row (&rows)[kCount], Random* random) {
  return rows[random->Uniform(kCount)];
}

// Builds the entries one by one, remembering headwords and keys so far.
class Builder {
 public:
  explicit Builder(uint64_t seed) : random_(seed) {}

  void AppendEntry(size_t index, std::string* out);

 private:
  void AppendOrdinary(std::string* out);
  void AppendFixed(const FixedEntry& fixed, std::string* out);
  // A headword not used before, with about `syllables` syllables.
  std::string FreshHeadword(int syllables);
  // Writes one line; makes the key unique first.
  void AppendLine(const std::string& headword, int32_t pos,
                  std::string_view definition, std::string_view flags,
                  std::string_view plural, std::string* out);

  Random random_;
  std::unordered_set<std::string> headwords_;
  std::unordered_set<std::string> keys_;
  std::vector<std::string> headword_order_;  // for drawing homonyms
};

void Builder::AppendEntry(size_t index, std::string* out) {
  if (index >= kFixedStart && (index - kFixedStart) % kFixedStride == 0) {
    const size_t fixed = (index - kFixedStart) / kFixedStride;
    if (fixed < kFixedEntryCount) {
      AppendFixed(kFixedEntries[fixed], out);
      return;
    }
  }
  AppendOrdinary(out);
}

void Builder::AppendOrdinary(std::string* out) {
  const PosShare& share = kPosShares[random_.PickWeighted(kPosShares)];
  const Meaning& meaning =
      share.meanings[random_.PickWeighted(share.meanings, share.meaning_count)];
  const std::string_view definition =
      meaning.definitions[random_.Uniform(meaning.definition_count)];

  std::string headword;
  if (!headword_order_.empty() && random_.Percent(kHomonymPercent)) {
    headword = headword_order_[random_.Uniform(headword_order_.size())];
  } else {
    const size_t row =
        random_.PickWeighted(share.syllables, share.syllable_count);
    headword = FreshHeadword(share.syllables[row].syllables);
  }
  std::string plural;
  if (meaning.has_plural_form && random_.Percent(kKnownPluralPercent)) {
    plural = MakeSyllables(2, &random_);
  }
  AppendLine(headword, share.pos, definition, meaning.flags, plural, out);
}

void Builder::AppendFixed(const FixedEntry& fixed, std::string* out) {
  // A number root drawn earlier as an ordinary headword simply makes a
  // homonym; the key stays unique.
  std::string headword(fixed.headword);
  if (headword.empty()) headword = FreshHeadword(1);
  AppendLine(headword, fixed.pos, fixed.definition, "", "", out);
}

std::string Builder::FreshHeadword(int syllables) {
  for (;;) {
    for (int draw = 0; draw < kDrawsPerLength; ++draw) {
      std::string headword = MakeSyllables(syllables, &random_);
      if (headwords_.count(headword) == 0) return headword;
    }
    ++syllables;  // this length is crowded; longer words are plentiful
  }
}

void Builder::AppendLine(const std::string& headword, int32_t pos,
                         std::string_view definition, std::string_view flags,
                         std::string_view plural, std::string* out) {
  const std::string_view label = PartOfSpeechLabel(pos);
  std::string key = headword + ":" + std::string(label);
  for (int n = 2; keys_.count(key) != 0; ++n) {
    key = headword + ":" + std::string(label) + ":" + std::to_string(n);
  }
  keys_.insert(key);
  if (headwords_.insert(headword).second) headword_order_.push_back(headword);

  out->append(key).append("\t").append(headword).append("\t");
  out->append(label).append("\t").append(definition).append("\t");
  out->append(flags).append("\t").append(plural).append("\n");
}

void AppendSyllable(bool final, Random* random, std::string* out) {
  out->append(Pick(kConsonants, random));
  out->append(Pick(kVowels, random));
  const auto& codas = final ? kFinalCodas : kInnerCodas;
  switch (codas[random->PickWeighted(codas)].coda) {
    case CodaShare::kOpen:
      break;
    case CodaShare::kConsonant:
      out->append(Pick(kConsonants, random));
      break;
    case CodaShare::kComplex:
      out->append(Pick(kComplexCodas, random));
      break;
  }
}

}  // namespace

std::string MakeSyllables(int syllables, Random* random) {
  std::string word;
  for (int i = 0; i < syllables; ++i) {
    AppendSyllable(i + 1 == syllables, random, &word);
  }
  return word;
}

std::string GenerateLexiconTsv(size_t entries, uint64_t seed) {
  std::string out = "# Synthetic lexicon made by tesvar_generate_lexicon (" +
                    std::to_string(entries) + " entries, seed " +
                    std::to_string(seed) + ").\n";
  out += "key\theadword\tpos\tdefinition\tflags\tplural\n";
  Builder builder(seed);
  for (size_t i = 0; i < entries; ++i) builder.AppendEntry(i, &out);
  return out;
}

}  // namespace bench
}  // namespace tesvar
