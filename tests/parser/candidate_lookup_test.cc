// The driver looks up only the entries whose headword starts the word or
// follows its verb prefix, and skips those that its replay of the suffix
// scans (entry_cost.h) shows cannot read the rest.
// Checked here against the full walk: every entry whose headword occurs
// anywhere in the word, tried with its analyses.

#include "parser/candidate_lookup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "nouns/noun_suffix_table.h"
#include "nouns/parsed_noun.h"
#include "numbers/parsed_num.h"
#include "parser/entry_cost.h"
#include "parser/spelling.h"
#include "parser/suffix_starts.h"
#include "parser/work_meter.h"
#include "support/test_lexicon.h"
#include "tesvar/parser.h"
#include "verbs/parsed_verb.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {
namespace {

using testing::Entry;

// Whether `analysis` reads `word` as `entry`.
template <typename Analysis>
bool Reads(Analysis& analysis, const std::string& word, const CTWord& entry) {
  analysis.Clear();
  return analysis.Parse(word, entry) != 0;
}

// Key and label of every reading the full walk finds, in order.
std::vector<std::string> FullWalk(const CLexicon& lexicon, std::string word) {
  NormaliseSpelling(&word);
  std::vector<std::string> readings;
  auto add = [&](auto& analysis, const CLexicon::Entry& entry) {
    if (Reads(analysis, word, entry.word)) {
      readings.push_back(std::string(entry.key) + "/" +
                         std::string(analysis.POS()));
    }
  };
  for (const CLexicon::Entry& entry : lexicon.entries()) {
    if (word.find(entry.word.m_strHeadword) == std::string::npos) continue;
    CParsedNoun noun;
    CParsedVerb verb;
    CParsedNum number;
    CParsedWord plain;
    switch (static_cast<uint32_t>(entry.word.m_nPOS)) {
      case kNoun:
        add(noun, entry);
        break;
      case kVerb:
        add(verb, entry);
        break;
      case kPronoun:
        add(noun, entry);
        add(verb, entry);
        break;
      case kNumber:
        add(number, entry);
        break;
      default:
        add(plain, entry);
    }
  }
  return readings;
}

std::vector<std::string> Driver(const CLexicon& lexicon,
                                const std::string& word) {
  CTesvarParser parser(&lexicon);
  ParseResults results;
  parser.ParseWord(word, results);
  std::vector<std::string> readings;
  for (const CParseResult& r : results) {
    readings.push_back(r.m_strKey + "/" + r.m_strPOS);
  }
  return readings;
}

// Random lexicons and words from pieces that combine into prefixes,
// roots, suffixes of every kind and number parts, so that headwords occur
// at the start, after a prefix and elsewhere, followed by text that reads
// as suffixes or not.
class RandomWords {
 public:
  CLexicon MakeLexicon(int entries) {
    const int32_t codes[] = {kNoun, kVerb, kPronoun, kNumber, kAdverbial, -1};
    CLexicon lexicon;
    for (int i = 0; i < entries; ++i) {
      std::string headword = Piece();
      if (Next() % 2) headword += Piece();
      lexicon.Add(std::to_string(i),
                  Entry(headword, codes[Next() % std::size(codes)], "x"));
    }
    return lexicon;
  }
  size_t Below(size_t n) { return Next() % n; }
  // Mostly verb suffixes, which a scan reads far, with the odd byte that
  // stops it or shifts it to other rows.
  std::string MakeSuffixes() {
    static const std::string kSuffixes[] = {
        "qu'", "Qo'", "be'",   "pu'", "taH", "laH", "be'qu'", "'a'",
        "lu'", "wI'", "ghach", "vam", "b",   "e'",  "j",      "q"};
    std::string text;
    for (uint32_t n = 1 + Next() % 6; n > 0; --n) {
      text += kSuffixes[Next() % std::size(kSuffixes)];
    }
    return text;
  }
  std::string MakeWord() {
    std::string word;
    for (uint32_t n = 1 + Next() % 4; n > 0; --n) word += Piece();
    return word;
  }

