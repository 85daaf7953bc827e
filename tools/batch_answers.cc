// Batches are split into contiguous slices, one per thread; a thread
// answers its slice with its own parser. Words of one batch cost about the
// same on average, so equal slices keep the threads about equally busy.

#include "tools/batch_answers.h"

#include <algorithm>
#include <thread>

#include "tools/json_writer.h"
#include "tools/readable_writer.h"

namespace tesvar {
namespace cli {

void AppendAnswer(CTesvarParser& parser, const std::string& word,
                  const AnswerFormat& format, std::string* out) {
  ParseResults results;
  parser.ParseWord(word, results);
  if (format.json) {
    AppendJsonLine(word, results, format.native, out);
  } else {
    AppendReadable(word, results, format.native, out);
  }
}

namespace {

void AnswerSlice(const CLexicon& lexicon, const std::vector<std::string>& words,
                 const std::vector<bool>& skip, size_t begin, size_t end,
                 const AnswerFormat& format,
                 std::vector<std::string>* answers) {
  CTesvarParser parser(&lexicon);
  for (size_t i = begin; i < end; ++i) {
    (*answers)[i].clear();
    if (!skip[i]) AppendAnswer(parser, words[i], format, &(*answers)[i]);
  }
}

}  // namespace

void AnswerBatch(const CLexicon& lexicon, const std::vector<std::string>& words,
                 const std::vector<bool>& skip, int jobs,
                 const AnswerFormat& format,
                 std::vector<std::string>* answers) {
  answers->resize(words.size());
  const size_t threads =
      std::min(static_cast<size_t>(jobs), std::max<size_t>(words.size(), 1));
  if (threads <= 1) {
    AnswerSlice(lexicon, words, skip, 0, words.size(), format, answers);
    return;
  }
  const size_t slice = (words.size() + threads - 1) / threads;
  std::vector<std::thread> workers;
  for (size_t begin = slice; begin < words.size(); begin += slice) {
    const size_t end = std::min(begin + slice, words.size());
    workers.emplace_back(AnswerSlice, std::cref(lexicon), std::cref(words),
                         std::cref(skip), begin, end, std::cref(format),
                         answers);
  }
  // The calling thread takes the first slice itself.
  AnswerSlice(lexicon, words, skip, 0, std::min(slice, words.size()), format,
              answers);
  for (std::thread& worker : workers) worker.join();
}

}  // namespace cli
}  // namespace tesvar
