// Only local files matter here: the path is where a relative lexicon path
// is looked for. A host part other than empty or "localhost" names another
// machine, which a path cannot reach.
// Tested by json_test.cc.

#include "tools/lsp/uri.h"

namespace tesvar {
namespace lsp {

namespace {

constexpr std::string_view kFileScheme = "file://";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string PathOfUri(std::string_view uri) {
  if (uri.substr(0, kFileScheme.size()) != kFileScheme) return std::string();
  std::string_view rest = uri.substr(kFileScheme.size());
  const size_t slash = rest.find('/');
  if (slash == rest.npos) return std::string();
  const std::string_view host = rest.substr(0, slash);
  if (!host.empty() && host != "localhost") return std::string();
  rest.remove_prefix(slash);
  std::string path;
  for (size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] != '%') {
      path.push_back(rest[i]);
      continue;
    }
    const int high = i + 2 < rest.size() ? HexValue(rest[i + 1]) : -1;
    const int low = i + 2 < rest.size() ? HexValue(rest[i + 2]) : -1;
    if (high < 0 || low < 0) return std::string();
    path.push_back(static_cast<char>(high * 16 + low));
    i += 2;
  }
  return path;
}

}  // namespace lsp
}  // namespace tesvar
