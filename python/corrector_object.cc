// The corrector indexes its lexicon when it is made, which takes a while
// for a large lexicon, so that happens without the GIL as well. The
// Python object holds the lexicon before the corrector that refers to it,
// so the lexicon is released last.
// Tested by tests/test_tesvar.py.

#include "corrector_object.h"

#include <pybind11/stl.h>

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "edge_text.h"
#include "tesvar/corrector.h"
#include "tesvar/lexicon.h"

namespace tesvar::python {
namespace py = pybind11;

namespace {

class CorrectorObject {
 public:
  // Call without the GIL.
  explicit CorrectorObject(std::shared_ptr<const CLexicon> lexicon)
      : lexicon_(std::move(lexicon)), corrector_(*lexicon_) {}

  // The corrections of `word` (bytes), best first; the GIL must be held,
  // and is released while the corrector works.
  std::vector<Correction> Suggest(const py::object& word,
                                  size_t max_count) const {
    const std::string bytes = EncodeWord(word, "word");
    std::vector<Correction> corrections;
    {
      py::gil_scoped_release release;
      corrector_.SuggestWeighted(bytes, max_count, &corrections);
    }
    return corrections;
  }

  const std::shared_ptr<const CLexicon>& lexicon() const { return lexicon_; }

 private:
  const std::shared_ptr<const CLexicon> lexicon_;
  const Corrector corrector_;
};

std::unique_ptr<CorrectorObject> MakeCorrector(
    const std::shared_ptr<CLexicon>& lexicon) {
  if (lexicon == nullptr) throw py::type_error("lexicon is None");
  py::gil_scoped_release release;
  return std::make_unique<CorrectorObject>(lexicon);
}

// A count from Python: never negative; any number past what a size_t
// holds asks for every correction there is.
size_t MaxCount(const py::int_& max) {
  if (PyObject_RichCompareBool(max.ptr(), py::int_(0).ptr(), Py_LT) != 0) {
    if (PyErr_Occurred() != nullptr) throw py::error_already_set();
    throw py::value_error("max must not be negative");
  }
  const size_t count = PyLong_AsSize_t(max.ptr());
  if (count == static_cast<size_t>(-1) && PyErr_Occurred() != nullptr) {
    PyErr_Clear();  // OverflowError
    return static_cast<size_t>(-1);
  }
  return count;
}

py::list Words(const CorrectorObject& corrector, const py::object& word,
               const py::int_& max) {
  py::list words;
  for (const Correction& c : corrector.Suggest(word, MaxCount(max))) {
    words.append(DecodeText(c.word));
  }
  return words;
}

py::list WeightedWords(const CorrectorObject& corrector, const py::object& word,
                       const py::int_& max) {
  py::list words;
  for (const Correction& c : corrector.Suggest(word, MaxCount(max))) {
    words.append(py::make_tuple(DecodeText(c.word), c.weight));
  }
  return words;
}

}  // namespace

void DefineCorrector(py::module_& m) {
  m.attr("DEFAULT_MAX_CORRECTIONS") = Corrector::kDefaultMaxCorrections;
  m.attr("PLAIN_SLIP_WEIGHT") = Corrector::kPlainSlipWeight;
  py::class_<CorrectorObject>(
      m, "Corrector",
      "Spelling corrections: words of a lexicon, which it keeps alive, that "
      "read flawlessly and are a few slips of the keyboard away from a "
      "mistyped word. Thread-safe; calls release the GIL.")
      .def(py::init(&MakeCorrector), py::arg("lexicon"),
           "Indexes the headwords of `lexicon`; make one per lexicon and "
           "share it.")
      .def_property_readonly(
          "lexicon",
          [](const CorrectorObject& c) {
            return std::const_pointer_cast<CLexicon>(c.lexicon());
          })
      .def("suggest", &Words, py::arg("word"),
           py::arg("max") = py::int_(Corrector::kDefaultMaxCorrections),
           "At most `max` corrections of `word` (str, encoded as UTF-8, or "
           "bytes), best first: the lightest slips first, then in lexicon "
           "order. Never `word` itself; empty when nothing is close. The "
           "same word always gives the same list.")
      .def("suggest_weighted", &WeightedWords, py::arg("word"),
           py::arg("max") = py::int_(Corrector::kDefaultMaxCorrections),
           "suggest(), as (word, weight) pairs: the weight of the slips, "
           "PLAIN_SLIP_WEIGHT for one plain slip, less for a likely one "
           "(a missing apostrophe, neighbouring keys), 0 for what spelling "
           "normalisation settles (the case of most letters).")
      .def("__repr__", [](const CorrectorObject& c) {
        return py::str("<tesvar.Corrector on {} entries>")
            .format(c.lexicon()->size());
      });
}

}  // namespace tesvar::python
