#include "corrector/word_shapes.h"

#include <string_view>
#include <vector>

namespace tesvar {
namespace corrector {

namespace {

// What the analyses of a part of speech let follow or precede a headword:
// nouns take noun suffixes; verbs take a prefix and verb suffixes, and
// noun suffixes once a suffix has made them nouns; pronouns read as nouns
// and as verbs without a prefix; numbers take the number elements; every
// other word stands alone.
uint8_t HeadwordMarks(int32_t part_of_speech) {
  switch (part_of_speech) {
    case kNoun:
      return kIsHeadword | kNounSuffix;
    case kVerb:
      return kIsHeadword | kTakesVerbPrefix | kVerbSuffix | kNounSuffix;
    case kPronoun:
      return kIsHeadword | kNounSuffix | kVerbSuffix;
    case kNumber:
      return kIsHeadword | kNumberElement;
    default:
      return kIsHeadword;
  }
}

LetterTrie BuildPrefixes() {
  std::vector<std::string_view> prefixes;
  AppendVerbPrefixes(&prefixes);
  LetterTrie::Builder builder;
  Letters letters;
  for (const std::string_view prefix : prefixes) {
    if (ReadCanonical(prefix, &letters)) builder.Add(letters, kIsHeadword);
  }
  return builder.Build();
}

LetterTrie BuildSuffixes() {
  std::vector<AffixText> suffixes;
  AppendSuffixes(&suffixes);
  LetterTrie::Builder builder;
  Letters letters;
  for (const AffixText& suffix : suffixes) {
    if (ReadCanonical(suffix.text, &letters) && !letters.empty()) {
      builder.Add(letters, suffix.classes);
    }
  }
  return builder.Build();
}

LetterTrie BuildHeadwords(const CLexicon& lexicon) {
  LetterTrie::Builder builder;
  Letters letters;
  for (const CLexicon::Entry entry : lexicon.entries()) {
    const std::string_view headword = entry.word.m_strHeadword;
    if (ReadCanonical(headword, &letters) && !letters.empty()) {
      builder.Add(letters, HeadwordMarks(entry.word.m_nPOS));
    }
  }
  return builder.Build();
}

}  // namespace

WordShapes BuildWordShapes(const CLexicon& lexicon) {
  return WordShapes{BuildPrefixes(), BuildHeadwords(lexicon), BuildSuffixes()};
}

}  // namespace corrector
}  // namespace tesvar
