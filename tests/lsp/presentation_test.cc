#include "tools/lsp/presentation.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/lsp/corrections.h"

namespace tesvar {
namespace lsp {
namespace {

CParseResult Reading(const std::string& key, double score,
                     const StringList& errors, const StringList& suggestions) {
  CParseResult reading;
  reading.m_strPOS = key.substr(key.find(':') + 1);
  reading.m_strKey = key;
  reading.m_strAnalysis = "gloss of " + key;
  reading.m_dScore = score;
  reading.m_lstErrors = errors;
  reading.m_lstSuggestions = suggestions;
  return reading;
}

WordReport Report(WordKind kind, ParseResults readings = {}) {
  WordReport report;
  report.kind = kind;
  report.readings = std::move(readings);
  return report;
}

std::string Message(const WordReport& report) {
  const Json diagnostic = WordDiagnostic("word", Range(), report);
  return diagnostic.is_null() ? "(none)"
                              : Member(&diagnostic, "message")->string();
}

TEST(PresentationTest, OneDiagnosticPerWordWithTheReadingsErrors) {
  const struct {
    const char* name;
    WordReport report;
    std::string message;
  } cases[] = {
      {"correct", Report(WordKind::kCorrect), "(none)"},
      {"one reading",
       Report(WordKind::kFlawed, {Reading("a:N", 0.5, {"One.", "Two."}, {})}),
       "One. Two."},
      {"same errors are said once",
       Report(WordKind::kFlawed, {Reading("a:N", 0.9, {"Case."}, {}),
                                  Reading("a:V", 0.9, {"Case."}, {})}),
       "Case."},
      {"different errors name their readings",
       Report(WordKind::kFlawed, {Reading("a:N", 0.5, {"Case.", "N."}, {}),
                                  Reading("a:V", 0.9, {"Case."}, {}),
                                  Reading("b:N", 0.5, {"Case.", "N."}, {})}),
       "a:N, b:N: Case. N.\na:V: Case."},
      {"unknown", Report(WordKind::kUnknown),
       "Unknown word \"word\": no reading."},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(Message(row.report), row.message) << row.name;
  }
  WordReport refused = Report(WordKind::kNotChecked);
  refused.reason = "too long";
  const Json diagnostic =
      WordDiagnostic("word", Range{{1, 2}, {1, 6}}, refused);
  EXPECT_EQ(WriteJson(diagnostic),
            R"({"range":{"start":{"line":1,"character":2},)"
            R"("end":{"line":1,"character":6}},"severity":4,)"
            R"("code":"not-checked","source":"tesvar",)"
            R"("message":"Not checked: too long."})");
}

TEST(PresentationTest, CorrectionsAreDistinctWordsOtherThanTheWord) {
  const WordReport flawed =
      Report(WordKind::kFlawed,
             {Reading("a:N", 0.5, {"E."}, {"Dalmey", "Dal", "two words"}),
              Reading("a:V", 0.5, {"E."}, {"Dalmey", "Dal'e", "", "Dalpu'"})});
  const StringList spelling = {"DaghIlpu'", "Dal", "Dalpu'"};
  WordReport refused = Report(WordKind::kNotChecked);
  refused.reason = "too long";
  const struct {
    const char* name;
    WordReport report;
    StringList spelling;
    StringList corrections;
  } cases[] = {
      {"grammar first, then spelling, each word once",
       flawed,
       spelling,
       {"Dalmey", "Dal", "Dal'e", "DaghIlpu'"}},
      {"no spelling", flawed, {}, {"Dalmey", "Dal", "Dal'e"}},
      {"unknown: spelling alone",
       Report(WordKind::kUnknown),
       spelling,
       {"DaghIlpu'", "Dal"}},
      // Whatever the other readings suggest or the corrector found.
      {"correct", Report(WordKind::kCorrect, flawed.readings), spelling, {}},
      {"not checked", refused, spelling, {}},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(Corrections("Dalpu'", row.report, row.spelling), row.corrections)
        << row.name;
  }
}

TEST(PresentationTest, HoverListsEveryReading) {
  const WordReport report =
      Report(WordKind::kFlawed, {Reading("Dal:N", 0.5, {"Plural."}, {"Dalmey"}),
                                 Reading("Dal:V", 1.0 / 1.1, {}, {})});
  EXPECT_EQ(HoverText("Dalpu'", report),
            "Dalpu'\n"
            "1. [N] gloss of Dal:N\n"
            "   key Dal:N, score 0.5\n"
            "   error: Plural.\n"
            "   suggestion: Dalmey\n"
            "2. [V] gloss of Dal:V\n"
            "   key Dal:V, score 0.9090909090909091");
  EXPECT_EQ(HoverText("naDevDaq", Report(WordKind::kUnknown)),
            "naDevDaq\nno reading");
  // An overlong word is shown cut, never inside a character.
  const std::string long_word =
      std::string(63, 'a') + "\xE2\x80\x99" + std::string(300, 'a');
  WordReport refused = Report(WordKind::kNotChecked);
  refused.reason = "word longer than 256 bytes";
  EXPECT_EQ(
      HoverText(long_word, refused),
      std::string(63, 'a') + "...\nnot checked: word longer than 256 bytes");
}

}  // namespace
}  // namespace lsp
}  // namespace tesvar
