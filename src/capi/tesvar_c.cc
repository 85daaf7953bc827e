// The C interface: thin wrappers that hold the C++ objects behind opaque
// handles, check every pointer they are given, and turn the one exception
// the library can raise, running out of memory, into a status code.
//
// A parser handle holds a CTesvarParser, which is only read by its Parse,
// so threads may share the handle. The per-call state lives in the results
// handle (one thread at a time), together with the flag that cancels the
// parse running into it. A corrector handle is likewise only read; its
// corrections go into a corrections handle of the caller's.
// Tested by capi_test.c.

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "tesvar/corrector.h"
#include "tesvar/lexicon.h"
#include "tesvar/lexicon_tsv.h"
#include "tesvar/parse_result.h"
#include "tesvar/parser.h"
#include "tesvar/sample_lexicon.h"
#include "tesvar/status.h"
#include "tesvar/tesvar.h"
#include "tesvar/version.h"

struct tesvar_lexicon {
  tesvar::CLexicon lexicon;
};

struct tesvar_parser {
  explicit tesvar_parser(const tesvar::CLexicon* lexicon,
                         const tesvar::ParseLimits& limits)
      : parser(lexicon, limits) {}
  const tesvar::CTesvarParser parser;
};

struct tesvar_results {
  tesvar::ParseResults results;
  tesvar::ParseScratch scratch;
  tesvar::CancelFlag cancel;
};

struct tesvar_corrector {
  explicit tesvar_corrector(const tesvar::CLexicon& lexicon)
      : corrector(lexicon) {}
  const tesvar::Corrector corrector;
};

struct tesvar_corrections {
  std::vector<tesvar::Correction> corrections;
  tesvar::SuggestWork work;
};

static_assert(TESVAR_PLAIN_SLIP_WEIGHT == tesvar::Corrector::kPlainSlipWeight,
              "the C interface's weight scale is the corrector's");
static_assert(TESVAR_DEFAULT_MAX_CORRECTIONS ==
                  tesvar::Corrector::kDefaultMaxCorrections,
              "the C interface's default is the corrector's");

namespace {

struct StatusRow {
  tesvar_status status;
  const char* name;
};

constexpr StatusRow kStatusNames[] = {
    {TESVAR_OK, "ok"},
    {TESVAR_INVALID_ARGUMENT, "invalid argument"},
    {TESVAR_INVALID_INPUT, "invalid input"},
    {TESVAR_OUT_OF_MEMORY, "out of memory"},
    {TESVAR_INTERNAL_ERROR, "internal error"},
    {TESVAR_WORD_TOO_LONG, "word too long"},
    {TESVAR_WORD_TOO_COMPLEX, "word too complex"},
    {TESVAR_CANCELLED, "cancelled"},
    {TESVAR_IO_ERROR, "input/output error"},
};
constexpr size_t kStatusNameCount =
    sizeof(kStatusNames) / sizeof(kStatusNames[0]);

// A view of caller bytes; a NULL pointer is only passed with size 0.
std::string_view Bytes(const char* data, size_t size) {
  return size == 0 ? std::string_view() : std::string_view(data, size);
}

// Runs `body`, which returns a status, and maps exceptions to codes, so
// that none reaches a C caller.
template <typename Body>
tesvar_status Guard(Body&& body) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return TESVAR_OUT_OF_MEMORY;
  } catch (...) {
    return TESVAR_INTERNAL_ERROR;
  }
}

// Stores a malloc'ed, NUL-terminated copy of `text` in *error_message, or
// NULL when that copy cannot be made. Does nothing for a NULL destination.
void StoreMessage(char** error_message, std::string_view text) {
  if (error_message == nullptr) return;
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (copy != nullptr) {
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
  }
  *error_message = copy;
}

tesvar_status FromStatus(const tesvar::Status& status) {
  switch (status.code()) {
    case tesvar::Status::Code::kOk:
      return TESVAR_OK;
    case tesvar::Status::Code::kInvalidInput:
      return TESVAR_INVALID_INPUT;
    case tesvar::Status::Code::kOutOfMemory:
      return TESVAR_OUT_OF_MEMORY;
    case tesvar::Status::Code::kIoError:
      return TESVAR_IO_ERROR;
    case tesvar::Status::Code::kWordTooLong:
      return TESVAR_WORD_TOO_LONG;
    case tesvar::Status::Code::kWordTooComplex:
      return TESVAR_WORD_TOO_COMPLEX;
    case tesvar::Status::Code::kCancelled:
      return TESVAR_CANCELLED;
  }
  return TESVAR_INTERNAL_ERROR;
}

