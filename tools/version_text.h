// The text of `tesvar --version`: the version, the build (compiler and
// build type) and the lexicon built into the program.
//
// Pure function; thread-safe.

#ifndef TESVAR_TOOLS_VERSION_TEXT_H_
#define TESVAR_TOOLS_VERSION_TEXT_H_

#include <string>

namespace tesvar {
namespace cli {

// "tesvar 0.1.0\nbuild: g++ 12.2.0, Release\nlexicon: built-in sample,
// 44 entries\n".
std::string VersionText();

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_VERSION_TEXT_H_
