// tesvar_generate_lexicon: writes a synthetic lexicon, or a word list for
// a lexicon, to standard output. Used by the benchmark scripts to make
// inputs of any size that are the same bytes on every machine.

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "bench/lexicon_generator.h"
#include "bench/realistic_words.h"
#include "bench/word_generator.h"
#include "tesvar/lexicon.h"
#include "tesvar/lexicon_tsv.h"

namespace {

constexpr uint64_t kDefaultSeed = 42;

void Usage() {
  std::cerr
      << "Usage:\n"
         "  tesvar_generate_lexicon --entries N [--seed S]\n"
         "      writes a lexicon of N entries (TSV version 1)\n"
         "  tesvar_generate_lexicon --words M --from FILE [--seed S] "
         "[--realistic [--typos P]] [--zipf]\n"
         "      writes M words made from the lexicon FILE, one per line;\n"
         "      --realistic: only words that read flawlessly, P% of them\n"
         "      mistyped (default 5), instead of the mix of typed text;\n"
         "      --zipf: entries drawn as the words of a text are, the\n"
         "      earlier in FILE the more often, instead of all alike\n";
}

struct Options {
  uint64_t entries = 0;
  uint64_t words = 0;
  uint64_t seed = kDefaultSeed;
  std::string from;
  bool realistic = false;
  bool zipf = false;
  uint64_t typos = tesvar::bench::kRealisticTypoPercent;
};

bool ParseNumber(const char* text, uint64_t* value) {
  char* end = nullptr;
  errno = 0;
  *value = std::strtoull(text, &end, 10);
  return errno == 0 && end != text && *end == '\0' && text[0] != '-';
}

bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    if (flag == "--realistic") {
      options->realistic = true;
      continue;
    }
    if (flag == "--zipf") {
      options->zipf = true;
      continue;
    }
    if (i + 1 == argc) return false;
    const char* value = argv[++i];
    if (flag == "--entries") {
      if (!ParseNumber(value, &options->entries)) return false;
    } else if (flag == "--words") {
      if (!ParseNumber(value, &options->words)) return false;
    } else if (flag == "--seed") {
      if (!ParseNumber(value, &options->seed)) return false;
    } else if (flag == "--typos") {
      if (!ParseNumber(value, &options->typos) || options->typos > 100) {
        return false;
      }
    } else if (flag == "--from") {
      options->from = value;
    } else {
      return false;
    }
  }
  // Exactly one of the two modes.
  if (options->entries > 0) {
    return options->words == 0 && options->from.empty() &&
           !options->realistic && !options->zipf;
  }
  return options->words > 0 && !options->from.empty();
}

int WriteWords(const Options& options) {
  tesvar::CLexicon lexicon;
  const tesvar::Status status =
      tesvar::LoadLexiconTsvFile(options.from, &lexicon);
  if (!status.ok()) {
    std::cerr << "tesvar_generate_lexicon: " << status.ToString() << "\n";
    return 1;
  }
  const tesvar::bench::EntryDraw draw =
      options.zipf ? tesvar::bench::EntryDraw::kZipf
                   : tesvar::bench::EntryDraw::kUniform;
  std::string out;
  if (options.realistic) {
    for (const std::string& word : tesvar::bench::GenerateRealisticWordList(
             lexicon, options.words, options.seed,
             static_cast<uint32_t>(options.typos), draw)) {
      out += word;
      out += '\n';
    }
  } else {
    tesvar::bench::WordGenerator generator(lexicon, options.seed, draw);
    for (uint64_t i = 0; i < options.words; ++i) {
      out += generator.Next();
      out += '\n';
    }
  }
  std::cout << out;
  return std::cout.good() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    Usage();
    return 1;
  }
  if (options.entries > 0) {
    std::cout << tesvar::bench::GenerateLexiconTsv(options.entries,
                                                   options.seed);
    return std::cout.good() ? 0 : 1;
  }
  return WriteWords(options);
}
