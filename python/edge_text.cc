// Tested by tests/test_tesvar.py.

#include "edge_text.h"

#include <string>

#include "tesvar/utf8.h"

namespace tesvar::python {
namespace py = pybind11;

py::str DecodeText(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  AppendAsUtf8(bytes, &text);
  PyObject* decoded = PyUnicode_DecodeUTF8(
      text.data(), static_cast<Py_ssize_t>(text.size()), "strict");
  if (decoded == nullptr) throw py::error_already_set();
  return py::reinterpret_steal<py::str>(decoded);
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
