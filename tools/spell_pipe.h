// `tesvar pipe`: a spell checker that speaks the ispell pipe protocol, so
// that editors and other programs written for ispell-style checkers can
// use it as they are.
//
// After a version line, every input line gets an answer: one line per
// word of the line and then an empty line. A word is answered
//
//   *                          correct
//   + ROOT                     correct, as affixes on ROOT
//   & WORD COUNT OFFSET: C, C  misspelt, with COUNT corrections
//   # WORD OFFSET              misspelt, nothing to offer
//
// OFFSET counts the characters of the input line before the word. Lines
// that start with a command character are commands and get no answer:
// "!" terse (no "*" and "+" lines), "%" back to normal, "`" the word after
// "*" and "+" too; "*WORD" adds WORD to the personal dictionary, "&WORD"
// adds it in canonical spelling, "@WORD" accepts it for the session, "#"
// saves the personal dictionary; "+" switches to TeX, "-" back to the
// format the pipe started with (plain if that was TeX), "~NAME" to the
// format NAME; "$$" lines are ignored. "^" checks the rest of the line
// as text; its offsets still count the "^".
//
// Functions of no shared state; run each on its own streams.

#ifndef TESVAR_TOOLS_SPELL_PIPE_H_
#define TESVAR_TOOLS_SPELL_PIPE_H_

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/arguments.h"
#include "tools/pipe_dictionary.h"
#include "tools/pipe_markup.h"
#include "tools/spell_checker.h"
#include "tools/word_splitter.h"

namespace tesvar {
namespace cli {

// The longest input line answered whole, in bytes; of longer lines the
// words before the last blank within the first kMaxPipeLineBytes bytes
// are answered, with a warning on the error stream. Editors send whole
// paragraphs as one line, so this is far above the limit on a word.
constexpr size_t kMaxPipeLineBytes = 1 << 20;

// The work one input line may take, in the parser's work units; the words
// after the one that used it up are answered "#" unchecked. A correct
// word takes some hundreds of units and a misspelt one some tens of
// thousands, so a paragraph of 100 KB of text stays within it.
constexpr uint64_t kMaxLineWork = uint64_t{1} << 24;

// The version line, without "\n": clients look for "@(#) " and an ispell
// version number in it.
std::string PipeBanner();

// The state of one conversation: the modes, the text format and the
// session's words.
class PipeSession {
 public:
  // `format` is the format the pipe started with; complaints (a personal
  // dictionary that cannot be saved) go to `err`; a line may take
  // `max_line_work` work units.
  // REQUIRES: `checker`, `dictionary` and `err` outlive the session.
  PipeSession(SpellChecker* checker, PersonalDictionary* dictionary,
              OffsetUnit unit, TextFormat format, std::ostream* err,
              uint64_t max_line_work = kMaxLineWork);

  PipeSession(const PipeSession&) = delete;
  PipeSession& operator=(const PipeSession&) = delete;

  // Carries out one input line (without its line end) and appends the
  // answer to *out: nothing for a command, else the word lines and "\n".
  void AnswerLine(std::string_view line, std::string* out);

  // For -l: appends each misspelt word of the text line `line` to *out,
  // one per line. Commands are not recognised.
  void ListMisspelt(std::string_view line, std::string* out);

 private:
  void AnswerWords(std::string_view line, size_t start, std::string* out);
  // Checks `word` into answer_, unless the line's work has reached
  // max_line_work_; then the word is unknown unchecked.
  void CheckWithinBudget(std::string_view word, uint64_t* line_work);
  // Appends the line for `word`, which answer_ holds the check of.
  void AppendAnswer(const LineWord& word, std::string* out);
  // Accepts `word` for the session, and adds it to the personal
  // dictionary when `personal`.
  void AcceptWord(std::string_view word, bool personal);
  void ChangeFormat(std::string_view name);

  SpellChecker* const checker_;
  PersonalDictionary* const dictionary_;
  std::ostream* const err_;
  const OffsetUnit unit_;
  const TextFormat start_format_;
  const uint64_t max_line_work_;
  MarkupFilter markup_filter_;
  std::vector<uint8_t> markup_;  // reused from line to line
  bool terse_ = false;           // no lines for correct words
  bool echo_correct_ = false;    // "* WORD" and "+ WORD ROOT"
  bool told_full_ = false;       // the session's word limit was reported
  SpellAnswer answer_;           // reused from word to word
};

// Runs the mode of options.pipe_mode on `in` and `out`, writing
// complaints to `err`, and returns the program's exit status. Every answer
// is flushed before the next line is read.
int RunSpellPipe(const Options& options, std::istream& in, std::ostream& out,
                 std::ostream& err);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_SPELL_PIPE_H_