// Makes a lexicon with `fill` and hands it to the caller, or stores why
// not. Shared by the text, the file and the built-in lexicon.
template <typename Fill>
tesvar_status MakeLexicon(Fill&& fill, tesvar_lexicon** out,
                          char** error_message) {
  std::string message;
  const tesvar_status status = Guard([&] {
    std::unique_ptr<tesvar_lexicon> handle(new tesvar_lexicon);
    const tesvar::Status loaded = fill(&handle->lexicon);
    if (!loaded.ok()) {
      message = loaded.message();
      return FromStatus(loaded);
    }
    *out = handle.release();
    return TESVAR_OK;
  });
  if (status != TESVAR_OK) {
    StoreMessage(error_message,
                 message.empty()
                     ? std::string_view(tesvar_status_string(status))
                     : std::string_view(message));
  }
  return status;
}

// The reading at `index`, or nullptr when there is none.
const tesvar::CParseResult* Reading(const tesvar_results* results,
                                    size_t index) {
  if (results == nullptr || index >= results->results.size()) return nullptr;
  return &results->results[index];
}

// Stores the text in *data and *size, or NULL and 0 when there is none.
tesvar_status HandOut(const std::string* text, const char** data,
                      size_t* size) {
  if (data == nullptr || size == nullptr) text = nullptr;
  if (data != nullptr) *data = text == nullptr ? nullptr : text->c_str();
  if (size != nullptr) *size = text == nullptr ? 0 : text->size();
  return text == nullptr ? TESVAR_INVALID_ARGUMENT : TESVAR_OK;
}

using TextField = std::string tesvar::CParseResult::*;
using ListField = tesvar::StringList tesvar::CParseResult::*;

tesvar_status ReadText(const tesvar_results* results, size_t index,
                       TextField field, const char** data, size_t* size) {
  const tesvar::CParseResult* reading = Reading(results, index);
  return HandOut(reading == nullptr ? nullptr : &(reading->*field), data, size);
}

tesvar_status ReadCount(const tesvar_results* results, size_t index,
                        ListField field, size_t* count) {
  const tesvar::CParseResult* reading = Reading(results, index);
  if (count == nullptr) return TESVAR_INVALID_ARGUMENT;
  *count = reading == nullptr ? 0 : (reading->*field).size();
  return reading == nullptr ? TESVAR_INVALID_ARGUMENT : TESVAR_OK;
}

tesvar_status ReadItem(const tesvar_results* results, size_t index,
                       ListField field, size_t item, const char** data,
                       size_t* size) {
  const tesvar::CParseResult* reading = Reading(results, index);
  const bool present = reading != nullptr && item < (reading->*field).size();
  return HandOut(present ? &(reading->*field)[item] : nullptr, data, size);
}

// The correction at `index`, or nullptr when there is none.
const tesvar::Correction* CorrectionAt(const tesvar_corrections* corrections,
                                       size_t index) {
  if (corrections == nullptr || index >= corrections->corrections.size()) {
    return nullptr;
  }
  return &corrections->corrections[index];
}

}  // namespace

