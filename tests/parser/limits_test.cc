// The limits of one call: the word limit, the work budget and the
// interrupt. A call past a limit gives no readings and says why; every
// call within them gives exactly what an unlimited parser gives.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "parser/work_meter.h"
#include "support/test_lexicon.h"
#include "tesvar/parser.h"
#include "tesvar/sample_lexicon.h"

namespace tesvar {
namespace {

using testing::Dump;
using testing::Entry;
using testing::Lexicon;

std::string Repeat(const std::string& piece, size_t count) {
  std::string out;
  for (size_t i = 0; i < count; ++i) out += piece;
  return out;
}

CLexicon Sample() {
  CLexicon lexicon;
  EXPECT_TRUE(LoadSampleLexicon(&lexicon).ok());
  return lexicon;
}

ParseLimits Limits(size_t max_word_bytes, uint64_t max_work) {
  ParseLimits limits;
  limits.max_word_bytes = max_word_bytes;
  limits.max_work = max_work;
  return limits;
}

// A noun with its plural repeated: every repetition adds a correction as
// long as the word, each of which is parsed in turn.
const std::string kCostly = "Dal" + Repeat("pu'", 40);

TEST(LimitsTest, WordLimitCountsBytes) {
  const CLexicon lexicon = Sample();
  struct Case {
    size_t limit;
    size_t length;
    bool refused;
  } cases[] = {
      {256, 256, false}, {256, 257, true}, {3, 3, false},
      {3, 4, true},      {0, 5000, false},
  };
  for (const Case& c : cases) {
    const CTesvarParser parser(&lexicon, Limits(c.limit, 0));
    ParseScratch scratch;
    ParseResults results(1);  // replaced, whatever the outcome
    results[0].m_strWord = "earlier";
    const std::string word = "Dat" + std::string(c.length - 3, 'x');
    const Status status = parser.Parse(word, &results, &scratch);
    EXPECT_EQ(status.code() == Status::Code::kWordTooLong, c.refused)
        << c.limit << " " << c.length;
    for (const CParseResult& r : results) EXPECT_NE(r.m_strWord, "earlier");
    if (c.refused) {
      EXPECT_TRUE(results.empty()) << c.limit << " " << c.length;
      EXPECT_EQ(status.message(),
                "word longer than " + std::to_string(c.limit) + " bytes");
    }
  }
}

// Below the budget the readings are those of an unlimited parser; one unit
// less than the word needs, and the word is refused with nothing.
TEST(LimitsTest, BudgetIsExactAndDeterministic) {
  const CLexicon lexicon = Sample();
  const CTesvarParser unlimited(&lexicon, Limits(0, 0));
  ParseScratch scratch;
  ParseResults expected;
  ASSERT_TRUE(unlimited.Parse(kCostly, &expected, &scratch).ok());
  const uint64_t needed = scratch.last_work();
  ASSERT_GT(needed, 1000u);
  ASSERT_TRUE(unlimited.Parse(kCostly, &expected, &scratch).ok());
  EXPECT_EQ(scratch.last_work(), needed);

  const CTesvarParser enough(&lexicon, Limits(0, needed));
  ParseResults results;
  ASSERT_TRUE(enough.Parse(kCostly, &results, &scratch).ok());
  EXPECT_EQ(Dump(results), Dump(expected));

  const CTesvarParser short_by_one(&lexicon, Limits(0, needed - 1));
  const Status status = short_by_one.Parse(kCostly, &results, &scratch);
  EXPECT_EQ(status.code(), Status::Code::kWordTooComplex);
  EXPECT_EQ(status.message(), "word too complex");
  EXPECT_TRUE(results.empty());
}

// `count` entries sharing `headword`, their parts of speech taken in turn
// from `pos`, as a hostile user's lexicon might have them.
CLexicon Homographs(const std::string& headword, std::vector<int32_t> pos,
                    int count, const std::string& definition = "be boring") {
  CLexicon lexicon;
  for (int i = 0; i < count; ++i) {
    const testing::TestWord word =
        Entry(headword, pos[static_cast<size_t>(i) % pos.size()], definition);
    EXPECT_TRUE(lexicon.Add(headword + ":" + std::to_string(i), word));
  }
  return lexicon;
}

// Many entries with one headword, and words that are costly for each
// entry: the default budget stops them all, right after it is spent.
// Chains that fail at their last byte leave no reading to charge, yet
// cost as much as chains that read; so do the messages of the noun part
// of a verb made a noun, which its reading does not keep, and copying
// long definitions.
TEST(LimitsTest, BudgetStopsHostileWordsAgainstHomographs) {
  const std::string kLongDefinition(64 * 1024, 'x');
  struct Case {
    const char* what;
    std::vector<int32_t> pos;
    int entries;
    std::string word;
    std::string definition;
  } cases[] = {
      {"noun plurals, each corrected",
       {kNoun, kVerb, kPronoun},
       1000,
       "Dal" + Repeat("pu'", 84),
       "be boring"},
      {"faulty verb suffixes, failing",
       {kVerb},
       1000,
       "Dal" + Repeat("la'", 84) + "l",
       "be boring"},
      {"the same after a prefix",
       {kVerb},
       1000,
       "HIDal" + Repeat("la'", 83) + "l",
       "be boring"},
      {"faulty noun suffixes, failing",
       {kNoun},
       1000,
       "Dal" + Repeat("lI'", 84) + "l",
       "be boring"},
      {"pronouns, failing both ways",
       {kPronoun},
       1000,
       "Dal" + Repeat("lI'", 84) + "l",
       "be boring"},
      {"verbs made nouns, failing",
       {kVerb},
       1000,
       "Dalghach" + Repeat("lI'", 82) + "l",
       "be boring"},
      {"verbs made nouns, reading",
       {kVerb},
       100,
       "DIDalvIS" + Repeat("wI'", 40),
       "be boring"},
      {"long definitions copied", {kNoun}, 1000, "Dalbb", kLongDefinition},
  };
  for (const Case& c : cases) {
    const CLexicon lexicon = Homographs("Dal", c.pos, c.entries, c.definition);
    const CTesvarParser parser(&lexicon);
    ParseScratch scratch;
    ParseResults results;
    const Status status = parser.Parse(c.word, &results, &scratch);
    EXPECT_EQ(status.code(), Status::Code::kWordTooComplex) << c.what;
    EXPECT_TRUE(results.empty()) << c.what;
    // The call stops at the first charge past the budget. The corrections
    // parsed here are no longer than the word.
    const uint64_t largest = work_cost::LargestCharge(
        c.word.size(), std::max<size_t>(c.definition.size(), 8));
    EXPECT_GT(scratch.last_work(), parser.limits().max_work) << c.what;
    EXPECT_LE(scratch.last_work(), parser.limits().max_work + largest)
        << c.what;
  }
  const CLexicon lexicon = Homographs("Dal", {kNoun, kVerb, kPronoun}, 1000);
  const CTesvarParser parser(&lexicon);
  ParseScratch scratch;
  ParseResults results;
  ASSERT_TRUE(parser.Parse("Dalmey", &results, &scratch).ok());
  EXPECT_EQ(results.size(), 667u);  // nouns, and pronouns as nouns
}

// An entry that cannot read the word is skipped, yet charged as if its
// analyses had run: its texts are copied byte for byte, however many there
// are, and some entries' texts take more bytes than the summary the
// parser skips by can hold. Charges near the budget are made one by one,
// so the first charge past it is no larger than LargestCharge.
TEST(LimitsTest, SkippedEntriesChargeEveryTextByte) {
  const std::string kWord = "Dalbb";  // "bb" reads as no suffix
  auto units = [&](const std::string& definition, uint64_t budget) {
    CLexicon lexicon;
    EXPECT_TRUE(lexicon.Add("Dal", Entry("Dal", kNoun, definition)));
    const CTesvarParser parser(&lexicon, Limits(0, budget));
    ParseScratch scratch;
    ParseResults results;
    const Status status = parser.Parse(kWord, &results, &scratch);
    EXPECT_TRUE(results.empty());
    return std::make_pair(status.code(), scratch.last_work());
  };
  const uint64_t base = units("x", 0).second;
  for (const size_t bytes : {size_t{1000}, (size_t{1} << 24) + 5}) {
    const std::string definition(bytes, 'x');
    EXPECT_EQ(units(definition, 0).second, base + bytes - 1) << bytes;
    const auto [code, used] = units(definition, bytes / 2);
    EXPECT_EQ(code, Status::Code::kWordTooComplex) << bytes;
    EXPECT_GT(used, bytes / 2);
    EXPECT_LE(used, bytes / 2 + work_cost::LargestCharge(kWord.size(), bytes))
        << bytes;
  }
}

// ParseWord keeps the classic contract past the limits: nothing is added,
// and the elements passed in come back untouched, although the suggestion
// check had begun to work on them.
TEST(LimitsTest, ParseWordPastTheBudgetLeavesTheArrayAsItWas) {
  const CLexicon lexicon = Sample();
  CTesvarParser parser(&lexicon, Limits(256, 5000));
  ParseResults results(1);
  results[0].m_strWord = "earlier";
  results[0].m_lstSuggestions = {"Dalmey", "nothing-reads-this"};
  const ParseResults before = results;
  EXPECT_EQ(parser.ParseWord(kCostly, results), 1);
  EXPECT_EQ(Dump(results), Dump(before));
  EXPECT_EQ(results[0].m_lstSuggestions, before[0].m_lstSuggestions);
  // Within the limits the same array is checked as usual.
  EXPECT_EQ(parser.ParseWord("Dalmey", results), 2);
  EXPECT_EQ(results[0].m_lstSuggestions, StringList{"Dalmey"});
}

// Counts how often it is asked and asks to stop after a given number.
class CountingInterrupt : public ParseInterrupt {
 public:
  explicit CountingInterrupt(int stop_after) : stop_after_(stop_after) {}
  bool StopRequested() override { return ++asked_ > stop_after_; }
  int asked() const { return asked_; }

