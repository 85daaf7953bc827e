// The JSON value and its writer. Numbers are written with std::to_chars,
// which gives the shortest text that reads back as the same double and
// ignores the locale.
// Tested by json_test.cc.

#include "tools/lsp/json.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "tools/lsp/utf8.h"

namespace tesvar {
namespace lsp {

namespace {

// Members reserved for a new object.
constexpr size_t kSmallObject = 6;

}  // namespace

const Json* Json::Find(std::string_view key) const {
  for (const Member& member : members_) {
    if (member.key == key) return &member.value;
  }
  return nullptr;
}

Json& Json::Push(Json value) & {
  items_.push_back(std::move(value));
  return *this;
}

Json&& Json::Push(Json value) && { return std::move(Push(std::move(value))); }

Json& Json::Set(std::string_view key, Json value) & {
  for (Member& member : members_) {
    if (member.key == key) {
      member.value = std::move(value);
      return *this;
    }
  }
  Append(std::string(key), std::move(value));
  return *this;
}

Json&& Json::Set(std::string_view key, Json value) && {
  return std::move(Set(key, std::move(value)));
}

void Json::Append(std::string key, Json value) {
  // The protocol's objects have a handful of members: room for them at
  // once saves the growing steps.
  if (members_.empty()) members_.reserve(kSmallObject);
  members_.push_back(Member{std::move(key), std::move(value)});
}

bool operator==(const Json& a, const Json& b) {
  if (a.type_ != b.type_) return false;
  switch (a.type_) {
    case Json::Type::kNull:
      return true;
    case Json::Type::kBool:
      return a.bool_ == b.bool_;
    case Json::Type::kNumber:
      return a.number_ == b.number_;
    case Json::Type::kString:
      return a.string_ == b.string_;
    case Json::Type::kArray:
      return a.items_ == b.items_;
    case Json::Type::kObject:
      return std::equal(a.members_.begin(), a.members_.end(),
                        b.members_.begin(), b.members_.end(),
                        [](const Json::Member& x, const Json::Member& y) {
                          return x.key == y.key && x.value == y.value;
                        });
  }
  return false;
}

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
// Integers up to this size are exact in a double.
constexpr double kExactIntegerLimit = 9007199254740992.0;  // 2^53

void AppendEscapedByte(unsigned char byte, std::string* out) {
  out->append("\\u00");
  out->push_back(kHexDigits[byte >> 4]);
  out->push_back(kHexDigits[byte & 0xF]);
}

bool NeedsNoEscape(unsigned char byte) {
  return byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\';
}

void AppendString(std::string_view text, std::string* out) {
  out->push_back('"');
  size_t i = 0;
  while (i < text.size()) {
    // Copy the run of bytes that stand for themselves in one go.
    const size_t run_start = i;
    while (i < text.size() &&
           NeedsNoEscape(static_cast<unsigned char>(text[i]))) {
      ++i;
    }
    out->append(text.substr(run_start, i - run_start));
    if (i == text.size()) break;
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
      const size_t length = Utf8SequenceLength(text.substr(i));
      if (length == 0) {
        AppendEscapedByte(byte, out);
        ++i;
      } else {
        out->append(text.substr(i, length));
        i += length;
      }
      continue;
    }
    switch (byte) {
      case '"':
        out->append("\\\"");
        break;
      case '\\':
        out->append("\\\\");
        break;
      case '\n':
        out->append("\\n");
        break;
      case '\r':
        out->append("\\r");
        break;
      case '\t':
        out->append("\\t");
        break;
      default:
        AppendEscapedByte(byte, out);
    }
    ++i;
  }
  out->push_back('"');
}

void AppendNumber(double value, std::string* out) {
  if (!std::isfinite(value)) {
    out->append("null");
    return;
  }
  char buffer[32];
  std::to_chars_result written;
  if (value == std::trunc(value) && std::fabs(value) < kExactIntegerLimit) {
    written = std::to_chars(buffer, buffer + sizeof(buffer),
                            static_cast<long long>(value));
  } else {
    written = std::to_chars(buffer, buffer + sizeof(buffer), value);
  }
  out->append(buffer, written.ptr);
}

}  // namespace

void AppendJson(const Json& value, std::string* out) {
  switch (value.type()) {
    case Json::Type::kNull:
      out->append("null");
      return;
    case Json::Type::kBool:
      out->append(value.boolean() ? "true" : "false");
      return;
    case Json::Type::kNumber:
      AppendNumber(value.number(), out);
      return;
    case Json::Type::kString:
      AppendString(value.string(), out);
      return;
    case Json::Type::kArray:
      out->push_back('[');
      for (size_t i = 0; i < value.items().size(); ++i) {
        if (i > 0) out->push_back(',');
        AppendJson(value.items()[i], out);
      }
      out->push_back(']');
      return;
    case Json::Type::kObject:
      out->push_back('{');
      for (size_t i = 0; i < value.members().size(); ++i) {
        if (i > 0) out->push_back(',');
        AppendString(value.members()[i].key, out);
        out->push_back(':');
        AppendJson(value.members()[i].value, out);
      }
      out->push_back('}');
      return;
  }
}

std::string WriteJson(const Json& value) {
  std::string out;
  AppendJson(value, &out);
  return out;
}

}  // namespace lsp
}  // namespace tesvar
