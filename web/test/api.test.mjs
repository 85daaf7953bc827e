// The JavaScript API of the package: loading lexicons and their errors,
// what parse() accepts and returns, and the lifetime of the objects that
// live in WebAssembly memory.

import assert from 'node:assert/strict';
import { test } from 'node:test';
import { setFlagsFromString } from 'node:v8';
import { runInNewContext } from 'node:vm';

import { importBuilt } from './support.mjs';

const { Lexicon, LexiconError, Parser, maxWordBytes, version } =
  await importBuilt('tesvar.js');

const kHeader = 'key\theadword\tpos\tdefinition';
const tsv = (...rows) => `${[kHeader, ...rows].join('\n')}\n`;
const utf8 = (text) => new TextEncoder().encode(text);

// Runs `body` with a parser on `lexicon` and frees both afterwards.
function withParser(lexicon, body) {
  const parser = new Parser(lexicon);
  try {
    return body(parser);
  } finally {
    parser.free();
    lexicon.free();
  }
}

// The error that `body` throws.
function thrownBy(body) {
  try {
    body();
  } catch (error) {
    return error;
  }
  assert.fail('nothing was thrown');
}

test('a reading has the fields of the JSON output, in its order', () => withParser(Lexicon.sample(), (parser) => {
  const [reading, ...others] = parser.parse('DAT');
  assert.deepEqual(others, []);
  assert.deepEqual(Object.keys(reading), [
    'pos', 'word', 'key', 'analysis', 'score', 'errors', 'suggestions', 'native',
  ]);
  assert.deepEqual(reading, {
    pos: 'N', word: 'Dat', key: 'Dat:N', analysis: 'everywhere',
    score: 0.9090909090909091, errors: ['Spelling or case.'],
    suggestions: ['Dat'], native: 'Dat',
  });
  assert.deepEqual(parser.parse('naDevDaq'), []);
  assert.match(version, /^\d+\.\d+\.\d+$/);
}));

test('malformed lexicons throw a LexiconError naming the file and line', () => {
  const cases = [
    ['', 'empty.tsv', 1, /no header line/],
    [tsv('k\tk\tNOUN\td'), 'pos.tsv', 2, /bad part of speech 'NOUN'/],
    [tsv('a\ta\tN\td', '# note', 'a\ta\tV\td'), 'dup.tsv', 4,
      /duplicate key 'a' \(first on line 2\)/],
    [tsv('a\ta\tN'), 'short.tsv', 2, /expected 4 tab-separated fields, found 3/],
    // The source name is not parsed: colons and non-ASCII stay as given.
    ['key\theadword\tpos\n', 'C:\\mots:\u00e9t\u00e9.tsv', 1,
      /missing column 'definition'/],
  ];
  for (const [text, name, line, what] of cases) {
    const error = thrownBy(() => Lexicon.fromTsv(text, name));
    assert.ok(error instanceof LexiconError, name);
    assert.ok(error instanceof Error, name);
    assert.equal(error.name, 'LexiconError', name);
    assert.ok(error.message.startsWith(`${name}:${line}: `), error.message);
    assert.match(error.message, what, name);
    assert.equal(error.source, name);
    assert.equal(error.line, line, name);
  }
  assert.throws(() => Lexicon.fromTsv(''), { message: /^<memory>:1: / });
});

// Decoding is checked against the command line in native.test.mjs; here,
// the three ways of handing over a lexicon's text.
test('a lexicon text may be a string, its bytes or an ArrayBuffer', () => {
  const text = tsv('naQ:ADV\tnaQ\tADV\tquickly, caf\u00e9 \u20ac');
  for (const form of [text, utf8(text), utf8(text).buffer]) {
    const analysis = withParser(Lexicon.fromTsv(form),
      (parser) => parser.parse('naQ')[0]?.analysis);
    assert.equal(analysis, 'quickly, caf\u00e9 \u20ac', form.constructor.name);
  }
});

test('words may be bytes, and are measured in bytes', () => withParser(Lexicon.sample(), (parser) => {
  const framed = utf8(' DAT ');
  assert.deepEqual(parser.parse(framed.subarray(1, 4)), parser.parse('DAT'));

  const fits = [
    ['ASCII', 'q'.repeat(maxWordBytes)],
    ['two-byte characters', '\u00e9'.repeat(maxWordBytes / 2)],
    ['bytes', new Uint8Array(maxWordBytes).fill(0x61)],
    ['empty', ''],
  ];
  for (const [name, word] of fits) {
    assert.ok(Array.isArray(parser.parse(word)), name);
  }
  const tooLong = [
    ['ASCII', 'q'.repeat(maxWordBytes + 1)],
    ['two-byte characters', '\u00e9'.repeat(maxWordBytes / 2 + 1)],
    ['astral characters', '\u{1f600}'.repeat(maxWordBytes / 4 + 1)],
    ['bytes', new Uint8Array(maxWordBytes + 1)],
    ['a megabyte', 'x'.repeat(1 << 20)],
  ];
  for (const [name, word] of tooLong) {
    assert.throws(() => parser.parse(word), {
      name: 'RangeError', code: 'WORD_TOO_LONG',
      message: `word longer than ${maxWordBytes} bytes`,
    }, name);
  }
  // Within the length limit, but each repetition of the suffix multiplies
  // the corrections to check.
  assert.throws(() => parser.parse(`Dal${"pu'".repeat(84)}`), {
    name: 'RangeError', code: 'WORD_TOO_COMPLEX', message: 'word too complex',
  });
  assert.deepEqual(parser.parse('DAT')[0].word, 'Dat', 'still usable');
}));

