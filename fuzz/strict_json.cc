// A recursive-descent reader over a string_view, one function per rule of
// the JSON grammar. Nesting is bounded so that no text can exhaust the
// stack.

#include "fuzz/strict_json.h"

#include "tesvar/utf8.h"

namespace tesvar {
namespace fuzz {

namespace {

// Deeper nesting than the command line ever writes.
constexpr int kMaxDepth = 64;

class Reader {
 public:
  Reader(std::string_view text, std::vector<JsonScalar>* scalars)
      : rest_(text), scalars_(scalars) {}

  bool Document() {
    if (!Value(0)) return false;
    SkipBlanks();
    return rest_.empty();
  }

 private:
  bool Value(int depth) {
    SkipBlanks();
    if (rest_.empty() || depth > kMaxDepth) return false;
    switch (rest_[0]) {
      case '{':
        return Object(depth);
      case '[':
        return Array(depth);
      case '"': {
        JsonScalar scalar{JsonScalar::Kind::kString, std::string()};
        if (!String(&scalar.text)) return false;
        scalars_->push_back(std::move(scalar));
        return true;
      }
      case 't':
        return Literal("true");
      case 'f':
        return Literal("false");
      case 'n':
        return Literal("null");
      default:
        return Number();
    }
  }

  bool Object(int depth) {
    rest_.remove_prefix(1);
    SkipBlanks();
    if (Take('}')) return true;
    for (;;) {
      SkipBlanks();
      JsonScalar key{JsonScalar::Kind::kString, std::string()};
      if (rest_.empty() || rest_[0] != '"' || !String(&key.text)) return false;
      scalars_->push_back(std::move(key));
      SkipBlanks();
      if (!Take(':') || !Value(depth + 1)) return false;
      SkipBlanks();
      if (Take('}')) return true;
      if (!Take(',')) return false;
    }
  }

  bool Array(int depth) {
    rest_.remove_prefix(1);
    SkipBlanks();
    if (Take(']')) return true;
    for (;;) {
      if (!Value(depth + 1)) return false;
      SkipBlanks();
      if (Take(']')) return true;
      if (!Take(',')) return false;
    }
  }

  // At the opening quote.
  bool String(std::string* out) {
    rest_.remove_prefix(1);
    while (!rest_.empty()) {
      const char c = rest_[0];
      rest_.remove_prefix(1);
      if (c == '"') return true;
      if (c == '\\') {
        if (!Escape(out)) return false;
      } else if (c >= 0x20 && c <= 0x7E) {
        out->push_back(c);
      } else if (const size_t length = Utf8SequenceLength(
                     std::string_view(rest_.data() - 1, rest_.size() + 1))) {
        // A well-formed UTF-8 sequence stands for its own bytes.
        out->push_back(c);
        out->append(rest_.data(), length - 1);
        rest_.remove_prefix(length - 1);
      } else {
        return false;  // raw control byte or malformed UTF-8
      }
    }
    return false;  // unterminated
  }

  // After the backslash.
  bool Escape(std::string* out) {
    if (rest_.empty()) return false;
    const char c = rest_[0];
    rest_.remove_prefix(1);
    constexpr std::string_view kNamed = "\"\\/bfnrt";
    constexpr std::string_view kBytes = "\"\\/\b\f\n\r\t";
    const size_t named = kNamed.find(c);
    if (named != std::string_view::npos) {
      out->push_back(kBytes[named]);
      return true;
    }
    if (c != 'u' || rest_.size() < 4) return false;
    int value = 0;
    for (int i = 0; i < 4; ++i) {
      const int digit = HexDigit(rest_[static_cast<size_t>(i)]);
      if (digit < 0) return false;
      value = value * 16 + digit;
    }
    rest_.remove_prefix(4);
    if (value > 0xFF) return false;  // not one byte
    out->push_back(static_cast<char>(value));
    return true;
  }

  static int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
  bool Number() {
    const std::string_view start = rest_;
    Take('-');
    if (!Take('0') && !Digits()) return false;
    if (Take('.') && !Digits()) return false;
    if (Take('e') || Take('E')) {
      if (!Take('+')) Take('-');
      if (!Digits()) return false;
    }
    const size_t length = start.size() - rest_.size();
    scalars_->push_back(
        {JsonScalar::Kind::kNumber, std::string(start.substr(0, length))});
    return true;
  }

  bool Digits() {
    size_t n = 0;
    while (n < rest_.size() && rest_[n] >= '0' && rest_[n] <= '9') ++n;
    rest_.remove_prefix(n);
    return n > 0;
  }

  bool Literal(std::string_view word) {
    if (rest_.substr(0, word.size()) != word) return false;
    rest_.remove_prefix(word.size());
    scalars_->push_back({JsonScalar::Kind::kLiteral, std::string(word)});
    return true;
  }

  bool Take(char c) {
    if (rest_.empty() || rest_[0] != c) return false;
    rest_.remove_prefix(1);
    return true;
  }

  void SkipBlanks() {
    while (!rest_.empty() && (rest_[0] == ' ' || rest_[0] == '\t' ||
                              rest_[0] == '\n' || rest_[0] == '\r')) {
      rest_.remove_prefix(1);
    }
  }

  std::string_view rest_;
  std::vector<JsonScalar>* const scalars_;
};

}  // namespace

bool ReadJson(std::string_view text, std::vector<JsonScalar>* scalars) {
  scalars->clear();
  return Reader(text, scalars).Document();
}

}  // namespace fuzz
}  // namespace tesvar
