"""Uses the installed shared library from Python through ctypes, as any
language with a foreign function interface can: loads libtesvar by path,
declares the C functions it calls and parses words with the sample lexicon.

Usage: python3 ctypes_consumer.py PATH/TO/libtesvar.so.0 [WORD ...]
"""

import ctypes
import sys

OK = 0


def main(library_path, words):
    lib = ctypes.CDLL(library_path)
    handle = ctypes.c_void_p
    text = ctypes.POINTER(ctypes.c_char)
    lib.tesvar_version.restype = ctypes.c_char_p
    lib.tesvar_lexicon_sample.argtypes = [ctypes.POINTER(handle),
                                          ctypes.POINTER(ctypes.c_char_p)]
    lib.tesvar_parser_create.argtypes = [handle, ctypes.POINTER(handle)]
    lib.tesvar_results_create.argtypes = [ctypes.POINTER(handle)]
    lib.tesvar_parser_parse.argtypes = [handle, ctypes.c_char_p,
                                        ctypes.c_size_t, handle]
    lib.tesvar_results_count.argtypes = [handle]
    lib.tesvar_results_count.restype = ctypes.c_size_t
    lib.tesvar_result_analysis.argtypes = [
        handle, ctypes.c_size_t, ctypes.POINTER(text),
        ctypes.POINTER(ctypes.c_size_t)]
    for free in ("tesvar_results_free", "tesvar_parser_free",
                 "tesvar_lexicon_free"):
        getattr(lib, free).argtypes = [handle]

    lexicon, parser, results = handle(), handle(), handle()
    message = ctypes.c_char_p()
    if (lib.tesvar_lexicon_sample(ctypes.byref(lexicon),
                                  ctypes.byref(message)) != OK or
            lib.tesvar_parser_create(lexicon, ctypes.byref(parser)) != OK or
            lib.tesvar_results_create(ctypes.byref(results)) != OK):
        sys.exit("tesvar: setting up failed")
    print("tesvar", lib.tesvar_version().decode())
    readings = {}
    for word in words:
        data = word.encode()
        status = lib.tesvar_parser_parse(parser, data, len(data), results)
        readings[word] = []
        for i in range(lib.tesvar_results_count(results) if status == OK
                       else 0):
            analysis, size = text(), ctypes.c_size_t()
            lib.tesvar_result_analysis(results, i, ctypes.byref(analysis),
                                       ctypes.byref(size))
            readings[word].append(ctypes.string_at(analysis, size.value)
                                  .decode())
        print(word, readings[word])
    lib.tesvar_results_free(results)
    lib.tesvar_parser_free(parser)
    lib.tesvar_lexicon_free(lexicon)
    return readings


if __name__ == "__main__":
    found = main(sys.argv[1], sys.argv[2:] or ["Dalmey", "jIrom"])
    if len(sys.argv) == 2 and found != {"Dalmey": ["house (pl)"],
                                        "jIrom": ["I eat"]}:
        sys.exit("tesvar ctypes consumer: wrong readings")