 private:
  const int stop_after_;
  int asked_ = 0;
};

TEST(LimitsTest, InterruptStopsWithinBoundedWork) {
  const CLexicon lexicon = Sample();
  const CTesvarParser parser(&lexicon, Limits(0, 0));
  ParseScratch scratch;
  ParseResults results;
  CountingInterrupt never(1 << 30);
  ASSERT_TRUE(parser.Parse(kCostly, &results, &scratch, &never).ok());
  // Asked at the start and then at the first charge past each interval.
  ASSERT_GT(scratch.last_work(), 10 * ParseInterrupt::kInterval);
  EXPECT_GE(never.asked(), 10);

  CountingInterrupt third(2);
  const Status status = parser.Parse(kCostly, &results, &scratch, &third);
  EXPECT_EQ(status.code(), Status::Code::kCancelled);
  EXPECT_TRUE(results.empty());
  EXPECT_EQ(third.asked(), 3);
  EXPECT_LE(scratch.last_work(), 3 * ParseInterrupt::kInterval + 100000);
}

TEST(LimitsTest, CancelFlagStopsACallFromAnotherThread) {
  const CLexicon lexicon = Sample();
  // Unlimited, this word runs for seconds.
  const CTesvarParser parser(&lexicon, Limits(0, 0));
  CancelFlag flag;
  Status status;
  ParseResults results(1);
  std::atomic<bool> started{false};
  std::thread worker([&] {
    ParseScratch scratch;
    started = true;
    status =
        parser.Parse("Dal" + Repeat("pu'", 400), &results, &scratch, &flag);
  });
  while (!started) std::this_thread::yield();
  flag.Cancel();
  worker.join();
  EXPECT_EQ(status.code(), Status::Code::kCancelled);
  EXPECT_TRUE(results.empty());

  // A flag that is already set stops the next call at once; reset, it
  // lets calls run.
  ParseScratch scratch;
  EXPECT_EQ(parser.Parse("Dat", &results, &scratch, &flag).code(),
            Status::Code::kCancelled);
  flag.Reset();
  EXPECT_TRUE(parser.Parse("Dat", &results, &scratch, &flag).ok());
  EXPECT_EQ(results.size(), 1u);
}

// One scratch serves calls on different parsers and lexicons in turn; what
// a call leaves in it never shows in the next.
TEST(LimitsTest, ScratchCarriesNothingOverBetweenCalls) {
  const CLexicon sample = Sample();
  const CLexicon other = Lexicon({Entry("Dal", kVerb, "be boring")});
  const CTesvarParser on_sample(&sample);
  const CTesvarParser on_other(&other);
  ParseScratch shared;
  for (const char* word : {"Dalmey", "Dalpu'pu'", "yIDal", "DAL", "Dat"}) {
    for (const CTesvarParser* parser : {&on_sample, &on_other}) {
      ParseScratch fresh;
      ParseResults expected;
      ParseResults results;
      ASSERT_TRUE(parser->Parse(word, &expected, &fresh).ok());
      ASSERT_TRUE(parser->Parse(word, &results, &shared).ok());
      EXPECT_EQ(Dump(results), Dump(expected)) << word;
      EXPECT_EQ(shared.last_work(), fresh.last_work()) << word;
    }
  }
}

// The meter against a plain model of its rules: a charge adds its units;
// the one that takes the use past the budget stops the meter, and so does
// the interrupt, asked at the start and at the end of the charge that
// reaches each next interval. Whatever the budget and wherever the
// interrupt stops, every charge must leave the meter as the model.
struct ModelMeter {
  uint64_t used = 0;
  uint64_t budget = 0;
  ParseInterrupt* interrupt = nullptr;
  uint64_t next_check = 0;
  bool stopped = false;

