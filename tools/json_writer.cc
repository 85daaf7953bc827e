// Builds JSON text by appending to one buffer per word.
// Tested by json_writer_test.cc.

#include "tools/json_writer.h"

#include <charconv>
#include <cmath>

#include "tesvar/utf8.h"

namespace tesvar {
namespace cli {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

// Member and element separators; part of the output format. DO NOT CHANGE.
constexpr std::string_view kMemberSeparator = ", ";

// The bytes that stand for themselves in a JSON string: 0x20..0x7E but
// the quote and the backslash.
struct PlainBytes {
  bool of[256];
};

constexpr PlainBytes MakePlainBytes() {
  PlainBytes table{};
  for (int byte = 0x20; byte <= 0x7E; ++byte) {
    table.of[byte] = byte != '"' && byte != '\\';
  }
  return table;
}

constexpr PlainBytes kPlainBytes = MakePlainBytes();

bool IsPlain(char c) { return kPlainBytes.of[static_cast<unsigned char>(c)]; }

// Keys with their quotes and the separators around them, written as they
// are: no key needs escaping. Part of the output format. DO NOT CHANGE.
constexpr std::string_view kInputKey = "{\"input\": ";
constexpr std::string_view kResultsKey = ", \"results\": [";
constexpr std::string_view kErrorKey = ", \"error\": ";
constexpr std::string_view kPosKey = "{\"pos\": ";
constexpr std::string_view kWordKey = ", \"word\": ";
constexpr std::string_view kKeyKey = ", \"key\": ";
constexpr std::string_view kAnalysisKey = ", \"analysis\": ";
constexpr std::string_view kScoreKey = ", \"score\": ";
constexpr std::string_view kErrorsKey = ", \"errors\": [";
constexpr std::string_view kSuggestionsKey = "], \"suggestions\": [";
constexpr std::string_view kNativeKey = "], \"native\": ";

void AppendList(const StringList& list, std::string* out) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (i > 0) out->append(kMemberSeparator);
    AppendJsonString(list[i], out);
  }
}

// The members of one reading, in the order of the output format.
void AppendResult(const CParseResult& r, bool native, std::string* out) {
  out->append(kPosKey);
  AppendJsonString(r.m_strPOS, out);
  out->append(kWordKey);
  AppendJsonString(r.m_strWord, out);
  out->append(kKeyKey);
  AppendJsonString(r.m_strKey, out);
  out->append(kAnalysisKey);
  AppendJsonString(r.m_strAnalysis, out);
  out->append(kScoreKey);
  AppendJsonNumber(r.m_dScore, out);
  out->append(kErrorsKey);
  AppendList(r.m_lstErrors, out);
  out->append(kSuggestionsKey);
  AppendList(r.m_lstSuggestions, out);
  if (native) {
    out->append(kNativeKey);
    AppendJsonString(r.m_strNative, out);
    out->push_back('}');
  } else {
    out->append("]}");
  }
}

// About the size of a line: its texts and what surrounds them. The buffer
// grows once per line instead of text by text.
size_t LineSizeHint(std::string_view input, const ParseResults& results) {
  constexpr size_t kPerReading = 128;  // keys, separators, the score
  constexpr size_t kPerText = 4;       // quotes and a separator
  size_t size = 32 + input.size();
  for (const CParseResult& r : results) {
    size += kPerReading + r.m_strPOS.size() + r.m_strWord.size() +
            r.m_strKey.size() + r.m_strAnalysis.size() + r.m_strNative.size();
    for (const std::string& text : r.m_lstErrors)
      size += kPerText + text.size();
    for (const std::string& text : r.m_lstSuggestions) {
      size += kPerText + text.size();
    }
  }
  return size;
}

}  // namespace

void AppendJsonString(std::string_view text, std::string* out) {
  out->push_back('"');
  // Bytes that stand for themselves are copied in runs.
  size_t run = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (IsPlain(text[i])) {
      ++i;
      continue;
    }
    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) {
      if (const size_t length = Utf8SequenceLength(text.substr(i))) {
        i += length;
        continue;
      }
    }
    out->append(text.data() + run, i - run);
    run = ++i;
    if (c == '"' || c == '\\') {
      out->push_back('\\');
      out->push_back(c);
    } else {
      out->append("\\u00");
      out->push_back(kHexDigits[byte >> 4]);
      out->push_back(kHexDigits[byte & 0xF]);
    }
  }
  out->append(text.data() + run, text.size() - run);
  out->push_back('"');
}

void AppendJsonNumber(double value, std::string* out) {
  // JSON has no spelling for infinities or NaN; scores never are either.
  if (!std::isfinite(value)) {
    out->append("null");
    return;
  }
  // 32 bytes hold any double in shortest form ("-2.2250738585072014e-308").
  char buffer[32];
  const std::to_chars_result written =
      std::to_chars(buffer, buffer + sizeof(buffer), value);
  out->append(buffer, written.ptr);
}

void AppendJsonLine(std::string_view input, const ParseResults& results,
                    bool native, std::string* out) {
  out->reserve(out->size() + LineSizeHint(input, results));
  out->append(kInputKey);
  AppendJsonString(input, out);
  out->append(kResultsKey);
  for (size_t i = 0; i < results.size(); ++i) {
    if (i > 0) out->append(kMemberSeparator);
    AppendResult(results[i], native, out);
  }
  out->append("]}\n");
}

void AppendJsonRefusal(std::string_view input, std::string_view error,
                       std::string* out, bool cut) {
  out->append(kInputKey);
  AppendJsonString(input, out);
  if (cut) {
    // The closing quote is taken back so that "..." lands inside the
    // string.
    out->pop_back();
    out->append("...\"");
  }
  out->append(kErrorKey);
  AppendJsonString(error, out);
  out->append("}\n");
}

}  // namespace cli
}  // namespace tesvar
