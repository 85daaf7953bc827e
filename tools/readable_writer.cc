// Builds the readable output by appending to one buffer per word. Colours
// are SGR escape sequences, each closed on the same line, so that a line
// cut off by the terminal or a pager leaves no colour behind.
// Tested by cli_run_test.cc and the readable-output golden case.

#include "tools/readable_writer.h"

#include <cstdio>

#include "tesvar/utf8.h"
#include "tools/json_writer.h"

namespace tesvar {
namespace cli {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
// Indents of the reading lines and of their detail lines.
constexpr std::string_view kReadingIndent = "  ";
constexpr std::string_view kDetailIndent = "     ";

// Terminal colours of the parts that a reader looks for first.
constexpr std::string_view kLabelColour = "\x1b[1;36m";     // bold cyan
constexpr std::string_view kErrorColour = "\x1b[31m";       // red
constexpr std::string_view kSuggestionColour = "\x1b[32m";  // green
constexpr std::string_view kRefusedColour = "\x1b[1;31m";   // bold red
constexpr std::string_view kColourEnd = "\x1b[0m";

// Writes the colour's start on construction and its end on destruction,
// when colours are on; an empty colour leaves the text as it is.
class Colour {
 public:
  Colour(std::string_view colour, const ReadableStyle& style, std::string* out)
      : out_(style.colour && !colour.empty() ? out : nullptr) {
    if (out_ != nullptr) out_->append(colour);
  }
  ~Colour() {
    if (out_ != nullptr) out_->append(kColourEnd);
  }
  Colour(const Colour&) = delete;
  Colour& operator=(const Colour&) = delete;

 private:
  std::string* const out_;
};

// Three significant digits are enough to compare readings by eye; the
// exact figure is in the JSON output. Only a flawless reading may show 1.
void AppendShortScore(double score, std::string* out) {
  char text[32];
  std::snprintf(text, sizeof(text), "%.3g", score);
  if (score != 1 && std::string_view(text) == "1") {
    AppendJsonNumber(score, out);
  } else {
    out->append(text);
  }
}

void AppendDetail(std::string_view name, std::string_view text,
                  std::string_view colour, const ReadableStyle& style,
                  std::string* out) {
  out->append(kDetailIndent);
  out->append(name);
  out->append(": ");
  {
    const Colour coloured(colour, style, out);
    AppendVisible(text, out);
  }
  out->push_back('\n');
}

void AppendReading(size_t number, const CParseResult& r,
                   const ReadableStyle& style, std::string* out) {
  out->append(kReadingIndent);
  out->append(std::to_string(number));
  out->append(". ");
  {
    const Colour coloured(kLabelColour, style, out);
    out->push_back('[');
    AppendVisible(r.m_strPOS, out);
    out->push_back(']');
  }
  if (!r.m_strAnalysis.empty()) {
    out->push_back(' ');
    AppendVisible(r.m_strAnalysis, out);
  }
  out->push_back('\n');

  out->append(kDetailIndent);
  out->append("word ");
  AppendVisible(r.m_strWord, out);
  out->append(", key ");
  AppendVisible(r.m_strKey, out);
  out->append(", score ");
  AppendShortScore(r.m_dScore, out);
  out->push_back('\n');

  for (const std::string& error : r.m_lstErrors) {
    AppendDetail("error", error, kErrorColour, style, out);
  }
  for (const std::string& suggestion : r.m_lstSuggestions) {
    AppendDetail("suggestion", suggestion, kSuggestionColour, style, out);
  }
  if (style.native) AppendDetail("native", r.m_strNative, {}, style, out);
}

}  // namespace

void AppendVisible(std::string_view text, std::string* out) {
  size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const size_t length = Utf8SequenceLength(text.substr(i));
    if (length != 0 && byte >= 0x20 && byte != 0x7F) {
      out->append(text.data() + i, length);
      i += length;
      continue;
    }
    out->append("\\x");
    out->push_back(kHexDigits[byte >> 4]);
    out->push_back(kHexDigits[byte & 0xF]);
    ++i;
  }
}

void AppendReadable(std::string_view input, const ParseResults& results,
                    const ReadableStyle& style, std::string* out) {
  AppendVisible(input, out);
  // The spelling that was read, when it differs from what was typed.
  if (!results.empty() && results[0].m_strWord != input) {
    out->append(" (read as ");
    AppendVisible(results[0].m_strWord, out);
    out->push_back(')');
  }
  out->push_back('\n');
  if (results.empty()) {
    out->append(kReadingIndent);
    out->append("no readings\n");
    return;
  }
  for (size_t i = 0; i < results.size(); ++i) {
    AppendReading(i + 1, results[i], style, out);
  }
}

void AppendReadableRefusal(std::string_view input, bool cut,
                           std::string_view why, const ReadableStyle& style,
                           std::string* out) {
  AppendVisible(input, out);
  if (cut) out->append("...");
  out->push_back('\n');
  out->append(kReadingIndent);
  {
    const Colour coloured(kRefusedColour, style, out);
    out->append("refused: ");
    AppendVisible(why, out);
  }
  out->push_back('\n');
}

}  // namespace cli
}  // namespace tesvar
