// `tesvar parse`. With one thread, each word is answered and written in
// turn, and the output is flushed whenever the next word would have to
// wait for input, so that the command can sit in a pipe between two
// programs. With more threads, ParallelAnswers does the same work with
// words answered side by side. Words past the parser's word limit or work
// budget are refused in place, and of a long line no more than the limit
// is kept, so that hostile input costs neither unbounded memory nor
// unbounded time per line.
// Tested end to end by cli_run_test.cc, cli_limits_test.cc,
// cli_jobs_test.cc and cli_signals_test.cc.

#include <sched.h>

#include <algorithm>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "tesvar/parser.h"
#include "tools/answer_output.h"
#include "tools/answer_writer.h"
#include "tools/commands.h"
#include "tools/parallel_answers.h"
#include "tools/status_line.h"
#include "tools/word_answer.h"
#include "tools/word_source.h"

namespace tesvar {
namespace cli {

namespace {

bool StopRequested(const StopSignals* stop) {
  return stop != nullptr && stop->requested();
}

// What every way of answering needs.
struct Answering {
  const CTesvarParser* parser;
  const AnswerWriter* writer;
  const StopSignals* stop;
};

bool AnswerSerially(const Answering& how, WordSource* source,
                    AnswerOutput* output) {
  WordAnswerer answerer(how.parser, how.writer, how.stop);
  InputWord word;
  std::string* const answers = output->gathered();
  while (!StopRequested(how.stop) && source->Next(&word)) {
    const size_t start = answers->size();
    const AnswerNote note = answerer.Answer(word, answers);
    if (!output->WriteAppended(start, note, word.input_bytes)) return false;
    if (source->MayWait() && !output->Flush()) return false;
  }
  return output->Flush();
}

// Words are handed over in groups, each as long as the input can be read
// without waiting.
constexpr size_t kWordsHandedOver = 64;

bool AnswerInParallel(const Answering& how, int jobs, WordSource* source,
                      AnswerOutput* output) {
  ParallelAnswers answers(how.parser, how.writer, jobs, output, how.stop);
  std::vector<InputWord> words;
  InputWord word;
  bool more = true;
  while (more && !StopRequested(how.stop)) {
    more = source->Next(&word);
    if (more) words.push_back(std::move(word));
    const bool hand_over =
        !more || words.size() == kWordsHandedOver || source->MayWait();
    if (hand_over && !words.empty() && !answers.Add(&words)) break;
  }
  return answers.Finish();
}

// Threads beyond the processors this process may run on would only take
// turns, each holding a word's working memory meanwhile.
int ThreadsFor(int jobs) {
  cpu_set_t cpus;
  int processors = 0;
  if (sched_getaffinity(0, sizeof(cpus), &cpus) == 0) {
    processors = CPU_COUNT(&cpus);
  } else {
    processors = static_cast<int>(std::thread::hardware_concurrency());
  }
  return processors > 0 ? std::min(jobs, processors) : jobs;
}

int OutputFailed(StatusLine* status) {
  status->Message("tesvar: cannot write the output");
  return exit_status::kIoError;
}

}  // namespace

int RunParse(const Options& options, const ParseStreams& streams) {
  CLexicon lexicon;
  const Status loaded = LoadLexicon(options.lexicon_path, &lexicon);
  if (!loaded.ok()) {
    *streams.err << loaded.message() << "\n";
    return exit_status::kBadInput;
  }
  const bool from_input = options.words.empty();
  WordSource source =
      from_input ? WordSource(streams.in, options.limits.max_word_bytes)
                 : WordSource(&options.words);
  const std::unique_ptr<AnswerWriter> writer = MakeAnswerWriter(
      OutputStyle{options.json, options.native, streams.colour});
  const CTesvarParser parser(&lexicon, options.limits);
  const Answering how{&parser, writer.get(), streams.stop};
  const std::string lexicon_name =
      DescribeLexicon(options.lexicon_path, lexicon);
  // Someone typing words gets a hint instead of a silent wait; progress is
  // for long runs from a file into a file, watched on a terminal.
  const bool typing = from_input && streams.in_is_terminal;
  if (typing && !options.quiet) {
    *streams.err << "tesvar: type one word per line, Ctrl-D to end ("
                 << lexicon_name << ")\n";
  }
  const bool progress = !options.quiet && streams.err_is_terminal &&
                        !streams.out_is_terminal && !typing;
  StatusLine status(streams.err, progress, streams.in_size);
  AnswerOutput output(streams.out, &status);
  const int threads = ThreadsFor(options.jobs);
  const bool written = threads > 1
                           ? AnswerInParallel(how, threads, &source, &output)
                           : AnswerSerially(how, &source, &output);
  status.Clear();
  if (options.stats) {
    *streams.err << Summary(output.tally(), status.seconds(), lexicon_name);
  }
  if (!written) return OutputFailed(&status);
  if (source.failed()) {
    status.Message("tesvar: cannot read the standard input");
    return exit_status::kIoError;
  }
  return output.tally().refused > 0 ? exit_status::kIoError : exit_status::kOk;
}

}  // namespace cli
}  // namespace tesvar
