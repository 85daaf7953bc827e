/* Loads the shared library at run time, as the FFI of another language
 * does, finds the C interface by name and parses words through it: the
 * library must load on its own (no undefined symbols, nothing expected
 * from the program) and export every function a binding needs.
 *
 * Usage: dlopen_test PATH/TO/libtesvar.so */

#include <dlfcn.h>
#include <stdio.h>
#include <string.h>

#include "tesvar/tesvar.h"

/* The functions used, found with dlsym into these pointers. */
static const char* (*version)(void);
static tesvar_status (*lexicon_sample)(tesvar_lexicon**, char**);
static void (*lexicon_free)(tesvar_lexicon*);
static tesvar_status (*parser_create_with_limits)(const tesvar_lexicon*, size_t,
                                                  size_t, tesvar_parser**);
static void (*parser_free)(tesvar_parser*);
static tesvar_status (*results_create)(tesvar_results**);
static void (*results_free)(tesvar_results*);
static tesvar_status (*parser_parse)(const tesvar_parser*, const char*, size_t,
                                     tesvar_results*);
static size_t (*results_count)(const tesvar_results*);
static tesvar_status (*result_analysis)(const tesvar_results*, size_t,
                                        const char**, size_t*);

struct Symbol {
  const char* name;
  void** address;
};

/* POSIX allows storing dlsym's answer through a void** view of a function
 * pointer; ISO C has no conversion between the two. */
static const struct Symbol kSymbols[] = {
    {"tesvar_version", (void**)&version},
    {"tesvar_lexicon_sample", (void**)&lexicon_sample},
    {"tesvar_lexicon_free", (void**)&lexicon_free},
    {"tesvar_parser_create_with_limits", (void**)&parser_create_with_limits},
    {"tesvar_parser_free", (void**)&parser_free},
    {"tesvar_results_create", (void**)&results_create},
    {"tesvar_results_free", (void**)&results_free},
    {"tesvar_parser_parse", (void**)&parser_parse},
    {"tesvar_results_count", (void**)&results_count},
    {"tesvar_result_analysis", (void**)&result_analysis},
};

/* Parses `word` and returns 1 when the outcome is `want_status` and, for
 * TESVAR_OK, one reading whose English text is `want_analysis`. */
static int Parses(const tesvar_parser* parser, tesvar_results* results,
                  const char* word, size_t size, tesvar_status want_status,
                  const char* want_analysis) {
  const char* analysis = NULL;
  size_t analysis_size = 0;
  tesvar_status status = parser_parse(parser, word, size, results);
  if (status != want_status) return 0;
  if (status != TESVAR_OK) return results_count(results) == 0;
  return results_count(results) == 1 &&
         result_analysis(results, 0, &analysis, &analysis_size) == TESVAR_OK &&
         analysis_size == strlen(want_analysis) &&
         memcmp(analysis, want_analysis, analysis_size) == 0;
}

int main(int argc, char** argv) {
  char long_word[TESVAR_DEFAULT_MAX_WORD_BYTES + 1];
  tesvar_lexicon* lexicon = NULL;
  tesvar_parser* parser = NULL;
  tesvar_results* results = NULL;
  char* message = NULL;
  void* library;
  size_t i;
  int ok;

  if (argc != 2) {
    fprintf(stderr, "usage: dlopen_test LIBRARY\n");
    return 2;
  }
  library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  if (library == NULL) {
    fprintf(stderr, "dlopen_test: %s\n", dlerror());
    return 1;
  }
  for (i = 0; i < sizeof(kSymbols) / sizeof(kSymbols[0]); ++i) {
    *kSymbols[i].address = dlsym(library, kSymbols[i].name);
    if (*kSymbols[i].address == NULL) {
      fprintf(stderr, "dlopen_test: %s not exported\n", kSymbols[i].name);
      return 1;
    }
  }
  if (strcmp(version(), TESVAR_EXPECTED_VERSION) != 0 ||
      lexicon_sample(&lexicon, &message) != TESVAR_OK ||
      parser_create_with_limits(lexicon, TESVAR_DEFAULT_MAX_WORD_BYTES, 0,
                                &parser) != TESVAR_OK ||
      results_create(&results) != TESVAR_OK) {
    fprintf(stderr, "dlopen_test: setting up failed\n");
    return 1;
  }
  memset(long_word, 'a', sizeof long_word);
  ok = Parses(parser, results, "Dalmey", 6, TESVAR_OK, "house (pl)") &&
       Parses(parser, results, long_word, sizeof long_word,
              TESVAR_WORD_TOO_LONG, NULL) &&
       Parses(parser, results, "DALMEY", 6, TESVAR_OK, "house (pl)");
  results_free(results);
  parser_free(parser);
  lexicon_free(lexicon);
  if (dlclose(library) != 0) ok = 0;
  printf("dlopen_test: %s\n", ok ? "ok" : "FAILED");
  return ok ? 0 : 1;
}
