// The three phases of parsing one word at one level of the recursion:
// normalise the word, read it as every candidate entry, then check the
// suggestions of the readings (suggestion_check.h), which parses each
// suggestion at the next level down.
//
// The top level fills full records (CParseResult). A sub-parse only
// weighs its readings (weighed_reading.h): their records would never be
// shown, and the check needs no more than scores and suggestions.
//
// A WordParse is a short-lived view of one call's state; it owns nothing.
// Tested by parser_test.cc.

#ifndef TESVAR_PARSER_WORD_PARSE_H_
#define TESVAR_PARSER_WORD_PARSE_H_

#include <string>
#include <string_view>

#include "parser/parse_frame.h"
#include "parser/weighed_reading.h"
#include "tesvar/lexicon.h"
#include "tesvar/parse_result.h"

namespace tesvar {

class WordParse {
 public:
  // `lexicon` may be null (no readings). REQUIRES: scratch outlives this.
  WordParse(const CLexicon* lexicon, ParseScratch::Impl* scratch)
      : lexicon_(lexicon), scratch_(scratch) {}

  // The top level: normalises *word and puts its readings into `results`
  // from element `first` on (the elements there are overwritten or
  // dropped) in `frame`, checks the suggestions of every element of
  // `results`, and returns the number of elements. Ends early, leaving
  // `results` incomplete, once the call's work meter stops.
  int Run(std::string* word, ParseResults& results, size_t first,
          ParseFrame& frame);

  // A sub-parse: the same for the suggestion `word`, into `readings`.
  // REQUIRES: `word` stays valid until the end of the call (a view of the
  // call's TextArena).
  int RunSub(std::string_view word, WeighedReadings& readings,
             ParseFrame& frame);

  ParseScratch::Impl& scratch() { return *scratch_; }

 private:
  // Normalises *word and puts its readings into `results` from element
  // `first` on; drops the elements after them.
  void NormaliseAndCollect(std::string* word, ParseResults& results,
                           size_t first);
  // The same for a sub-parse, which shares what earlier sub-parses of the
  // call collected for the same word; returns the word normalised.
  std::string_view CollectForSubParse(std::string_view word,
                                      WeighedReadings& readings);
  // Reads `word` as every candidate entry, handing each reading to `sink`.
  template <typename Sink>
  void CollectReadings(std::string_view word, Sink& sink);

  const CLexicon* const lexicon_;
  ParseScratch::Impl* const scratch_;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_WORD_PARSE_H_
