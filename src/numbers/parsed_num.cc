// Number words. PLACEHOLDER: filled in by the number analysis work.

#include "numbers/parsed_num.h"

namespace tesvar {

int CParsedNum::Parse(std::string_view, const CTWord&) { return 0; }

}  // namespace tesvar
