// Answers a batch of words, on one thread or several. Each thread has a
// parser of its own on the shared lexicon (parsers carry per-call state;
// the lexicon is only read), and every answer lands in the slot of its
// word, so the caller writes them out in input order.
//
// Thread-safe for distinct batches; the lexicon must not change meanwhile.
// Tested by cli_run_test.cc (end to end, with --jobs).

#ifndef TESVAR_TOOLS_BATCH_ANSWERS_H_
#define TESVAR_TOOLS_BATCH_ANSWERS_H_

#include <string>
#include <vector>

#include "tesvar/lexicon.h"
#include "tesvar/parser.h"

namespace tesvar {
namespace cli {

// How an answer is written.
struct AnswerFormat {
  bool json = false;
  bool native = false;
};

// One word's answer (a JSON line or the readable block), appended to *out.
void AppendAnswer(CTesvarParser& parser, const std::string& word,
                  const AnswerFormat& format, std::string* out);

// Sets (*answers)[i] to the answer of words[i] for every i whose
// skip[i] is false, using up to `jobs` threads.
// REQUIRES: skip.size() == words.size(), jobs >= 1.
void AnswerBatch(const CLexicon& lexicon, const std::vector<std::string>& words,
                 const std::vector<bool>& skip, int jobs,
                 const AnswerFormat& format, std::vector<std::string>* answers);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_BATCH_ANSWERS_H_
