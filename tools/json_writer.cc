// Builds JSON text by appending to one buffer per word, copying into room
// made beforehand rather than appending piece by piece.
// Tested by json_writer_test.cc.

#include "tools/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

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

// A line being written into a string through a cursor. Before each piece
// the string is made long enough for the most the piece can take (an
// escaped byte takes six), so that writing is plain copying; at the end
// the string is cut back to what was written.
class JsonBuffer {
 public:
  explicit JsonBuffer(std::string* out) : out_(out), used_(out->size()) {}
  JsonBuffer(const JsonBuffer&) = delete;
  JsonBuffer& operator=(const JsonBuffer&) = delete;
  ~JsonBuffer() { out_->resize(used_); }

  void Literal(std::string_view text) {
    Make(text.size());
    Copy(text.data(), text.size());
  }

  // Takes back the last `size` bytes written.
  void TakeBack(size_t size) { used_ -= size; }

  void Byte(char c) {
    Make(1);
    (*out_)[used_++] = c;
  }

  // `text` as a JSON string literal, quotes included.
  void String(std::string_view text) {
    Make(2 + kLongestEscape * text.size());
    (*out_)[used_++] = '"';
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
      Copy(text.data() + run, i - run);
      run = ++i;
      if (c == '"' || c == '\\') {
        (*out_)[used_++] = '\\';
        (*out_)[used_++] = c;
      } else {
        Copy("\\u00", 4);
        (*out_)[used_++] = kHexDigits[byte >> 4];
        (*out_)[used_++] = kHexDigits[byte & 0xF];
      }
    }
    Copy(text.data() + run, text.size() - run);
    (*out_)[used_++] = '"';
  }

  void List(const StringList& list) {
    for (size_t i = 0; i < list.size(); ++i) {
      if (i > 0) Literal(kMemberSeparator);
      String(list[i]);
    }
  }

  void Number(double value) {
    // JSON has no spelling for infinities or NaN; scores never are either.
    if (!std::isfinite(value)) {
      Literal("null");
      return;
    }
    // 32 bytes hold any double in shortest form
    // ("-2.2250738585072014e-308").
    constexpr size_t kLongestNumber = 32;
    Make(kLongestNumber);
    char* start = &(*out_)[used_];
    const std::to_chars_result written =
        std::to_chars(start, start + kLongestNumber, value);
    used_ += static_cast<size_t>(written.ptr - start);
  }

 private:
  static constexpr size_t kLongestEscape = 6;  // \u00xx

  // Makes room for `size` more bytes; grows by doubling, so that a line
  // of many pieces costs few resizes.
  void Make(size_t size) {
    if (used_ + size <= out_->size()) return;
    out_->resize(std::max(used_ + size, 2 * out_->size()));
  }

  void Copy(const char* bytes, size_t size) {
    if (size == 0) return;
    std::memcpy(&(*out_)[used_], bytes, size);
    used_ += size;
  }

  std::string* const out_;
  size_t used_;
};

// The members of one reading, in the order of the output format.
void AppendResult(const CParseResult& r, bool native, JsonBuffer* out) {
  out->Literal(kPosKey);
  out->String(r.m_strPOS);
  out->Literal(kWordKey);
  out->String(r.m_strWord);
  out->Literal(kKeyKey);
  out->String(r.m_strKey);
  out->Literal(kAnalysisKey);
  out->String(r.m_strAnalysis);
  out->Literal(kScoreKey);
  out->Number(r.m_dScore);
  out->Literal(kErrorsKey);
  out->List(r.m_lstErrors);
  out->Literal(kSuggestionsKey);
  out->List(r.m_lstSuggestions);
  if (native) {
    out->Literal(kNativeKey);
    out->String(r.m_strNative);
    out->Byte('}');
  } else {
    out->Literal("]}");
  }
}

}  // namespace

void AppendJsonString(std::string_view text, std::string* out) {
  JsonBuffer(out).String(text);
}

void AppendJsonNumber(double value, std::string* out) {
  JsonBuffer(out).Number(value);
}

void AppendJsonLine(std::string_view input, const ParseResults& results,
                    bool native, std::string* out) {
  JsonBuffer line(out);
  line.Literal(kInputKey);
  line.String(input);
  line.Literal(kResultsKey);
  for (size_t i = 0; i < results.size(); ++i) {
    if (i > 0) line.Literal(kMemberSeparator);
    AppendResult(results[i], native, &line);
  }
  line.Literal("]}\n");
}

void AppendJsonRefusal(std::string_view input, std::string_view error,
                       std::string* out, bool cut) {
  JsonBuffer line(out);
  line.Literal(kInputKey);
  line.String(input);
  if (cut) {
    // The closing quote is taken back so that "..." lands inside the
    // string.
    line.TakeBack(1);
    line.Literal("...\"");
  }
  line.Literal(kErrorKey);
  line.String(error);
  line.Literal("}\n");
}

}  // namespace cli
}  // namespace tesvar
