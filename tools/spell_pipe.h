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
// "*" and "+" too, "*WORD", "&WORD" and "@WORD" accept WORD for the session,
// and "#", "~", "+", "-", "$$" are ignored. "^" checks the rest of the line
// as text; its offsets still count the "^".
//
// Functions of no shared state; run each on its own streams.

#ifndef TESVAR_TOOLS_SPELL_PIPE_H_
#define TESVAR_TOOLS_SPELL_PIPE_H_

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "tools/arguments.h"
#include "tools/spell_checker.h"
#include "tools/word_splitter.h"

namespace tesvar {
namespace cli {

// The longest input line answered whole, in bytes; longer lines are
// answered for their first kMaxPipeLineBytes bytes. Editors send whole
// paragraphs as one line, so this is far above the limit on a word.
constexpr size_t kMaxPipeLineBytes = 1 << 20;

// The version line, without "\n": clients look for "@(#) " and an ispell
// version number in it.
std::string PipeBanner();

// The state of one conversation: the modes and the session's words.
class PipeSession {
 public:
  // REQUIRES: `checker` outlives the session.
  PipeSession(SpellChecker* checker, OffsetUnit unit);

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
  void AppendAnswer(const LineWord& word, std::string* out);

  SpellChecker* const checker_;
  const OffsetUnit unit_;
  bool terse_ = false;         // no lines for correct words
  bool echo_correct_ = false;  // "* WORD" and "+ WORD ROOT"
  SpellAnswer answer_;         // reused from word to word
};

// Runs the mode of options.pipe_mode on `in` and `out`, writing
// complaints to `err`, and returns the program's exit status. Every answer
// is flushed before the next line is read.
int RunSpellPipe(const Options& options, std::istream& in, std::ostream& out,
                 std::ostream& err);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_SPELL_PIPE_H_
