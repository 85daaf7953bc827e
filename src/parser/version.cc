#include "tesvar/version.h"

namespace tesvar {

const char* Version() { return TESVAR_VERSION_STRING; }

}  // namespace tesvar
