// Readers of the parts of request parameters that the handlers share.
// Each returns false (or nullptr) when the part is absent or malformed,
// leaving its output unspecified.
//
// Pure functions; thread-safe.

#ifndef TESVAR_TOOLS_LSP_PARAMS_H_
#define TESVAR_TOOLS_LSP_PARAMS_H_

#include <string>
#include <string_view>

#include "tools/lsp/json.h"
#include "tools/lsp/text_document.h"

namespace tesvar {
namespace lsp {

// The string member `key` of *object; nullptr for no object, no member or
// a member of another type.
const std::string* StringMember(const Json* object, std::string_view key);

// A {"line", "character"} object of non-negative integers.
bool ReadPosition(const Json* value, Position* position);

// A {"start", "end"} object of positions, start not after end.
bool ReadRange(const Json* value, Range* range);

}  // namespace lsp
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LSP_PARAMS_H_
