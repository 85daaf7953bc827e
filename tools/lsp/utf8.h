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

namespace tesvar {
namespace lsp {

// The length of the well-formed UTF-8 sequence at the start of `text`, or
// 0 when it does not start with one: a continuation byte, an overlong
// form, a surrogate, a code point past U+10FFFF or a cut sequence.
size_t Utf8SequenceLength(std::string_view text);

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
