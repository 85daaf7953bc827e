// ParallelAnswers answers the words of a run on several threads, which
// share one parser and have a WordAnswerer each, and hands the answers to
// an AnswerOutput in input order as soon as they are ready.
//
// Memory is bounded by bytes, not by words: a thread takes no new word
// while the answers that are ready but wait for an earlier, slower word
// hold kMaxWaitingAnswerBytes or more. A few words cost a thousand times
// more than most, and their answers are that much longer too, so a bound
// by count would let N threads hold N times what one thread holds.
//
// Add and Finish are called from one thread (the one reading the input);
// the parser, its lexicon and the writer must stay unchanged until Finish
// returns.

#ifndef TESVAR_TOOLS_PARALLEL_ANSWERS_H_
#define TESVAR_TOOLS_PARALLEL_ANSWERS_H_

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tesvar/parser.h"
#include "tools/answer_output.h"
#include "tools/answer_writer.h"
#include "tools/stop_signals.h"
#include "tools/word_answer.h"
#include "tools/word_source.h"

namespace tesvar {
namespace cli {

// Bytes of finished answers that may wait for an earlier word's answer.
constexpr size_t kMaxWaitingAnswerBytes = size_t{1} << 20;
// Words read ahead of the answers (each at most the word limit long).
constexpr size_t kMaxQueuedWords = 1024;

class ParallelAnswers {
 public:
  // Starts `jobs` threads that share `parser`. `stop` may be null.
  // REQUIRES: jobs >= 1; every pointer outlives the object.
  ParallelAnswers(const CTesvarParser* parser, const AnswerWriter* writer,
                  int jobs, AnswerOutput* output, const StopSignals* stop);
  ParallelAnswers(const ParallelAnswers&) = delete;
  ParallelAnswers& operator=(const ParallelAnswers&) = delete;
  // Finishes, if Finish was not called.
  ~ParallelAnswers();

  // Queues *words to be answered, in order, and clears *words. Waits
  // while kMaxQueuedWords words are queued. Returns false once writing has
  // failed.
  bool Add(std::vector<InputWord>* words);

  // Waits until every queued word is answered and written, and flushes the
  // output. After a stop signal it waits only for the words under way and
  // writes no more answers. Returns false when writing failed.
  bool Finish();

 private:
  struct Slot {
    InputWord word;
    bool done = false;
    std::string answer;
    AnswerNote note;
  };

  // Words a thread takes at once, at most; fewer when few are queued, so
  // that every thread gets some.
  static constexpr size_t kMaxWordsTaken = 16;

  // The words a thread has taken, and how far it has got with them.
  struct Taken {
    uint64_t first = 0;  // the number of the first word
    size_t count = 0;
    Slot* slots[kMaxWordsTaken];
    size_t answered = 0;    // slots whose answer is ready
    size_t published = 0;   // of those, slots marked done
    size_t held_bytes = 0;  // bytes of the answers not yet marked done
  };

  // Answers up to this long leave their memory in the slot for the next.
  static constexpr size_t kKeptAnswerBytes = 1024;

  Slot& SlotOf(uint64_t word) {
    return ring_[static_cast<size_t>(word % kMaxQueuedWords)];
  }
  const Slot& SlotOf(uint64_t word) const {
    return ring_[static_cast<size_t>(word % kMaxQueuedWords)];
  }
  // Readies a written slot for another word.
  static void Recycle(Slot* slot);
  void Work();
  // Answers the taken words with the lock released; takes the lock while
  // long answers wait for room.
  void AnswerTaken(WordAnswerer* answerer, Taken* taken,
                   std::unique_lock<std::mutex>* lock);
  // Marks the answered words done and writes what is ready. Lock held.
  void Publish(Taken* taken, std::unique_lock<std::mutex>* lock);
  bool AllDoneBefore(uint64_t word) const;
  size_t Untaken() const;
  bool CanTake() const;
  bool Stopping() const;
  // Writes the finished answers at the front of the queue, in order, with
  // the lock released during each write.
  void WriteReady(std::unique_lock<std::mutex>* lock);

  const CTesvarParser* const parser_;
  const AnswerWriter* const writer_;
  AnswerOutput* const output_;
  const StopSignals* const stop_;
  const size_t jobs_;

  std::mutex mutex_;
  std::condition_variable work_;   // a word to take, or the end
  std::condition_variable moved_;  // room in the queue, or a word written
  // A ring of kMaxQueuedWords slots, made once: word n is in
  // ring_[n % kMaxQueuedWords], for the queued_ words from written_ on.
  // Slots never move, and keep their answer's memory from word to word.
  std::vector<Slot> ring_;
  size_t queued_ = 0;
  uint64_t written_ = 0;
  uint64_t next_to_take_ = 0;
  size_t waiting_bytes_ = 0;  // answers finished and not yet written
  int working_ = 0;           // threads answering a word
  bool writing_ = false;      // a thread is in WriteReady
  bool unflushed_ = false;    // answers written since the last flush
  bool adding_ = false;       // Add waits for room in the queue
  bool finishing_ = false;    // Finish waits for the threads
  bool input_ended_ = false;
  bool failed_ = false;  // the output could not be written
  bool finished_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_PARALLEL_ANSWERS_H_
