// The pipe reads one line, answers it completely and flushes the answer
// before it reads the next, so a client that writes a line and waits for
// the empty line that ends its answer never waits on a buffer. Commands
// are recognised by the first bytes of a line, from a table tried in
// order; a line that matches no row is text.
// Tested by spell_pipe_test.cc.

#include "tools/spell_pipe.h"

#include <cstdlib>

#include "tesvar/parser.h"
#include "tesvar/version.h"
#include "tools/commands.h"
#include "tools/line_reader.h"

namespace tesvar {
namespace cli {

namespace {

// Lends the parser's spelling normalisation, which it keeps for its
// subclasses.
class Spelling : public CTesvarParser {
 public:
  using CTesvarParser::AdjustCase;
};

// The ispell version that clients check for; they refuse older ones.
constexpr std::string_view kIspellVersion = "3.2.06";

enum class LineCommand {
  kCheckRest,     // check the text after the command character
  kTerse,         // stop answering correct words
  kNormal,        // answer every word, without echoing correct ones
  kEchoCorrect,   // put the word itself into "*" and "+" lines
  kAddWord,       // the rest of the line goes to the personal dictionary
  kAddCanonical,  // the same, in canonical spelling
  kAcceptWord,    // the rest of the line is a word for the session
  kSave,          // save the personal dictionary
  kTex,           // TeX from now on
  kStartFormat,   // the format the pipe started with (plain for TeX)
  kFormat,        // the format the rest of the line names
  kIgnore,        // other checkers' commands
};

struct CommandRow {
  std::string_view prefix;
  LineCommand command;
};

constexpr CommandRow kCommandRows[] = {
    {"^", LineCommand::kCheckRest},
    {"!", LineCommand::kTerse},
    {"%", LineCommand::kNormal},
    {"`", LineCommand::kEchoCorrect},
    // Other checkers add the word in lower case for "&", so that it is
    // also accepted capitalised. Case is part of the spelling here; the
    // nearest thing is the canonical spelling, which folds the case of
    // every letter that has only one.
    {"*", LineCommand::kAddWord},
    {"&", LineCommand::kAddCanonical},
    {"@", LineCommand::kAcceptWord},
    {"#", LineCommand::kSave},
    // TeX on and off, and a format by name ("~tex", "~html", "~nroff").
    {"+", LineCommand::kTex},
    {"-", LineCommand::kStartFormat},
    {"~", LineCommand::kFormat},
    // Extensions of other checkers.
    {"$$", LineCommand::kIgnore},
};
constexpr size_t kCommandRowCount =
    sizeof(kCommandRows) / sizeof(kCommandRows[0]);

// `word` in canonical spelling when the parser reads all of it, else as
// it is.
std::string CanonicalSpelling(std::string_view word) {
  if (!IsAlphabetWord(word)) return std::string(word);
  std::string canonical = WithPlainApostrophes(word);
  Spelling::AdjustCase(canonical);
  return canonical;
}

const CommandRow* FindCommand(std::string_view line) {
  for (size_t i = 0; i < kCommandRowCount; ++i) {
    const CommandRow& row = kCommandRows[i];
    if (line.substr(0, row.prefix.size()) == row.prefix) return &row;
  }
  return nullptr;
}

void AppendNumber(size_t number, std::string* out) {
  out->append(std::to_string(number));
}

bool Flush(const std::string& text, std::ostream& out) {
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  return static_cast<bool>(out);
}

int OutputFailed(std::ostream& err) {
  err << "tesvar: cannot write the output\n";
  return exit_status::kIoError;
}

// Keeps of a line cut at kMaxPipeLineBytes the words before its last
// blank, so that the word the cut went through is not answered as
// misspelt, and says what was left unchecked.
void KeepWholeWords(size_t line_number, std::string* line, std::ostream& err) {
  const size_t blank = line->find_last_of(" \t");
  if (blank != std::string::npos) line->resize(blank);
  err << "tesvar: warning: line " << line_number << " is longer than "
      << kMaxPipeLineBytes << " bytes; only its first " << line->size()
      << " are checked\n";
}

}  // namespace

std::string PipeBanner() {
  std::string banner = "@(#) International Ispell Version ";
  banner += kIspellVersion;
  banner += " (but really tesvar " TESVAR_VERSION_STRING ")";
  return banner;
}

PipeSession::PipeSession(SpellChecker* checker, PersonalDictionary* dictionary,
                         OffsetUnit unit, TextFormat format, std::ostream* err,
                         uint64_t max_line_work)
    : checker_(checker),
      dictionary_(dictionary),
      err_(err),
      unit_(unit),
      start_format_(format),
      max_line_work_(max_line_work),
      markup_filter_(format) {}

void PipeSession::AnswerLine(std::string_view line, std::string* out) {
  const CommandRow* row = FindCommand(line);
  if (row == nullptr) {
    AnswerWords(line, 0, out);
    return;
  }
  const std::string_view rest = line.substr(row->prefix.size());
  switch (row->command) {
    case LineCommand::kCheckRest:
      AnswerWords(line, row->prefix.size(), out);
      break;
    case LineCommand::kTerse:
      terse_ = true;
      break;
    case LineCommand::kNormal:
      terse_ = false;
      echo_correct_ = false;
      break;
    case LineCommand::kEchoCorrect:
      echo_correct_ = true;
      break;
    case LineCommand::kAddWord:
      AcceptWord(rest, /*personal=*/true);
      break;
    case LineCommand::kAddCanonical:
      AcceptWord(CanonicalSpelling(rest), /*personal=*/true);
      break;
    case LineCommand::kAcceptWord:
      AcceptWord(rest, /*personal=*/false);
      break;
    case LineCommand::kSave:
      dictionary_->Save(*err_);
      break;
    case LineCommand::kTex:
      markup_filter_.SetFormat(TextFormat::kTex);
      break;
    case LineCommand::kStartFormat:
      markup_filter_.SetFormat(start_format_ == TextFormat::kTex
                                   ? TextFormat::kPlain
                                   : start_format_);
      break;
    case LineCommand::kFormat:
      ChangeFormat(rest);
      break;
    case LineCommand::kIgnore:
      break;
  }
}

void PipeSession::AcceptWord(std::string_view word, bool personal) {
  if (word.empty()) return;
  // The personal dictionary would refuse it at its next load.
  if (!IsSingleWord(word)) {
    *err_ << "tesvar: warning: not one word, not accepted: '" << word << "'\n";
    return;
  }
  if (!checker_->Accept(word)) {
    // Said once: past the limit every further word would say it again.
    if (word.size() <= kMaxLineBytes && !told_full_) {
      told_full_ = true;
      *err_ << "tesvar: warning: the session holds " << kMaxSessionWords
            << " words; no more are accepted\n";
    }
    return;
  }
  if (personal) dictionary_->Add(word);
}

void PipeSession::ChangeFormat(std::string_view name) {
  TextFormat format = markup_filter_.format();
  // Names of character sets ("~latin1") leave the format as it is.
  if (TextFormatNamed(name, &format)) markup_filter_.SetFormat(format);
}

void PipeSession::CheckWithinBudget(std::string_view word,
                                    uint64_t* line_work) {
  if (*line_work >= max_line_work_) {
    answer_.verdict = Verdict::kUnknown;
    answer_.corrections.clear();
    return;
  }
  *line_work += checker_->Check(word, &answer_);
}

void PipeSession::ListMisspelt(std::string_view line, std::string* out) {
  markup_filter_.Mark(line, 0, &markup_);
  WordSplitter splitter(line, 0, unit_, &markup_);
  LineWord word;
  uint64_t line_work = 0;
  while (splitter.Next(&word)) {
    CheckWithinBudget(word.text, &line_work);
    if (answer_.verdict == Verdict::kCorrections ||
        answer_.verdict == Verdict::kUnknown) {
      out->append(word.text);
      out->push_back('\n');
    }
  }
}

void PipeSession::AnswerWords(std::string_view line, size_t start,
                              std::string* out) {
  markup_filter_.Mark(line, start, &markup_);
  WordSplitter splitter(line, start, unit_, &markup_);
  LineWord word;
  uint64_t line_work = 0;
  while (splitter.Next(&word)) {
    CheckWithinBudget(word.text, &line_work);
    AppendAnswer(word, out);
  }
  out->push_back('\n');
}

void PipeSession::AppendAnswer(const LineWord& word, std::string* out) {
  switch (answer_.verdict) {
    case Verdict::kCorrect:
    case Verdict::kRoot:
      if (terse_) return;
      out->push_back(answer_.verdict == Verdict::kCorrect ? '*' : '+');
      if (echo_correct_) {
        out->push_back(' ');
        out->append(word.text);
      }
      if (answer_.verdict == Verdict::kRoot) {
        out->push_back(' ');
        out->append(answer_.root);
      }
      break;
    case Verdict::kCorrections:
      out->append("& ");
      out->append(word.text);
      out->push_back(' ');
      AppendNumber(answer_.corrections.size(), out);
      out->push_back(' ');
      AppendNumber(word.offset, out);
      out->push_back(':');
      for (const std::string& correction : answer_.corrections) {
        out->append(&correction == &answer_.corrections.front() ? " " : ", ");
        out->append(correction);
      }
      break;
    case Verdict::kUnknown:
      out->append("# ");
      out->append(word.text);
      out->push_back(' ');
      AppendNumber(word.offset, out);
      break;
  }
  out->push_back('\n');
}

int RunSpellPipe(const Options& options, std::istream& in, std::ostream& out,
                 std::ostream& err) {
  if (options.pipe_mode == PipeMode::kVersion) {
    // As other checkers print it for -vv: the version line, an empty line.
    return Flush(PipeBanner() + "\n\n", out) ? exit_status::kOk
                                             : OutputFailed(err);
  }
  CLexicon lexicon;
  const Status loaded = LoadLexicon(options.lexicon_path, &lexicon);
  if (!loaded.ok()) {
    err << loaded.message() << "\n";
    return exit_status::kBadInput;
  }
  SpellChecker checker(&lexicon);
  PersonalDictionary dictionary(
      !options.pipe_personal_dictionary.empty()
          ? options.pipe_personal_dictionary
          : DefaultPersonalDictionary(std::getenv("HOME"),
                                      options.pipe_dictionary_name));
  dictionary.Load(&checker, err);
  PipeSession session(&checker, &dictionary,
                      options.pipe_byte_offsets ? OffsetUnit::kBytes
                                                : OffsetUnit::kUtf8Characters,
                      options.pipe_format, &err);
  const bool list = options.pipe_mode == PipeMode::kList;
  if (!list && !Flush(PipeBanner() + "\n", out)) return OutputFailed(err);
  LineReader reader(&in, kMaxPipeLineBytes);
  std::string line;
  std::string answer;  // reused for every line
  for (size_t line_number = 1; reader.Next(&line); ++line_number) {
    if (reader.too_long()) KeepWholeWords(line_number, &line, err);
    answer.clear();
    if (list) {
      session.ListMisspelt(line, &answer);
    } else {
      session.AnswerLine(line, &answer);
    }
    if (!answer.empty() && !Flush(answer, out)) return OutputFailed(err);
  }
  if (reader.failed()) {
    err << "tesvar: cannot read the standard input\n";
    return exit_status::kIoError;
  }
  // Words the user added would be lost without a word from the status.
  return dictionary.save_failed() ? exit_status::kIoError : exit_status::kOk;
}

}  // namespace cli
}  // namespace tesvar
