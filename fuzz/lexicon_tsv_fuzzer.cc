// Fuzz target: the lexicon loader on any bytes. On error nothing is
// loaded (the stale entry put in beforehand is gone too) and the message
// is "fuzz.tsv:LINE: ..." with LINE a line of the input. On success the
// keys are unique and found again, and a copy of the lexicon, which
// rebuilds the headword index, finds each entry by its own headword just
// as the original does. Warnings name lines of the input in order; a
// strict load fails exactly when there are warnings, with the first; a
// load with small limits either fails at a line of the input or loads
// what the unlimited one does.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "fuzz/check.h"
#include "tesvar/lexicon_tsv.h"
#include "wordvault/lexicon_internal.h"

namespace {

using tesvar::fuzz::Check;

constexpr std::string_view kSource = "fuzz.tsv";

// The physical lines of `text`, as the loader numbers them: a last line
// without "\n" counts, and an empty text still has a line 1.
size_t LineCount(std::string_view text) {
  size_t lines = 0;
  for (const char c : text) lines += c == '\n' ? 1 : 0;
  if (!text.empty() && text.back() != '\n') ++lines;
  return lines == 0 ? 1 : lines;
}

void CheckError(const tesvar::Status& status, const tesvar::CLexicon& lexicon,
                std::string_view text) {
  Check(lexicon.empty(), "nothing loaded on error");
  Check(status.code() == tesvar::Status::Code::kInvalidInput,
        "malformed input is InvalidInput");
  std::string_view message = status.message();
  Check(message.substr(0, kSource.size()) == kSource &&
            message.size() > kSource.size() && message[kSource.size()] == ':',
        "message starts with the source name");
  message.remove_prefix(kSource.size() + 1);
  size_t line = 0;
  size_t digits = 0;
  while (digits < message.size() && message[digits] >= '0' &&
         message[digits] <= '9' && digits < 12) {
    line = line * 10 + static_cast<size_t>(message[digits] - '0');
    ++digits;
  }
  Check(digits > 0 && message[0] != '0', "then a line number");
  Check(message.substr(digits, 2) == ": ", "then \": \"");
  Check(line >= 1 && line <= LineCount(text), "a line of the input");
}

void CheckLoaded(const tesvar::CLexicon& lexicon) {
  const tesvar::CLexicon::EntryRange entries = lexicon.entries();
  std::unordered_set<std::string_view> keys;
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string_view key = entries[i].key;
    Check(!key.empty(), "keys are not empty");
    Check(keys.insert(key).second, "keys are unique");
    Check(lexicon.PositionOf(key) == i, "key finds its entry");
  }
  const tesvar::CLexicon copy(lexicon);
  std::vector<uint32_t> found;
  std::vector<uint32_t> found_in_copy;
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string_view headword = entries[i].word.m_strHeadword;
    tesvar::wordvault::FindHeadwordsIn(lexicon, headword, &found);
    tesvar::wordvault::FindHeadwordsIn(copy, headword, &found_in_copy);
    Check(found == found_in_copy, "a copy indexes like the original");
    bool has_itself = false;
    for (const uint32_t position : found) has_itself |= position == i;
    Check(has_itself, "an entry's headword finds the entry");
  }
}

void CheckWarnings(const std::vector<tesvar::LexiconWarning>& warnings,
                   std::string_view text) {
  size_t previous = 1;
  for (const tesvar::LexiconWarning& warning : warnings) {
    Check(warning.line >= previous && warning.line <= LineCount(text),
          "warnings name lines of the input, in order");
    previous = warning.line;
    const std::string where =
        std::string(kSource) + ":" + std::to_string(warning.line) + ": ";
    Check(warning.message.compare(0, where.size(), where) == 0 &&
              warning.message.compare(where.size(), 9, "warning: ") == 0,
          "a warning says where");
  }
}

// Strict loading fails at the first warning, with its text.
void CheckStrict(std::string_view text, const tesvar::Status& lenient,
                 const std::vector<tesvar::LexiconWarning>& warnings) {
  tesvar::LexiconLoadOptions options;
  options.strict = true;
  tesvar::CLexicon lexicon;
  const tesvar::Status strict =
      tesvar::ParseLexiconTsv(text, kSource, &lexicon, options);
  if (!lenient.ok()) {
    Check(!strict.ok(), "what fails leniently fails strictly");
    CheckError(strict, lexicon, text);
    return;
  }
  Check(strict.ok() == warnings.empty(), "strict fails on warnings");
  if (warnings.empty()) return;
  std::string first = warnings.front().message;
  first.erase(first.find("warning: "), 9);
  Check(strict.message() == first, "strict fails with the first warning");
  CheckError(strict, lexicon, text);
}

// Small limits: the load fails at a line of the input or loads the same.
void CheckLimits(std::string_view text, const tesvar::CLexicon& unlimited) {
  tesvar::LexiconLoadOptions options;
  options.max_line_bytes = 48;
  options.max_input_bytes = 300;
  tesvar::CLexicon lexicon;
  const tesvar::Status status =
      tesvar::ParseLexiconTsv(text, kSource, &lexicon, options);
  if (!status.ok()) {
    CheckError(status, lexicon, text);
    return;
  }
  Check(text.size() <= options.max_input_bytes, "the input limit holds");
  Check(lexicon.size() == unlimited.size(), "limits change nothing else");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  tesvar::CLexicon lexicon;
  lexicon.Add("stale", tesvar::CTWord());
  std::vector<tesvar::LexiconWarning> warnings;
  const tesvar::Status status =
      tesvar::ParseLexiconTsv(text, kSource, &lexicon, {}, &warnings);
  if (status.ok()) {
    CheckLoaded(lexicon);
  } else {
    CheckError(status, lexicon, text);
  }
  CheckWarnings(warnings, text);
  CheckStrict(text, status, warnings);
  if (status.ok()) CheckLimits(text, lexicon);
  return 0;
}
