"""Tests of the tesvar package: words as str and bytes, the text rule for
what comes back, lexicons as mappings and from files, limits and refused
words, parse_many, results as values, Ctrl-C during a long parse,
spelling corrections, and the stubs against the module."""

import ast
import collections.abc
import concurrent.futures
import gc
import os
import pathlib
import pickle
import signal
import subprocess
import sys
import tempfile
import time
import unittest

import tesvar

# Plain words (codes 3, 5, 6, 7) read as exact matches of the headword, so
# that the tests see the package and not the grammar.
LEXICON_TSV = (b"# test lexicon\r\nkey\theadword\tpos\tdefinition\r\n\n"
               b"vaj:3\tvaj\tADV\tso, then, thus\n"
               b"'ach:5\t'ach\tCONJ\tbut\n"
               b"Qo':6\tQo'\tEXCL\tno\x00, never\n"
               b"nuq:7\tnuq\tQ\twhat\xe9? caf\xc3\xa9")
BAD_LINE_3 = b"key\theadword\tpos\tdefinition\n\nv\tv\tV1\tx\n"
VAJ = ("ADV", "vaj", "vaj:3", "so, then, thus", "vaj")
VAJ_RESPELT = VAJ + (1.0 / 1.1, ["Spelling or case."], ["vaj"])
SAMPLE_TSV = (pathlib.Path(__file__).resolve().parents[2] / "data" /
              "sample-lexicon.tsv")


def fields(result):
    return (result.pos, result.word, result.key, result.analysis,
            result.native, result.score, result.errors, result.suggestions)


def lexicon_of(definitions):
    """A lexicon whose entry "dN" has definitions[N]."""
    lines = [b"key\theadword\tpos\tdefinition\tflags"]
    lines += [b"d%d\td%d\tADV\t%s\t" % (i, i, text)
              for i, text in enumerate(definitions)]
    return tesvar.Lexicon.from_tsv(b"\n".join(lines))


class WordsAndTexts(unittest.TestCase):

    def setUp(self):
        self.parser = tesvar.Parser(tesvar.Lexicon.from_tsv(LEXICON_TSV))

    def test_readings(self):
        cases = [
            ("vaj", [VAJ + (1.0, [], [])]),
            (b"vaj", [VAJ + (1.0, [], [])]),
            (b"va\x00J", [VAJ_RESPELT]),
            # Both bytes of the UTF-8 "é" are outside the alphabet.
            ("vaj\u00e9", [VAJ_RESPELT]),
            (b"vaj\xe9", [VAJ_RESPELT]),
            ("Qo'", [("EXCL", "Qo'", "Qo':6", "no\x00, never", "Qo'", 1.0,
                      [], [])]),
            # A lone 0xE9 reads as Latin-1, the UTF-8 "é" as itself.
            ("nuq", [("Q", "nuq", "nuq:7", "what\u00e9? caf\u00e9", "nuq",
                      1.0, [], [])]),
            ("tlhIngan", []),
        ]
        for word, want in cases:
            with self.subTest(word=word):
                self.assertEqual([fields(r) for r in self.parser.parse(word)],
                                 want)

    def test_str_words_are_utf8(self):
        parser = tesvar.Parser(tesvar.Lexicon.sample())
        self.assertEqual(parser.parse("Dat\u20ac"),
                         parser.parse(b"Dat\xe2\x82\xac"))
        self.assertEqual(parser.parse("Dat\u20ac")[0].key, "Dat:N")

    def test_text_rule(self):
        cases = [
            (b"caf\xc3\xa9", "caf\u00e9"),
            (b"\xe2\x82\xac \xf0\x9f\x98\x80", "\u20ac \U0001f600"),
            # The edges of the well-formed ranges.
            (b"\xc2\x80\xdf\xbf", "\u0080\u07ff"),
            (b"\xe0\xa0\x80\xed\x9f\xbf\xee\x80\x80", "\u0800\ud7ff\ue000"),
            (b"\xf0\x90\x80\x80\xf4\x8f\xbf\xbf", "\U00010000\U0010ffff"),
            # Overlong forms, surrogates, past U+10FFFF: byte by byte.
            (b"\xc0\xaf\xc1\xbf", "\u00c0\u00af\u00c1\u00bf"),
            (b"\xe0\x9f\xbf", "\u00e0\u009f\u00bf"),
            (b"\xed\xa0\x80", "\u00ed\u00a0\u0080"),
            (b"\xf0\x8f\xbf\xbf", "\u00f0\u008f\u00bf\u00bf"),
            (b"\xf4\x90\x80\x80\xf5\x80", "\u00f4\u0090\u0080\u0080\u00f5"
             "\u0080"),
            # Cut short, or a lone continuation byte; what follows survives.
            (b"\xe2\x82A\xf0\x9f\x98", "\u00e2\u0082A\u00f0\u009f\u0098"),
            (b"\x80\xbf\xc3", "\u0080\u00bf\u00c3"),
            (b"\xc3\xc3\xa9", "\u00c3\u00e9"),
        ]
        lexicon = lexicon_of([given for given, _ in cases])
        for i, (given, want) in enumerate(cases):
            with self.subTest(given=given):
                self.assertEqual(lexicon[f"d{i}"].definition, want)

    def test_bad_words(self):
        cases = [
            (bytearray(b"vaj"), TypeError,
             "word must be str or bytes, not bytearray"),
            (None, TypeError, "word must be str or bytes, not NoneType"),
            ("vaj\ud800", UnicodeEncodeError, None),
        ]
        for word, error, message in cases:
            with self.subTest(word=word):
                with self.assertRaises(error) as raised:
                    self.parser.parse(word)
                if message is not None:
                    self.assertEqual(str(raised.exception), message)


