// The Python module "tesvar": lexicons, a parser, and the readings it
// finds. Words and lexicon texts are bytes; texts handed to Python are
// decoded as Latin-1, which maps every byte to the character of the same
// number, so nothing is lost and a str of such characters maps back.
//
// A Lexicon is immutable once made. Parser.parse runs without the GIL on a
// fresh CTesvarParser, so threads may parse with one Parser at once.
// Tested by tests/test_tesvar.py.

#include <pybind11/pybind11.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "tesvar/lexicon.h"
#include "tesvar/lexicon_tsv.h"
#include "tesvar/parse_result.h"
#include "tesvar/parser.h"
#include "tesvar/sample_lexicon.h"
#include "tesvar/status.h"
#include "tesvar/version.h"

namespace py = pybind11;

namespace tesvar {
namespace {

constexpr const char* kModuleName = "tesvar";
constexpr const char* kLexiconErrorName = "LexiconError";
constexpr const char* kMemoryName = "<memory>";
// The last code point that Latin-1 can hold.
constexpr Py_UCS4 kLastLatin1 = 0xFF;

py::str Latin1(const std::string& text) {
  PyObject* decoded = PyUnicode_DecodeLatin1(
      text.data(), static_cast<Py_ssize_t>(text.size()), nullptr);
  if (decoded == nullptr) throw py::error_already_set();
  return py::reinterpret_steal<py::str>(decoded);
}

py::list Latin1List(const StringList& texts) {
  py::list list;
  for (const std::string& text : texts) list.append(Latin1(text));
  return list;
}

// The bytes of a word given as bytes, or as a str of Latin-1 characters.
std::string WordBytes(py::handle word) {
  if (PyBytes_Check(word.ptr())) {
    return std::string(py::reinterpret_borrow<py::bytes>(word));
  }
  if (!PyUnicode_Check(word.ptr())) {
    throw py::type_error(
        py::str("word must be bytes or str, not {}")
            .format(py::type::handle_of(word).attr("__name__")));
  }
  const Py_ssize_t length = PyUnicode_GetLength(word.ptr());
  for (Py_ssize_t i = 0; i < length; ++i) {
    const Py_UCS4 c = PyUnicode_ReadChar(word.ptr(), i);
    if (c > kLastLatin1) {
      throw py::value_error(
          py::str("word has U+{:04X} at index {}, which Latin-1 cannot "
                  "encode; a str word may hold only U+0000 to U+00FF (pass "
                  "bytes otherwise)")
              .format(c, i));
    }
  }
  PyObject* encoded = PyUnicode_AsLatin1String(word.ptr());
  if (encoded == nullptr) throw py::error_already_set();
  return std::string(py::reinterpret_steal<py::bytes>(encoded));
}

// Raises tesvar.LexiconError with a loader message. The message holds the
// source name as file-system bytes, so it is decoded the same way back.
[[noreturn]] void RaiseLexiconError(const std::string& message) {
  const py::object text =
      py::module_::import("os").attr("fsdecode")(py::bytes(message));
  const py::object error_type =
      py::module_::import(kModuleName).attr(kLexiconErrorName);
  PyErr_SetObject(error_type.ptr(), text.ptr());
  throw py::error_already_set();
}

// Loads `data`, named `name` (a str or a path) in messages, or raises
// tesvar.LexiconError with the loader's "NAME:LINE: what" message.
std::shared_ptr<CLexicon> LoadTsv(const py::bytes& data,
                                  const py::object& name) {
  const std::string name_bytes =
      py::module_::import("os").attr("fsencode")(name).cast<std::string>();
  const std::string_view text = data;  // a view of the immutable bytes
  auto lexicon = std::make_shared<CLexicon>();
  Status status;
  {
    py::gil_scoped_release release;
    status = ParseLexiconTsv(text, name_bytes, lexicon.get());
  }
  if (!status.ok()) RaiseLexiconError(status.message());
  return lexicon;
}

// Reads the whole file with Python's own I/O, so that a missing or
// unreadable file raises the usual OSError.
std::shared_ptr<CLexicon> LoadFile(const py::object& path) {
  const py::object file = py::module_::import("io").attr("open")(path, "rb");
  const py::bytes data = file.attr("read")();
  file.attr("close")();
  return LoadTsv(data, py::module_::import("os").attr("fspath")(path));
}

std::shared_ptr<CLexicon> LoadSample() {
  auto lexicon = std::make_shared<CLexicon>();
  const Status status = LoadSampleLexicon(lexicon.get());
  if (!status.ok()) RaiseLexiconError(status.message());
  return lexicon;
}

// A parser keeps its lexicon alive; each call parses on its own
// CTesvarParser, since that object carries per-call state.
struct Parser {
  std::shared_ptr<const CLexicon> lexicon;
};

py::list Parse(const Parser& parser, const py::object& word) {
  std::string bytes = WordBytes(word);
  ParseResults results;
  {
    py::gil_scoped_release release;
    CTesvarParser cpp_parser(parser.lexicon.get());
    cpp_parser.ParseWord(std::move(bytes), results);
  }
  py::list readings;
  for (CParseResult& result : results) readings.append(std::move(result));
  return readings;
}

py::str ResultRepr(const CParseResult& r) {
  return py::str(
             "Result(pos={!r}, word={!r}, key={!r}, analysis={!r}, "
             "score={!r}, errors={!r}, suggestions={!r}, native={!r})")
      .format(Latin1(r.m_strPOS), Latin1(r.m_strWord), Latin1(r.m_strKey),
              Latin1(r.m_strAnalysis), r.m_dScore, Latin1List(r.m_lstErrors),
              Latin1List(r.m_lstSuggestions), Latin1(r.m_strNative));
}

void DefineLexicon(py::module_& m) {
  py::class_<CLexicon, std::shared_ptr<CLexicon>>(
      m, "Lexicon",
      "Lexicon entries, made by load(), from_tsv() or sample(); immutable.")
      .def_static("load", &LoadFile, py::arg("path"),
                  "Reads a lexicon file (TSV version 1). Raises LexiconError "
                  "'PATH:LINE: what is wrong' for a malformed file and "
                  "OSError when the file cannot be read.")
      .def_static("from_tsv", &LoadTsv, py::arg("data"),
                  py::arg("name") = kMemoryName,
                  "Reads a lexicon from the bytes of a TSV file; `name` "
                  "stands for the file in LexiconError messages.")
      .def_static("sample", &LoadSample,
                  "The sample lexicon built into the library.")
      .def("__len__", &CLexicon::size)
      .def("__repr__", [](const CLexicon& lexicon) {
        return py::str("<tesvar.Lexicon with {} entries>")
            .format(lexicon.size());
      });
}

void DefineParser(py::module_& m) {
  py::class_<Parser>(m, "Parser",
                     "Parses words against a lexicon, which it keeps alive.")
      .def(py::init([](std::shared_ptr<CLexicon> lexicon) {
             if (lexicon == nullptr) throw py::type_error("lexicon is None");
             return Parser{std::move(lexicon)};
           }),
           py::arg("lexicon"))
      .def("parse", &Parse, py::arg("word"),
           "Every reading of `word` (bytes, or a str of characters up to "
           "U+00FF) as a list of Result, in lexicon order.");
}

void DefineResult(py::module_& m) {
  using R = CParseResult;
  py::class_<R>(m, "Result", "One reading of a word.")
      .def_property_readonly(
          "pos", [](const R& r) { return Latin1(r.m_strPOS); },
          "Part-of-speech label: N, V, P, ADV, NUM, CONJ, EXCL, Q or X.")
      .def_property_readonly(
          "word", [](const R& r) { return Latin1(r.m_strWord); },
          "The word analysed, in its normalised spelling.")
      .def_property_readonly(
          "key", [](const R& r) { return Latin1(r.m_strKey); },
          "Lexicon key of the matched entry.")
      .def_property_readonly(
          "analysis", [](const R& r) { return Latin1(r.m_strAnalysis); },
          "English rendering of the reading.")
      .def_readonly("score", &R::m_dScore,
                    "1.0 exactly for a flawless reading, smaller for each "
                    "irregularity.")
      .def_property_readonly(
          "errors", [](const R& r) { return Latin1List(r.m_lstErrors); },
          "What is wrong with the word under this reading.")
      .def_property_readonly(
          "suggestions",
          [](const R& r) { return Latin1List(r.m_lstSuggestions); },
          "Corrected word forms.")
      .def_property_readonly(
          "native", [](const R& r) { return Latin1(r.m_strNative); },
          "The reading written back in the language's own notation.")
      .def("__repr__", &ResultRepr);
}

}  // namespace
}  // namespace tesvar

PYBIND11_MODULE(tesvar, m) {
  m.doc() = "Analyses words of Tesvar against a lexicon.";
  m.attr("__version__") = TESVAR_VERSION_STRING;
  // A malformed lexicon is a bad value, so the error is a ValueError.
  PyObject* lexicon_error = PyErr_NewExceptionWithDoc(
      "tesvar.LexiconError",
      "A lexicon text is malformed; the message reads "
      "'NAME:LINE: what is wrong'.",
      PyExc_ValueError, nullptr);
  if (lexicon_error == nullptr) throw py::error_already_set();
  m.attr(tesvar::kLexiconErrorName) =
      py::reinterpret_steal<py::object>(lexicon_error);
  tesvar::DefineLexicon(m);
  tesvar::DefineResult(m);
  tesvar::DefineParser(m);
}
