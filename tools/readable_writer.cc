// Builds the readable output by appending to one buffer per word.
// Tested by readable_writer_test.cc.

#include "tools/readable_writer.h"

#include "tools/json_writer.h"

namespace tesvar {
namespace cli {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
// Indents of the reading lines and of their detail lines.
constexpr std::string_view kReadingIndent = "  ";
constexpr std::string_view kDetailIndent = "     ";

void AppendVisible(std::string_view text, std::string* out) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      out->append("\\x");
      out->push_back(kHexDigits[byte >> 4]);
      out->push_back(kHexDigits[byte & 0xF]);
    } else {
      out->push_back(c);
    }
  }
}

void AppendDetail(std::string_view name, std::string_view text,
                  std::string* out) {
  out->append(kDetailIndent);
  out->append(name);
  out->append(": ");
  AppendVisible(text, out);
  out->push_back('\n');
}

void AppendReading(size_t number, const CParseResult& r, bool native,
                   std::string* out) {
  out->append(kReadingIndent);
  out->append(std::to_string(number));
  out->append(". [");
  AppendVisible(r.m_strPOS, out);
  out->push_back(']');
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
  // The same exact number as in the JSON output.
  out->append(", score ");
  AppendJsonNumber(r.m_dScore, out);
  out->push_back('\n');

  for (const std::string& error : r.m_lstErrors) {
    AppendDetail("error", error, out);
  }
  for (const std::string& suggestion : r.m_lstSuggestions) {
    AppendDetail("suggestion", suggestion, out);
  }
  if (native) AppendDetail("native", r.m_strNative, out);
}

}  // namespace

void AppendReadable(std::string_view input, const ParseResults& results,
                    bool native, std::string* out) {
  AppendVisible(input, out);
  out->push_back('\n');
  if (results.empty()) {
    out->append(kReadingIndent);
    out->append("no readings\n");
    return;
  }
  for (size_t i = 0; i < results.size(); ++i) {
    AppendReading(i + 1, results[i], native, out);
  }
}

void AppendReadableRefusal(std::string_view input_start, std::string_view why,
                           std::string* out) {
  AppendVisible(input_start, out);
  out->append("...\n");
  out->append(kReadingIndent);
  out->append("refused: ");
  out->append(why);
  out->push_back('\n');
}

}  // namespace cli
}  // namespace tesvar