class Lexicons(unittest.TestCase):

    def setUp(self):
        directory = tempfile.TemporaryDirectory()
        self.addCleanup(directory.cleanup)
        self.directory = pathlib.Path(directory.name)

    def test_mapping(self):
        lexicon = tesvar.Lexicon.from_tsv(LEXICON_TSV)
        self.assertIsInstance(lexicon, collections.abc.Mapping)
        self.assertEqual(len(lexicon), 4)
        self.assertEqual(list(lexicon), ["vaj:3", "'ach:5", "Qo':6", "nuq:7"])
        self.assertEqual(lexicon["nuq:7"], lexicon[b"nuq:7"])
        self.assertEqual(lexicon.get("Qo':6").definition, "no\x00, never")
        self.assertIsNone(lexicon.get("missing"))
        self.assertIn("vaj:3", lexicon)
        self.assertNotIn("vaj", lexicon)
        self.assertNotIn(3, lexicon)
        with self.assertRaises(KeyError):
            lexicon["vaj"]
        self.assertEqual([entry.key for entry in lexicon.values()],
                         list(lexicon.keys()))
        self.assertEqual(dict(lexicon.items())["'ach:5"].pos, "CONJ")

    def test_entries(self):
        sample = tesvar.Lexicon.sample()
        ron = sample["ron:N"]
        self.assertEqual((ron.key, ron.headword, ron.pos, ron.code,
                          ron.definition, ron.flags, ron.plural),
                         ("ron:N", "ron", "N", 0, "hand", ("bodypart",), ""))
        self.assertEqual(ron, tesvar.Lexicon.sample()["ron:N"])
        self.assertNotEqual(ron, sample["Dal:N"])
        self.assertEqual(hash(ron), hash(tesvar.Lexicon.sample()["ron:N"]))
        self.assertEqual(
            repr(ron), "Entry(key='ron:N', headword='ron', pos='N', code=0, "
            "definition='hand', flags=('bodypart',), plural='')")

    def test_files(self):
        path = self.directory / "words.tsv"
        path.write_bytes(LEXICON_TSV)
        for given in (path, str(path), os.fsencode(path)):
            with self.subTest(path=given):
                self.assertEqual(len(tesvar.Lexicon.load(given)), 4)
        self.assertEqual(list(tesvar.Lexicon.sample()),
                         list(tesvar.Lexicon.load(SAMPLE_TSV)))
        self.assertRegex(tesvar.__version__, r"^\d+\.\d+\.\d+$")

    def test_file_descriptors_are_not_paths(self):
        path = self.directory / "words.tsv"
        path.write_bytes(LEXICON_TSV)
        with open(path, "rb") as file:
            with self.assertRaises(TypeError):
                tesvar.Lexicon.load(file.fileno())
            self.assertEqual(file.read(), LEXICON_TSV)  # still open

    def test_malformed(self):
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
        with self.assertRaises(IsADirectoryError):
            tesvar.Lexicon.load(self.directory)
        # An endless input ends at the loader's line limit.
        with self.assertRaisesRegex(tesvar.LexiconError, "^/dev/zero:1: "):
            tesvar.Lexicon.load("/dev/zero")