  void Check() {
    if (budget != 0 && used > budget) {
      stopped = true;
    } else if (interrupt != nullptr && used >= next_check) {
      next_check = used + ParseInterrupt::kInterval;
      stopped = interrupt->StopRequested();
    }
  }
  bool Charge(uint64_t units) {
    if (stopped) return false;
    used += units;
    Check();
    return !stopped;
  }
};

TEST(LimitsTest, MeterChargesAsItsModel) {
  constexpr uint64_t kInterval = ParseInterrupt::kInterval;
  // The first two reach the first interrupt check exactly.
  const uint64_t units[] = {1, kInterval - 1, 300, 7, kInterval, 5000};
  // Budgets at, just below and just above the use after each charge.
  std::vector<uint64_t> budgets = {0, UINT64_MAX};
  uint64_t used = 0;
  for (int step = 0; step < 30; ++step) {
    const uint64_t charge = units[step % std::size(units)];
    for (int i = 0; i < (step % 3 == 2 ? 3 : 1); ++i) {
      used += charge;
      budgets.insert(budgets.end(), {used - 1, used, used + 1});
    }
  }
  for (const uint64_t budget : budgets) {
    // The interrupt stops at its first, second or fourth answer, or there
    // is none (-1).
    for (const int stop_after : {-1, 0, 1, 3}) {
      CountingInterrupt interrupt(stop_after);
      CountingInterrupt model_interrupt(stop_after);
      WorkMeter meter;
      meter.Start(budget, stop_after < 0 ? nullptr : &interrupt);
      ModelMeter model{0, budget, stop_after < 0 ? nullptr : &model_interrupt};
      model.Check();
      for (int step = 0; step < 30 && !model.stopped; ++step) {
        const uint64_t charge = units[step % std::size(units)];
        switch (step % 3) {
          case 0:
            EXPECT_EQ(meter.Charge(charge), model.Charge(charge));
            break;
          case 1:
            if (!meter.ChargeQuietly(charge)) meter.Charge(charge);
            model.Charge(charge);
            break;
          default:
            meter.ChargeEach(3, charge);
            for (int i = 0; i < 3 && model.Charge(charge); ++i) {
            }
        }
        ASSERT_EQ(meter.used(), model.used)
            << "budget " << budget << ", stop after " << stop_after << ", step "
            << step;
        ASSERT_EQ(meter.stopped(), model.stopped)
            << "budget " << budget << ", stop after " << stop_after << ", step "
            << step;
      }
    }
  }
}

}  // namespace
}  // namespace tesvar
