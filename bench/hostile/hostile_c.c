/* hostile_c: the C interface's side of frontends.sh. Parses each line of
 * standard input (without its line end) with a parser of default limits
 * (or none, with --unlimited) and prints, per line, the status name, the
 * number of readings and the work units. LEXICON is a lexicon file, or
 * "-" for the sample lexicon. With no input it only loads the lexicon:
 * the baseline that frontends.sh subtracts.
 *
 * Usage: tesvar_hostile_c [--unlimited] LEXICON < WORDS */

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "tesvar/tesvar.h"

/* Reads one line into *line (grown as needed); returns its length, or -1
 * at the end of the input. */
static long ReadLine(char** line, size_t* capacity) {
  size_t size = 0;
  int c;
  while ((c = getchar()) != EOF && c != '\n') {
    if (size + 1 >= *capacity) {
      size_t grown = *capacity * 2 + 64;
      char* bigger = (char*)realloc(*line, grown);
      if (bigger == NULL) return -1;
      *line = bigger;
      *capacity = grown;
    }
    (*line)[size++] = (char)c;
  }
  if (c == EOF && size == 0) return -1;
  return (long)size;
}

int main(int argc, char** argv) {
  tesvar_lexicon* lexicon = NULL;
  tesvar_parser* parser = NULL;
  tesvar_results* results = NULL;
  char* message = NULL;
  char* line = NULL;
  size_t capacity = 0;
  long size;
  int unlimited = argc == 3 && strcmp(argv[1], "--unlimited") == 0;
  const char* path = argv[argc - 1];
  tesvar_status status;

  if (argc != 2 + unlimited) {
    fprintf(stderr, "usage: tesvar_hostile_c [--unlimited] LEXICON < WORDS\n");
    return 2;
  }
  status = strcmp(path, "-") == 0
               ? tesvar_lexicon_sample(&lexicon, &message)
               : tesvar_lexicon_load_file(path, &lexicon, &message);
  if (status != TESVAR_OK) {
    fprintf(stderr, "%s\n", message);
    tesvar_string_free(message);
    return 2;
  }
  status = unlimited ? tesvar_parser_create_with_limits(lexicon, 0, 0, &parser)
                     : tesvar_parser_create(lexicon, &parser);
  if (status != TESVAR_OK || tesvar_results_create(&results) != TESVAR_OK) {
    return 1;
  }
  while ((size = ReadLine(&line, &capacity)) >= 0) {
    status = tesvar_parser_parse(parser, line, (size_t)size, results);
    printf("%s\t%lu\t%lu\n", tesvar_status_string(status),
           (unsigned long)tesvar_results_count(results),
           (unsigned long)tesvar_results_work(results));
  }
  free(line);
  tesvar_results_free(results);
  tesvar_parser_free(parser);
  tesvar_lexicon_free(lexicon);
  return 0;
}
