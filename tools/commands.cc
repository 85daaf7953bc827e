// The commands of the command line. The lexicon file is read by the
// library's loader, which bounds what it reads. Words
// are answered one at a time with one parser and a fresh result list per
// word, and the answer is flushed before the next line is read. Words
// longer than the line limit are refused in place, so that hostile input
// costs neither unbounded memory nor unbounded time per line.
// Tested end to end by cli_run_test.cc.

#include "tools/commands.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tesvar/lexicon_tsv.h"
#include "tesvar/parser.h"
#include "tesvar/sample_lexicon.h"
#include "tools/batch_answers.h"
#include "tools/json_writer.h"
#include "tools/line_reader.h"
#include "tools/readable_writer.h"

namespace tesvar {
namespace cli {

namespace {

// How much of a refused word its answer shows.
constexpr size_t kRefusedWordShown = 64;

int OutputFailed(std::ostream& err) {
  err << "tesvar: cannot write the output\n";
  return exit_status::kIoError;
}

}  // namespace

Status LoadLexicon(const std::string& path, CLexicon* lexicon) {
  if (path.empty()) return LoadSampleLexicon(lexicon);
  return LoadLexiconTsvFile(path, lexicon);
}

namespace {

// Words are answered in batches. With one thread a batch is one word; with
// more threads a batch is large enough for the threads to share, but is
// answered before it is full whenever the input pauses.
constexpr size_t kParallelBatch = 8192;

// The words of `tesvar parse` on their way from input to output: collected
// into a batch, answered (in parallel when asked), then written in input
// order, with overlong words refused in their place.
class ParseRun {
 public:
  // `in` is the stream the words come from, or nullptr when they come
  // from the command line.
  ParseRun(const CLexicon& lexicon, const Options& options, std::istream* in,
           std::ostream& out, std::ostream& err)
      : lexicon_(lexicon),
        format_{options.json, options.native},
        jobs_(options.jobs),
        batch_size_(options.jobs > 1 ? kParallelBatch : 1),
        in_(in),
        out_(out),
        err_(err),
        too_long_message_("word longer than " + std::to_string(kMaxLineBytes) +
                          " bytes") {}

  // Queues a word; `place` and `number` name it in a refusal ("line 3",
  // "argument 2"). Returns false when the output could not be written.
  bool Add(std::string word, bool too_long, const char* place, size_t number) {
    words_.push_back(std::move(word));
    too_long_.push_back(too_long);
    places_.push_back(Place{place, number});
    if (words_.size() >= batch_size_) return Flush();
    // A batch that is not full yet is answered early when the input pauses,
    // so that a client waiting for an answer gets it.
    return in_ == nullptr || InputWaiting() || Flush();
  }

  // Answers and writes the queued words. False when writing failed.
  bool Flush() {
    if (words_.empty()) return true;
    AnswerBatch(lexicon_, words_, too_long_, jobs_, format_, &answers_);
    for (size_t i = 0; i < words_.size(); ++i) {
      if (too_long_[i]) Refuse(i);
      out_.write(answers_[i].data(),
                 static_cast<std::streamsize>(answers_[i].size()));
    }
    words_.clear();
    too_long_.clear();
    places_.clear();
    if (!InputWaiting()) out_.flush();
    return static_cast<bool>(out_);
  }

  // Answers the queued words and flushes everything written.
  bool Finish() { return Flush() && out_.flush(); }

  bool refused() const { return refused_; }

 private:
  struct Place {
    const char* kind;
    size_t number;
  };

  // True when more input can be read without waiting for it.
  bool InputWaiting() const {
    return in_ != nullptr && in_->rdbuf()->in_avail() > 0;
  }

  // Answers an overlong word in its place with a refusal and names it on
  // the error stream; the run goes on and fails at the end.
  void Refuse(size_t i) {
    refused_ = true;
    err_ << "tesvar: " << places_[i].kind << " " << places_[i].number << ": "
         << too_long_message_ << "\n";
    const std::string_view start =
        std::string_view(words_[i]).substr(0, kRefusedWordShown);
    std::string& answer = answers_[i];
    answer.clear();
    if (format_.json) {
      AppendJsonRefusal(start, too_long_message_, &answer);
    } else {
      AppendReadableRefusal(start, too_long_message_, &answer);
    }
  }

  const CLexicon& lexicon_;
  const AnswerFormat format_;
  const int jobs_;
  const size_t batch_size_;
  std::istream* const in_;
  std::ostream& out_;
  std::ostream& err_;
  const std::string too_long_message_;
  std::vector<std::string> words_;
  std::vector<bool> too_long_;
  std::vector<Place> places_;
  std::vector<std::string> answers_;  // reused for every batch
  bool refused_ = false;
};

}  // namespace

int RunParse(const Options& options, std::istream& in, std::ostream& out,
             std::ostream& err) {
  CLexicon lexicon;
  const Status loaded = LoadLexicon(options.lexicon_path, &lexicon);
  if (!loaded.ok()) {
    err << loaded.message() << "\n";
    return exit_status::kBadInput;
  }
  const bool from_arguments = !options.words.empty();
  ParseRun run(lexicon, options, from_arguments ? nullptr : &in, out, err);
  if (from_arguments) {
    for (size_t i = 0; i < options.words.size(); ++i) {
      const std::string& word = options.words[i];
      if (!run.Add(word, word.size() > kMaxLineBytes, "argument", i + 1)) {
        return OutputFailed(err);
      }
    }
  } else {
    LineReader reader(&in, kMaxLineBytes);
    std::string line;
    for (size_t number = 1; reader.Next(&line); ++number) {
      if (!run.Add(line, reader.too_long(), "line", number)) {
        return OutputFailed(err);
      }
    }
    if (!run.Finish()) return OutputFailed(err);
    if (reader.failed()) {
      err << "tesvar: cannot read the standard input\n";
      return exit_status::kIoError;
    }
  }
  if (!run.Finish()) return OutputFailed(err);
  return run.refused() ? exit_status::kIoError : exit_status::kOk;
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
