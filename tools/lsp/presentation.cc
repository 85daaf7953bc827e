// One diagnostic per word, never one per reading: a word is one place to
// fix, editors show one squiggle per place anyway, and the code actions
// for the word belong to that one diagnostic. A flawed word's message
// gives the errors of its readings, one sentence after another. Readings
// that found the same errors (often every reading of a word typed in the
// wrong case) share one line; when the readings disagree, each line names
// the keys of its readings, so that the user can tell which meaning each
// complaint is about.
//
// Severities: a grammar error is a warning, since the word exists and the
// analyser may be stricter than the writer; an unknown word is
// information, since it may simply be missing from the lexicon; a word
// not checked is a hint.
// Tested by presentation_test.cc.

#include "tools/lsp/presentation.h"

#include <charconv>
#include <utility>
#include <vector>

namespace tesvar {
namespace lsp {

namespace {

constexpr std::string_view kSource = "tesvar";
// How much of an overlong word the hover shows.
constexpr size_t kShownWordBytes = 64;

std::string JoinErrors(const StringList& errors) {
  std::string text;
  for (const std::string& error : errors) {
    if (!text.empty()) text += ' ';
    text += error;
  }
  return text;
}

// Errors of each reading, readings with the same errors grouped in
// reading order.
std::string FlawedMessage(const ParseResults& readings) {
  std::vector<std::pair<std::string, std::string>> groups;  // keys, errors
  for (const CParseResult& reading : readings) {
    const std::string errors = JoinErrors(reading.m_lstErrors);
    bool grouped = false;
    for (auto& [keys, group_errors] : groups) {
      if (group_errors == errors) {
        keys += ", " + reading.m_strKey;
        grouped = true;
        break;
      }
    }
    if (!grouped) groups.emplace_back(reading.m_strKey, errors);
  }
  if (groups.size() == 1) return groups[0].second;
  std::string message;
  for (const auto& [keys, errors] : groups) {
    if (!message.empty()) message += '\n';
    message += keys + ": " + errors;
  }
  return message;
}

std::string ScoreText(double score) {
  char buffer[32];
  const std::to_chars_result written =
      std::to_chars(buffer, buffer + sizeof(buffer), score);
  return std::string(buffer, written.ptr);
}

std::string ShownWord(std::string_view word) {
  if (word.size() <= kShownWordBytes) return std::string(word);
  // Cut at a character boundary: the word may hold U+2019.
  size_t cut = kShownWordBytes;
  while (cut > 0 && (static_cast<unsigned char>(word[cut]) & 0xC0) == 0x80) {
    --cut;
  }
  return std::string(word.substr(0, cut)) + "...";
}

void AppendReading(size_t number, const CParseResult& reading,
                   std::string* out) {
  *out += std::to_string(number) + ". [" + reading.m_strPOS + "] " +
          reading.m_strAnalysis + "\n";
  *out += "   key " + reading.m_strKey + ", score " +
          ScoreText(reading.m_dScore) + "\n";
  for (const std::string& error : reading.m_lstErrors) {
    *out += "   error: " + error + "\n";
  }
  for (const std::string& suggestion : reading.m_lstSuggestions) {
    *out += "   suggestion: " + suggestion + "\n";
  }
}

}  // namespace

Json PositionJson(const Position& position) {
  return Json::Object()
      .Set("line", position.line)
      .Set("character", position.character);
}

Json RangeJson(const Range& range) {
  return Json::Object()
      .Set("start", PositionJson(range.start))
      .Set("end", PositionJson(range.end));
}

Json WordDiagnostic(std::string_view typed, const Range& range,
                    const WordReport& report) {
  int level = severity::kWarning;
  std::string code, message;
  switch (report.kind) {
    case WordKind::kCorrect:
      return Json();
    case WordKind::kFlawed:
      code = "grammar";
      message = FlawedMessage(report.readings);
      break;
    case WordKind::kUnknown:
      level = severity::kInformation;
      code = "unknown-word";
      message = "Unknown word \"" + ShownWord(typed) + "\": no reading.";
      break;
    case WordKind::kNotChecked:
      level = severity::kHint;
      code = "not-checked";
      message = "Not checked: " + report.reason + ".";
      break;
  }
  return Json::Object()
      .Set("range", RangeJson(range))
      .Set("severity", level)
      .Set("code", std::move(code))
      .Set("source", kSource)
      .Set("message", std::move(message));
}

Json TooManyDiagnostics(size_t shown, const Range& range) {
  return Json::Object()
      .Set("range", RangeJson(range))
      .Set("severity", severity::kInformation)
      .Set("code", "too-many")
      .Set("source", kSource)
      .Set("message", "Only the first " + std::to_string(shown) +
                          " words with diagnostics are marked; later "
                          "words are not.");
}

std::string HoverText(std::string_view typed, const WordReport& report) {
  std::string text = ShownWord(typed) + "\n";
  switch (report.kind) {
    case WordKind::kCorrect:
    case WordKind::kFlawed:
      for (size_t i = 0; i < report.readings.size(); ++i) {
        AppendReading(i + 1, report.readings[i], &text);
      }
      break;
    case WordKind::kUnknown:
      text += "no reading\n";
      break;
    case WordKind::kNotChecked:
      text += "not checked: " + report.reason + "\n";
      break;
  }
  text.pop_back();  // the last "\n"
  return text;
}

}  // namespace lsp
}  // namespace tesvar
