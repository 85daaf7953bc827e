"""Tests of the tesvar module: bytes and str words, the Latin-1 mapping of
texts, lexicons from files, bytes and the built-in sample, their errors,
the parser's hold on its lexicon and one parser shared by threads."""

import concurrent.futures
import gc
import pathlib
import tempfile
import unittest

import tesvar

# Plain words (codes 3, 5, 6, 7) read as exact matches of the headword, so
# that the tests see the module and not the grammar.
LEXICON_TSV = (b"# test lexicon\r\nkey\theadword\tpos\tdefinition\r\n\n"
               b"vaj:3\tvaj\tADV\tso, then, thus\n"
               b"'ach:5\t'ach\tCONJ\tbut\n"
               b"Qo':6\tQo'\tEXCL\tno\x00, never\n"
               b"nuq:7\tnuq\tQ\twhat\xe9?")
BAD_LINE_3 = b"key\theadword\tpos\tdefinition\n\nv\tv\tV1\tx\n"
VAJ = ("ADV", "vaj", "vaj:3", "so, then, thus", "vaj")
VAJ_RESPELT = VAJ + (1.0 / 1.1, ["Spelling or case."], ["vaj"])


def fields(result):
    return (result.pos, result.word, result.key, result.analysis,
            result.native, result.score, result.errors, result.suggestions)


class TesvarTest(unittest.TestCase):

    def setUp(self):
        self.parser = tesvar.Parser(tesvar.Lexicon.from_tsv(LEXICON_TSV))
        directory = tempfile.TemporaryDirectory()
        self.addCleanup(directory.cleanup)
        self.directory = pathlib.Path(directory.name)

    def test_readings(self):
        cases = [
            ("vaj", [VAJ + (1.0, [], [])]),
            (b"vaj", [VAJ + (1.0, [], [])]),
            (b"va\x00J", [VAJ_RESPELT]),
            # A str is encoded as Latin-1; normalisation drops the 0xE9.
            ("vaj\u00e9", [VAJ_RESPELT]),
            ("Qo'", [("EXCL", "Qo'", "Qo':6", "no\x00, never", "Qo'", 1.0,
                      [], [])]),
            ("nuq", [("Q", "nuq", "nuq:7", "what\u00e9?", "nuq", 1.0, [],
                      [])]),
            ("tlhIngan", []),
        ]
        for word, want in cases:
            with self.subTest(word=word):
                self.assertEqual([fields(r) for r in self.parser.parse(word)],
                                 want)

    def test_bad_words(self):
        cases = [
            ("vaj\u0101", ValueError,
             "word has U+0101 at index 3, which Latin-1 cannot encode; a "
             "str word may hold only U+0000 to U+00FF (pass bytes "
             "otherwise)"),
            (bytearray(b"vaj"), TypeError,
             "word must be bytes or str, not bytearray"),
        ]
        for word, error, message in cases:
            with self.subTest(word=word):
                with self.assertRaises(error) as raised:
                    self.parser.parse(word)
                self.assertEqual(str(raised.exception), message)

    def test_parser_lifetime_and_threads(self):
        parser = tesvar.Parser(tesvar.Lexicon.from_tsv(LEXICON_TSV))
        gc.collect()  # only the parser refers to the lexicon now
        words = ["vaj", "VAJ", "nuq", "tlhIngan"] * 50
        parse = lambda word: [fields(r) for r in parser.parse(word)]
        want = [parse(word) for word in words]
        with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
            self.assertEqual(list(pool.map(parse, words)), want)

    def test_lexicons(self):
        path = self.directory / "words.tsv"
        path.write_bytes(LEXICON_TSV)
        self.assertEqual(len(tesvar.Lexicon.load(path)), 4)
        self.assertEqual(len(tesvar.Lexicon.load(str(path))), 4)
        shipped = (pathlib.Path(__file__).resolve().parents[2] / "data" /
                   "sample-lexicon.tsv")
        self.assertEqual(len(tesvar.Lexicon.sample()),
                         len(tesvar.Lexicon.load(shipped)))
        self.assertRegex(tesvar.__version__, r"^\d+\.\d+\.\d+$")

    def test_malformed_lexicons(self):
        path = self.directory / "bad.tsv"
        path.write_bytes(BAD_LINE_3)
        cases = [
            (lambda: tesvar.Lexicon.load(path), f"{path}:3: "),
            (lambda: tesvar.Lexicon.from_tsv(BAD_LINE_3), "<memory>:3: "),
            (lambda: tesvar.Lexicon.from_tsv(b"", "w\u00f6rds"),
             "w\u00f6rds:1: "),
        ]
        for load, start in cases:
            with self.subTest(start=start):
                with self.assertRaises(tesvar.LexiconError) as raised:
                    load()
                self.assertTrue(str(raised.exception).startswith(start),
                                str(raised.exception))
        self.assertTrue(issubclass(tesvar.LexiconError, ValueError))
        with self.assertRaises(FileNotFoundError):
            tesvar.Lexicon.load(self.directory / "missing.tsv")


if __name__ == "__main__":
    unittest.main(verbosity=2)
