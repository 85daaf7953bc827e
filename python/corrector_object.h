// The Python Corrector: spelling corrections for mistyped words, from a
// tesvar::Corrector on a lexicon that it keeps alive.
//
// A Corrector is immutable once made, so any number of Python threads may
// call one at once; calls release the GIL. Each call is bounded by the
// corrector's own work limits (a few milliseconds at most), so, unlike a
// parse, it needs no check for signals while it runs.
// Tested by tests/test_tesvar.py.

#ifndef TESVAR_PYTHON_CORRECTOR_OBJECT_H_
#define TESVAR_PYTHON_CORRECTOR_OBJECT_H_

#include <pybind11/pybind11.h>

namespace tesvar::python {

// Adds the class Corrector to the module.
void DefineCorrector(pybind11::module_& m);

}  // namespace tesvar::python

#endif  // TESVAR_PYTHON_CORRECTOR_OBJECT_H_
