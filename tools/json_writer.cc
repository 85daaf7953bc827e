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
constexpr std::string_view kKeySeparator = ": ";
constexpr std::string_view kMemberSeparator = ", ";

// Starts a member: the separator (unless it is the first), the key and
// the key separator.
void StartMember(std::string_view key, bool first, std::string* out) {
  if (!first) out->append(kMemberSeparator);
  AppendJsonString(key, out);
  out->append(kKeySeparator);
}

void AppendTextMember(std::string_view key, std::string_view value,
                      std::string* out, bool first = false) {
  StartMember(key, first, out);
  AppendJsonString(value, out);
}

void AppendListMember(std::string_view key, const StringList& list,
                      std::string* out) {
  StartMember(key, false, out);
  out->push_back('[');
  for (size_t i = 0; i < list.size(); ++i) {
    if (i > 0) out->append(kMemberSeparator);
    AppendJsonString(list[i], out);
  }
  out->push_back(']');
}

// The members of one reading, in the order of the output format.
void AppendResult(const CParseResult& r, bool native, std::string* out) {
  out->push_back('{');
  AppendTextMember("pos", r.m_strPOS, out, /*first=*/true);
  AppendTextMember("word", r.m_strWord, out);
  AppendTextMember("key", r.m_strKey, out);
  AppendTextMember("analysis", r.m_strAnalysis, out);
  StartMember("score", false, out);
  AppendJsonNumber(r.m_dScore, out);
  AppendListMember("errors", r.m_lstErrors, out);
  AppendListMember("suggestions", r.m_lstSuggestions, out);
  if (native) AppendTextMember("native", r.m_strNative, out);
  out->push_back('}');
}

}  // namespace

void AppendJsonString(std::string_view text, std::string* out) {
  out->push_back('"');
  // Bytes that stand for themselves are copied in runs.
  size_t run = 0;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte <= 0x7E && c != '"' && c != '\\') {
      ++i;
      continue;
    }
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
  out->push_back('{');
  AppendTextMember("input", input, out, /*first=*/true);
  StartMember("results", false, out);
  out->push_back('[');
  for (size_t i = 0; i < results.size(); ++i) {
    if (i > 0) out->append(kMemberSeparator);
    AppendResult(results[i], native, out);
  }
  out->append("]}\n");
}

void AppendJsonRefusal(std::string_view input, std::string_view error,
                       std::string* out, bool cut) {
  out->push_back('{');
  AppendTextMember("input", input, out, /*first=*/true);
  if (cut) {
    // The closing quote is taken back so that "..." lands inside the
    // string.
    out->pop_back();
    out->append("...\"");
  }
  AppendTextMember("error", error, out);
  out->append("}\n");
}

}  // namespace cli
}  // namespace tesvar