class Parsing(unittest.TestCase):

    def setUp(self):
        self.sample = tesvar.Lexicon.sample()

    def test_limits(self):
        parser = tesvar.Parser(self.sample)
        self.assertEqual((parser.max_word_bytes, parser.max_work),
                         (tesvar.DEFAULT_MAX_WORD_BYTES,
                          tesvar.DEFAULT_MAX_WORK))
        cases = [
            ({"max_word_bytes": 5}, "Dalmey", tesvar.WordTooLong,
             "word longer than 5 bytes"),
            ({"max_work": 1}, b"Dalmey", tesvar.WordTooComplex,
             "word too complex"),
        ]
        for limits, word, error, message in cases:
            with self.subTest(limits=limits):
                with self.assertRaises(error) as raised:
                    tesvar.Parser(self.sample, **limits).parse(word)
                self.assertIsInstance(raised.exception, tesvar.WordRefused)
                self.assertIsInstance(raised.exception, ValueError)
                self.assertEqual(str(raised.exception), message)
                self.assertIs(raised.exception.word, word)
        long_word = "Dal" + "mey" * 100
        with self.assertRaises(tesvar.WordTooLong):
            parser.parse(long_word)
        unlimited = tesvar.Parser(self.sample, max_word_bytes=0, max_work=0)
        self.assertEqual(unlimited.parse(long_word)[0].key, "Dal:N")

    def test_parse_many(self):
        parser = tesvar.Parser(self.sample, max_word_bytes=10)
        words = ["Dalmey", b"jIrom", "DALMEY", "naDevDaq", "ghompu'wI'",
                 "Dalmeymeymey"] * 20
        want = [parser.parse(word) for word in words[:5]]
        for threads in (1, 3, 200):
            with self.subTest(threads=threads):
                answers = parser.parse_many(iter(words), threads=threads)
                self.assertEqual(len(answers), len(words))
                for i, answer in enumerate(answers):
                    if i % 6 < 5:
                        self.assertEqual(answer, want[i % 6])
                    else:
                        self.assertIsInstance(answer, tesvar.WordTooLong)
                        self.assertIs(answer.word, words[i])
        self.assertEqual(parser.parse_many([]), [])
        with self.assertRaises(ValueError):
            parser.parse_many(words, threads=0)
        with self.assertRaises(TypeError):
            parser.parse_many(["Dal", 3])

    def test_shared_between_threads(self):
        parser = tesvar.Parser(tesvar.Lexicon.from_tsv(LEXICON_TSV))
        gc.collect()  # only the parser refers to the lexicon now
        self.assertEqual(len(parser.lexicon), 4)
        words = ["vaj", "VAJ", "nuq", "tlhIngan"] * 50
        want = [parser.parse(word) for word in words]
        with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
            self.assertEqual(list(pool.map(parser.parse, words)), want)

    def test_results_are_values(self):
        parser = tesvar.Parser(tesvar.Lexicon.from_tsv(
            LEXICON_TSV + b"\nx\tvaj\tADV\t\xff\xc3\xa9"))
        first, second = parser.parse("VAJ")
        self.assertEqual(first, parser.parse("VAJ")[0])
        self.assertNotEqual(first, second)
        self.assertNotEqual(first, "vaj")
        self.assertEqual(len({first, parser.parse("VAJ")[0], second}), 2)
        for result in (first, second):
            with self.subTest(result=result):
                copy = pickle.loads(pickle.dumps(result))
                self.assertEqual(copy, result)
                self.assertEqual(fields(copy), fields(result))
        self.assertEqual(
            repr(second),
            "Result(pos='ADV', word='vaj', key='x', analysis='\u00ff\u00e9', "
            "score=0.9090909090909091, errors=['Spelling or case.'], "
            "suggestions=['vaj'], native='vaj')")

    def test_ctrl_c_stops_a_long_parse(self):
        # Without limits this word takes about a second (and over a
        # gigabyte) against the sample lexicon; the child parses it over and
        # over, so that the signal finds a parse running however fast the
        # machine, or slow the parent. The child reports when the
        # KeyboardInterrupt came (the monotonic clock is the system's).
        for call in ("parse(word)", "parse_many([word, word], threads=2)"):
            with self.subTest(call=call):
                child = subprocess.Popen(
                    [sys.executable, "-c", CTRL_C_CHILD.format(call=call)],
                    stdout=subprocess.PIPE, text=True)
                self.addCleanup(child.kill)
                self.assertEqual(child.stdout.readline(), "parsing\n")
                time.sleep(0.2)
                sent = time.monotonic()
                child.send_signal(signal.SIGINT)
                output, _ = child.communicate(timeout=120)
                self.assertTrue(output.startswith("interrupted at "), output)
                self.assertLess(float(output.split()[-1]) - sent, 0.5)


