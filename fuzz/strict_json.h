// A small strict reader of JSON text, for checking what the command line
// writes. It accepts exactly the JSON grammar (objects, arrays, strings,
// numbers, true, false, null, blanks between tokens) and, since the
// command line's strings carry bytes, only escapes that stand for one byte:
// \" \\ \/ \b \f \n \r \t and \u0000 to \u00ff (the byte read as Latin-1).
// Raw bytes in strings must be printable ASCII or well-formed UTF-8, as
// the writer promises; each stands for itself.
//
// Pure functions; thread-safe.

#ifndef TESVAR_FUZZ_STRICT_JSON_H_
#define TESVAR_FUZZ_STRICT_JSON_H_

#include <string>
#include <string_view>
#include <vector>

namespace tesvar {
namespace fuzz {

// One scalar of a JSON text, in document order. Object keys are strings
// too, so {"a": [1]} gives the string "a" and the number "1".
struct JsonScalar {
  enum class Kind { kString, kNumber, kLiteral };
  Kind kind;
  std::string text;  // decoded bytes of a string; the source of the rest
};

// Reads `text` as one JSON value with nothing after it but blanks. Returns
// true and fills *scalars, or returns false when the text is not JSON.
bool ReadJson(std::string_view text, std::vector<JsonScalar>* scalars);

}  // namespace fuzz
}  // namespace tesvar

#endif  // TESVAR_FUZZ_STRICT_JSON_H_
