// The threads of a batch take its words one at a time, each with a parser
// of its own. A few words cost a thousand times more than most (those
// whose corrections are parsed level after level), so fixed slices would
// leave threads idle while one works through an expensive word.

#include "tools/batch_answers.h"

#include <algorithm>
#include <atomic>
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

void AnswerBatch(const CLexicon& lexicon, const std::vector<std::string>& words,
                 const std::vector<bool>& skip, int jobs,
                 const AnswerFormat& format,
                 std::vector<std::string>* answers) {
  answers->resize(words.size());
  // Each thread takes the next unanswered word until none is left.
  std::atomic<size_t> next{0};
  const auto answer_words = [&]() {
    CTesvarParser parser(&lexicon);
    // Neighbouring answers share cache lines and belong to other threads,
    // so each answer is built here and stored with a single write.
    std::string answer;
    for (size_t i; (i = next.fetch_add(1)) < words.size();) {
      answer.clear();
      if (!skip[i]) AppendAnswer(parser, words[i], format, &answer);
      (*answers)[i].assign(answer);
    }
  };
  const size_t threads =
      std::min(static_cast<size_t>(std::max(jobs, 1)), words.size());
  std::vector<std::thread> helpers;
  for (size_t t = 1; t < threads; ++t) helpers.emplace_back(answer_words);
  answer_words();
  for (std::thread& helper : helpers) helper.join();
}

}  // namespace cli
}  // namespace tesvar
