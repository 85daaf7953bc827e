/* The C interface of tesvar: load a lexicon, parse words against it, read
 * the candidate readings, and find spelling corrections for mistyped
 * words. Plain C (C89 and later) and C++; no C++ type crosses it and no
 * exception leaves it.
 *
 * Five opaque handles, each made by a create/load function and released
 * by its own free function:
 *
 *   tesvar_lexicon      the entries; filled once, then only read.
 *   tesvar_parser       parses words against one lexicon, which it does
 *                       not own: the lexicon must outlive every parser
 *                       made on it.
 *   tesvar_results      the readings of the last word parsed into it.
 *   tesvar_corrector    finds words of one lexicon close to a mistyped
 *                       word; like a parser, it does not own the lexicon.
 *   tesvar_corrections  the corrections last found for a word.
 *
 * Text is bytes. Every text the interface hands out is a (pointer, size)
 * pair; the bytes may include NUL, and a NUL byte always follows them (not
 * counted in the size) so that texts without NUL can be used as C strings.
 *
 * Functions that can fail return a tesvar_status; on failure they store
 * NULL (or 0) in their output arguments, when those are not NULL.
 *
 * Thread safety: lexicons, parsers and correctors are only read after
 * creation; any number of threads may parse with the same parser, or look
 * for corrections with the same corrector, at once, each into its own
 * results or corrections handle. A results or corrections handle serves
 * one thread at a time, except for tesvar_results_cancel, which any thread
 * may call at any time. Free a handle only when no other thread uses it.
 */

#ifndef TESVAR_TESVAR_H_
#define TESVAR_TESVAR_H_

#include <stddef.h>

#include "tesvar/export.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef enum tesvar_status {
  TESVAR_OK = 0,
  /* A required pointer was NULL, or an index was out of range. */
  TESVAR_INVALID_ARGUMENT = 1,
  /* The lexicon text is malformed; the message says where and what. */
  TESVAR_INVALID_INPUT = 2,
  /* Memory ran out; nothing was changed. */
  TESVAR_OUT_OF_MEMORY = 3,
  /* Any other failure inside the library. */
  TESVAR_INTERNAL_ERROR = 4,
  /* The word is longer than the parser's word limit; it was not analysed. */
  TESVAR_WORD_TOO_LONG = 5,
  /* The word's analysis needs more work than the parser's budget allows;
   * it was not finished and gave no readings. */
  TESVAR_WORD_TOO_COMPLEX = 6,
  /* tesvar_results_cancel stopped the parse. */
  TESVAR_CANCELLED = 7,
  /* A file could not be opened or read; the message says which and why. */
  TESVAR_IO_ERROR = 8
} tesvar_status;

typedef struct tesvar_lexicon tesvar_lexicon;
typedef struct tesvar_parser tesvar_parser;
typedef struct tesvar_results tesvar_results;
typedef struct tesvar_corrector tesvar_corrector;
typedef struct tesvar_corrections tesvar_corrections;

/* The library's version, e.g. "0.1.0". A static string: never free it. */
TESVAR_EXPORT const char* tesvar_version(void);

/* A short English name of `status`, e.g. "invalid argument"; "unknown
 * status" for a value outside the enum. A static string: never free it. */
TESVAR_EXPORT const char* tesvar_status_string(tesvar_status status);

/* Releases a message stored by a function of this interface. NULL is
 * allowed and does nothing. */
TESVAR_EXPORT void tesvar_string_free(char* message);

/* ---- Lexicon ---- */

/* Reads a lexicon file's whole content, `size` bytes at `data`, in the
 * tab-separated lexicon format (see tesvar(1)). `source_name` names the
 * text in messages, e.g. the file name. `data` may be NULL when `size` is
 * 0. `error_message` may be NULL when the caller wants no message.
 *
 * On success stores a new lexicon in *out, which the caller releases with
 * tesvar_lexicon_free, stores NULL in *error_message and returns TESVAR_OK.
 *
 * On failure stores NULL in *out and, in *error_message, a NUL-terminated
 * message that the caller releases with tesvar_string_free (NULL if even
 * the message could not be allocated):
 *   TESVAR_INVALID_INPUT  "SOURCE:LINE: what is wrong", for a malformed
 *                         text and for one past the limits (1 GiB in
 *                         all, 1 MiB per line);
 *   TESVAR_OUT_OF_MEMORY  "SOURCE:LINE: out of memory after N entries";
 *   TESVAR_INVALID_ARGUMENT for a NULL `source_name` or `out`. */
TESVAR_EXPORT tesvar_status tesvar_lexicon_load_tsv(const char* data,
                                                    size_t size,
                                                    const char* source_name,
                                                    tesvar_lexicon** out,
                                                    char** error_message);

/* Reads the lexicon file at `path` (NUL-terminated) as
 * tesvar_lexicon_load_tsv reads text, with `path` as the source name. The
 * file is read as a stream, a piece at a time, and reading stops at the
 * first error or limit, so a device or a pipe that never ends fails
 * instead of reading for ever. Results and messages as for
 * tesvar_lexicon_load_tsv, and also:
 *   TESVAR_IO_ERROR       "PATH: cannot read: why" when the file cannot
 *                         be opened or read;
 *   TESVAR_INVALID_ARGUMENT for a NULL `path` or `out`. */
