// The commands of the command line. The library reads no files, so the
// lexicon file is read here and handed to the TSV loader as text. Words
// are answered one at a time with one parser and a fresh result list per
// word, and the answer is flushed before the next line is read. Words
// longer than the line limit are refused in place, so that hostile input
// costs neither unbounded memory nor unbounded time per line.
// Tested end to end by cli_run_test.cc.

#include "tools/commands.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>

#include "tesvar/lexicon_tsv.h"
#include "tesvar/parser.h"
#include "tesvar/sample_lexicon.h"
#include "tools/json_writer.h"
#include "tools/line_reader.h"
#include "tools/readable_writer.h"

namespace tesvar {
namespace cli {

namespace {

Status ReadFile(const std::string& path, std::string* text) {
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (file) {
    // istream::read turns a failing read (a directory, say) into badbit
    // instead of letting the stream buffer's exception through.
    char buffer[1 << 16];
    while (file.read(buffer, sizeof(buffer)) || file.gcount() > 0) {
      text->append(buffer, static_cast<size_t>(file.gcount()));
    }
    if (!file.bad()) return Status::Ok();
  }
  const std::string why = errno != 0 ? std::strerror(errno) : "read error";
  return Status::IoError(path + ": cannot read: " + why);
}

// Writes one answer and flushes it, so that a reader on the other end of a
// pipe sees it before the next word is read. False when writing failed.
bool WriteAnswer(const std::string& answer, std::ostream& out) {
  out.write(answer.data(), static_cast<std::streamsize>(answer.size()));
  out.flush();
  return static_cast<bool>(out);
}

// How much of a refused word its answer shows.
constexpr size_t kRefusedWordShown = 64;

int OutputFailed(std::ostream& err) {
  err << "tesvar: cannot write the output\n";
  return exit_status::kIoError;
}

}  // namespace

Status LoadLexicon(const std::string& path, CLexicon* lexicon) {
  if (path.empty()) return LoadSampleLexicon(lexicon);
  lexicon->Clear();
  std::string text;
  const Status read = ReadFile(path, &text);
  if (!read.ok()) return read;
  return ParseLexiconTsv(text, path, lexicon);
}

int RunParse(const Options& options, std::istream& in, std::ostream& out,
             std::ostream& err) {
  CLexicon lexicon;
  const Status loaded = LoadLexicon(options.lexicon_path, &lexicon);
  if (!loaded.ok()) {
    err << loaded.message() << "\n";
    return exit_status::kBadInput;
  }
  CTesvarParser parser(&lexicon);
  std::string answer;  // reused for every word
  auto answer_word = [&](const std::string& word) {
    ParseResults results;
    parser.ParseWord(word, results);
    answer.clear();
    if (options.json) {
      AppendJsonLine(word, results, options.native, &answer);
    } else {
      AppendReadable(word, results, options.native, &answer);
    }
    return WriteAnswer(answer, out);
  };
  // An overlong word is answered in its place with a refusal, reported on
  // `err` with its place ("line 3", "argument 2"), and makes the run fail
  // at the end; the words after it are still answered.
  const std::string too_long =
      "word longer than " + std::to_string(kMaxLineBytes) + " bytes";
  bool refused = false;
  auto refuse_word = [&](std::string_view word, const char* place,
                         size_t number) {
    refused = true;
    err << "tesvar: " << place << " " << number << ": " << too_long << "\n";
    const std::string_view start = word.substr(0, kRefusedWordShown);
    answer.clear();
    if (options.json) {
      AppendJsonRefusal(start, too_long, &answer);
    } else {
      AppendReadableRefusal(start, too_long, &answer);
    }
    return WriteAnswer(answer, out);
  };

  if (!options.words.empty()) {
    for (size_t i = 0; i < options.words.size(); ++i) {
      const std::string& word = options.words[i];
      const bool written = word.size() > kMaxLineBytes
                               ? refuse_word(word, "argument", i + 1)
                               : answer_word(word);
      if (!written) return OutputFailed(err);
    }
    return refused ? exit_status::kIoError : exit_status::kOk;
  }
  LineReader reader(&in, kMaxLineBytes);
  std::string line;
  for (size_t number = 1; reader.Next(&line); ++number) {
    const bool written = reader.too_long() ? refuse_word(line, "line", number)
                                           : answer_word(line);
    if (!written) return OutputFailed(err);
  }
  if (reader.failed()) {
    err << "tesvar: cannot read the standard input\n";
    return exit_status::kIoError;
  }
  return refused ? exit_status::kIoError : exit_status::kOk;
}

int RunLexiconCheck(const std::string& path, std::ostream& out,
                    std::ostream& err) {
  CLexicon lexicon;
  const Status loaded = LoadLexicon(path, &lexicon);
  if (!loaded.ok()) {
    err << loaded.message() << "\n";
    return exit_status::kBadInput;
  }
  // Codes with a label of their own, then every other code under the
  // label of unknown codes.
  constexpr int32_t kUnlabelled = kQuestion + 1;
  size_t counts[kUnlabelled + 1] = {};
  for (const CLexicon::Entry& entry : lexicon.entries()) {
    const int32_t code = entry.word.m_nPOS;
    ++counts[code >= kNoun && code <= kQuestion ? code : kUnlabelled];
  }
  out << "entries: " << lexicon.size() << "\n";
  for (int32_t code = kNoun; code <= kUnlabelled; ++code) {
    out << PartOfSpeechLabel(code) << ": " << counts[code] << "\n";
  }
  out.flush();
  return out ? exit_status::kOk : OutputFailed(err);
}

}  // namespace cli
}  // namespace tesvar
