// Tested end to end by lsp_session_test.cc.

#include "tools/lsp/params.h"

#include <cmath>

namespace tesvar {
namespace lsp {

namespace {

// Integers up to this size are exact in a double; no document comes near.
constexpr double kLargestIndex = 9007199254740991.0;  // 2^53 - 1

bool ReadIndex(const Json* value, size_t* index) {
  if (value == nullptr || !value->is_number()) return false;
  const double number = value->number();
  if (number < 0 || number > kLargestIndex || number != std::floor(number)) {
    return false;
  }
  *index = static_cast<size_t>(number);
  return true;
}

}  // namespace

const std::string* StringMember(const Json* object, std::string_view key) {
  const Json* const value = Member(object, key);
  return value != nullptr && value->is_string() ? &value->string() : nullptr;
}

bool ReadPosition(const Json* value, Position* position) {
  return ReadIndex(Member(value, "line"), &position->line) &&
         ReadIndex(Member(value, "character"), &position->character);
}

bool ReadRange(const Json* value, Range* range) {
  return ReadPosition(Member(value, "start"), &range->start) &&
         ReadPosition(Member(value, "end"), &range->end) &&
         range->start <= range->end;
}

}  // namespace lsp
}  // namespace tesvar
