"""Tests of the tesvar module: lexicons from files, bytes and the built-in
sample; bytes and str words; the Latin-1 mapping of texts; errors; the
parser's hold on its lexicon; one parser used from several threads."""

import concurrent.futures
import gc
import os
import pathlib
import tempfile
import unittest

import tesvar

# Plain words only (codes 3, 5, 6, 7), read as exact matches of the
# headword, so that the tests see the module and not the grammar.
LEXICON_TSV = (b"# test lexicon\r\n"
               b"key\theadword\tpos\tdefinition\r\n"
               b"\n"
               b"vaj:3\tvaj\tADV\tso, then, thus\n"
               b"'ach:5\t'ach\tCONJ\tbut\n"
               b"Qo':6\tQo'\tEXCL\tno\x00, never\n"
               b"nuq:7\tnuq\tQ\twhat\xe9?")
BAD_LINE_3 = b"key\theadword\tpos\tdefinition\n\nv\tv\tADVERB\tx\n"
SPELLING = ["Spelling or case."]


def fields(result):
    return (result.pos, result.word, result.key, result.analysis,
            result.native, result.score, result.errors, result.suggestions)


class ParseTest(unittest.TestCase):

    def setUp(self):
        self.parser = tesvar.Parser(tesvar.Lexicon.from_tsv(LEXICON_TSV))

    def test_readings(self):
        vaj = ("ADV", "vaj", "vaj:3", "so, then, thus", "vaj")
        cases = [
            ("vaj", [vaj + (1.0, [], [])]),
            (b"vaj", [vaj + (1.0, [], [])]),
            ("VAJ", [vaj + (1.0 / 1.1, SPELLING, ["vaj"])]),
            (b"va\x00j", [vaj + (1.0 / 1.1, SPELLING, ["vaj"])]),
            # A str is encoded as Latin-1: U+00E9 is the byte 0xE9, which
            # normalisation drops.
            ("vaj\u00e9", [vaj + (1.0 / 1.1, SPELLING, ["vaj"])]),
            ("ach", [("CONJ", "'ach", "'ach:5", "but", "'ach", 1.0 / 1.1,
                      SPELLING, ["'ach"])]),
            ("Qo'", [("EXCL", "Qo'", "Qo':6", "no\x00, never", "Qo'", 1.0,
                      [], [])]),
            ("nuq", [("Q", "nuq", "nuq:7", "what\u00e9?", "nuq", 1.0, [],
                      [])]),
            ("tlhIngan", []),
            ("", []),
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
            ("\U0001F600", ValueError, "word has U+1F600 at index 0,"),
            (5, TypeError, "word must be bytes or str, not int"),
            (bytearray(b"vaj"), TypeError,
             "word must be bytes or str, not bytearray"),
        ]
        for word, error, text in cases:
            with self.subTest(word=word):
                with self.assertRaises(error) as raised:
                    self.parser.parse(word)
                self.assertTrue(str(raised.exception).startswith(text),
                                str(raised.exception))

    def test_parser_keeps_its_lexicon_alive(self):
        parser = tesvar.Parser(tesvar.Lexicon.from_tsv(LEXICON_TSV))
        gc.collect()
        self.assertEqual([r.key for r in parser.parse("vaj")], ["vaj:3"])
        with self.assertRaises(TypeError):
            tesvar.Parser(None)

    def test_threads_share_one_parser(self):
        words = ["vaj", "VAJ", "ach", "nuq", "Qo'", "tlhIngan"] * 50
        parse = lambda word: [fields(r) for r in self.parser.parse(word)]
        want = [parse(word) for word in words]
        with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
            self.assertEqual(list(pool.map(parse, words)), want)


class LexiconTest(unittest.TestCase):

    def write(self, data):
        directory = tempfile.TemporaryDirectory()
        self.addCleanup(directory.cleanup)
        path = os.path.join(directory.name, "words.tsv")
        pathlib.Path(path).write_bytes(data)
        return path

    def test_loads(self):
        path = self.write(LEXICON_TSV)
        for lexicon in (tesvar.Lexicon.from_tsv(LEXICON_TSV),
                        tesvar.Lexicon.load(path),
                        tesvar.Lexicon.load(pathlib.Path(path))):
            self.assertEqual(len(lexicon), 4)
        shipped = (pathlib.Path(__file__).resolve().parents[2] / "data" /
                   "sample-lexicon.tsv")
        self.assertEqual(len(tesvar.Lexicon.sample()),
                         len(tesvar.Lexicon.load(shipped)))
        self.assertRegex(tesvar.__version__, r"^\d+\.\d+\.\d+$")

    def test_malformed_text_names_source_and_line(self):
        path = self.write(BAD_LINE_3)
        cases = [
            (lambda: tesvar.Lexicon.load(path), path + ":3: "),
            (lambda: tesvar.Lexicon.load(pathlib.Path(path)), path + ":3: "),
            (lambda: tesvar.Lexicon.from_tsv(BAD_LINE_3), "<memory>:3: "),
            (lambda: tesvar.Lexicon.from_tsv(BAD_LINE_3, "w\u00f6rds"),
             "w\u00f6rds:3: "),
            (lambda: tesvar.Lexicon.from_tsv(b""), "<memory>:1: "),
        ]
        for load, start in cases:
            with self.subTest(start=start):
                with self.assertRaises(tesvar.LexiconError) as raised:
                    load()
                self.assertTrue(str(raised.exception).startswith(start),
                                str(raised.exception))
        self.assertTrue(issubclass(tesvar.LexiconError, ValueError))

    def test_unreadable_input(self):
        with self.assertRaises(FileNotFoundError):
            tesvar.Lexicon.load(self.write(b"") + ".missing")
        with self.assertRaises(TypeError):
            tesvar.Lexicon.from_tsv(LEXICON_TSV.decode("latin-1"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
