// A recursive-descent reader of strict JSON. Nesting is bounded by
// kMaxJsonDepth, so input cannot exhaust the stack. Escaped surrogates
// that do not form a pair become U+FFFD (one UTF-16 unit, like the lone
// surrogate it replaces, so positions in the text stay right); raw bytes
// must already be well-formed UTF-8. Duplicate member names are refused,
// since which one a sender meant is anyone's guess.
// Tested by json_test.cc.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "tools/lsp/json.h"
#include "tools/lsp/utf8.h"

namespace tesvar {
namespace lsp {

namespace {

constexpr uint32_t kReplacementCharacter = 0xFFFD;

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}

  Status Read(Json* value) {
    SkipSpace();
    if (!ReadValue(0, value)) return Failure();
    SkipSpace();
    if (position_ != text_.size()) {
      error_ = "unexpected text after the value";
      return Failure();
    }
    return Status::Ok();
  }

 private:
  Status Failure() const {
    return Status::InvalidInput("JSON at byte " + std::to_string(position_) +
                                ": " + error_);
  }

  bool Fail(const char* error) {
    error_ = error;
    return false;
  }

  bool AtEnd() const { return position_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[position_]; }

  void SkipSpace() {
    while (!AtEnd()) {
      const char c = text_[position_];
      if (c != ' ' && c != '\t' && c != '\n' && c != '\r') return;
      ++position_;
    }
  }

  bool ReadValue(int depth, Json* value) {
    if (depth > kMaxJsonDepth) return Fail("nested too deeply");
    switch (Peek()) {
      case '{':
        return ReadObject(depth, value);
      case '[':
        return ReadArray(depth, value);
      case '"': {
        std::string text;
        if (!ReadString(&text)) return false;
        *value = Json(std::move(text));
        return true;
      }
      case 't':
        return ReadLiteral("true", Json(true), value);
      case 'f':
        return ReadLiteral("false", Json(false), value);
      case 'n':
        return ReadLiteral("null", Json(), value);
      default:
        return ReadNumber(value);
    }
  }

  bool ReadLiteral(std::string_view word, Json literal, Json* value) {
    if (text_.substr(position_, word.size()) != word) {
      return Fail("unexpected character");
    }
    position_ += word.size();
    *value = std::move(literal);
    return true;
  }

  bool ReadObject(int depth, Json* value) {
    ++position_;  // '{'
    std::vector<std::string> names;
    std::vector<Json> members;
    SkipSpace();
    if (Peek() != '}') {
      for (;;) {
        SkipSpace();
        if (Peek() != '"') return Fail("expected a member name");
        names.emplace_back();
        if (!ReadString(&names.back())) return false;
        SkipSpace();
        if (Peek() != ':') return Fail("expected ':'");
        ++position_;
        SkipSpace();
        members.emplace_back();
        if (!ReadValue(depth + 1, &members.back())) return false;
        SkipSpace();
        if (Peek() == '}') break;
        if (Peek() != ',') return Fail("expected ',' or '}'");
        ++position_;
      }
    }
    ++position_;
    // Sorted copies find a repeated name in n log n, however many members.
    std::vector<std::string_view> sorted(names.begin(), names.end());
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
      return Fail("repeated member name");
    }
    *value = Json::Object();
    for (size_t i = 0; i < names.size(); ++i) {
      value->Append(std::move(names[i]), std::move(members[i]));
    }
    return true;
  }

  bool ReadArray(int depth, Json* value) {
    ++position_;  // '['
    *value = Json::Array();
    SkipSpace();
    if (Peek() == ']') {
      ++position_;
      return true;
    }
    for (;;) {
      SkipSpace();
      Json element;
      if (!ReadValue(depth + 1, &element)) return false;
      value->Push(std::move(element));
      SkipSpace();
      if (Peek() == ']') break;
      if (Peek() != ',') return Fail("expected ',' or ']'");
      ++position_;
    }
    ++position_;
    return true;
  }

