// The functions that the JavaScript package calls in the WebAssembly
// module: plain C functions over opaque pointers, so that the glue needs
// no binding runtime. Each JavaScript object owns one of these pointers
// and releases it with the matching free function.
//
// A parse packs every reading of the word into one byte record in the
// parser's own buffer, which JavaScript decodes in a single pass; that is
// far cheaper than a call across the boundary per field. The layout, all
// numbers little-endian, each text a u32 byte count and the bytes:
//
//   u32 count of readings, then per reading:
//     f64 score, text pos, text word, text key, text analysis,
//     text native, u32 count of errors, the errors,
//     u32 count of suggestions, the suggestions
//
// A word that is not analysed leaves the status's message there instead,
// as one text. Spelling corrections are packed into the same buffer as
// a u32 count and that many texts. tesvar.js is the only reader of these
// records; change both together.
//
// A parser makes its corrector at its first request for corrections: the
// corrector indexes the whole lexicon, and a page that only parses never
// pays for that. It goes with the parser.
//
// A module instance runs on one JavaScript thread, so a parser and its
// scratch serve one call at a time by construction.
// Tested by web/test/api.test.mjs and web/test/native.test.mjs.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
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
#include "tesvar/version.h"

namespace {

// A parser with the state and buffers it reuses for every word. It keeps
// the library's default limits on word length and work, so that a page
// stays responsive whatever is typed into it.
struct WebParser {
  explicit WebParser(const tesvar::CLexicon* lexicon)
      : lexicon(lexicon), parser(lexicon) {}

  const tesvar::CLexicon* const lexicon;
  const tesvar::CTesvarParser parser;
  std::unique_ptr<const tesvar::Corrector> corrector;  // made when asked for
  tesvar::ParseScratch scratch;
  tesvar::ParseResults results;
  std::string word;    // written by JavaScript before each parse
  std::string packed;  // the outcome of the last parse
};

void AppendU32(uint32_t value, std::string* out) {
  char bytes[sizeof(value)];
  std::memcpy(bytes, &value, sizeof(value));
  out->append(bytes, sizeof(bytes));
}

void AppendF64(double value, std::string* out) {
  char bytes[sizeof(value)];
  std::memcpy(bytes, &value, sizeof(value));
  out->append(bytes, sizeof(bytes));
}

void AppendText(std::string_view text, std::string* out) {
  AppendU32(static_cast<uint32_t>(text.size()), out);
  out->append(text.data(), text.size());
}

void AppendList(const tesvar::StringList& texts, std::string* out) {
  AppendU32(static_cast<uint32_t>(texts.size()), out);
  for (const std::string& text : texts) AppendText(text, out);
}

void Pack(const tesvar::ParseResults& results, std::string* out) {
  out->clear();
  AppendU32(static_cast<uint32_t>(results.size()), out);
  for (const tesvar::CParseResult& r : results) {
    AppendF64(r.m_dScore, out);
    AppendText(r.m_strPOS, out);
    AppendText(r.m_strWord, out);
    AppendText(r.m_strKey, out);
    AppendText(r.m_strAnalysis, out);
    AppendText(r.m_strNative, out);
    AppendList(r.m_lstErrors, out);
    AppendList(r.m_lstSuggestions, out);
  }
}

// Hands over a loaded lexicon, or frees it and stores why it failed.
tesvar::CLexicon* Loaded(const tesvar::Status& status,
                         tesvar::CLexicon* lexicon, std::string** message) {
  if (status.ok()) {
    *message = nullptr;
    return lexicon;
  }
  delete lexicon;
  *message = new std::string(status.message());
  return nullptr;
}

}  // namespace

// Exported by name from the module (see web/CMakeLists.txt).
extern "C" {

const char* tw_version() { return TESVAR_VERSION_STRING; }

size_t tw_max_word_bytes() { return tesvar::ParseLimits::kDefaultMaxWordBytes; }

// ---- Byte strings handed to JavaScript: read, then freed by the caller.

const char* tw_string_data(const std::string* text) { return text->data(); }
size_t tw_string_size(const std::string* text) { return text->size(); }
void tw_string_free(std::string* text) { delete text; }

// ---- Lexicons

// Each loader returns a new lexicon, or nullptr and, in *message, a
// string that says why ("NAME:LINE: what is wrong"), which the caller
// frees with tw_string_free.

tesvar::CLexicon* tw_lexicon_sample(std::string** message) {
  auto* lexicon = new tesvar::CLexicon;
  return Loaded(tesvar::LoadSampleLexicon(lexicon), lexicon, message);
}

// Reads `size` bytes of lexicon text at `text`, named in messages by the
// `name_size` bytes at `name`.
tesvar::CLexicon* tw_lexicon_from_tsv(const char* text, size_t size,
                                      const char* name, size_t name_size,
                                      std::string** message) {
  auto* lexicon = new tesvar::CLexicon;
  const tesvar::Status status = tesvar::ParseLexiconTsv(
      std::string_view(text, size), std::string_view(name, name_size), lexicon);
  return Loaded(status, lexicon, message);
}

size_t tw_lexicon_size(const tesvar::CLexicon* lexicon) {
  return lexicon->size();
}

// REQUIRES: no parser made on `lexicon` is used afterwards.
void tw_lexicon_free(tesvar::CLexicon* lexicon) { delete lexicon; }

// ---- Parsers

// A parser that reads `lexicon`, which must outlive it.
WebParser* tw_parser_new(const tesvar::CLexicon* lexicon) {
  return new WebParser(lexicon);
}

void tw_parser_free(WebParser* parser) { delete parser; }

// Room for a word of up to `capacity` bytes, which the caller writes there
// before calling tw_parser_parse. Valid until the next call on `parser`.
char* tw_parser_word(WebParser* parser, size_t capacity) {
  parser->word.resize(capacity);
  return parser->word.data();
}

// Analyses the first `size` bytes written at tw_parser_word and packs the
// outcome in the parser's buffer (see tw_parser_output). Returns the
// status code: 0 for readings (possibly none), else why the word was not
// analysed (too long or too complex), with the message packed.
int tw_parser_parse(WebParser* parser, size_t size) {
  if (size > parser->word.size()) size = parser->word.size();
  const tesvar::Status status =
      parser->parser.Parse(std::string_view(parser->word.data(), size),
                           &parser->results, &parser->scratch);
  if (status.ok()) {
    Pack(parser->results, &parser->packed);
  } else {
    parser->packed.clear();
    AppendText(status.message(), &parser->packed);
  }
  return static_cast<int>(status.code());
}

// The outcome of the last tw_parser_parse, valid until the next call on
// `parser`.
const char* tw_parser_output(const WebParser* parser) {
  return parser->packed.data();
}

// Packs at most `max_count` spelling corrections of the first `size`
// bytes written at tw_parser_word, best first, in the parser's buffer (see
// tw_parser_output).
void tw_parser_suggest(WebParser* parser, size_t size, size_t max_count) {
  if (size > parser->word.size()) size = parser->word.size();
  if (parser->corrector == nullptr) {
    parser->corrector = std::make_unique<tesvar::Corrector>(*parser->lexicon);
  }
  const std::vector<std::string> words = parser->corrector->Suggest(
      std::string_view(parser->word.data(), size), max_count);
  parser->packed.clear();
  AppendList(words, &parser->packed);
}

}  // extern "C"
