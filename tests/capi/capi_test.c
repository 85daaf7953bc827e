/* The C interface driven from C90: words given as bytes (NUL included)
 * parsed into one reused results handle and read back through every
 * accessor, spelling corrections found the same way, and the error paths,
 * which answer with a status. */

#include <stdio.h>
#include <string.h>

#include "tesvar/tesvar.h"

#define CHECK(condition, row) \
  Check(failures, (condition) != 0, #condition, (row), __LINE__)

static void Check(int* failures, int ok, const char* what, const char* row,
                  int line) {
  if (ok) return;
  ++*failures;
  fprintf(stderr, "capi_test.c:%d: failed: %s [%s]\n", line, what, row);
}

static int Bad(tesvar_status status) {
  return status == TESVAR_INVALID_ARGUMENT;
}

/* Appends the bytes to `out` (room for 512), a NUL byte as "\0". */
static void Put(char* out, const char* data, size_t size) {
  size_t i, used = strlen(out);
  for (i = 0; i < size && used + 3 < 512; ++i) {
    if (data[i] == '\0') {
      out[used++] = '\\';
      out[used++] = '0';
    } else {
      out[used++] = data[i];
    }
  }
  out[used] = '\0';
}

typedef tesvar_status (*TextOf)(const tesvar_results*, size_t, const char**,
                                size_t*);
static const TextOf kTexts[] = {tesvar_result_pos, tesvar_result_word,
                                tesvar_result_key, tesvar_result_analysis,
                                tesvar_result_native};

/* Each reading as "pos|word|key|analysis|native|errors;|suggestions;$". */
static void Dump(const tesvar_results* results, char* out) {
  const char* data;
  size_t size, count, i, k;
  out[0] = '\0';
  for (i = 0; i < tesvar_results_count(results); ++i) {
    for (k = 0; k < sizeof(kTexts) / sizeof(kTexts[0]); ++k) {
      if (kTexts[k](results, i, &data, &size) == TESVAR_OK) {
        Put(out, data, size);
      }
      Put(out, "|", 1);
    }
    tesvar_result_error_count(results, i, &count);
    for (k = 0; k < count; ++k) {
      tesvar_result_error(results, i, k, &data, &size);
      Put(out, data, size);
      Put(out, ";", 1);
    }
    Put(out, "|", 1);
    tesvar_result_suggestion_count(results, i, &count);
    for (k = 0; k < count; ++k) {
      tesvar_result_suggestion(results, i, k, &data, &size);
      Put(out, data, size);
      Put(out, ";", 1);
    }
    Put(out, "$", 1);
  }
}

/* Plain words (codes 3, 5, 6, 7) read as exact matches of the headword, so
 * that the test sees the interface and not the grammar. */
static const char kLexiconTsv[] =
    "# test lexicon\r\n"
    "key\theadword\tpos\tdefinition\r\n"
    "\n"
    "vaj:3\tvaj\tADV\tso, then, thus\n"
    "'ach:5\t'ach\tCONJ\tbut\n"
    "Qo':6\tQo'\tEXCL\tno\0, never\n"
    "nuq:7\tnuq\tQ\twhat\xE9?";

static const struct {
  const char* word;
  size_t size;
  double score; /* of the first reading */
  const char* dump;
} kParseCases[] = {
    {"vaj", 3, 1.0, "ADV|vaj|vaj:3|so, then, thus|vaj||$"},
    {"va\0J", 4, 1.0 / 1.1,
     "ADV|vaj|vaj:3|so, then, thus|vaj|Spelling or case.;|vaj;$"},
    {"ach", 3, 1.0 / 1.1,
     "CONJ|'ach|'ach:5|but|'ach|Spelling or case.;|'ach;$"},
    {"Qo'", 3, 1.0, "EXCL|Qo'|Qo':6|no\\0, never|Qo'||$"},
    {"nuq", 3, 1.0, "Q|nuq|nuq:7|what\xE9?|nuq||$"},
    {"tlhIngan", 8, 0.0, ""},
    {NULL, 0, 0.0, ""},
};

static void TestParse(int* failures, const tesvar_parser* parser,
                      tesvar_results* results) {
  char dump[512];
  double score = 0.0;
  size_t i;
  for (i = 0; i < sizeof(kParseCases) / sizeof(kParseCases[0]); ++i) {
    const char* row = kParseCases[i].word ? kParseCases[i].word : "(NULL)";
    /* One handle serves every row: each parse replaces its content. */
    CHECK(tesvar_parser_parse(parser, kParseCases[i].word, kParseCases[i].size,
                              results) == TESVAR_OK,
          row);
    Dump(results, dump);
    CHECK(strcmp(dump, kParseCases[i].dump) == 0, dump);
    if (tesvar_results_count(results) == 0) continue;
    CHECK(tesvar_result_score(results, 0, &score) == TESVAR_OK &&
              score == kParseCases[i].score,
          row);
  }
}

/* Pointers that must not be NULL, and indexes past the end, given while
 * `results` holds one reading with one error and one suggestion. */
static void TestBadArguments(int* failures, const tesvar_lexicon* lexicon,
                             const tesvar_parser* parser,
                             tesvar_results* results) {
  const char* data = "x";
  size_t size = 1, count = 1;
  double score = 1.0;
  tesvar_parser* made = NULL;
  CHECK(Bad(tesvar_result_key(results, 1, &data, &size)) && data == NULL &&
            size == 0,
        "text of reading 1");
  CHECK(Bad(tesvar_result_pos(NULL, 0, &data, &size)), "NULL results");
  CHECK(Bad(tesvar_result_word(results, 0, NULL, &size)), "into NULL");
  CHECK(Bad(tesvar_result_score(results, 1, &score)) && score == 0.0,
        "score of reading 1");
  CHECK(Bad(tesvar_result_error_count(results, 1, &count)) && count == 0,
        "errors of reading 1");
  CHECK(Bad(tesvar_result_suggestion(results, 0, 1, &data, &size)),
        "suggestion 1 of 1");
  CHECK(Bad(tesvar_parser_create(NULL, &made)) && made == NULL, "no lexicon");
  CHECK(Bad(tesvar_parser_create(lexicon, NULL)), "parser into NULL");
  CHECK(Bad(tesvar_results_create(NULL)), "results into NULL");
  CHECK(Bad(tesvar_parser_parse(parser, NULL, 3, results)) &&
            tesvar_results_count(results) == 0,
        "NULL word of 3 bytes empties the results");
  CHECK(Bad(tesvar_parser_parse(NULL, "vaj", 3, results)), "NULL parser");
  CHECK(Bad(tesvar_parser_parse(parser, "vaj", 3, NULL)), "NULL results");
  CHECK(tesvar_lexicon_size(NULL) == 0 && tesvar_results_count(NULL) == 0,
        "sizes of NULL");
  CHECK(Bad(tesvar_lexicon_sample(NULL, NULL)), "sample into NULL");
  tesvar_lexicon_free(NULL);
  tesvar_parser_free(NULL);
  tesvar_results_free(NULL);
  tesvar_string_free(NULL);
}

static const char kBadLine4[] =
    "#\nkey\theadword\tpos\tdefinition\n\nv\tv\tV1\tx";

static const struct {
  const char* text;
  size_t size;
  const char* source_name;
  tesvar_status status;
  const char* message_start;
} kBadTexts[] = {
    {kBadLine4, sizeof(kBadLine4) - 1, "w.tsv", TESVAR_INVALID_INPUT,
     "w.tsv:4: "},
    {NULL, 0, "empty.tsv", TESVAR_INVALID_INPUT, "empty.tsv:1: "},
    {NULL, 3, "x.tsv", TESVAR_INVALID_ARGUMENT, "no text"},
    {"key", 3, NULL, TESVAR_INVALID_ARGUMENT, "no source name"},
};

static void TestBadLexicons(int* failures) {
  tesvar_lexicon* lexicon = NULL;
  char* message = NULL;
  size_t i;
  for (i = 0; i < sizeof(kBadTexts) / sizeof(kBadTexts[0]); ++i) {
    const char* start = kBadTexts[i].message_start;
    CHECK(tesvar_lexicon_load_tsv(kBadTexts[i].text, kBadTexts[i].size,
                                  kBadTexts[i].source_name, &lexicon,
                                  &message) == kBadTexts[i].status &&
              lexicon == NULL,
          start);
    CHECK(message != NULL && strncmp(message, start, strlen(start)) == 0,
          start);
    tesvar_string_free(message);
  }
  CHECK(Bad(tesvar_lexicon_load_tsv("", 0, "x", NULL, NULL)), "into NULL");
}

/* A word past each limit is refused with its own status and no readings;
 * the same word is analysed without the limit; a cancel request stops the
 * next parse, and only that one. */
static void TestLimits(int* failures, const tesvar_lexicon* sample) {
  char word[400];
  tesvar_parser *strict = NULL, *open = NULL;
  tesvar_results* results = NULL;
  size_t i;
  memcpy(word, "Dal", 3);
  for (i = 0; i < 100; ++i) memcpy(word + 3 + 3 * i, "pu'", 3);
  CHECK(tesvar_parser_create_with_limits(sample, 256, 20000, &strict) ==
                TESVAR_OK &&
            tesvar_parser_create_with_limits(sample, 0, 0, &open) ==
                TESVAR_OK &&
            tesvar_results_create(&results) == TESVAR_OK,
        "limits set-up");
  if (*failures != 0) return;
  CHECK(tesvar_parser_parse(strict, word, 257, results) ==
                TESVAR_WORD_TOO_LONG &&
            tesvar_results_count(results) == 0,
        "too long");
  CHECK(tesvar_parser_parse(strict, word, 120, results) ==
                TESVAR_WORD_TOO_COMPLEX &&
            tesvar_results_count(results) == 0 &&
            tesvar_results_work(results) > 20000,
        "too complex");
  CHECK(tesvar_parser_parse(open, word, 120, results) == TESVAR_OK &&
            tesvar_results_count(results) == 1 &&
            tesvar_results_work(results) > 20000,
        "no limits");
  tesvar_results_cancel(results);
  CHECK(tesvar_parser_parse(open, "Dat", 3, results) == TESVAR_CANCELLED &&
            tesvar_results_count(results) == 0,
        "cancelled");
  CHECK(tesvar_parser_parse(open, "Dat", 3, results) == TESVAR_OK &&
            tesvar_results_count(results) == 1,
        "after a cancel");
  CHECK(strcmp(tesvar_status_string(TESVAR_WORD_TOO_COMPLEX),
               "word too complex") == 0 &&
            tesvar_default_max_work() > 0,
        "limit names");
  tesvar_results_free(results);
  tesvar_parser_free(open);
  tesvar_parser_free(strict);
}

/* Each correction as "word/weight;". */
static void DumpCorrections(const tesvar_corrections* corrections, char* out) {
  const char* data;
  char weight_text[16];
  size_t size, i;
  int weight;
  out[0] = '\0';
  for (i = 0; i < tesvar_corrections_count(corrections); ++i) {
    if (tesvar_correction_word(corrections, i, &data, &size) == TESVAR_OK) {
      Put(out, data, size);
    }
    weight = -1;
    tesvar_correction_weight(corrections, i, &weight);
    sprintf(weight_text, "/%d;", weight);
    Put(out, weight_text, strlen(weight_text));
  }
}

/* True when every correction has a flawless reading. */
static int AllReadFlawlessly(const tesvar_corrections* corrections,
                             const tesvar_parser* parser,
                             tesvar_results* results) {
  const char* data;
  size_t size, i, r;
  double score;
  int flawless;
  for (i = 0; i < tesvar_corrections_count(corrections); ++i) {
    tesvar_correction_word(corrections, i, &data, &size);
    if (tesvar_parser_parse(parser, data, size, results) != TESVAR_OK) return 0;
    flawless = 0;
    for (r = 0; r < tesvar_results_count(results); ++r) {
      tesvar_result_score(results, r, &score);
      if (score == 1.0) flawless = 1;
    }
    if (!flawless) return 0;
  }
  return 1;
}

static const struct {
  const char* word;
  size_t size;
  size_t max_count;
  const char* dump;
} kCorrectionCases[] = {
    {"Dalmay", 6, TESVAR_DEFAULT_MAX_CORRECTIONS, "Dalmaj/10;Dalmey/10;"},
    {"Dalmay", 6, 1, "Dalmaj/10;"},
    {"Dalmay", 6, 0, ""},
    /* What spelling normalisation settles weighs nothing. */
    {"DALMEY", 6, TESVAR_DEFAULT_MAX_CORRECTIONS,
     "Dalmey/0;Datmey/10;DalHey/10;"},
    /* Bytes, not a C string: the NUL is a letter too many. */
    {"Dal\0mey", 7, TESVAR_DEFAULT_MAX_CORRECTIONS, "Dalmey/10;"},
    {"vIghIrbe'", 9, TESVAR_DEFAULT_MAX_CORRECTIONS, "vIghIlbe'/10;"},
    /* Likely slips weigh less: a doubled apostrophe, a dropped vowel. */
    {"ghompu''wI'", 11, TESVAR_DEFAULT_MAX_CORRECTIONS, "ghompu'wI'/5;"},
    {"jIrm", 4, TESVAR_DEFAULT_MAX_CORRECTIONS, "jIrom/7;"},
    {"", 0, TESVAR_DEFAULT_MAX_CORRECTIONS, ""},
    {NULL, 0, TESVAR_DEFAULT_MAX_CORRECTIONS, ""},
    /* Past the letters a word may have. */
    {"DalmeyDalmeyDalmeyDalmeyDalmeyDalmeyDalmeyDalmeyDalmeyDalmeyDalmey", 66,
     TESVAR_DEFAULT_MAX_CORRECTIONS, ""},
};

/* Corrections on the sample lexicon, all into one reused handle, then the
 * error paths while that handle holds some. */
static void TestCorrections(int* failures, const tesvar_lexicon* sample) {
  char dump[512];
  tesvar_corrector *corrector = NULL, *none = NULL;
  tesvar_corrections* corrections = NULL;
  tesvar_parser* parser = NULL;
  tesvar_results* results = NULL;
  const char* data = "x";
  size_t i, size = 1;
  int weight = 1;
  CHECK(tesvar_corrector_create(sample, &corrector) == TESVAR_OK &&
            tesvar_corrections_create(&corrections) == TESVAR_OK &&
            tesvar_parser_create(sample, &parser) == TESVAR_OK &&
            tesvar_results_create(&results) == TESVAR_OK,
        "corrections set-up");
  if (*failures != 0) return;
  for (i = 0; i < sizeof(kCorrectionCases) / sizeof(kCorrectionCases[0]); ++i) {
    const char* row =
        kCorrectionCases[i].word ? kCorrectionCases[i].word : "(NULL)";
    CHECK(tesvar_corrector_suggest(
              corrector, kCorrectionCases[i].word, kCorrectionCases[i].size,
              kCorrectionCases[i].max_count, corrections) == TESVAR_OK,
          row);
    DumpCorrections(corrections, dump);
    CHECK(strcmp(dump, kCorrectionCases[i].dump) == 0, dump);
    CHECK(AllReadFlawlessly(corrections, parser, results), row);
  }

  tesvar_corrector_suggest(corrector, "Dalmay", 6, 10, corrections);
  CHECK(tesvar_corrections_work(corrections) > 0, "work of Dalmay");
  CHECK(Bad(tesvar_correction_word(corrections, 2, &data, &size)) &&
            data == NULL && size == 0,
        "word of correction 2 of 2");
  CHECK(Bad(tesvar_correction_weight(corrections, 2, &weight)) && weight == 0,
        "weight of correction 2 of 2");
  CHECK(Bad(tesvar_correction_weight(corrections, 0, NULL)),
        "weight into NULL");
  CHECK(Bad(tesvar_correction_word(NULL, 0, &data, &size)), "NULL corrections");
  CHECK(Bad(tesvar_corrector_suggest(corrector, NULL, 3, 10, corrections)) &&
            tesvar_corrections_count(corrections) == 0 &&
            tesvar_corrections_work(corrections) == 0,
        "NULL word of 3 bytes empties the corrections");
  tesvar_corrector_suggest(corrector, "Dalmay", 6, 10, corrections);
  CHECK(Bad(tesvar_corrector_suggest(NULL, "Dalmay", 6, 10, corrections)) &&
            tesvar_corrections_count(corrections) == 0,
        "NULL corrector empties the corrections");
  CHECK(Bad(tesvar_corrector_suggest(corrector, "Dalmay", 6, 10, NULL)),
        "into NULL");
  CHECK(Bad(tesvar_corrector_create(NULL, &none)) && none == NULL,
        "corrector without a lexicon");
  CHECK(Bad(tesvar_corrector_create(sample, NULL)) &&
            Bad(tesvar_corrections_create(NULL)),
        "handles into NULL");
  CHECK(
      tesvar_corrections_count(NULL) == 0 && tesvar_corrections_work(NULL) == 0,
      "sizes of NULL");
  tesvar_corrector_free(NULL);
  tesvar_corrections_free(NULL);
  tesvar_results_free(results);
  tesvar_parser_free(parser);
  tesvar_corrections_free(corrections);
  tesvar_corrector_free(corrector);
}

/* Writes `text` to the file `path`; returns whether it could. */
static int WriteFile(const char* path, const char* text) {
  FILE* file = fopen(path, "wb");
  int ok;
  if (file == NULL) return 0;
  ok = fputs(text, file) >= 0;
  return fclose(file) == 0 && ok;
}

static const char kFileTsv[] =
    "key\theadword\tpos\tdefinition\nvaj:3\tvaj\tADV\tso\n";

/* Files: one that loads, one with a bad line, one that is not there, a
 * device that never ends, and NULL arguments. */
static void TestLexiconFiles(int* failures) {
  static const char kGood[] = TESVAR_TEST_DIR "/capi_good.tsv";
  static const char kBad[] = TESVAR_TEST_DIR "/capi_bad.tsv";
  static const struct {
    const char* path;
    tesvar_status status;
    const char* message; /* the start of it */
  } kCases[] = {
      {kBad, TESVAR_INVALID_INPUT, TESVAR_TEST_DIR "/capi_bad.tsv:4: "},
      {TESVAR_TEST_DIR "/missing.tsv", TESVAR_IO_ERROR,
       TESVAR_TEST_DIR "/missing.tsv: cannot read: No such file or directory"},
      {"/dev/zero", TESVAR_INVALID_INPUT,
       "/dev/zero:1: line longer than the limit of 1048576 bytes"},
      {NULL, TESVAR_INVALID_ARGUMENT, "no file (path is NULL)"},
  };
  tesvar_lexicon* lexicon = NULL;
  char* message = NULL;
  size_t i;
  CHECK(WriteFile(kGood, kFileTsv) && WriteFile(kBad, kBadLine4), "write");
  CHECK(tesvar_lexicon_load_file(kGood, &lexicon, &message) == TESVAR_OK &&
            message == NULL && tesvar_lexicon_size(lexicon) == 1,
        kGood);
  tesvar_lexicon_free(lexicon);
  for (i = 0; i < sizeof(kCases) / sizeof(kCases[0]); ++i) {
    const char* start = kCases[i].message;
    lexicon = NULL;
    CHECK(tesvar_lexicon_load_file(kCases[i].path, &lexicon, &message) ==
                  kCases[i].status &&
              lexicon == NULL,
          start);
    CHECK(message != NULL && strncmp(message, start, strlen(start)) == 0,
          message != NULL ? message : start);
    tesvar_string_free(message);
  }
  CHECK(Bad(tesvar_lexicon_load_file(kGood, NULL, NULL)), "into NULL");
  CHECK(
      strcmp(tesvar_status_string(TESVAR_IO_ERROR), "input/output error") == 0,
      "status name");
  remove(kGood);
  remove(kBad);
}

int main(void) {
  int failure_count = 0, *failures = &failure_count;
  tesvar_lexicon *lexicon = NULL, *sample = NULL;
  tesvar_parser* parser = NULL;
  tesvar_results* results = NULL;
  char* message = NULL;

  CHECK(tesvar_lexicon_load_tsv(kLexiconTsv, sizeof(kLexiconTsv) - 1, "t.tsv",
                                &lexicon, &message) == TESVAR_OK &&
            message == NULL && tesvar_lexicon_size(lexicon) == 4 &&
            tesvar_parser_create(lexicon, &parser) == TESVAR_OK &&
            tesvar_results_create(&results) == TESVAR_OK,
        "set-up");
  if (failure_count == 0) {
    TestParse(failures, parser, results);
    CHECK(tesvar_parser_parse(parser, "VAJ", 3, results) == TESVAR_OK, "VAJ");
    TestBadArguments(failures, lexicon, parser, results);
  }
  TestBadLexicons(failures);
  TestLexiconFiles(failures);
  CHECK(tesvar_lexicon_sample(&sample, &message) == TESVAR_OK &&
            message == NULL && tesvar_lexicon_size(sample) > 0,
        "sample");
  if (sample != NULL) {
    TestLimits(failures, sample);
    TestCorrections(failures, sample);
  }
  CHECK(strcmp(tesvar_version(), TESVAR_EXPECTED_VERSION) == 0, "version");
  CHECK(strcmp(tesvar_status_string(TESVAR_INVALID_INPUT), "invalid input") ==
                0 &&
            strcmp(tesvar_status_string((tesvar_status)99), "unknown status") ==
                0,
        "status names");
  tesvar_lexicon_free(sample);
  tesvar_results_free(results);
  tesvar_parser_free(parser);
  tesvar_lexicon_free(lexicon);
  printf("capi_test: %d failed\n", failure_count);
  return failure_count == 0 ? 0 : 1;
}
