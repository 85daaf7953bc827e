// Threads take words in input order, a few at a time, so that an
// expensive word holds up only its own thread and the few words taken
// with it. Whichever thread finishes the first unwritten word becomes the
// writer and writes every finished answer at the front of the queue; the
// others go on answering meanwhile, until the answers waiting behind a
// slow word reach the byte bound. Progress is certain: the first
// unwritten word has always been taken (words are taken in order), so it
// finishes, and its thread writes.
//
// The lock is taken once per group of words, not once per word: cheap
// words take a microsecond, and a lock handed between threads for each
// of them would cost more than the answers.
//
// The output is flushed whenever every word read so far is written, which
// is when a client at the other end of a pipe waits for an answer.
// Tested by cli_jobs_test.cc.

#include "tools/parallel_answers.h"

#include <algorithm>
#include <utility>

namespace tesvar {
namespace cli {

namespace {

// Answers a thread keeps to itself before it counts them against the
// bound; enough for a group of ordinary answers.
constexpr size_t kMaxHeldAnswerBytes = 64 << 10;

}  // namespace

ParallelAnswers::ParallelAnswers(const CTesvarParser* parser,
                                 const AnswerWriter* writer, int jobs,
                                 AnswerOutput* output, const StopSignals* stop)
    : parser_(parser),
      writer_(writer),
      output_(output),
      stop_(stop),
      jobs_(static_cast<size_t>(jobs)),
      ring_(kMaxQueuedWords) {
  for (int i = 0; i < jobs; ++i) threads_.emplace_back([this] { Work(); });
}

void ParallelAnswers::Recycle(Slot* slot) {
  // A slot keeps its answer's memory for the next word, unless the answer
  // was a long one: the ring must not come to hold the longest answers
  // of the run.
  if (slot->answer.capacity() > kKeptAnswerBytes) {
    std::string().swap(slot->answer);
  } else {
    slot->answer.clear();
  }
}

ParallelAnswers::~ParallelAnswers() {
  if (!finished_) Finish();
}

bool ParallelAnswers::Stopping() const {
  return failed_ || (stop_ != nullptr && stop_->requested());
}

size_t ParallelAnswers::Untaken() const {
  return static_cast<size_t>(written_ + queued_ - next_to_take_);
}

bool ParallelAnswers::CanTake() const {
  return Untaken() > 0 && waiting_bytes_ < kMaxWaitingAnswerBytes;
}

bool ParallelAnswers::Add(std::vector<InputWord>* words) {
  std::unique_lock<std::mutex> lock(mutex_);
  for (InputWord& word : *words) {
    if (queued_ >= kMaxQueuedWords) {
      work_.notify_all();
      adding_ = true;
      moved_.wait(lock,
                  [this] { return queued_ < kMaxQueuedWords || Stopping(); });
      adding_ = false;
    }
    if (failed_) return false;
    // Stopping with the ring full: the words left will not be answered,
    // and their slots would be ones still in use.
    if (queued_ >= kMaxQueuedWords) break;
    Slot& slot = SlotOf(written_ + queued_);
    ++queued_;
    slot.word = std::move(word);
    slot.done = false;
  }
  words->clear();
  work_.notify_all();
  return !failed_;
}

void ParallelAnswers::Work() {
  WordAnswerer answerer(parser_, writer_, stop_);
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    work_.wait(lock, [this] {
      return CanTake() || Stopping() || (input_ended_ && Untaken() == 0);
    });
    if (Stopping() || !CanTake()) break;
    Taken taken;
    taken.first = next_to_take_;
    taken.count = std::clamp<size_t>(Untaken() / jobs_, 1, kMaxWordsTaken);
    for (size_t i = 0; i < taken.count; ++i) {
      taken.slots[i] = &SlotOf(next_to_take_);
      ++next_to_take_;
    }
    ++working_;
    lock.unlock();
    AnswerTaken(&answerer, &taken, &lock);
    lock.lock();
    --working_;
    Publish(&taken, &lock);
    if (finishing_) moved_.notify_all();
  }
  // A thread that stops early must not leave the others waiting.
  work_.notify_all();
  moved_.notify_all();
}

void ParallelAnswers::AnswerTaken(WordAnswerer* answerer, Taken* taken,
                                  std::unique_lock<std::mutex>* lock) {
  for (size_t i = 0; i < taken->count; ++i) {
    Slot& slot = *taken->slots[i];
    slot.note = answerer->Answer(slot.word, &slot.answer);
    taken->answered = i + 1;
    taken->held_bytes += slot.answer.size();
    if (taken->held_bytes < kMaxHeldAnswerBytes || i + 1 == taken->count) {
      continue;
    }
    // Long answers count against the bound as soon as they are done, and
    // the next word waits for room unless nothing before it is unfinished.
    lock->lock();
    Publish(taken, lock);
    const uint64_t next = taken->first + i + 1;
    work_.wait(*lock, [this, next] {
      return waiting_bytes_ < kMaxWaitingAnswerBytes || Stopping() ||
             AllDoneBefore(next);
    });
    const bool stop = Stopping();
    lock->unlock();
    if (stop) return;
  }
}

bool ParallelAnswers::AllDoneBefore(uint64_t word) const {
  for (uint64_t w = written_; w < word; ++w) {
    if (!SlotOf(w).done) return false;
  }
  return true;
}

void ParallelAnswers::Publish(Taken* taken,
                              std::unique_lock<std::mutex>* lock) {
  for (size_t i = taken->published; i < taken->answered; ++i) {
    taken->slots[i]->done = true;
  }
  taken->published = taken->answered;
  waiting_bytes_ += taken->held_bytes;
  taken->held_bytes = 0;
  if (!writing_) WriteReady(lock);
}

void ParallelAnswers::WriteReady(std::unique_lock<std::mutex>* lock) {
  writing_ = true;
  while (!Stopping()) {
    size_t count = 0;
    while (count < queued_ && SlotOf(written_ + count).done) ++count;
    if (count > 0) {
      // The finished slots stay in the queue while they are written, and
      // leave it afterwards: no other thread touches a finished slot, and
      // only this writer lets slots go.
      const uint64_t first = written_;
      lock->unlock();
      size_t bytes = 0;
      bool ok = true;
      for (uint64_t w = first; w < first + count; ++w) {
        Slot& slot = SlotOf(w);
        bytes += slot.answer.size();
        // After a stop, not one answer more than the one being written.
        if (ok && (stop_ == nullptr || !stop_->requested())) {
          ok = output_->Write(slot.answer, slot.note, slot.word.input_bytes);
        }
        Recycle(&slot);
      }
      lock->lock();
      written_ += count;
      queued_ -= count;
      // Threads held back by the byte bound may go on.
      if (waiting_bytes_ >= kMaxWaitingAnswerBytes || !ok) work_.notify_all();
      waiting_bytes_ -= bytes;
      unflushed_ = true;
      if (!ok) failed_ = true;
      if (adding_ || finishing_ || !ok) moved_.notify_all();
    } else if (queued_ == 0 && unflushed_) {
      unflushed_ = false;
      lock->unlock();
      const bool ok = output_->Flush();
      lock->lock();
      if (!ok) failed_ = true;
    } else {
      break;
    }
  }
  writing_ = false;
}

bool ParallelAnswers::Finish() {
  std::unique_lock<std::mutex> lock(mutex_);
  finished_ = true;
  finishing_ = true;
  input_ended_ = true;
  work_.notify_all();
  moved_.wait(lock, [this] {
    return working_ == 0 && !writing_ && (queued_ == 0 || Stopping());
  });
  lock.unlock();
  for (std::thread& thread : threads_) thread.join();
  threads_.clear();
  const bool ok = !failed_;
  return output_->Flush() && ok;
}

}  // namespace cli
}  // namespace tesvar