TESVAR_EXPORT tesvar_status tesvar_lexicon_load_file(const char* path,
                                                     tesvar_lexicon** out,
                                                     char** error_message);

/* The sample lexicon built into the library, as a new lexicon in *out that
 * the caller releases with tesvar_lexicon_free. Messages as for
 * tesvar_lexicon_load_tsv. */
TESVAR_EXPORT tesvar_status tesvar_lexicon_sample(tesvar_lexicon** out,
                                                  char** error_message);

/* The number of entries; 0 for NULL. */
TESVAR_EXPORT size_t tesvar_lexicon_size(const tesvar_lexicon* lexicon);

/* Releases the lexicon. NULL is allowed. REQUIRES: no parser or
 * corrector made on it is used afterwards. */
TESVAR_EXPORT void tesvar_lexicon_free(tesvar_lexicon* lexicon);

/* ---- Parser ---- */

/* A new parser in *out that reads `lexicon` (not owned; it must outlive
 * the parser), with the default limits: words of at most 256 bytes and a
 * work budget that no word of the language comes near. The caller releases
 * it with tesvar_parser_free. */
TESVAR_EXPORT tesvar_status tesvar_parser_create(const tesvar_lexicon* lexicon,
                                                 tesvar_parser** out);

/* The default limits, for tesvar_parser_create_with_limits. */
#define TESVAR_DEFAULT_MAX_WORD_BYTES 256
TESVAR_EXPORT size_t tesvar_default_max_work(void);

/* As tesvar_parser_create, with the longest word analysed in bytes and
 * the work one parse may do, in work units (roughly one per byte read or
 * produced; see tesvar_results_work). 0 turns a limit off: without limits
 * a hostile word can take seconds and gigabytes. */
TESVAR_EXPORT tesvar_status tesvar_parser_create_with_limits(
    const tesvar_lexicon* lexicon, size_t max_word_bytes, size_t max_work,
    tesvar_parser** out);

/* Releases the parser. NULL is allowed. */
TESVAR_EXPORT void tesvar_parser_free(tesvar_parser* parser);

/* Replaces the content of `results` by every reading of the word of
 * `size` bytes at `word` (any bytes, NUL included; `word` may be NULL when
 * `size` is 0). A word without any reading leaves `results` empty and
 * still returns TESVAR_OK. On failure `results` is left empty; a word past
 * the parser's limits gives TESVAR_WORD_TOO_LONG or
 * TESVAR_WORD_TOO_COMPLEX, a parse stopped by tesvar_results_cancel
 * TESVAR_CANCELLED. The results handle keeps the working memory of the
 * parse, so reusing it for the next word saves allocations. */
TESVAR_EXPORT tesvar_status tesvar_parser_parse(const tesvar_parser* parser,
                                                const char* word, size_t size,
                                                tesvar_results* results);

/* ---- Results ---- */

/* A new, empty results handle in *out, reusable for any number of parses.
 * The caller releases it with tesvar_results_free. */
TESVAR_EXPORT tesvar_status tesvar_results_create(tesvar_results** out);

/* Releases the results and every text read from them. NULL is allowed. */
TESVAR_EXPORT void tesvar_results_free(tesvar_results* results);

/* Stops the parse running into `results` as soon as possible (within a few
 * tens of microseconds); it returns TESVAR_CANCELLED. If no parse into
 * `results` is running, the next one stops at once. May be called from any
 * thread, and from a signal handler. NULL is allowed and does nothing. */
TESVAR_EXPORT void tesvar_results_cancel(tesvar_results* results);

/* The work units the last parse into `results` used (up to where it
 * stopped, if it was stopped); 0 for NULL. Hosts that bound the work of a
 * whole text (a line, a document) add these up. */
TESVAR_EXPORT size_t tesvar_results_work(const tesvar_results* results);

/* The number of readings; 0 for NULL. */
TESVAR_EXPORT size_t tesvar_results_count(const tesvar_results* results);

/* Texts of reading `index` (0 <= index < count). Each stores in *data a
 * pointer into `results`, valid until the next parse into it or its
 * release, and the text's size in *size:
 *   pos       part-of-speech label: "N", "V", "P", "ADV", "NUM", "CONJ",
 *             "EXCL", "Q" or "X";
 *   word      the word analysed, in its normalised spelling;
 *   key       the lexicon key of the matched entry;
 *   analysis  the English rendering of the reading;
 *   native    the reading written back in the language's own notation. */
TESVAR_EXPORT tesvar_status tesvar_result_pos(const tesvar_results* results,
                                              size_t index, const char** data,
                                              size_t* size);
TESVAR_EXPORT tesvar_status tesvar_result_word(const tesvar_results* results,
                                               size_t index, const char** data,
                                               size_t* size);