 private:
  uint32_t Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<uint32_t>(state_ >> 33);
  }
  const std::string& Piece() { return kPieces[Next() % std::size(kPieces)]; }

  inline static const std::string kPieces[] = {
      "vI",  "jI",    "yI",  "lu",  "qet", "Sop", "wa'", "maH", "pu'", "be'",
      "taH", "ghach", "wI'", "vam", "a",   "Du'", "lu'", "",    "'a'", "DIch"};
  uint64_t state_ = 7;
};

TEST(CandidateLookupTest, AgreesWithTheFullWalkOnRandomWords) {
  RandomWords random;
  const CLexicon lexicon = random.MakeLexicon(60);
  for (int i = 0; i < 3000; ++i) {
    const std::string word = random.MakeWord();
    ASSERT_EQ(Driver(lexicon, word), FullWalk(lexicon, word)) << word;
  }
}

// A verb whose headword both starts the word and follows its prefix comes
// once, with both places; other entries of the same headword do not merge.
TEST(CandidateLookupTest, VerbsFoundByBothWalksComeOnce) {
  CLexicon lexicon;
  lexicon.Add("0", Entry("vI", kVerb, "x"));
  lexicon.Add("1", Entry("vI", kNoun, "x"));
  lexicon.Add("2", Entry("vIv", kVerb, "x"));
  lexicon.Add("3", Entry("v", kVerb, "x"));
  lexicon.Add("4", Entry("qI", kVerb, "x"));
  struct Case {
    const char* word;
    // position, at_start, after_prefix of each candidate, in order
    std::vector<std::tuple<uint32_t, bool, bool>> want;
  };
  const Case cases[] = {
      {"vIvIv",
       {{0, true, true}, {1, true, false}, {2, true, true}, {3, true, true}}},
      {"vIqI",
       {{0, true, false},
        {1, true, false},
        {3, true, false},
        {4, false, true}}},
      {"qIvI", {{4, true, false}}},
  };
  for (const Case& c : cases) {
    const std::string word = c.word;
    std::vector<Candidate> candidates;
    FindCandidateEntries(lexicon, word, VerbPrefixLength(word), &candidates);
    std::vector<std::tuple<uint32_t, bool, bool>> got;
    for (const Candidate& candidate : candidates) {
      got.emplace_back(candidate.position, candidate.at_start,
                       candidate.after_prefix);
    }
    EXPECT_EQ(got, c.want) << word;
  }
}

// Fields of the candidates in order, for comparing lists.
std::vector<std::tuple<uint32_t, uint32_t, uint32_t, int, bool, bool>> Fields(
    const std::vector<Candidate>& candidates) {
  std::vector<std::tuple<uint32_t, uint32_t, uint32_t, int, bool, bool>> out;
  for (const Candidate& c : candidates) {
    out.emplace_back(c.position, c.headword_length, c.text_bytes, c.kind,
                     c.at_start, c.after_prefix);
  }
  return out;
}

// A kept list serves a word only when a fresh lookup would give the same:
// words that change at every place, words cut short at, before and past
// the bytes the last lookup read, the very same word, and new words.
TEST(CandidateLookupTest, KeptCandidatesAreAFreshLookup) {
  RandomWords random;
  const CLexicon lexicon = random.MakeLexicon(60);
  CandidateMemo memo;
  // The memo refers to the words it was given, which must stay as they
  // are, as a call's words do.
  std::deque<std::string> given;
  std::string word = random.MakeWord();
  for (int i = 0; i < 20000; ++i) {
    const std::string& kept = given.emplace_back(word);
    const size_t prefix = VerbPrefixLength(word);
    std::vector<Candidate> fresh;
    const size_t read = FindCandidateEntries(lexicon, word, prefix, &fresh);
    ASSERT_EQ(Fields(memo.Find(lexicon, kept, prefix)), Fields(fresh)) << word;
    switch (random.Below(6)) {
      case 0:
        word = random.MakeWord();
        break;
      case 1:
        word += random.MakeSuffixes();
        break;
      case 2: {  // cut around the bytes the lookup read
        size_t cut = std::min(word.size(), read + random.Below(3));
        if (cut > 0 && random.Below(2) == 0) --cut;
        word.resize(cut);
        break;
      }
      case 3:
        break;  // the same word again
      default:
        if (!word.empty()) word[random.Below(word.size())] = "vIqbe'"[i % 6];
        break;
    }
  }
}

