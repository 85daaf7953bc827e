// File URIs, as the protocol names documents and workspace folders.
//
// Pure functions; thread-safe.

#ifndef TESVAR_TOOLS_LSP_URI_H_
#define TESVAR_TOOLS_LSP_URI_H_

#include <string>
#include <string_view>

namespace tesvar {
namespace lsp {

// The local path of a "file://" URI with its %XX escapes decoded
// ("file:///home/a%20b" gives "/home/a b"), or an empty string for any
// other URI or a malformed escape.
std::string PathOfUri(std::string_view uri);

}  // namespace lsp
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LSP_URI_H_
