"""Analyses words of Tesvar, a constructed language, against a lexicon.

    import tesvar
    parser = tesvar.Parser(tesvar.Lexicon.sample())
    for reading in parser.parse("Dalmey"):
        print(reading.pos, reading.key, reading.analysis)

    corrector = tesvar.Corrector(parser.lexicon)
    print(corrector.suggest("Dalmay"))

Texts come back as str: well-formed UTF-8 as its characters, any other
byte as the character of the same number. Words may be str (encoded as
UTF-8) or bytes.
"""

from collections.abc import Mapping as _Mapping

from ._tesvar import (
    DEFAULT_MAX_CORRECTIONS,
    DEFAULT_MAX_WORD_BYTES,
    DEFAULT_MAX_WORK,
    PLAIN_SLIP_WEIGHT,
    Corrector,
    Entry,
    Lexicon,
    LexiconError,
    Parser,
    Result,
    WordRefused,
    WordTooComplex,
    WordTooLong,
    __version__,
)

__all__ = [
    "DEFAULT_MAX_CORRECTIONS",
    "DEFAULT_MAX_WORD_BYTES",
    "DEFAULT_MAX_WORK",
    "PLAIN_SLIP_WEIGHT",
    "Corrector",
    "Entry",
    "Lexicon",
    "LexiconError",
    "Parser",
    "Result",
    "WordRefused",
    "WordTooComplex",
    "WordTooLong",
    "__version__",
]

# A Lexicon is a read-only mapping: the extension gives it len, iteration
# over keys, lookup and membership; the rest comes from Mapping.
for _name in ("get", "keys", "items", "values"):
    setattr(Lexicon, _name, getattr(_Mapping, _name))
_Mapping.register(Lexicon)
del _name