// Another call may bring another lexicon; a forgotten list is not used.
TEST(CandidateLookupTest, ForgottenCandidatesAreLookedUpAgain) {
  CLexicon first;
  first.Add("0", Entry("vI", kVerb, "x"));
  CLexicon second;
  second.Add("0", Entry("v", kNoun, "x"));
  second.Add("1", Entry("vIq", kVerb, "x"));
  CandidateMemo memo;
  EXPECT_EQ(memo.Find(first, "vIqqu'", 0).size(), 1u);
  memo.Forget();
  EXPECT_EQ(memo.Find(second, "vIqqu'", 0).size(), 2u);
}

// The candidates whose replayed scans say they cannot read are skipped:
// none of their analyses may read the word. Most candidates of these words
// fail, and the check must catch nearly all of them, of every kind it checks.
TEST(CandidateLookupTest, MarksOnlyCandidatesWhoseAnalysesFail) {
  RandomWords random;
  const CLexicon lexicon = random.MakeLexicon(200);
  std::vector<Candidate> candidates;
  CParsedNoun noun;
  CParsedVerb verb;
  CParsedNum number;
  CParsedWord plain;
  // By part of speech: failing candidates, and those of them marked.
  std::map<int32_t, std::pair<int, int>> failing;
  for (int i = 0; i < 3000; ++i) {
    std::string word = random.MakeWord();
    NormaliseSpelling(&word);
    EntryCost cost(word);
    FindCandidateEntries(lexicon, word, cost.prefix(), &candidates);
    for (const Candidate& candidate : candidates) {
      const CTWord entry = lexicon.entry(candidate.position).word;
      const bool may_read = cost.Scans(candidate).may_read;
      bool reads = false;
      switch (static_cast<uint32_t>(entry.m_nPOS)) {
        case kNoun:
          reads = Reads(noun, word, entry);
          break;
        case kVerb:
          reads = Reads(verb, word, entry);
          break;
        case kPronoun:
          reads = Reads(noun, word, entry) || Reads(verb, word, entry);
          break;
        case kNumber:
          reads = Reads(number, word, entry);
          break;
        default:
          reads = Reads(plain, word, entry);
      }
      if (!may_read) {
        ASSERT_FALSE(reads) << word << " as " << entry.m_strHeadword;
      }
      if (!reads) {
        ++failing[entry.m_nPOS].first;
        if (!may_read) ++failing[entry.m_nPOS].second;
      }
    }
  }
  // Number words are not checked ahead.
  failing.erase(kNumber);
  for (const auto& [code, counts] : failing) {
    EXPECT_GE(counts.second, counts.first * 9 / 10)
        << counts.first << " failing candidates of code " << code;
  }
}

// What a scan reads, found without memo, filter or kept rows: the table
// rows matched one after another.
struct PlainScan {
  uint64_t suffixes = 0;
  uint64_t noun_part = 0;
  bool through = false;
};

PlainScan PlainNounScan(std::string_view word, size_t at) {
  PlainScan scan;
  for (const NounSuffixRow* row; at < word.size(); ++scan.suffixes) {
    if ((row = MatchNounSuffix(word.substr(at))) == nullptr) break;
    at += row->suffix.size();
  }
  scan.through = at == word.size();
  return scan;
}

PlainScan PlainVerbScan(std::string_view word, size_t at) {
  PlainScan scan;
  for (int index; (index = MatchVerbSuffixRow(word.substr(at))) >= 0;) {
    const VerbSuffixRow& row = kVerbSuffixes[index];
    ++scan.suffixes;
    at += row.suffix.size();
    if (row.has(kNominaliser)) {
      const PlainScan noun = PlainNounScan(word, at);
      scan.suffixes += noun.suffixes;
      scan.noun_part = noun.suffixes;
      scan.through = noun.through;
      return scan;
    }
  }
  scan.through = at == word.size();
  return scan;
}

