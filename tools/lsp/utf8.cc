// Tested by json_test.cc and text_document_test.cc.

#include "tools/lsp/utf8.h"

namespace tesvar {
namespace lsp {

void AppendUtf8(uint32_t code_point, std::string* out) {
  const auto put = [out](uint32_t bits) {
    out->push_back(static_cast<char>(bits));
  };
  if (code_point < 0x80) {
    put(code_point);
  } else if (code_point < 0x800) {
    put(0xC0 | (code_point >> 6));
    put(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    put(0xE0 | (code_point >> 12));
    put(0x80 | ((code_point >> 6) & 0x3F));
    put(0x80 | (code_point & 0x3F));
  } else {
    put(0xF0 | (code_point >> 18));
    put(0x80 | ((code_point >> 12) & 0x3F));
    put(0x80 | ((code_point >> 6) & 0x3F));
    put(0x80 | (code_point & 0x3F));
  }
}

}  // namespace lsp
}  // namespace tesvar
