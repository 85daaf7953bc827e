// Json is the value type of the language server's messages: null, a
// boolean, a number, a string, an array or an object whose members keep
// the order in which they were added. Strings hold UTF-8 bytes.
//
// ReadJson is strict: exactly one value (RFC 8259) and white space, valid
// UTF-8, no duplicate member names, nesting at most kMaxJsonDepth deep.
// WriteJson writes compactly; it keeps well-formed UTF-8 as it is and
// writes any other byte as the Latin-1 character of that value (\u00xx),
// so that lexicon texts in an 8-bit encoding still come out readable.
//
// A Json is a plain value; distinct values may be used from distinct
// threads.

#ifndef TESVAR_TOOLS_LSP_JSON_H_
#define TESVAR_TOOLS_LSP_JSON_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "tesvar/status.h"

namespace tesvar {
namespace lsp {

// Deep enough for any message of the protocol; shallow enough that the
// recursive reader cannot run out of stack.
constexpr int kMaxJsonDepth = 64;

class Json {
 public:
  enum class Type { kNull, kBool, kNumber, kString, kArray, kObject };

  Json() = default;
  Json(std::nullptr_t) {}  // NOLINT: null converts implicitly
  Json(bool value) : type_(Type::kBool), bool_(value) {}  // NOLINT
  template <typename T, typename = std::enable_if_t<std::is_arithmetic_v<T> &&
                                                    !std::is_same_v<T, bool>>>
  Json(T value)  // NOLINT: numbers convert implicitly
      : type_(Type::kNumber), number_(static_cast<double>(value)) {}
  Json(std::string value)  // NOLINT
      : type_(Type::kString), string_(std::move(value)) {}
  Json(std::string_view value)  // NOLINT
      : type_(Type::kString), string_(value) {}
  Json(const char* value)  // NOLINT
      : type_(Type::kString), string_(value) {}

  static Json Array() { return Json(Type::kArray); }
  static Json Object() { return Json(Type::kObject); }

  Type type() const { return type_; }
  bool is_null() const { return type_ == Type::kNull; }
  bool is_bool() const { return type_ == Type::kBool; }
  bool is_number() const { return type_ == Type::kNumber; }
  bool is_string() const { return type_ == Type::kString; }
  bool is_array() const { return type_ == Type::kArray; }
  bool is_object() const { return type_ == Type::kObject; }

  // The value of a boolean, number or string; false, 0 or empty for any
  // other type.
  bool boolean() const { return bool_; }
  double number() const { return number_; }
  const std::string& string() const { return string_; }

  // The elements of an array; empty for any other type.
  const std::vector<Json>& items() const { return items_; }
  // The members of an object in their order; empty for any other type.
  struct Member;
  const std::vector<Member>& members() const { return members_; }

  // The value of member `key`, or nullptr when this is not an object or
  // has no such member.
  const Json* Find(std::string_view key) const;

  // Appends an element. REQUIRES: is_array(). Returns the array, so that
  // calls chain; on a temporary the chain moves instead of copying.
  Json& Push(Json value) &;
  Json&& Push(Json value) &&;
  // Sets member `key`, replacing its value if present. REQUIRES:
  // is_object(). Returns the object, as Push() does.
  Json& Set(std::string_view key, Json value) &;
  Json&& Set(std::string_view key, Json value) &&;
  // Appends member `key` without looking for it first, for building large
  // objects in linear time. REQUIRES: is_object() and no member `key`.
  void Append(std::string key, Json value);

  friend bool operator==(const Json& a, const Json& b);
  friend bool operator!=(const Json& a, const Json& b) { return !(a == b); }

 private:
  explicit Json(Type type) : type_(type) {}

  Type type_ = Type::kNull;
  bool bool_ = false;
  double number_ = 0;
  std::string string_;
  std::vector<Json> items_;      // arrays only
  std::vector<Member> members_;  // objects only
};

struct Json::Member {
  std::string key;
  Json value;
};

// The member `key` of *value, or nullptr when value is nullptr, not an
// object or has no such member; chains through absent members.
inline const Json* Member(const Json* value, std::string_view key) {
  return value == nullptr ? nullptr : value->Find(key);
}

// Reads `text` as one JSON value into *value. On error returns
// InvalidInput naming the byte offset and what is wrong, and leaves *value
// unspecified.
Status ReadJson(std::string_view text, Json* value);

// Appends the compact text of `value` to *out. Numbers that are integers
// below 2^53 are written without a fraction, others in the shortest form
// that reads back the same; a number that is not finite is written as
// null.
void AppendJson(const Json& value, std::string* out);
std::string WriteJson(const Json& value);

}  // namespace lsp
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LSP_JSON_H_
