/* A C consumer of an installed tesvar: parses one word with the built-in
   sample lexicon through the C interface and checks the reading. */
#include <stdio.h>
#include <string.h>

#include "tesvar/tesvar.h"

int main(void) {
  tesvar_lexicon* lexicon = NULL;
  tesvar_parser* parser = NULL;
  tesvar_results* results = NULL;
  char* message = NULL;
  const char* analysis = NULL;
  size_t size = 0;
  int ok;

  if (tesvar_lexicon_sample(&lexicon, &message) != TESVAR_OK ||
      tesvar_parser_create(lexicon, &parser) != TESVAR_OK ||
      tesvar_results_create(&results) != TESVAR_OK ||
      tesvar_parser_parse(parser, "Dalmey", 6, results) != TESVAR_OK ||
      tesvar_results_count(results) != 1 ||
      tesvar_result_analysis(results, 0, &analysis, &size) != TESVAR_OK) {
    fprintf(stderr, "tesvar C consumer: failed\n");
    return 1;
  }
  ok = size == strlen("house (pl)") && memcmp(analysis, "house (pl)", size) == 0;
  printf("tesvar C consumer: %s\n", ok ? "ok" : "wrong reading");
  tesvar_results_free(results);
  tesvar_parser_free(parser);
  tesvar_lexicon_free(lexicon);
  return ok ? 0 : 1;
}
