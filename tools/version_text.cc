// The build type comes from the build system as TESVAR_BUILD_TYPE.
// Tested end to end by cli_run_test.cc.

#include "tools/version_text.h"

#include "tesvar/version.h"
#include "tools/lexicon_file.h"

#ifndef TESVAR_BUILD_TYPE
#define TESVAR_BUILD_TYPE ""
#endif

namespace tesvar {
namespace cli {

namespace {

constexpr const char* kCompiler =
#if defined(__clang__)
    "clang++ " __clang_version__;
#elif defined(__GNUC__)
    "g++ " __VERSION__;
#else
    "unknown compiler";
#endif

}  // namespace

std::string VersionText() {
  const std::string build_type = TESVAR_BUILD_TYPE;
  CLexicon sample;
  const Status loaded = LoadLexicon(std::string(), &sample);
  return std::string("tesvar ") + TESVAR_VERSION_STRING +
         "\nbuild: " + kCompiler + ", " +
         (build_type.empty() ? std::string("no build type") : build_type) +
         "\nlexicon: " +
         (loaded.ok() ? DescribeLexicon(std::string(), sample)
                      : "built-in sample, broken: " + loaded.message()) +
         "\n";
}

}  // namespace cli
}  // namespace tesvar
