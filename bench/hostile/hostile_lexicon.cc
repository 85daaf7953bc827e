#include "bench/hostile/hostile_lexicon.h"

namespace tesvar {
namespace bench {

namespace {

// One entry's part of speech, flags and plural; entry i of a kind takes
// row i modulo the number of rows.
struct EntryShape {
  std::string_view pos;
  std::string_view flags;
  bool plural;  // the headword with "mey" as its irregular plural
};

constexpr EntryShape kNounShapes[] = {
    {"N", "", false},
    {"N", "bodypart", false},
    {"N", "language", false},
    {"N", "inherentplural", false},
    {"N", "irregularplural", true},
};
constexpr EntryShape kVerbShapes[] = {{"V", "", false},
                                      {"V", "stative", false}};
constexpr EntryShape kPronounShapes[] = {{"P", "", false}};
constexpr EntryShape kMixedShapes[] = {
    {"N", "", false},         {"V", "", false},   {"P", "", false},
    {"ADV", "", false},       {"NUM", "", false}, {"CONJ", "", false},
    {"EXCL", "", false},      {"Q", "", false},   {"V", "stative", false},
    {"N", "language", false}, {"42", "", false},
};

// The definitions cycle too; none is "that", which pronouns never use
// as verbs.
constexpr std::string_view kDefinitions[] = {"be boring", "house", "you",
                                             "thing"};

template <size_t kCount>
std::string Entries(const EntryShape (&shapes)[kCount], size_t entries,
                    std::string_view headword) {
  std::string tsv = "key\theadword\tpos\tdefinition\tflags\tplural\n";
  for (size_t i = 0; i < entries; ++i) {
    const EntryShape& shape = shapes[i % kCount];
    tsv += std::string(headword) + ":" + std::to_string(i) + "\t";
    tsv += std::string(headword) + "\t" + std::string(shape.pos) + "\t";
    tsv += std::string(kDefinitions[i % std::size(kDefinitions)]) + "\t";
    tsv += std::string(shape.flags) + "\t";
    if (shape.plural) tsv += std::string(headword) + "mey";
    tsv += "\n";
  }
  return tsv;
}

}  // namespace

std::string HostileLexiconTsv(HostileKind kind, size_t entries,
                              std::string_view headword) {
  switch (kind) {
    case HostileKind::kNouns:
      return Entries(kNounShapes, entries, headword);
    case HostileKind::kVerbs:
      return Entries(kVerbShapes, entries, headword);
    case HostileKind::kPronouns:
      return Entries(kPronounShapes, entries, headword);
    case HostileKind::kMixed:
      break;
  }
  return Entries(kMixedShapes, entries, headword);
}

}  // namespace bench
}  // namespace tesvar
