// Texts at the edges. Inside, tesvar's texts are bytes; where they leave
// for a world that expects Unicode (JSON, Python, JavaScript, an editor),
// every front end reads them by one rule: a well-formed UTF-8 sequence is
// its character, and any other byte is the Latin-1 character of that byte.
// So UTF-8 text comes out as written, and no byte is ever lost.
//
// "Well-formed" is Unicode's table of well-formed byte sequences: no
// overlong forms, no surrogates, nothing past U+10FFFF.
//
// Pure functions; thread-safe.

#ifndef TESVAR_UTF8_H_
#define TESVAR_UTF8_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace tesvar {

// The length (1 to 4) of the well-formed UTF-8 sequence at the start of
// `text`, or 0 when `text` is empty or starts with anything else. When it
// is not 0 and `code_point` is not null, stores the character there.
inline size_t Utf8SequenceLength(std::string_view text,
                                 char32_t* code_point = nullptr) {
  if (text.empty()) return 0;
  const auto byte = [&text](size_t i) {
    return static_cast<unsigned char>(text[i]);
  };
  const unsigned char lead = byte(0);
  if (lead < 0x80) {
    if (code_point != nullptr) *code_point = lead;
    return 1;
  }
  size_t length;
  char32_t value;
  // The range of the second byte, which rules out overlong forms,
  // surrogates and values past U+10FFFF.
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(i) & 0x3F);
  }
  if (code_point != nullptr) *code_point = value;
  return length;
}

// Appends `text` to *out as well-formed UTF-8 by the rule above: its
// well-formed sequences as they are, each other byte as the two-byte
// UTF-8 form of its Latin-1 character.
inline void AppendAsUtf8(std::string_view text, std::string* out) {
  size_t i = 0;
  while (i < text.size()) {
    const size_t length = Utf8SequenceLength(text.substr(i));
    if (length != 0) {
      out->append(text.data() + i, length);
      i += length;
      continue;
    }
    const auto byte = static_cast<unsigned char>(text[i++]);
    out->push_back(static_cast<char>(0xC0 | (byte >> 6)));
    out->push_back(static_cast<char>(0x80 | (byte & 0x3F)));
  }
}

}  // namespace tesvar

#endif  // TESVAR_UTF8_H_