CTRL_C_CHILD = """
import time, tesvar
parser = tesvar.Parser(tesvar.Lexicon.sample(), max_word_bytes=0, max_work=0)
word = "Dal" + "pu'" * 900
print("parsing", flush=True)
try:
    for _ in range(100):
        parser.{call}
    print("finished at", time.monotonic())
except KeyboardInterrupt:
    print("interrupted at", time.monotonic())
"""


class Corrections(unittest.TestCase):

    def setUp(self):
        self.corrector = tesvar.Corrector(tesvar.Lexicon.sample())

    def test_suggest(self):
        cases = [
            ("Dalmay", [("Dalmaj", 10), ("Dalmey", 10)]),
            (b"Dalmay", [("Dalmaj", 10), ("Dalmey", 10)]),
            # Case that normalisation settles costs nothing.
            ("DALMEY", [("Dalmey", 0), ("Datmey", 10), ("DalHey", 10)]),
            # Likely slips weigh less; U+2019 (in UTF-8) is the apostrophe.
            ("ghompu''wI'", [("ghompu'wI'", 5)]),
            ("Dal\u2019mey", [("Dalmey", 5)]),
            (b"Dal\xe9mey", [("Dalmey", 10)]),
            ("", []),
        ]
        for word, weighted in cases:
            with self.subTest(word=word):
                self.assertEqual(self.corrector.suggest_weighted(word),
                                 weighted)
                self.assertEqual(self.corrector.suggest(word),
                                 [w for w, _ in weighted])
        self.assertEqual(tesvar.PLAIN_SLIP_WEIGHT, 10)

    def test_max(self):
        self.assertEqual(self.corrector.suggest("Dalmay", max=1), ["Dalmaj"])
        self.assertEqual(self.corrector.suggest_weighted("Dalmay", 0), [])
        self.assertEqual(len(self.corrector.suggest("Dalmay", 10**30)), 2)
        with self.assertRaises(ValueError):
            self.corrector.suggest("Dalmay", max=-1)
        with self.assertRaises(TypeError):
            self.corrector.suggest(3)
        with self.assertRaises(TypeError):
            tesvar.Corrector(None)

    def test_keeps_its_lexicon(self):
        corrector = tesvar.Corrector(tesvar.Lexicon.from_tsv(LEXICON_TSV))
        gc.collect()  # only the corrector refers to the lexicon now
        self.assertEqual(len(corrector.lexicon), 4)
        self.assertEqual(corrector.suggest("vay"), ["vaj"])
        self.assertEqual(repr(corrector), "<tesvar.Corrector on 4 entries>")

    def test_shared_between_threads(self):
        words = ["Dalmay", "DALMEY", "jIrm", "qagh", "vIghIrbe'"] * 40
        want = [self.corrector.suggest(word) for word in words]
        with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
            self.assertEqual(list(pool.map(self.corrector.suggest, words)),
                             want)


class Stubs(unittest.TestCase):

    def test_stubs_match_the_module(self):
        stub = pathlib.Path(tesvar.__file__).with_name("_tesvar.pyi")
        tree = ast.parse(stub.read_text())
        for node in tree.body:
            if not isinstance(node, ast.ClassDef):
                continue
            with self.subTest(cls=node.name):
                runtime = getattr(tesvar, node.name)
                stubbed = {item.name for item in node.body
                           if isinstance(item, ast.FunctionDef)}
                public = {name for name in vars(runtime)
                          if not name.startswith("_")}
                self.assertEqual(public - stubbed, set())
                self.assertEqual({name for name in stubbed
                                  if not hasattr(runtime, name)}, set())
        names = {node.name for node in tree.body
                 if isinstance(node, ast.ClassDef)}
        self.assertEqual({name for name in tesvar.__all__
                          if isinstance(getattr(tesvar, name), type)},
                         names)


if __name__ == "__main__":
    unittest.main(verbosity=2)
