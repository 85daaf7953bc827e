// Texts and words crossing between the library (bytes) and Python (str).
//
// A text the library hands out becomes a str by one rule: each well-formed
// UTF-8 sequence (Unicode's table: no overlong forms, no surrogates,
// nothing past U+10FFFF) becomes its character, and every other byte the
// character of the same number (its Latin-1 reading). So UTF-8 lexicons
// read naturally and no byte is ever dropped or refused.
//
// A word given as str is encoded as UTF-8; bytes are taken as they are.
//
// Call with the GIL held. Tested by tests/test_tesvar.py.

#ifndef TESVAR_PYTHON_EDGE_TEXT_H_
#define TESVAR_PYTHON_EDGE_TEXT_H_

#include <pybind11/pybind11.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "tesvar/string_list.h"

namespace tesvar::python {

// `bytes` as a str, by the rule above.
pybind11::str DecodeText(std::string_view bytes);
pybind11::list DecodeTexts(const StringList& texts);

// The bytes of a word or key given as str (UTF-8) or bytes. Raises
// TypeError for anything else, naming `what` ("word", "key").
std::string EncodeWord(pybind11::handle word, const char* what);

}  // namespace tesvar::python

#endif  // TESVAR_PYTHON_EDGE_TEXT_H_
