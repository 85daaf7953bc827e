// Building the benchmark inputs from the sample lexicon and the generators.

#include "bench/corpus.h"

#include <string>
#include <utility>
#include <vector>

#include "bench/lexicon_generator.h"
#include "bench/realistic_words.h"
#include "bench/word_generator.h"
#include "tesvar/lexicon_tsv.h"
#include "tesvar/sample_lexicon.h"

namespace tesvar {
namespace bench {

namespace {

Status LoadCorpus(std::string name, std::string tsv, Corpus* corpus) {
  corpus->name = std::move(name);
  corpus->tsv = std::move(tsv);
  return ParseLexiconTsv(corpus->tsv, corpus->name + ".tsv", &corpus->lexicon);
}

}  // namespace

Status BuildCorpora(Corpus* sample, GeneratedCorpora* generated) {
  Status status = LoadCorpus("sample", std::string(SampleLexiconTsv()), sample);
  if (!status.ok()) return status;
  sample->words = GenerateWordList(sample->lexicon, kMixedWordCount, kWordSeed);
  for (const int64_t size : kLexiconSizes) {
    status =
        LoadCorpus(std::to_string(size),
                   GenerateLexiconTsv(static_cast<size_t>(size), kLexiconSeed),
                   &(*generated)[size]);
    if (!status.ok()) return status;
  }
  // One list for every size, made from the smallest lexicon, whose entries
  // open the larger ones: a few costly words more or less in one list
  // would otherwise outweigh the effect of the lexicon's size.
  const std::vector<std::string> words = GenerateWordList(
      generated->begin()->second.lexicon, kMixedWordCount, kWordSeed);
  for (auto& entry : *generated) {
    entry.second.words = words;
    entry.second.realistic = GenerateRealisticWordList(
        entry.second.lexicon, kRealisticWordCount, kWordSeed);
  }
  return Status::Ok();
}

}  // namespace bench
}  // namespace tesvar