// The tables with a suffix that begins with each pair of bytes, and none
// for texts too short to hold one.
TEST(CandidateLookupTest, SuffixStartsAreThePairsOfTheTables) {
  auto begins_one = [](const auto& table, std::string_view pair) {
    for (const auto& row : table) {
      if (row.suffix.substr(0, 2) == pair) return true;
    }
    return false;
  };
  for (int first = 0; first < 256; ++first) {
    const std::string one(1, static_cast<char>(first));
    EXPECT_EQ(kSuffixStarts.In(one), 0);
    for (int second = 0; second < 256; ++second) {
      const std::string pair = one + static_cast<char>(second);
      const int want =
          (begins_one(kNounSuffixes, pair) ? SuffixStarts::kNouns : 0) |
          (begins_one(kVerbSuffixes, pair) ? SuffixStarts::kVerbs : 0);
      ASSERT_EQ(kSuffixStarts.In(pair), want) << first << " " << second;
      ASSERT_EQ(kSuffixStarts.In(pair + "xyz"), want) << first << " " << second;
    }
  }
  EXPECT_EQ(kSuffixStarts.In(""), 0);
}

// A candidate charged as idle is one that Scans finds can read nothing,
// charged the units ChargeSkipped charges; any other is left for Scans,
// charged nothing: of every kind and place, with text bytes known or not,
// and with meters near their limit.
TEST(CandidateLookupTest, IdleCandidatesAreChargedAsSkipped) {
  CLexicon lexicon;
  lexicon.Add("0", Entry("x", kNoun, "x"));  // 2 text bytes
  RandomWords random;
  const uint8_t kinds[] = {kNoun, kVerb, kPronoun, kNumber, kAdverbial, 255};
  int idle = 0;
  for (int i = 0; i < 1000; ++i) {
    std::string word = random.MakeWord() + random.MakeSuffixes();
    NormaliseSpelling(&word);
    EntryCost cost(word);
    for (uint32_t headword = 0; headword <= word.size(); ++headword) {
      for (const uint8_t kind : kinds) {
        for (const bool after_prefix : {false, true}) {
          const uint32_t text_bytes =
              random.Below(8) == 0 ? wordvault::EntryStore::kManyTextBytes : 2;
          const Candidate candidate{0,    headword,      text_bytes,
                                    kind, !after_prefix, after_prefix};
          const uint64_t budget = 1 + random.Below(2 * (70 + word.size()));
          WorkMeter idle_meter;
          idle_meter.Start(budget, nullptr);
          if (!cost.ChargeIfIdle(candidate, &idle_meter)) {
            ASSERT_EQ(idle_meter.used(), 0u) << word << " @" << headword;
            continue;
          }
          ++idle;
          const EntryScans scans = cost.Scans(candidate);
          ASSERT_FALSE(scans.may_read) << word << " @" << headword;
          WorkMeter skipped_meter;
          skipped_meter.Start(budget, nullptr);
          cost.ChargeSkipped(candidate, scans, lexicon, &skipped_meter);
          ASSERT_EQ(idle_meter.used(), skipped_meter.used())
              << word << " @" << headword;
          ASSERT_FALSE(skipped_meter.stopped()) << word << " @" << headword;
        }
      }
    }
  }
  EXPECT_GT(idle, 10000);
}

