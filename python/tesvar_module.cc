// The Python extension tesvar._tesvar, which the package tesvar re-exports:
// lexicons (read-only mappings from keys to entries), parsers with limits,
// the readings they find, as values (equality, hashing, repr, pickle), and
// spelling correctors (corrector_object.h).
//
// Texts cross by the rule of edge_text.h. A Lexicon is immutable once
// made; a Parser shares one const CTesvarParser between its calls (see
// parser_object.h), which release the GIL.
// Tested by tests/test_tesvar.py.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "corrector_object.h"
#include "edge_text.h"
#include "parser_object.h"
#include "tesvar/lexicon.h"
#include "tesvar/lexicon_tsv.h"
#include "tesvar/parse_result.h"
#include "tesvar/parser.h"
#include "tesvar/sample_lexicon.h"
#include "tesvar/status.h"
#include "tesvar/version.h"

namespace py = pybind11;

namespace tesvar::python {
namespace {

constexpr const char* kExtensionName = "tesvar._tesvar";
constexpr const char* kMemoryName = "<memory>";

py::object ExtensionAttr(const char* name) {
  return py::module_::import(kExtensionName).attr(name);
}

// ---- Errors ----

// Raises `type` with a loader message, which holds the source name as
// file-system bytes and so is decoded the same way back.
[[noreturn]] void RaiseLoadError(PyObject* type, const std::string& message) {
  const py::object text =
      py::module_::import("os").attr("fsdecode")(py::bytes(message));
  PyErr_SetObject(type, text.ptr());
  throw py::error_already_set();
}

[[noreturn]] void RaiseLexiconError(const std::string& message) {
  RaiseLoadError(ExtensionAttr("LexiconError").ptr(), message);
}

// The exception for a word the parser refused, with the word attached.
py::object RefusalFor(const Status& status, py::handle word) {
  const char* type = status.code() == Status::Code::kWordTooLong
                         ? "WordTooLong"
                         : "WordTooComplex";
  py::object error = ExtensionAttr(type)(DecodeText(status.message()));
  error.attr("word") = word;
  return error;
}

py::list Readings(WordOutcome& outcome) {
  py::list readings;
  for (CParseResult& result : outcome.results) {
    readings.append(py::cast(std::move(result)));
  }
  return readings;
}

// A call stopped without a signal handler's exception: only an interrupt
// could have stopped it, so the closest Python meaning is kept.
[[noreturn]] void RaiseStopped() {
  PyErr_SetNone(PyExc_KeyboardInterrupt);
  throw py::error_already_set();
}

// ---- Lexicon ----

using LexiconPtr = std::shared_ptr<CLexicon>;

LexiconPtr LoadTsv(const py::bytes& data, const py::object& name) {
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

// Paths only: os.fspath refuses a file descriptor before anything is
// opened. The library's loader reads the file as a stream within its
// limits, so a device or an endless pipe ends with LexiconError.
LexiconPtr LoadFile(const py::object& path) {
  const py::module_ os = py::module_::import("os");
  const py::object file_path = os.attr("fspath")(path);
  const std::string name = os.attr("fsencode")(file_path).cast<std::string>();
  auto lexicon = std::make_shared<CLexicon>();
  Status status;
  {
    py::gil_scoped_release release;
    status = LoadLexiconTsvFile(name, lexicon.get());
  }
  switch (status.code()) {
    case Status::Code::kOk:
      return lexicon;
    case Status::Code::kIoError:
      // Opening it from Python gives the precise OSError (FileNotFoundError,
      // PermissionError, ...); if that works, reading failed later.
      py::module_::import("io").attr("open")(file_path, "rb").attr("close")();
      RaiseLoadError(PyExc_OSError, status.message());
    case Status::Code::kOutOfMemory:
      RaiseLoadError(PyExc_MemoryError, status.message());
    default:
      RaiseLexiconError(status.message());
  }
}

LexiconPtr LoadSample() {
  auto lexicon = std::make_shared<CLexicon>();
  const Status status = LoadSampleLexicon(lexicon.get());
  if (!status.ok()) RaiseLexiconError(status.message());
  return lexicon;
}

// An entry copied out of the lexicon, so that it outlives any change.
struct EntryValue {
  std::string key, headword, definition, plural;
  int32_t code = kNoun;
  bool language = false, body_part = false, inherent_plural = false,
       irregular_plural = false, stative = false;

  static EntryValue Of(const CLexicon::Entry& entry) {
    const CTWord& w = entry.word;
    return EntryValue{std::string(entry.key),
                      std::string(w.m_strHeadword),
                      std::string(w.m_strDefinition),
                      std::string(w.m_strIrregularPlural),
                      w.m_nPOS,
                      w.m_bLanguage != 0,
                      w.m_bBodyPart != 0,
                      w.m_bInherentPlural != 0,
                      w.m_bIrregularPlural != 0,
                      w.m_bStative != 0};
  }
  // The flags set, named as in lexicon files, in that order.
  py::tuple Flags() const {
    py::list flags;
    const std::pair<bool, const char*> rows[] = {
        {language, "language"},
        {body_part, "bodypart"},
        {inherent_plural, "inherentplural"},
        {irregular_plural, "irregularplural"},
        {stative, "stative"}};
    for (const auto& [set, name] : rows) {
      if (set) flags.append(name);
    }
    return py::tuple(flags);
  }
  py::tuple Fields() const {
    return py::make_tuple(DecodeText(key), DecodeText(headword),
                          DecodeText(PartOfSpeechLabel(code)), code,
                          DecodeText(definition), Flags(), DecodeText(plural));
  }
};

size_t PositionOf(const CLexicon& lexicon, py::handle key) {
  return lexicon.PositionOf(EncodeWord(key, "key"));
}

// Walks the keys in the lexicon's order, keeping the lexicon alive.
struct KeyIterator {
  std::shared_ptr<const CLexicon> lexicon;
  size_t position = 0;

  py::str Next() {
    if (position >= lexicon->size()) throw py::stop_iteration();
    return DecodeText(lexicon->entry(position++).key);
  }
};

void DefineLexicon(py::module_& m) {
  py::class_<KeyIterator>(m, "_KeyIterator")
      .def("__iter__", [](KeyIterator& it) -> KeyIterator& { return it; })
      .def("__next__", &KeyIterator::Next);

  py::class_<EntryValue>(m, "Entry", "One lexicon entry, as a value.")
      .def_property_readonly(
          "key", [](const EntryValue& e) { return DecodeText(e.key); })
      .def_property_readonly(
          "headword",
          [](const EntryValue& e) { return DecodeText(e.headword); })
      .def_property_readonly(
          "pos",
          [](const EntryValue& e) {
            return DecodeText(PartOfSpeechLabel(e.code));
          },
          "Part-of-speech label: N, V, P, ADV, NUM, CONJ, EXCL, Q or X.")
      .def_readonly("code", &EntryValue::code, "Part-of-speech code.")
      .def_property_readonly(
          "definition",
          [](const EntryValue& e) { return DecodeText(e.definition); })
      .def_property_readonly("flags", &EntryValue::Flags,
                             "The flags set, named as in lexicon files.")
      .def_property_readonly(
          "plural", [](const EntryValue& e) { return DecodeText(e.plural); },
          "The irregular plural; empty when unknown.")
      .def("__eq__",
           [](const EntryValue& a, py::object b) -> py::object {
             if (!py::isinstance<EntryValue>(b))
               return py::reinterpret_borrow<py::object>(Py_NotImplemented);
             return py::bool_(
                 a.Fields().equal(b.cast<const EntryValue&>().Fields()));
           })
      .def("__hash__", [](const EntryValue& e) { return py::hash(e.Fields()); })
      .def("__repr__", [](const EntryValue& e) {
        return py::str(
                   "Entry(key={!r}, headword={!r}, pos={!r}, code={!r}, "
                   "definition={!r}, flags={!r}, plural={!r})")
            .format(*e.Fields());
      });

  py::class_<CLexicon, std::shared_ptr<CLexicon>>(
      m, "Lexicon",
      "Lexicon entries by key, in file order; made by load(), from_tsv() "
      "or sample() and immutable. A read-only mapping from keys to Entry.")
      .def_static("load", &LoadFile, py::arg("path"),
                  "Reads a lexicon file (TSV version 1) at `path` (str, "
                  "bytes or os.PathLike) within the loader's limits. Raises "
                  "LexiconError 'PATH:LINE: what is wrong' for a malformed "
                  "or oversized file and OSError when the file cannot be "
                  "read.")
      .def_static("from_tsv", &LoadTsv, py::arg("data"),
                  py::arg("name") = kMemoryName,
                  "Reads a lexicon from the bytes of a TSV file; `name` "
                  "stands for the file in LexiconError messages.")
      .def_static("sample", &LoadSample,
                  "The sample lexicon built into the library.")
      .def("__len__", &CLexicon::size)
      .def("__iter__",
           [](const std::shared_ptr<CLexicon>& lexicon) {
             return KeyIterator{lexicon};
           })
      .def("__contains__",
           [](const CLexicon& lexicon, py::handle key) {
             if (!PyUnicode_Check(key.ptr()) && !PyBytes_Check(key.ptr())) {
               return false;
             }
             return PositionOf(lexicon, key) != CLexicon::kNotFound;
           })
      .def("__getitem__",
           [](const CLexicon& lexicon, py::handle key) {
             const size_t position = PositionOf(lexicon, key);
             if (position == CLexicon::kNotFound) {
               throw py::key_error(py::repr(key).cast<std::string>());
             }
             return EntryValue::Of(lexicon.entry(position));
           })
      .def("__repr__", [](const CLexicon& lexicon) {
        return py::str("<tesvar.Lexicon with {} entries>")
            .format(lexicon.size());
      });
}

// ---- Parser ----

std::unique_ptr<ParserObject> MakeParser(
    const std::shared_ptr<CLexicon>& lexicon, size_t max_word_bytes,
    uint64_t max_work) {
  if (lexicon == nullptr) throw py::type_error("lexicon is None");
  ParseLimits limits;
  limits.max_word_bytes = max_word_bytes;
  limits.max_work = max_work;
  return std::make_unique<ParserObject>(lexicon, limits);
}

py::list Parse(ParserObject& parser, const py::object& word) {
  WordOutcome outcome = parser.Parse(EncodeWord(word, "word"));
  if (outcome.status.code() == Status::Code::kCancelled) RaiseStopped();
  if (!outcome.status.ok()) {
    const py::object error = RefusalFor(outcome.status, word);
    PyErr_SetObject(py::type::handle_of(error).ptr(), error.ptr());
    throw py::error_already_set();
  }
  return Readings(outcome);
}

py::list ParseMany(ParserObject& parser, const py::iterable& words,
                   size_t threads) {
  if (threads < 1) throw py::value_error("threads must be at least 1");
  std::vector<py::object> given;
  std::vector<std::string> bytes;
  for (py::handle word : words) {
    bytes.push_back(EncodeWord(word, "word"));
    given.push_back(py::reinterpret_borrow<py::object>(word));
  }
  std::vector<WordOutcome> outcomes = parser.ParseMany(bytes, threads);
  py::list answers(outcomes.size());
  for (size_t i = 0; i < outcomes.size(); ++i) {
    const Status& status = outcomes[i].status;
    if (status.code() == Status::Code::kCancelled) RaiseStopped();
    answers[i] =
        status.ok() ? Readings(outcomes[i]) : RefusalFor(status, given[i]);
  }
  return answers;
}

void DefineParser(py::module_& m) {
  py::class_<ParserObject>(
      m, "Parser",
      "Parses words against a lexicon, which it keeps alive. Thread-safe; "
      "calls release the GIL.")
      .def(py::init(&MakeParser), py::arg("lexicon"), py::kw_only(),
           py::arg("max_word_bytes") = ParseLimits::kDefaultMaxWordBytes,
           py::arg("max_work") = ParseLimits::kDefaultMaxWork,
           "A parser with the limits of one call: the longest word in "
           "bytes and the work budget in work units; 0 turns a limit off.")
      .def_property_readonly(
          "lexicon",
          [](const ParserObject& p) {
            return std::const_pointer_cast<CLexicon>(p.lexicon());
          })
      .def_property_readonly(
          "max_word_bytes",
          [](const ParserObject& p) { return p.limits().max_word_bytes; })
      .def_property_readonly(
          "max_work", [](const ParserObject& p) { return p.limits().max_work; })
      .def("parse", &Parse, py::arg("word"),
           "Every reading of `word` (str, encoded as UTF-8, or bytes) as a "
           "list of Result, in lexicon order. Raises WordTooLong or "
           "WordTooComplex for a word past the limits.")
      .def("parse_many", &ParseMany, py::arg("words"), py::arg("threads") = 1,
           "parse() for each of `words`, on `threads` threads; a list in "
           "the order of the words. A refused word's place holds its "
           "WordTooLong or WordTooComplex exception instead of a list.")
      .def("__repr__", [](const ParserObject& p) {
        return py::str(
                   "<tesvar.Parser on {} entries, max_word_bytes={}, "
                   "max_work={}>")
            .format(p.lexicon()->size(), p.limits().max_word_bytes,
                    p.limits().max_work);
      });
}

// ---- Result ----

using R = CParseResult;

py::tuple ResultFields(const R& r) {
  return py::make_tuple(
      DecodeText(r.m_strPOS), DecodeText(r.m_strWord), DecodeText(r.m_strKey),
      DecodeText(r.m_strAnalysis), r.m_dScore, DecodeTexts(r.m_lstErrors),
      DecodeTexts(r.m_lstSuggestions), DecodeText(r.m_strNative));
}

bool SameResult(const R& a, const R& b) {
  return a.m_strPOS == b.m_strPOS && a.m_strWord == b.m_strWord &&
         a.m_strKey == b.m_strKey && a.m_strAnalysis == b.m_strAnalysis &&
         a.m_dScore == b.m_dScore && a.m_lstErrors == b.m_lstErrors &&
         a.m_lstSuggestions == b.m_lstSuggestions &&
         a.m_strNative == b.m_strNative;
}

py::list BytesList(const StringList& texts) {
  py::list list;
  for (const std::string& text : texts) list.append(py::bytes(text));
  return list;
}

// Pickled as the bytes themselves, so that a result comes back exactly.
py::tuple ResultState(const R& r) {
  return py::make_tuple(
      py::bytes(r.m_strPOS), py::bytes(r.m_strWord), py::bytes(r.m_strKey),
      py::bytes(r.m_strAnalysis), r.m_dScore, BytesList(r.m_lstErrors),
      BytesList(r.m_lstSuggestions), py::bytes(r.m_strNative));
}

R ResultFromState(const py::tuple& state) {
  if (state.size() != 8) throw py::value_error("bad Result state");
  R r;
  r.m_strPOS = state[0].cast<std::string>();
  r.m_strWord = state[1].cast<std::string>();
  r.m_strKey = state[2].cast<std::string>();
  r.m_strAnalysis = state[3].cast<std::string>();
  r.m_dScore = state[4].cast<double>();
  r.m_lstErrors = state[5].cast<StringList>();
  r.m_lstSuggestions = state[6].cast<StringList>();
  r.m_strNative = state[7].cast<std::string>();
  return r;
}

void DefineResult(py::module_& m) {
  py::class_<R>(m, "Result", "One reading of a word, as a value.")
      .def_property_readonly(
          "pos", [](const R& r) { return DecodeText(r.m_strPOS); },
          "Part-of-speech label: N, V, P, ADV, NUM, CONJ, EXCL, Q or X.")
      .def_property_readonly(
          "word", [](const R& r) { return DecodeText(r.m_strWord); },
          "The word analysed, in its normalised spelling.")
      .def_property_readonly(
          "key", [](const R& r) { return DecodeText(r.m_strKey); },
          "Lexicon key of the matched entry.")
      .def_property_readonly(
          "analysis", [](const R& r) { return DecodeText(r.m_strAnalysis); },
          "English rendering of the reading.")
      .def_readonly("score", &R::m_dScore,
                    "1.0 exactly for a flawless reading, smaller for each "
                    "irregularity.")
      .def_property_readonly(
          "errors", [](const R& r) { return DecodeTexts(r.m_lstErrors); },
          "What is wrong with the word under this reading.")
      .def_property_readonly(
          "suggestions",
          [](const R& r) { return DecodeTexts(r.m_lstSuggestions); },
          "Corrected word forms.")
      .def_property_readonly(
          "native", [](const R& r) { return DecodeText(r.m_strNative); },
          "The reading written back in the language's own notation.")
      .def("__eq__",
           [](const R& a, py::object b) -> py::object {
             if (!py::isinstance<R>(b)) {
               return py::reinterpret_borrow<py::object>(Py_NotImplemented);
             }
             return py::bool_(SameResult(a, b.cast<const R&>()));
           })
      .def("__hash__",
           [](const R& r) {
             py::tuple state = ResultState(r);
             for (size_t i : {5, 6}) state[i] = py::tuple(state[i]);
             return py::hash(state);
           })
      .def("__repr__",
           [](const R& r) {
             return py::str(
                        "Result(pos={!r}, word={!r}, key={!r}, "
                        "analysis={!r}, score={!r}, errors={!r}, "
                        "suggestions={!r}, native={!r})")
                 .format(*ResultFields(r));
           })
      .def(py::pickle(&ResultState, &ResultFromState));
}

// ---- Exceptions ----

py::object NewException(py::module_& m, const char* name, const char* doc,
                        PyObject* base) {
  const std::string full_name = std::string("tesvar.") + name;
  PyObject* type =
      PyErr_NewExceptionWithDoc(full_name.c_str(), doc, base, nullptr);
  if (type == nullptr) throw py::error_already_set();
  py::object object = py::reinterpret_steal<py::object>(type);
  m.attr(name) = object;
  return object;
}

void DefineExceptions(py::module_& m) {
  // A malformed lexicon or a refused word is a bad value.
  NewException(m, "LexiconError",
               "A lexicon text is malformed; the message reads "
               "'NAME:LINE: what is wrong'.",
               PyExc_ValueError);
  const py::object refused = NewException(
      m, "WordRefused",
      "The parser refused a word past its limits; `word` holds the word.",
      PyExc_ValueError);
  NewException(m, "WordTooLong",
               "The word is longer than the parser's max_word_bytes.",
               refused.ptr());
  NewException(m, "WordTooComplex",
               "The word's analysis needs more work than the parser's "
               "max_work allows.",
               refused.ptr());
}

}  // namespace
}  // namespace tesvar::python

PYBIND11_MODULE(_tesvar, m) {
  using tesvar::ParseLimits;
  m.doc() = "Analyses words of Tesvar against a lexicon.";
  m.attr("__version__") = TESVAR_VERSION_STRING;
  m.attr("DEFAULT_MAX_WORD_BYTES") = ParseLimits::kDefaultMaxWordBytes;
  m.attr("DEFAULT_MAX_WORK") = ParseLimits::kDefaultMaxWork;
  tesvar::python::DefineExceptions(m);
  tesvar::python::DefineLexicon(m);
  tesvar::python::DefineResult(m);
  tesvar::python::DefineParser(m);
  tesvar::python::DefineCorrector(m);
}
