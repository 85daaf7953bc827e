// The verb affix tables. Row order is the try order and part of the
// behaviour: a longer suffix that begins with a shorter one stands before
// it ("be'qu'" before "be'"), so combinations are found as one row.
// DO NOT REORDER.

#include "verbs/verb_affix_tables.h"

#include <cstdint>

#include "platform/text.h"

namespace tesvar {

const VerbPrefixRow kVerbPrefixes[kVerbPrefixCount] = {
    {"bI", "you ", ""},
    {"bo", "you(pl) ", "him/her/it/them "},
    {"che", "you(pl) ", "us "},
    {"cho", "you ", "me "},
    {"Da", "you ", "him/her/it/them "},
    {"DI", "we ", "them "},
    {"Du", "he/she/it ", "you "},
    {"gho", "you(imp:sg/pl) ", "us "},
    {"HI", "you(imp:sg/pl) ", "me "},
    {"jI", "I ", ""},
    {"ju", "you ", "us "},
    {"lI", "he/she/it/they ", "you(pl) "},
    {"lu", "they ", "him/her/it "},
    {"ma", "we ", ""},
    {"mu", "he/she/it/they ", "me "},
    {"nI", "they ", "you "},
    {"nu", "he/she/it/they ", "us "},
    {"pe", "you(imp:pl) ", ""},
    {"pI", "we ", "you "},
    {"qa", "I ", "you "},
    {"re", "we ", "you(pl) "},
    {"Sa", "I ", "you(pl) "},
    {"Su", "you(pl) ", ""},
    {"tI", "you(imp:sg/pl) ", "them "},
    {"tu", "you(pl) ", "me "},
    {"vI", "I ", "him/her/it/them "},
    {"wI", "we ", "him/her/it "},
    {"yI", "you(imp:sg/pl) ", "(no.object)/him/her/it "},
};

constexpr VerbSuffixRow kVerbSuffixes[kVerbSuffixCount] = {
    {"'a'", 9, "(yes/no)?"},
    {"'egh", 1, "oneself"},
    {"ba'", 6, "obviously "},
    {"be'qu'", 0, "really not "},
    {"be'", 0, "not "},
    {"beH", 2, "be ready to "},
    {"bej", 6, "certainly "},
    {"bogh", 9, "which "},
    {"choH", 3, "change"},
    {"chu'", 6, "clearly "},
    {"chugh", 9, "if "},
    {"chuq", 1, "one another "},
    {"DI'", 9, "as soon as "},
    {"ghach", 9, "(noun) "},
    {"Ha'", 0, "not"},
    {"jaj", 9, "may "},
    {"laH", 5, "can "},
    {"law'", 6, "apparently "},
    {"lI'", 7, "(in-progress) "},
    {"lu'", 5, "one"},
    {"luH", 5, "one can"},
    {"la'", 5, "one can"},
    {"meH", 9, "in order that "},
    {"mo'", 9, "because "},
    {"moH", 4, "cause"},
    {"neS", 8, ", your honor"},
    {"nIS", 2, "need to "},
    {"pa'", 9, "before "},
    {"pu'", 7, "(completed) "},
    {"qa'", 3, "again"},
    {"qang", 2, "be willing to "},
    {"Qo'", 0, "refuse to "},
    {"qu'be'", 0, "not really "},
    {"qu'", 0, "really "},
    {"rup", 2, "be ready to "},
    {"ta'", 7, "(completed) "},
    {"taH", 7, "(on-going) "},
    {"vIp", 2, "be afraid to "},
    {"vIS", 9, "while "},
    {"wI'", 9, "one/thing which is/does "},
};

size_t VerbPrefixLength(std::string_view word) {
  for (const VerbPrefixRow& row : kVerbPrefixes) {
    if (StartsWith(word, row.prefix)) return row.prefix.size();
  }
  return 0;
}

namespace {

// The suffix rows by the first byte of their suffix, in row order, so that
// a text is compared only with the rows that can begin it. No more than
// kMaxRowsPerByte suffixes share a first byte.
constexpr size_t kMaxRowsPerByte = 8;

struct SuffixRowsByFirstByte {
  uint8_t count[256];
  uint8_t rows[256][kMaxRowsPerByte];
};

constexpr bool NoSuffixIsEmpty() {
  for (const VerbSuffixRow& row : kVerbSuffixes) {
    if (row.suffix.empty()) return false;
  }
  return true;
}

static_assert(NoSuffixIsEmpty(), "every suffix row has a first byte");

constexpr SuffixRowsByFirstByte MakeSuffixRowsByFirstByte() {
  SuffixRowsByFirstByte index{};
  for (size_t i = 0; i < kVerbSuffixCount; ++i) {
    const auto first = static_cast<unsigned char>(kVerbSuffixes[i].suffix[0]);
    // Writing past kMaxRowsPerByte would end the constant evaluation of
    // kSuffixRowsByFirstByte, and with it the build.
    index.rows[first][index.count[first]++] = static_cast<uint8_t>(i);
  }
  return index;
}

constexpr SuffixRowsByFirstByte kSuffixRowsByFirstByte =
    MakeSuffixRowsByFirstByte();

}  // namespace

const VerbSuffixRow* MatchVerbSuffix(std::string_view text) {
  if (text.empty()) return nullptr;
  const auto first = static_cast<unsigned char>(text[0]);
  const uint8_t* rows = kSuffixRowsByFirstByte.rows[first];
  for (size_t i = 0; i < kSuffixRowsByFirstByte.count[first]; ++i) {
    const VerbSuffixRow& row = kVerbSuffixes[rows[i]];
    if (StartsWith(text, row.suffix)) return &row;
  }
  return nullptr;
}

}  // namespace tesvar
