/* The C interface driven from C90: lexicons from text and built in, parsing
 * words given as bytes (NUL included) into reusable results, every reading
 * accessor, and the error paths (malformed text, NULL arguments, indexes
 * out of range), which must answer with a status and never crash. */

#include <stdio.h>
#include <string.h>

#include "tesvar/tesvar.h"

typedef struct Checker {
  int checks;
  int failures;
} Checker;

static void Check(Checker* checker, int ok, const char* what, const char* row,
                  int line) {
  ++checker->checks;
  if (ok) return;
  ++checker->failures;
  fprintf(stderr, "capi_test.c:%d: failed: %s [%s]\n", line, what, row);
}

#define CHECK(checker, condition, row) \
  Check((checker), (condition) != 0, #condition, (row), __LINE__)

static int SameBytes(const char* data, size_t size, const char* want,
                     size_t want_size) {
  return data != NULL && size == want_size && memcmp(data, want, size) == 0 &&
         data[size] == '\0';
}

static int SameText(const char* data, size_t size, const char* want) {
  return SameBytes(data, size, want, strlen(want));
}

/* Plain words only (codes 3, 5, 6, 7), whose readings are the exact match
 * of the headword, so that the test sees the interface and not the
 * grammar. One definition holds a NUL byte and one a byte above 0x7F. */
static const char kLexiconTsv[] =
    "# test lexicon\r\n"
    "key\theadword\tpos\tdefinition\r\n"
    "\n"
    "vaj:3\tvaj\tADV\tso, then, thus\n"
    "'ach:5\t'ach\tCONJ\tbut\n"
    "Qo':6\tQo'\tEXCL\tno\0, never\n"
    "nuq:7\tnuq\tQ\twhat\xE9?";

#define SPELLING "Spelling or case."

typedef struct ParseCase {
  const char* row; /* printable name of the input */
  const char* word;
  size_t word_size;
  size_t count;
  /* the first reading, when count > 0 */
  const char* pos;
  const char* normalised;
  const char* key;
  const char* analysis;
  size_t analysis_size;
  int spelling_changed; /* score 1 / 1.1, one error and one suggestion */
} ParseCase;

static const ParseCase kParseCases[] = {
    {"vaj", "vaj", 3, 1, "ADV", "vaj", "vaj:3", "so, then, thus", 14, 0},
    {"VAJ", "VAJ", 3, 1, "ADV", "vaj", "vaj:3", "so, then, thus", 14, 1},
    {"va<NUL>j", "va\0j", 4, 1, "ADV", "vaj", "vaj:3", "so, then, thus", 14, 1},
    {"ach", "ach", 3, 1, "CONJ", "'ach", "'ach:5", "but", 3, 1},
    {"Qo'", "Qo'", 3, 1, "EXCL", "Qo'", "Qo':6", "no\0, never", 10, 0},
    {"nuq", "nuq", 3, 1, "Q", "nuq", "nuq:7", "what\xE9?", 6, 0},
    {"unknown word", "tlhIngan", 8, 0, NULL, NULL, NULL, NULL, 0, 0},
    {"empty word", NULL, 0, 0, NULL, NULL, NULL, NULL, 0, 0},
};

static void CheckReading(Checker* c, const tesvar_results* results,
                         const ParseCase* row) {
  const char* data;
  size_t size;
  double score;
  size_t errors;
  size_t suggestions;
  const double want_score = row->spelling_changed ? 1.0 / 1.1 : 1.0;
  const size_t want_notes = row->spelling_changed ? 1 : 0;

  CHECK(c, tesvar_result_pos(results, 0, &data, &size) == TESVAR_OK, row->row);
  CHECK(c, SameText(data, size, row->pos), row->row);
  CHECK(c, tesvar_result_word(results, 0, &data, &size) == TESVAR_OK, row->row);
  CHECK(c, SameText(data, size, row->normalised), row->row);
  CHECK(c, tesvar_result_key(results, 0, &data, &size) == TESVAR_OK, row->row);
  CHECK(c, SameText(data, size, row->key), row->row);
  CHECK(c, tesvar_result_analysis(results, 0, &data, &size) == TESVAR_OK,
        row->row);
  CHECK(c, SameBytes(data, size, row->analysis, row->analysis_size), row->row);
  CHECK(c, tesvar_result_native(results, 0, &data, &size) == TESVAR_OK,
        row->row);
  CHECK(c, data != NULL && data[size] == '\0', row->row);
  CHECK(c, tesvar_result_score(results, 0, &score) == TESVAR_OK, row->row);
  CHECK(c, score == want_score, row->row);

  CHECK(c, tesvar_result_error_count(results, 0, &errors) == TESVAR_OK,
        row->row);
  CHECK(c, errors == want_notes, row->row);
  CHECK(c,
        tesvar_result_suggestion_count(results, 0, &suggestions) == TESVAR_OK,
        row->row);
  CHECK(c, suggestions == want_notes, row->row);
  if (want_notes == 0) return;
  CHECK(c, tesvar_result_error(results, 0, 0, &data, &size) == TESVAR_OK,
        row->row);
  CHECK(c, SameText(data, size, SPELLING), row->row);
  CHECK(c, tesvar_result_suggestion(results, 0, 0, &data, &size) == TESVAR_OK,
        row->row);
  CHECK(c, SameText(data, size, row->normalised), row->row);
}

static void TestParse(Checker* c, const tesvar_parser* parser,
                      tesvar_results* results) {
  size_t i;
  for (i = 0; i < sizeof(kParseCases) / sizeof(kParseCases[0]); ++i) {
    const ParseCase* row = &kParseCases[i];
    /* The same handle serves every row: each parse replaces its content. */
    CHECK(c,
          tesvar_parser_parse(parser, row->word, row->word_size, results) ==
              TESVAR_OK,
          row->row);
    CHECK(c, tesvar_results_count(results) == row->count, row->row);
    if (row->count > 0) CheckReading(c, results, row);
  }
}

typedef tesvar_status (*TextAccessor)(const tesvar_results*, size_t,
                                      const char**, size_t*);

static const TextAccessor kTextAccessors[] = {
    tesvar_result_pos,      tesvar_result_word,   tesvar_result_key,
    tesvar_result_analysis, tesvar_result_native,
};

/* Reading accessors on a results handle holding one reading of "VAJ"
 * (one error, one suggestion): every index past the end, a NULL handle and
 * NULL outputs are invalid arguments, and the outputs come back cleared. */
static void TestBadIndexes(Checker* c, const tesvar_results* results) {
  const char* data;
  size_t size;
  size_t count;
  double score;
  size_t i;
  for (i = 0; i < sizeof(kTextAccessors) / sizeof(kTextAccessors[0]); ++i) {
    data = "x";
    size = 1;
    CHECK(
        c,
        kTextAccessors[i](results, 1, &data, &size) == TESVAR_INVALID_ARGUMENT,
        "text, index 1");
    CHECK(c, data == NULL && size == 0, "text, index 1");
    CHECK(c,
          kTextAccessors[i](NULL, 0, &data, &size) == TESVAR_INVALID_ARGUMENT,
          "text, NULL results");
    CHECK(c,
          kTextAccessors[i](results, 0, NULL, &size) == TESVAR_INVALID_ARGUMENT,
          "text, NULL data");
    CHECK(c, size == 0, "text, NULL data");
    CHECK(c,
          kTextAccessors[i](results, 0, &data, NULL) == TESVAR_INVALID_ARGUMENT,
          "text, NULL size");
    CHECK(c, data == NULL, "text, NULL size");
  }
  score = 5.0;
  CHECK(c, tesvar_result_score(results, 1, &score) == TESVAR_INVALID_ARGUMENT,
        "score, index 1");
  CHECK(c, score == 0.0, "score, index 1");
  CHECK(c, tesvar_result_score(results, 0, NULL) == TESVAR_INVALID_ARGUMENT,
        "score, NULL");
  count = 5;
  CHECK(
      c,
      tesvar_result_error_count(results, 1, &count) == TESVAR_INVALID_ARGUMENT,
      "error count, index 1");
  CHECK(c, count == 0, "error count, index 1");
  CHECK(c,
        tesvar_result_error_count(results, 0, NULL) == TESVAR_INVALID_ARGUMENT,
        "error count, NULL");
  CHECK(c,
        tesvar_result_suggestion_count(NULL, 0, &count) ==
            TESVAR_INVALID_ARGUMENT,
        "suggestion count, NULL results");
  CHECK(c,
        tesvar_result_error(results, 0, 1, &data, &size) ==
            TESVAR_INVALID_ARGUMENT,
        "error 1 of 1");
  CHECK(c, data == NULL && size == 0, "error 1 of 1");
  CHECK(c,
        tesvar_result_suggestion(results, 0, 1, &data, &size) ==
            TESVAR_INVALID_ARGUMENT,
        "suggestion 1 of 1");
  CHECK(c,
        tesvar_result_suggestion(results, 1, 0, &data, &size) ==
            TESVAR_INVALID_ARGUMENT,
        "suggestion, index 1");
}

typedef struct BadText {
  const char* row;
  const char* text;
  size_t size;
  const char* source_name;
  tesvar_status status;
  const char* message_start;
} BadText;

static const char kBadPartOfSpeech[] =
    "# c\nkey\theadword\tpos\tdefinition\n\nv\tv\tADVERB\tx\n";

static const BadText kBadTexts[] = {
    {"bad pos on line 4", kBadPartOfSpeech, sizeof(kBadPartOfSpeech) - 1,
     "words.tsv", TESVAR_INVALID_INPUT, "words.tsv:4: "},
    {"empty text", NULL, 0, "empty.tsv", TESVAR_INVALID_INPUT, "empty.tsv:1: "},
    {"NULL data", NULL, 3, "x.tsv", TESVAR_INVALID_ARGUMENT, "no text"},
    {"NULL source name", "key", 3, NULL, TESVAR_INVALID_ARGUMENT,
     "no source name"},
};

static void TestBadLexicons(Checker* c) {
  size_t i;
  for (i = 0; i < sizeof(kBadTexts) / sizeof(kBadTexts[0]); ++i) {
    const BadText* row = &kBadTexts[i];
    /* Not NULL, to see that a failure stores NULL. */
    tesvar_lexicon* lexicon = (tesvar_lexicon*)&lexicon;
    char* message = NULL;
    CHECK(c,
          tesvar_lexicon_load_tsv(row->text, row->size, row->source_name,
                                  &lexicon, &message) == row->status,
          row->row);
    CHECK(c, lexicon == NULL, row->row);
    CHECK(c,
          message != NULL && strncmp(message, row->message_start,
                                     strlen(row->message_start)) == 0,
          row->row);
    tesvar_string_free(message);
    /* Without a place for the message the status is the same. */
    CHECK(c,
          tesvar_lexicon_load_tsv(row->text, row->size, row->source_name,
                                  &lexicon, NULL) == row->status,
          row->row);
  }
  {
    char* message = NULL;
    CHECK(c,
          tesvar_lexicon_load_tsv(kLexiconTsv, sizeof(kLexiconTsv) - 1, "t.tsv",
                                  NULL, &message) == TESVAR_INVALID_ARGUMENT,
          "NULL out");
    CHECK(c, message != NULL, "NULL out");
    tesvar_string_free(message);
    CHECK(c, tesvar_lexicon_sample(NULL, NULL) == TESVAR_INVALID_ARGUMENT,
          "sample, NULL out");
  }
}

static void TestNullHandles(Checker* c, const tesvar_lexicon* lexicon,
                            const tesvar_parser* parser,
                            tesvar_results* results) {
  tesvar_parser* made = (tesvar_parser*)&made;
  CHECK(c, tesvar_parser_create(NULL, &made) == TESVAR_INVALID_ARGUMENT,
        "parser on NULL lexicon");
  CHECK(c, made == NULL, "parser on NULL lexicon");
  CHECK(c, tesvar_parser_create(lexicon, NULL) == TESVAR_INVALID_ARGUMENT,
        "parser, NULL out");
  CHECK(c, tesvar_results_create(NULL) == TESVAR_INVALID_ARGUMENT,
        "results, NULL out");

  CHECK(c, tesvar_parser_parse(parser, "vaj", 3, results) == TESVAR_OK, "vaj");
  CHECK(c,
        tesvar_parser_parse(NULL, "vaj", 3, results) == TESVAR_INVALID_ARGUMENT,
        "NULL parser");
  CHECK(c, tesvar_results_count(results) == 0, "NULL parser empties results");
  CHECK(
      c,
      tesvar_parser_parse(parser, NULL, 3, results) == TESVAR_INVALID_ARGUMENT,
      "NULL word of size 3");
  CHECK(c,
        tesvar_parser_parse(parser, "vaj", 3, NULL) == TESVAR_INVALID_ARGUMENT,
        "NULL results");

  CHECK(c, tesvar_lexicon_size(NULL) == 0, "size of NULL lexicon");
  CHECK(c, tesvar_results_count(NULL) == 0, "count of NULL results");
  tesvar_lexicon_free(NULL);
  tesvar_parser_free(NULL);
  tesvar_results_free(NULL);
  tesvar_string_free(NULL);
}

static void TestStatusNames(Checker* c) {
  CHECK(c, strcmp(tesvar_status_string(TESVAR_OK), "ok") == 0, "ok");
  CHECK(c,
        strcmp(tesvar_status_string(TESVAR_INVALID_ARGUMENT),
               "invalid argument") == 0,
        "invalid argument");
  CHECK(
      c,
      strcmp(tesvar_status_string(TESVAR_INVALID_INPUT), "invalid input") == 0,
      "invalid input");
  CHECK(
      c,
      strcmp(tesvar_status_string(TESVAR_OUT_OF_MEMORY), "out of memory") == 0,
      "out of memory");
  CHECK(c,
        strcmp(tesvar_status_string(TESVAR_INTERNAL_ERROR), "internal error") ==
            0,
        "internal error");
  CHECK(c,
        strcmp(tesvar_status_string((tesvar_status)99), "unknown status") == 0,
        "99");
  CHECK(c, strcmp(tesvar_version(), TESVAR_EXPECTED_VERSION) == 0, "version");
}

static void TestSample(Checker* c) {
  tesvar_lexicon* sample = NULL;
  char* message = (char*)&message;
  CHECK(c, tesvar_lexicon_sample(&sample, &message) == TESVAR_OK, "sample");
  CHECK(c, message == NULL, "sample");
  CHECK(c, tesvar_lexicon_size(sample) > 0, "sample");
  tesvar_lexicon_free(sample);
}

int main(void) {
  Checker checker = {0, 0};
  Checker* c = &checker;
  tesvar_lexicon* lexicon = NULL;
  tesvar_parser* parser = NULL;
  tesvar_results* results = NULL;
  char* message = (char*)&message;

  CHECK(c,
        tesvar_lexicon_load_tsv(kLexiconTsv, sizeof(kLexiconTsv) - 1,
                                "test.tsv", &lexicon, &message) == TESVAR_OK,
        "test lexicon");
  CHECK(c, message == NULL, "test lexicon");
  CHECK(c, tesvar_lexicon_size(lexicon) == 4, "test lexicon");
  CHECK(c, tesvar_parser_create(lexicon, &parser) == TESVAR_OK, "parser");
  CHECK(c, tesvar_results_create(&results) == TESVAR_OK, "results");
  if (checker.failures == 0) {
    TestParse(c, parser, results);
    CHECK(c, tesvar_parser_parse(parser, "VAJ", 3, results) == TESVAR_OK,
          "VAJ");
    TestBadIndexes(c, results);
    TestNullHandles(c, lexicon, parser, results);
  }
  TestBadLexicons(c);
  TestStatusNames(c);
  TestSample(c);

  tesvar_results_free(results);
  tesvar_parser_free(parser);
  tesvar_lexicon_free(lexicon);
  printf("capi_test: %d checks, %d failed\n", checker.checks, checker.failures);
  return checker.failures == 0 ? 0 : 1;
}