test('suggest() offers spelling corrections, best first', () => withParser(Lexicon.sample(), (parser) => {
  const cases = [
    ['Dalmay', ['Dalmaj', 'Dalmey']],
    [utf8('Dalmay'), ['Dalmaj', 'Dalmey']],
    ['Dalmey', ['Datmey', 'DalHey']],  // never the word itself
    ['Dal\u2019mey', ['Dalmey']],  // U+2019, encoded as UTF-8, is the apostrophe
    ['', []],
    ['x'.repeat(1 << 20), []],
  ];
  for (const [word, corrections] of cases) {
    assert.deepEqual(parser.suggest(word), corrections, String(word).slice(0, 20));
  }
  assert.deepEqual(parser.suggest('Dalmay', 1), ['Dalmaj']);
  assert.deepEqual(parser.suggest('Dalmay', 0), []);
  assert.deepEqual(parser.suggest('Dalmay', 2 ** 40), ['Dalmaj', 'Dalmey']);
  for (const max of [-1, 1.5, NaN, Infinity]) {
    assert.throws(() => parser.suggest('Dalmay', max), RangeError, String(max));
  }
  // The parse that follows reads its own word, not the corrector's.
  assert.equal(parser.parse('Dalmey')[0].analysis, 'house (pl)');
}));

test('wrong argument types are TypeErrors', () => withParser(Lexicon.sample(), (parser) => {
  const misuses = [
    () => new Lexicon(), () => new Parser({}), () => parser.parse(42),
    () => parser.parse(), () => Lexicon.fromTsv(null),
    () => parser.suggest(42), () => parser.suggest('Dalmay', '3'),
  ];
  for (const misuse of misuses) assert.throws(misuse, TypeError, String(misuse));
}));

test('freed objects refuse use; a lexicon outlives its parsers', () => {
  const lexicon = Lexicon.sample();
  const first = new Parser(lexicon);
  const second = new Parser(lexicon);
  lexicon.free();
  lexicon.free();
  assert.throws(() => lexicon.size, /Lexicon used after free/);
  assert.throws(() => new Parser(lexicon), /Lexicon used after free/);
  // The parsers keep the lexicon's memory until the last one goes.
  first.free();
  assert.equal(second.parse('Dalmey')[0].analysis, 'house (pl)');
  assert.deepEqual(second.suggest('Dalmay'), ['Dalmaj', 'Dalmey']);
  second[Symbol.dispose]();
  second.free();
  assert.throws(() => second.parse('Dalmey'), /Parser used after free/);
  assert.throws(() => second.suggest('Dalmay'), /Parser used after free/);
  assert.throws(() => first.parse('Dalmey'), /Parser used after free/);
});

// WebAssembly memory shows in process.memoryUsage().external; it only
// grows, so a leak of a few megabytes per round shows after many rounds.
const kRounds = 200;
// Headwords of the alphabet's letters, so that a corrector indexes them.
const headword = (i) => `q${[...String(i)].map((digit) => 'abDeHIjlmn'[digit]).join('')}`;
const bigLexicon = tsv(...Array.from({ length: 2000 },
  (_, i) => `k${i}\t${headword(i)}\tN\tdefinition number ${i}`));
const megabytes = (bytes) => (bytes / (1 << 20)).toFixed(1);

function growth(round) {
  round();  // settles the allocator
  const before = process.memoryUsage().external;
  for (let i = 0; i < kRounds; ++i) round();
  return process.memoryUsage().external - before;
}

test('free() hands the memory back', () => {
  const grown = growth(() => {
    const lexicon = Lexicon.fromTsv(bigLexicon);
    const parser = new Parser(lexicon);
    assert.equal(parser.parse('qb').length, 1);
    // A corrector goes with its parser.
    assert.deepEqual(parser.suggest('qbb', 1), ['qb']);
    lexicon.free();
    parser.free();
    assert.throws(() => Lexicon.fromTsv(`${bigLexicon}x\n`), LexiconError);
  });
  // One unfreed round holds about 0.2 MB of lexicon, more with its corrector.
  assert.ok(grown < 8 << 20, `grew by ${megabytes(grown)} MB`);
});

test('objects that were never freed are released after collection', async () => {
  setFlagsFromString('--expose-gc');
  const collect = runInNewContext('gc');
  const before = process.memoryUsage().external;
  for (let i = 0; i < kRounds; ++i) {
    const parser = new Parser(Lexicon.fromTsv(bigLexicon));
    parser.parse('qb');
    parser.suggest('qbb');
    if (i % 20 === 19) {
      collect();
      // Finalizers run as tasks of their own after a collection.
      await new Promise((resolve) => setTimeout(resolve, 0));
    }
  }
  const grown = process.memoryUsage().external - before;
  assert.ok(grown < 16 << 20, `grew by ${megabytes(grown)} MB`);
});