TESVAR_EXPORT tesvar_status tesvar_result_key(const tesvar_results* results,
                                              size_t index, const char** data,
                                              size_t* size);
TESVAR_EXPORT tesvar_status
tesvar_result_analysis(const tesvar_results* results, size_t index,
                       const char** data, size_t* size);
TESVAR_EXPORT tesvar_status tesvar_result_native(const tesvar_results* results,
                                                 size_t index,
                                                 const char** data,
                                                 size_t* size);

/* The score of reading `index` in *score: exactly 1.0 for a flawless
 * reading, smaller for each irregularity found. */
TESVAR_EXPORT tesvar_status tesvar_result_score(const tesvar_results* results,
                                                size_t index, double* score);

/* The error messages of reading `index`: their number, and message
 * `error_index` (0 <= error_index < that number) as a text as above. */
TESVAR_EXPORT tesvar_status tesvar_result_error_count(
    const tesvar_results* results, size_t index, size_t* count);
TESVAR_EXPORT tesvar_status tesvar_result_error(const tesvar_results* results,
                                                size_t index,
                                                size_t error_index,
                                                const char** data,
                                                size_t* size);

/* The suggested corrected word forms of reading `index`, as for errors. */
TESVAR_EXPORT tesvar_status tesvar_result_suggestion_count(
    const tesvar_results* results, size_t index, size_t* count);
TESVAR_EXPORT tesvar_status tesvar_result_suggestion(
    const tesvar_results* results, size_t index, size_t suggestion_index,
    const char** data, size_t* size);

/* ---- Corrector ----
 *
 * A corrector proposes words for a mistyped one: words that read
 * flawlessly (some reading scores exactly 1.0) and are a few slips of the
 * keyboard away, counted in the language's letters ("tlh" is one letter)
 * and weighed, the likely slips (a missing apostrophe, neighbouring keys,
 * swapped letters) less than the others. It complements a reading's
 * suggestions, which correct the grammar of a word the parser could read. */

/* The weight of one plain slip; likelier slips weigh less. */
#define TESVAR_PLAIN_SLIP_WEIGHT 10
/* The number of corrections callers usually ask for. */
#define TESVAR_DEFAULT_MAX_CORRECTIONS 10

/* A new corrector in *out for `lexicon` (not owned; it must outlive the
 * corrector and every use of it). Making it indexes the lexicon's
 * headwords, which takes time in proportion to the lexicon: make one per
 * lexicon and share it. The caller releases it with tesvar_corrector_free. */
TESVAR_EXPORT tesvar_status
tesvar_corrector_create(const tesvar_lexicon* lexicon, tesvar_corrector** out);

/* Releases the corrector. NULL is allowed. */
TESVAR_EXPORT void tesvar_corrector_free(tesvar_corrector* corrector);

/* Replaces the content of `corrections` by at most `max_count`
 * corrections of the word of `size` bytes at `word` (any bytes; `word`
 * may be NULL when `size` is 0), best first: by weight, then by the
 * position of their entry in the lexicon. The word itself is never among
 * them, and the same word always gives the same list. A word with nothing
 * close to it, and one of more than 64 letters, gets none and still
 * returns TESVAR_OK. Every call is bounded: no word costs more than about
 * two million work units (a few milliseconds). On failure `corrections`
 * is left empty. */
TESVAR_EXPORT tesvar_status tesvar_corrector_suggest(
    const tesvar_corrector* corrector, const char* word, size_t size,
    size_t max_count, tesvar_corrections* corrections);

/* ---- Corrections ---- */

/* A new, empty corrections handle in *out, reusable for any number of
 * calls. The caller releases it with tesvar_corrections_free. */
TESVAR_EXPORT tesvar_status tesvar_corrections_create(tesvar_corrections** out);

/* Releases the corrections and every text read from them. NULL is
 * allowed. */
TESVAR_EXPORT void tesvar_corrections_free(tesvar_corrections* corrections);

/* The number of corrections; 0 for NULL. */
TESVAR_EXPORT size_t
tesvar_corrections_count(const tesvar_corrections* corrections);

/* The work units the last tesvar_corrector_suggest into `corrections`
 * used, on the scale of tesvar_results_work; 0 for NULL. */
TESVAR_EXPORT size_t
tesvar_corrections_work(const tesvar_corrections* corrections);

/* Correction `index` (0 <= index < count), in canonical spelling, as a
 * text valid until the next call into `corrections` or its release. */
TESVAR_EXPORT tesvar_status
tesvar_correction_word(const tesvar_corrections* corrections, size_t index,
                       const char** data, size_t* size);

/* The weight of the slips between the word and correction `index`, in
 * *weight: 0 when they differ only in what spelling normalisation settles
 * (the case of most letters), TESVAR_PLAIN_SLIP_WEIGHT for one plain slip,
 * less for a likely one, more for several. */
TESVAR_EXPORT tesvar_status tesvar_correction_weight(
    const tesvar_corrections* corrections, size_t index, int* weight);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* TESVAR_TESVAR_H_ */
