// StringList: the list of texts used for error messages and suggestions,
// appended at the tail and read from the head.

#ifndef TESVAR_STRING_LIST_H_
#define TESVAR_STRING_LIST_H_

#include <string>
#include <vector>

namespace tesvar {

using StringList = std::vector<std::string>;

}  // namespace tesvar

#endif  // TESVAR_STRING_LIST_H_