extern "C" {

const char* tesvar_version(void) { return TESVAR_VERSION_STRING; }

const char* tesvar_status_string(tesvar_status status) {
  for (size_t row = 0; row < kStatusNameCount; ++row) {
    if (kStatusNames[row].status == status) return kStatusNames[row].name;
  }
  return "unknown status";
}

void tesvar_string_free(char* message) { std::free(message); }

tesvar_status tesvar_lexicon_load_tsv(const char* data, size_t size,
                                      const char* source_name,
                                      tesvar_lexicon** out,
                                      char** error_message) {
  if (error_message != nullptr) *error_message = nullptr;
  if (out != nullptr) *out = nullptr;
  const char* missing = nullptr;
  if (out == nullptr) {
    missing = "no place to store the lexicon (out is NULL)";
  } else if (source_name == nullptr) {
    missing = "no source name (source_name is NULL)";
  } else if (data == nullptr && size != 0) {
    missing = "no text (data is NULL but size is not 0)";
  }
  if (missing != nullptr) {
    StoreMessage(error_message, missing);
    return TESVAR_INVALID_ARGUMENT;
  }
  const std::string_view text = Bytes(data, size);
  return MakeLexicon(
      [&](tesvar::CLexicon* lexicon) {
        return tesvar::ParseLexiconTsv(text, source_name, lexicon);
      },
      out, error_message);
}

tesvar_status tesvar_lexicon_load_file(const char* path, tesvar_lexicon** out,
                                       char** error_message) {
  if (error_message != nullptr) *error_message = nullptr;
  if (out != nullptr) *out = nullptr;
  const char* missing = nullptr;
  if (out == nullptr) {
    missing = "no place to store the lexicon (out is NULL)";
  } else if (path == nullptr) {
    missing = "no file (path is NULL)";
  }
  if (missing != nullptr) {
    StoreMessage(error_message, missing);
    return TESVAR_INVALID_ARGUMENT;
  }
  return MakeLexicon(
      [&](tesvar::CLexicon* lexicon) {
        return tesvar::LoadLexiconTsvFile(path, lexicon);
      },
      out, error_message);
}

tesvar_status tesvar_lexicon_sample(tesvar_lexicon** out,
                                    char** error_message) {
  if (error_message != nullptr) *error_message = nullptr;
  if (out == nullptr) {
    StoreMessage(error_message, "no place to store the lexicon (out is NULL)");
    return TESVAR_INVALID_ARGUMENT;
  }
  *out = nullptr;
  return MakeLexicon(tesvar::LoadSampleLexicon, out, error_message);
}

size_t tesvar_lexicon_size(const tesvar_lexicon* lexicon) {
  return lexicon == nullptr ? 0 : lexicon->lexicon.size();
}

void tesvar_lexicon_free(tesvar_lexicon* lexicon) { delete lexicon; }

tesvar_status tesvar_parser_create(const tesvar_lexicon* lexicon,
                                   tesvar_parser** out) {
  return tesvar_parser_create_with_limits(
      lexicon, tesvar::ParseLimits::kDefaultMaxWordBytes,
      tesvar_default_max_work(), out);
}

size_t tesvar_default_max_work(void) {
  return static_cast<size_t>(tesvar::ParseLimits::kDefaultMaxWork);
}

tesvar_status tesvar_parser_create_with_limits(const tesvar_lexicon* lexicon,
                                               size_t max_word_bytes,
                                               size_t max_work,
                                               tesvar_parser** out) {
  if (out == nullptr) return TESVAR_INVALID_ARGUMENT;
  *out = nullptr;
  if (lexicon == nullptr) return TESVAR_INVALID_ARGUMENT;
  tesvar::ParseLimits limits;
  limits.max_word_bytes = max_word_bytes;
  limits.max_work = max_work;
  return Guard([&] {
    *out = new tesvar_parser(&lexicon->lexicon, limits);
    return TESVAR_OK;
  });
}

void tesvar_parser_free(tesvar_parser* parser) { delete parser; }

tesvar_status tesvar_parser_parse(const tesvar_parser* parser, const char* word,
                                  size_t size, tesvar_results* results) {
  if (results == nullptr) return TESVAR_INVALID_ARGUMENT;
  results->results.clear();
  if (parser == nullptr || (word == nullptr && size != 0)) {
    return TESVAR_INVALID_ARGUMENT;
  }
  const tesvar_status status = Guard([&] {
    return FromStatus(parser->parser.Parse(Bytes(word, size), &results->results,
                                           &results->scratch,
                                           &results->cancel));
  });
  results->cancel.Reset();
  if (status != TESVAR_OK) results->results.clear();
  return status;
}

tesvar_status tesvar_results_create(tesvar_results** out) {
  if (out == nullptr) return TESVAR_INVALID_ARGUMENT;
  *out = nullptr;
  return Guard([&] {
    *out = new tesvar_results;
    return TESVAR_OK;
  });
}

void tesvar_results_free(tesvar_results* results) { delete results; }

void tesvar_results_cancel(tesvar_results* results) {
  if (results != nullptr) results->cancel.Cancel();
}

size_t tesvar_results_work(const tesvar_results* results) {
  return results == nullptr ? 0
                            : static_cast<size_t>(results->scratch.last_work());
}

size_t tesvar_results_count(const tesvar_results* results) {
  return results == nullptr ? 0 : results->results.size();
}

tesvar_status tesvar_result_pos(const tesvar_results* results, size_t index,
                                const char** data, size_t* size) {
  return ReadText(results, index, &tesvar::CParseResult::m_strPOS, data, size);
}

tesvar_status tesvar_result_word(const tesvar_results* results, size_t index,
                                 const char** data, size_t* size) {
  return ReadText(results, index, &tesvar::CParseResult::m_strWord, data, size);
}

tesvar_status tesvar_result_key(const tesvar_results* results, size_t index,
                                const char** data, size_t* size) {
  return ReadText(results, index, &tesvar::CParseResult::m_strKey, data, size);
}

tesvar_status tesvar_result_analysis(const tesvar_results* results,
                                     size_t index, const char** data,
                                     size_t* size) {
  return ReadText(results, index, &tesvar::CParseResult::m_strAnalysis, data,
                  size);
}

tesvar_status tesvar_result_native(const tesvar_results* results, size_t index,
                                   const char** data, size_t* size) {
  return ReadText(results, index, &tesvar::CParseResult::m_strNative, data,
                  size);
}

tesvar_status tesvar_result_score(const tesvar_results* results, size_t index,
                                  double* score) {
  const tesvar::CParseResult* reading = Reading(results, index);
  if (score == nullptr) return TESVAR_INVALID_ARGUMENT;
  *score = reading == nullptr ? 0.0 : reading->m_dScore;
  return reading == nullptr ? TESVAR_INVALID_ARGUMENT : TESVAR_OK;
}

tesvar_status tesvar_result_error_count(const tesvar_results* results,
                                        size_t index, size_t* count) {
  return ReadCount(results, index, &tesvar::CParseResult::m_lstErrors, count);
}

tesvar_status tesvar_result_error(const tesvar_results* results, size_t index,
                                  size_t error_index, const char** data,
                                  size_t* size) {
  return ReadItem(results, index, &tesvar::CParseResult::m_lstErrors,
                  error_index, data, size);
}

tesvar_status tesvar_result_suggestion_count(const tesvar_results* results,
                                             size_t index, size_t* count) {
  return ReadCount(results, index, &tesvar::CParseResult::m_lstSuggestions,
                   count);
}

tesvar_status tesvar_result_suggestion(const tesvar_results* results,
                                       size_t index, size_t suggestion_index,
                                       const char** data, size_t* size) {
  return ReadItem(results, index, &tesvar::CParseResult::m_lstSuggestions,
                  suggestion_index, data, size);
}

tesvar_status tesvar_corrector_create(const tesvar_lexicon* lexicon,
                                      tesvar_corrector** out) {
  if (out == nullptr) return TESVAR_INVALID_ARGUMENT;
  *out = nullptr;
  if (lexicon == nullptr) return TESVAR_INVALID_ARGUMENT;
  return Guard([&] {
    *out = new tesvar_corrector(lexicon->lexicon);
    return TESVAR_OK;
  });
}

void tesvar_corrector_free(tesvar_corrector* corrector) { delete corrector; }

tesvar_status tesvar_corrector_suggest(const tesvar_corrector* corrector,
                                       const char* word, size_t size,
                                       size_t max_count,
                                       tesvar_corrections* corrections) {
  if (corrections == nullptr) return TESVAR_INVALID_ARGUMENT;
  corrections->corrections.clear();
  corrections->work = tesvar::SuggestWork();
  if (corrector == nullptr || (word == nullptr && size != 0)) {
    return TESVAR_INVALID_ARGUMENT;
  }
  const tesvar_status status = Guard([&] {
    corrector->corrector.SuggestWeighted(Bytes(word, size), max_count,
                                         &corrections->corrections,
                                         &corrections->work);
    return TESVAR_OK;
  });
  if (status != TESVAR_OK) corrections->corrections.clear();
  return status;
}

tesvar_status tesvar_corrections_create(tesvar_corrections** out) {
  if (out == nullptr) return TESVAR_INVALID_ARGUMENT;
  *out = nullptr;
  return Guard([&] {
    *out = new tesvar_corrections;
    return TESVAR_OK;
  });
}

void tesvar_corrections_free(tesvar_corrections* corrections) {
  delete corrections;
}

size_t tesvar_corrections_count(const tesvar_corrections* corrections) {
  return corrections == nullptr ? 0 : corrections->corrections.size();
}

size_t tesvar_corrections_work(const tesvar_corrections* corrections) {
  return corrections == nullptr ? 0
                                : static_cast<size_t>(corrections->work.units);
}

tesvar_status tesvar_correction_word(const tesvar_corrections* corrections,
                                     size_t index, const char** data,
                                     size_t* size) {
  const tesvar::Correction* correction = CorrectionAt(corrections, index);
  return HandOut(correction == nullptr ? nullptr : &correction->word, data,
                 size);
}

tesvar_status tesvar_correction_weight(const tesvar_corrections* corrections,
                                       size_t index, int* weight) {
  const tesvar::Correction* correction = CorrectionAt(corrections, index);
  if (weight == nullptr) return TESVAR_INVALID_ARGUMENT;
  *weight = correction == nullptr ? 0 : correction->weight;
  return correction == nullptr ? TESVAR_INVALID_ARGUMENT : TESVAR_OK;
}

}  // extern "C"
