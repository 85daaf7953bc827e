// The pipe reads one line, answers it completely and flushes the answer
// before it reads the next, so a client that writes a line and waits for
// the empty line that ends its answer never waits on a buffer. Commands
// are recognised by the first bytes of a line, from a table tried in
// order; a line that matches no row is text.
// Tested by spell_pipe_test.cc.

#include "tools/spell_pipe.h"

#include "tesvar/version.h"
#include "tools/commands.h"
#include "tools/line_reader.h"

namespace tesvar {
namespace cli {

namespace {

// The ispell version that clients check for; they refuse older ones.
constexpr std::string_view kIspellVersion = "3.2.06";

enum class LineCommand {
  kCheckRest,    // check the text after the command character
  kTerse,        // stop answering correct words
  kNormal,       // answer every word, without echoing correct ones
  kEchoCorrect,  // put the word itself into "*" and "+" lines
  kAcceptWord,   // the rest of the line is a word for the session
  kIgnore,       // personal dictionary, formatter and other checkers
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
    // "*" adds to a personal dictionary and "&" adds its lower-case form.
    // There is no personal dictionary file, and case is part of the
    // spelling here, so both accept the word as given, as "@" does.
    {"*", LineCommand::kAcceptWord},
    {"&", LineCommand::kAcceptWord},
    {"@", LineCommand::kAcceptWord},
    // Saving the personal dictionary.
    {"#", LineCommand::kIgnore},
    // A formatter's character set, and TeX mode on and off: clients that
    // take this program for an ispell send them and expect no answer.
    {"~", LineCommand::kIgnore},
    {"+", LineCommand::kIgnore},
    {"-", LineCommand::kIgnore},
    // Extensions of other checkers.
    {"$$", LineCommand::kIgnore},
};
constexpr size_t kCommandRowCount =
    sizeof(kCommandRows) / sizeof(kCommandRows[0]);

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

}  // namespace

std::string PipeBanner() {
  std::string banner = "@(#) International Ispell Version ";
  banner += kIspellVersion;
  banner += " (but really tesvar " TESVAR_VERSION_STRING ")";
  return banner;
}

PipeSession::PipeSession(SpellChecker* checker, OffsetUnit unit)
    : checker_(checker), unit_(unit) {}

void PipeSession::AnswerLine(std::string_view line, std::string* out) {
  const CommandRow* row = FindCommand(line);
  if (row == nullptr) {
    AnswerWords(line, 0, out);
    return;
  }
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
    case LineCommand::kAcceptWord:
      if (line.size() > row->prefix.size()) {
        checker_->Accept(line.substr(row->prefix.size()));
      }
      break;
    case LineCommand::kIgnore:
      break;
  }
}

void PipeSession::ListMisspelt(std::string_view line, std::string* out) {
  WordSplitter splitter(line, 0, unit_);
  LineWord word;
  while (splitter.Next(&word)) {
    checker_->Check(word.text, &answer_);
    if (answer_.verdict == Verdict::kCorrections ||
        answer_.verdict == Verdict::kUnknown) {
      out->append(word.text);
      out->push_back('\n');
    }
  }
}

void PipeSession::AnswerWords(std::string_view line, size_t start,
                              std::string* out) {
  WordSplitter splitter(line, start, unit_);
  LineWord word;
  while (splitter.Next(&word)) AppendAnswer(word, out);
  out->push_back('\n');
}

void PipeSession::AppendAnswer(const LineWord& word, std::string* out) {
  checker_->Check(word.text, &answer_);
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
  PipeSession session(&checker, options.pipe_byte_offsets
                                    ? OffsetUnit::kBytes
                                    : OffsetUnit::kUtf8Characters);
  const bool list = options.pipe_mode == PipeMode::kList;
  if (!list && !Flush(PipeBanner() + "\n", out)) return OutputFailed(err);
  LineReader reader(&in, kMaxPipeLineBytes);
  std::string line;
  std::string answer;  // reused for every line
  while (reader.Next(&line)) {
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
  return exit_status::kOk;
}

}  // namespace cli
}  // namespace tesvar
