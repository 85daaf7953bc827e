// Test support: building small lexicons in a test, and one-line dumps of
// candidate records so that a failing comparison shows the whole reading.

#ifndef TESVAR_TESTS_SUPPORT_TEST_LEXICON_H_
#define TESVAR_TESTS_SUPPORT_TEST_LEXICON_H_

#include <cstdint>
#include <initializer_list>
#include <string>

#include "tesvar/lexicon.h"
#include "tesvar/parse_result.h"

namespace tesvar {
namespace testing {

// Entry attributes that tests switch on by name.
enum Flag : uint32_t {
  kNoFlags = 0,
  kLanguage = 1 << 0,
  kBodyPart = 1 << 1,
  kInherentPlural = 1 << 2,
  kIrregularPlural = 1 << 3,
  kStative = 1 << 4,
};

// An entry that owns its texts. It converts to the CTWord that views
// them, so it must outlive that view: name the TestWord, never the CTWord
// made from a temporary one.
struct TestWord {
  std::string headword;
  int32_t pos = kNoun;
  std::string definition;
  uint32_t flags = kNoFlags;  // an OR of Flag values
  std::string irregular_plural;

  CTWord view() const;
  operator CTWord() const { return view(); }  // NOLINT(runtime/explicit)
};

// An entry with the given fields; `flags` is an OR of Flag values.
TestWord Entry(std::string headword, int32_t pos, std::string definition,
               uint32_t flags = kNoFlags, std::string irregular_plural = "");

// A lexicon holding `entries` in order, keyed "headword:pos" unless two
// entries would share a key, in which case a counter is appended.
CLexicon Lexicon(std::initializer_list<TestWord> entries);

// "POS key \"analysis\" score errors=[..] suggestions=[..]" for one record,
// with the score in shortest round-trip form.
std::string Dump(const CParseResult& result);
// All records, one per line.
std::string Dump(const ParseResults& results);

}  // namespace testing
}  // namespace tesvar

#endif  // TESVAR_TESTS_SUPPORT_TEST_LEXICON_H_