  bool ReadNumber(Json* value) {
    const size_t start = position_;
    const auto digits = [this] {
      const size_t from = position_;
      while (!AtEnd() && Peek() >= '0' && Peek() <= '9') ++position_;
      return position_ - from;
    };
    if (Peek() == '-') ++position_;
    if (Peek() == '0') {
      ++position_;
    } else if (digits() == 0) {
      return Fail(start == position_ ? "unexpected character"
                                     : "expected a digit");
    }
    if (Peek() == '.') {
      ++position_;
      if (digits() == 0) return Fail("expected a digit after '.'");
    }
    if (Peek() == 'e' || Peek() == 'E') {
      ++position_;
      if (Peek() == '+' || Peek() == '-') ++position_;
      if (digits() == 0) return Fail("expected a digit in the exponent");
    }
    double number = 0;
    const char* first = text_.data() + start;
    const char* last = text_.data() + position_;
    const std::from_chars_result read = std::from_chars(first, last, number);
    if (read.ec != std::errc() || read.ptr != last || !std::isfinite(number)) {
      position_ = start;
      return Fail("number out of range");
    }
    *value = Json(number);
    return true;
  }

  bool ReadHex4(uint32_t* unit) {
    if (text_.size() - position_ < 4) return Fail("cut \\u escape");
    *unit = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[position_++];
      uint32_t digit;
      if (c >= '0' && c <= '9') {
        digit = c - '0';
      } else if (c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
      } else if (c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
      } else {
        return Fail("bad hex digit in \\u escape");
      }
      *unit = *unit * 16 + digit;
    }
    return true;
  }

  // After "\u": one escaped code point, joining a surrogate pair.
  bool ReadUnicodeEscape(std::string* out) {
    uint32_t unit;
    if (!ReadHex4(&unit)) return false;
    if (unit >= 0xD800 && unit <= 0xDBFF &&
        text_.substr(position_, 2) == "\\u") {
      const size_t after_high = position_;
      position_ += 2;
      uint32_t low;
      if (!ReadHex4(&low)) return false;
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), out);
        return true;
      }
      position_ = after_high;  // the next escape stands on its own
    }
    const bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;
    AppendUtf8(surrogate ? kReplacementCharacter : unit, out);
    return true;
  }

  bool ReadEscape(std::string* out) {
    if (AtEnd()) return Fail("unterminated string");
    const char c = text_[position_++];
    switch (c) {
      case '"':
      case '\\':
      case '/':
        out->push_back(c);
        return true;
      case 'b':
        out->push_back('\b');
        return true;
      case 'f':
        out->push_back('\f');
        return true;
      case 'n':
        out->push_back('\n');
        return true;
      case 'r':
        out->push_back('\r');
        return true;
      case 't':
        out->push_back('\t');
        return true;
      case 'u':
        return ReadUnicodeEscape(out);
      default:
        --position_;
        return Fail("bad escape");
    }
  }

  bool ReadString(std::string* out) {
    ++position_;  // '"'
    for (;;) {
      // Copy the run of bytes that need no decoding in one go.
      const size_t run_start = position_;
      while (!AtEnd()) {
        const unsigned char c = static_cast<unsigned char>(text_[position_]);
        if (c == '"' || c == '\\' || c < 0x20 || c >= 0x80) break;
        ++position_;
      }
      out->append(text_.substr(run_start, position_ - run_start));
      if (AtEnd()) return Fail("unterminated string");
      const unsigned char c = static_cast<unsigned char>(text_[position_]);
      if (c == '"') {
        ++position_;
        return true;
      }
      if (c == '\\') {
        ++position_;
        if (!ReadEscape(out)) return false;
      } else if (c < 0x20) {
        return Fail("control character in string");
      } else {
        const size_t length = Utf8SequenceLength(text_.substr(position_));
        if (length == 0) return Fail("invalid UTF-8");
        out->append(text_.substr(position_, length));
        position_ += length;
      }
    }
  }

  const std::string_view text_;
  size_t position_ = 0;
  const char* error_ = "";
};

}  // namespace

Status ReadJson(std::string_view text, Json* value) {
  return JsonReader(text).Read(value);
}

}  // namespace lsp
}  // namespace tesvar
