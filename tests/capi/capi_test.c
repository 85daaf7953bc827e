/* The C interface driven from C90: lexicons from text and built in, words
 * given as bytes (NUL included) parsed into one reused results handle and
 * read back through every accessor, and the error paths (malformed text,
 * NULL arguments, indexes out of range), which answer with a status. */

#include <stdio.h>
#include <string.h>

#include "tesvar/tesvar.h"

static void Check(int* failures, int ok, const char* what, const char* row,
                  int line) {
  if (ok) return;
  ++*failures;
  fprintf(stderr, "capi_test.c:%d: failed: %s [%s]\n", line, what, row);
}

#define CHECK(condition, row) \
  Check(failures, (condition) != 0, #condition, (row), __LINE__)

static int Bad(tesvar_status status) {
  return status == TESVAR_INVALID_ARGUMENT;
}

typedef struct Buffer {
  char text[1024];
  size_t used;
} Buffer;

/* Appends the bytes, those outside 0x20..0x7E as \xHH. */
static void Put(Buffer* out, const char* data, size_t size) {
  size_t i;
  if (data == NULL) data = "<NULL>", size = 6;
  for (i = 0; i < size && out->used + 5 < sizeof(out->text); ++i) {
    const unsigned char byte = (unsigned char)data[i];
    if (byte >= 0x20 && byte <= 0x7E) {
      out->text[out->used++] = (char)byte;
    } else {
      sprintf(out->text + out->used, "\\x%02X", byte);
      out->used += 4;
    }
  }
  out->text[out->used] = '\0';
}

typedef tesvar_status (*TextAccessor)(const tesvar_results*, size_t,
                                      const char**, size_t*);
typedef tesvar_status (*ItemAccessor)(const tesvar_results*, size_t, size_t,
                                      const char**, size_t*);
typedef tesvar_status (*CountAccessor)(const tesvar_results*, size_t, size_t*);

static const TextAccessor kTexts[] = {tesvar_result_pos, tesvar_result_word,
                                      tesvar_result_key, tesvar_result_analysis,
                                      tesvar_result_native};

static void PutList(Buffer* out, const tesvar_results* results, size_t index,
                    CountAccessor count_of, ItemAccessor item) {
  const char* data = NULL;
  size_t size = 0, count = 0, i;
  count_of(results, index, &count);
  for (i = 0; i < count; ++i) {
    item(results, index, i, &data, &size);
    Put(out, data, size);
    Put(out, ";", 1);
  }
}

/* Each reading as "pos|word|key|analysis|native|errors|suggestions$". */
static void Dump(const tesvar_results* results, Buffer* out) {
  const char* data = NULL;
  size_t size = 0, i, k;
  out->used = 0;
  Put(out, "", 0);
  for (i = 0; i < tesvar_results_count(results); ++i) {
    for (k = 0; k < sizeof(kTexts) / sizeof(kTexts[0]); ++k) {
      kTexts[k](results, i, &data, &size);
      Put(out, data, size);
      Put(out, "|", 1);
    }
    PutList(out, results, i, tesvar_result_error_count, tesvar_result_error);
    Put(out, "|", 1);
    PutList(out, results, i, tesvar_result_suggestion_count,
            tesvar_result_suggestion);
    Put(out, "$", 1);
  }
}

/* Plain words only (codes 3, 5, 6, 7), read as exact matches of the
 * headword, so that the test sees the interface and not the grammar. */
static const char kLexiconTsv[] =
    "# test lexicon\r\n"
    "key\theadword\tpos\tdefinition\r\n"
    "\n"
    "vaj:3\tvaj\tADV\tso, then, thus\n"
    "'ach:5\t'ach\tCONJ\tbut\n"
    "Qo':6\tQo'\tEXCL\tno\0, never\n"
    "nuq:7\tnuq\tQ\twhat\xE9?";

typedef struct ParseCase {
  const char* row;
  const char* word;
  size_t size;
  double score; /* of the first reading */
  const char* dump;
} ParseCase;

static const ParseCase kParseCases[] = {
    {"vaj", "vaj", 3, 1.0, "ADV|vaj|vaj:3|so, then, thus|vaj||$"},
    {"VAJ", "VAJ", 3, 1.0 / 1.1,
     "ADV|vaj|vaj:3|so, then, thus|vaj|Spelling or case.;|vaj;$"},
    {"va<NUL>j", "va\0j", 4, 1.0 / 1.1,
     "ADV|vaj|vaj:3|so, then, thus|vaj|Spelling or case.;|vaj;$"},
    {"ach", "ach", 3, 1.0 / 1.1,
     "CONJ|'ach|'ach:5|but|'ach|Spelling or case.;|'ach;$"},
    {"Qo'", "Qo'", 3, 1.0, "EXCL|Qo'|Qo':6|no\\x00, never|Qo'||$"},
    {"nuq", "nuq", 3, 1.0, "Q|nuq|nuq:7|what\\xE9?|nuq||$"},
    {"no reading", "tlhIngan", 8, 0.0, ""},
    {"empty word", NULL, 0, 0.0, ""},
};

static void TestParse(int* failures, const tesvar_parser* parser,
                      tesvar_results* results) {
  Buffer dump;
  double score;
  size_t i;
  for (i = 0; i < sizeof(kParseCases) / sizeof(kParseCases[0]); ++i) {
    const ParseCase* row = &kParseCases[i];
    /* One handle serves every row: each parse replaces its content. */
    CHECK(
        tesvar_parser_parse(parser, row->word, row->size, results) == TESVAR_OK,
        row->row);
    Dump(results, &dump);
    CHECK(strcmp(dump.text, row->dump) == 0, row->row);
    if (strcmp(dump.text, row->dump) != 0) fprintf(stderr, "%s\n", dump.text);
    if (row->dump[0] == '\0') continue;
    CHECK(tesvar_result_score(results, 0, &score) == TESVAR_OK, row->row);
    CHECK(score == row->score, row->row);
  }
}

/* `results` holds one reading with one error and one suggestion. */
static void TestBadArguments(int* failures, const tesvar_lexicon* lexicon,
                             const tesvar_parser* parser,
                             tesvar_results* results) {
  const char* data = "x";
  size_t size = 1, count = 1, k;
  double score = 1.0;
  tesvar_parser* made = NULL;
  for (k = 0; k < sizeof(kTexts) / sizeof(kTexts[0]); ++k) {
    CHECK(Bad(kTexts[k](results, 1, &data, &size)) && data == NULL && size == 0,
          "text of reading 1");
    CHECK(Bad(kTexts[k](NULL, 0, &data, &size)), "text of NULL results");
    CHECK(Bad(kTexts[k](results, 0, NULL, &size)), "text into NULL");
  }
  CHECK(Bad(tesvar_result_score(results, 1, &score)) && score == 0.0,
        "score of reading 1");
  CHECK(Bad(tesvar_result_score(results, 0, NULL)), "score into NULL");
  CHECK(Bad(tesvar_result_error_count(results, 1, &count)) && count == 0,
        "errors of reading 1");
  CHECK(Bad(tesvar_result_suggestion_count(results, 0, NULL)),
        "count into NULL");
  CHECK(Bad(tesvar_result_error(results, 0, 1, &data, &size)), "error 1 of 1");
  CHECK(Bad(tesvar_result_suggestion(results, 0, 1, &data, &size)),
        "suggestion 1 of 1");

  CHECK(Bad(tesvar_parser_create(NULL, &made)) && made == NULL,
        "parser on NULL");
  CHECK(Bad(tesvar_parser_create(lexicon, NULL)), "parser into NULL");
  CHECK(Bad(tesvar_results_create(NULL)), "results into NULL");
  CHECK(Bad(tesvar_parser_parse(parser, NULL, 3, results)),
        "NULL word of 3 bytes");
  CHECK(tesvar_results_count(results) == 0, "failed parse empties");
  CHECK(Bad(tesvar_parser_parse(NULL, "vaj", 3, results)), "NULL parser");
  CHECK(Bad(tesvar_parser_parse(parser, "vaj", 3, NULL)), "NULL results");
  CHECK(tesvar_lexicon_size(NULL) == 0 && tesvar_results_count(NULL) == 0,
        "sizes of NULL");
  tesvar_lexicon_free(NULL);
  tesvar_parser_free(NULL);
  tesvar_results_free(NULL);
  tesvar_string_free(NULL);
}

static const char kBadLine4[] =
    "# c\nkey\theadword\tpos\tdefinition\n\nv\tv\tADVERB\tx\n";

typedef struct BadText {
  const char* text;
  size_t size;
  const char* source_name;
  tesvar_status status;
  const char* message_start;
} BadText;

static const BadText kBadTexts[] = {
    {kBadLine4, sizeof(kBadLine4) - 1, "words.tsv", TESVAR_INVALID_INPUT,
     "words.tsv:4: "},
    {NULL, 0, "empty.tsv", TESVAR_INVALID_INPUT, "empty.tsv:1: "},
    {NULL, 3, "x.tsv", TESVAR_INVALID_ARGUMENT, "no text"},
    {"key", 3, NULL, TESVAR_INVALID_ARGUMENT, "no source name"},
};

static void TestBadLexicons(int* failures) {
  tesvar_lexicon* lexicon = NULL;
  char* message = NULL;
  size_t i;
  for (i = 0; i < sizeof(kBadTexts) / sizeof(kBadTexts[0]); ++i) {
    const BadText* row = &kBadTexts[i];
    CHECK(tesvar_lexicon_load_tsv(row->text, row->size, row->source_name,
                                  &lexicon, &message) == row->status &&
              lexicon == NULL,
          row->message_start);
    CHECK(message != NULL && strncmp(message, row->message_start,
                                     strlen(row->message_start)) == 0,
          row->message_start);
    tesvar_string_free(message);
    CHECK(tesvar_lexicon_load_tsv(row->text, row->size, row->source_name,
                                  &lexicon, NULL) == row->status,
          row->message_start);
  }
  CHECK(tesvar_lexicon_load_tsv("", 0, "x", NULL, &message) ==
                TESVAR_INVALID_ARGUMENT &&
            message != NULL,
        "load into NULL");
  tesvar_string_free(message);
  CHECK(tesvar_lexicon_sample(NULL, NULL) == TESVAR_INVALID_ARGUMENT,
        "sample into NULL");
}

int main(void) {
  int failure_count = 0;
  int* failures = &failure_count;
  tesvar_lexicon* lexicon = NULL;
  tesvar_lexicon* sample = NULL;
  tesvar_parser* parser = NULL;
  tesvar_results* results = NULL;
  char* message = NULL;

  CHECK(tesvar_lexicon_load_tsv(kLexiconTsv, sizeof(kLexiconTsv) - 1, "t.tsv",
                                &lexicon, &message) == TESVAR_OK &&
            message == NULL && tesvar_lexicon_size(lexicon) == 4,
        "lexicon");
  CHECK(tesvar_parser_create(lexicon, &parser) == TESVAR_OK &&
            tesvar_results_create(&results) == TESVAR_OK,
        "handles");
  if (failure_count == 0) {
    TestParse(failures, parser, results);
    CHECK(tesvar_parser_parse(parser, "VAJ", 3, results) == TESVAR_OK, "VAJ");
    TestBadArguments(failures, lexicon, parser, results);
  }
  TestBadLexicons(failures);
  CHECK(tesvar_lexicon_sample(&sample, &message) == TESVAR_OK &&
            message == NULL && tesvar_lexicon_size(sample) > 0,
        "sample");
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
