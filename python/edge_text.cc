// Tested by tests/test_tesvar.py.

#include "edge_text.h"

#include <vector>

namespace tesvar::python {
namespace py = pybind11;

namespace {

// The bytes a well-formed sequence may continue with after its first byte:
// the second byte's range depends on the first (that is what rules out
// overlong forms, surrogates and code points past U+10FFFF); any further
// byte is 0x80..0xBF.
struct LeadRow {
  unsigned char first_low, first_high;  // range of the first byte
  size_t length;
  unsigned char second_low, second_high;
};

constexpr LeadRow kLeadRows[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF}, {0xED, 0xED, 3, 0x80, 0x9F},
    {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

// Payload bits of the first byte, by sequence length.
constexpr unsigned char kFirstByteBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};

}  // namespace

size_t WellFormedUtf8(std::string_view text, size_t at, char32_t* code_point) {
  const auto byte = [&](size_t i) {
    return static_cast<unsigned char>(text[at + i]);
  };
  const unsigned char first = byte(0);
  if (first < 0x80) {
    *code_point = first;
    return 1;
  }
  for (const LeadRow& row : kLeadRows) {
    if (first < row.first_low || first > row.first_high) continue;
    if (text.size() - at < row.length) return 0;
    if (byte(1) < row.second_low || byte(1) > row.second_high) return 0;
    char32_t value = first & kFirstByteBits[row.length];
    for (size_t i = 1; i < row.length; ++i) {
      if (i > 1 && (byte(i) < 0x80 || byte(i) > 0xBF)) return 0;
      value = (value << 6) | (byte(i) & 0x3F);
    }
    *code_point = value;
    return row.length;
  }
  return 0;
}

py::str DecodeText(std::string_view bytes) {
  std::vector<Py_UCS4> characters;
  characters.reserve(bytes.size());
  for (size_t at = 0; at < bytes.size();) {
    char32_t code_point = 0;
    const size_t length = WellFormedUtf8(bytes, at, &code_point);
    if (length == 0) {
      characters.push_back(static_cast<unsigned char>(bytes[at]));
      ++at;
    } else {
      characters.push_back(code_point);
      at += length;
    }
  }
  PyObject* text =
      PyUnicode_FromKindAndData(PyUnicode_4BYTE_KIND, characters.data(),
                                static_cast<Py_ssize_t>(characters.size()));
  if (text == nullptr) throw py::error_already_set();
  return py::reinterpret_steal<py::str>(text);
}

py::list DecodeTexts(const StringList& texts) {
  py::list list(texts.size());
  for (size_t i = 0; i < texts.size(); ++i) list[i] = DecodeText(texts[i]);
  return list;
}

std::string EncodeWord(py::handle word, const char* what) {
  if (PyBytes_Check(word.ptr())) {
    return std::string(py::reinterpret_borrow<py::bytes>(word));
  }
  if (!PyUnicode_Check(word.ptr())) {
    throw py::type_error(
        py::str("{} must be str or bytes, not {}")
            .format(what, py::type::handle_of(word).attr("__name__")));
  }
  Py_ssize_t size = 0;
  const char* data = PyUnicode_AsUTF8AndSize(word.ptr(), &size);
  if (data == nullptr) throw py::error_already_set();  // lone surrogates
  return std::string(data, static_cast<size_t>(size));
}

}  // namespace tesvar::python
