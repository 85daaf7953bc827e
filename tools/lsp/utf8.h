// UTF-8 helpers for the language server, whose messages are UTF-8 and whose
// positions count UTF-16 code units.
//
// Pure functions; thread-safe.

#ifndef TESVAR_TOOLS_LSP_UTF8_H_
#define TESVAR_TOOLS_LSP_UTF8_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tesvar/utf8.h"

namespace tesvar {
namespace lsp {

// Utf8SequenceLength (tesvar/utf8.h) tells where well-formed UTF-8 ends.
using tesvar::Utf8SequenceLength;

// Appends `code_point` in UTF-8. REQUIRES: code_point <= 0x10FFFF and not
// a surrogate.
void AppendUtf8(uint32_t code_point, std::string* out);

inline bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// UTF-16 code units of the character that starts with the byte `lead` of
// well-formed UTF-8: two for a four-byte sequence, one otherwise.
inline size_t Utf16Units(char lead) {
  return static_cast<unsigned char>(lead) >= 0xF0 ? 2 : 1;
}

}  // namespace lsp
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LSP_UTF8_H_