// The scans of every candidate, asked in any order, count what matching
// the table rows from its headword's end counts, whichever starts were
// asked before: words short and long, of suffixes that read and bytes
// that do not, asked for every headword length and kind.
TEST(CandidateLookupTest, ScansCountWhatThePlainScanReads) {
  RandomWords random;
  VerbSuffixRows rows;
  for (int i = 0; i < 1500; ++i) {
    std::string word = random.MakeWord() + random.MakeSuffixes();
    if (i % 3 == 0) {
      while (word.size() <= 100) word += random.MakeSuffixes();
    }
    NormaliseSpelling(&word);
    EntryCost cost(word, &rows);
    const size_t prefix = cost.prefix();
    std::vector<Candidate> candidates;
    for (uint32_t headword = 0; headword <= word.size(); ++headword) {
      for (const uint8_t kind : {kNoun, kVerb, kPronoun}) {
        for (const bool after_prefix : {false, true}) {
          if (after_prefix && (kind != kVerb || prefix == 0 ||
                               prefix + headword > word.size())) {
            continue;
          }
          candidates.push_back(
              Candidate{0, headword, 1, kind, !after_prefix, after_prefix});
        }
      }
    }
    // Starts asked in no order, some twice.
    for (size_t c = candidates.size(); c > 1; --c) {
      std::swap(candidates[c - 1], candidates[random.Below(c)]);
    }
    candidates.insert(candidates.end(), candidates.begin(),
                      candidates.begin() + candidates.size() / 4);
    for (const Candidate& candidate : candidates) {
      const size_t end =
          candidate.headword_length + (candidate.after_prefix ? prefix : 0);
      const PlainScan noun = PlainNounScan(word, end);
      const PlainScan verb = PlainVerbScan(word, end);
      const EntryScans scans = cost.Scans(candidate);
      const std::string where = word + " @" + std::to_string(end) + " kind " +
                                std::to_string(candidate.kind);
      const bool nounish = candidate.kind != kVerb;
      const bool verbish = candidate.kind != kNoun;
      ASSERT_EQ(scans.noun, nounish ? noun.suffixes : 0) << where;
      ASSERT_EQ(scans.verb_prefixed, candidate.after_prefix ? verb.suffixes : 0)
          << where;
      ASSERT_EQ(scans.verb_bare,
                verbish && candidate.at_start ? verb.suffixes : 0)
          << where;
      ASSERT_EQ(scans.noun_part, verbish ? verb.noun_part : 0) << where;
      ASSERT_EQ(scans.may_read,
                (nounish && noun.through) || (verbish && verb.through))
          << where;
    }
  }
}

// Long words are replayed with rows and scan paths kept from the words
// before them. Whatever came before, and wherever the word changed, the
// scans must count what a replay from scratch counts: here three long
// words change in turn, each edit at a random byte.
TEST(CandidateLookupTest, KeptScansCountAsAFreshReplay) {
  RandomWords random;
  std::string words[3];
  for (std::string& word : words) {
    while (word.size() < 120) word += random.MakeSuffixes();
  }
  VerbSuffixRows rows;
  for (int i = 0; i < 600; ++i) {
    std::string& word = words[random.Below(3)];
    const size_t at = random.Below(word.size() + 1);
    switch (random.Below(4)) {
      case 0:
        word.insert(at, random.MakeSuffixes());
        break;
      case 1:
        if (word.size() > 100) word.erase(at, random.Below(12));
        break;
      case 2:
        word += random.MakeSuffixes();
        break;
      default:
        if (word.size() > 200) word.resize(at);
        break;
    }
    while (word.size() <= 100) word += random.MakeSuffixes();
    EntryCost kept(word, &rows);
    EntryCost fresh(word);
    ASSERT_EQ(kept.prefix(), fresh.prefix());
    for (uint32_t headword = 0; headword <= word.size(); ++headword) {
      for (const uint8_t kind : {kNoun, kVerb, kPronoun}) {
        const bool after_prefix = kind == kVerb && kept.prefix() != 0 &&
                                  kept.prefix() + headword <= word.size();
        const Candidate candidate{0, headword, 1, kind, true, after_prefix};
        const EntryScans a = kept.Scans(candidate);
        const EntryScans b = fresh.Scans(candidate);
        ASSERT_EQ(a.noun, b.noun) << word << " @" << headword;
        ASSERT_EQ(a.verb_prefixed, b.verb_prefixed) << word << " @" << headword;
        ASSERT_EQ(a.verb_bare, b.verb_bare) << word << " @" << headword;
        ASSERT_EQ(a.noun_part, b.noun_part) << word << " @" << headword;
        ASSERT_EQ(a.may_read, b.may_read) << word << " @" << headword;
      }
    }
  }
}

}  // namespace
}  // namespace tesvar
