// The WebAssembly build answers exactly as the native command line does:
// every field of every reading, for the sample lexicon, a lexicon with
// texts in more than one encoding, and a generated lexicon with words
// typed against it.
//
// Needs the native build: $TESVAR_CLI (the tesvar binary) and
// $TESVAR_GENERATOR (bench/tesvar_generate_lexicon); both default to the
// repository's build/ folder, and the tests are skipped when they are
// missing there.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import {
  existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync,
} from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, test } from 'node:test';

import { importBuilt, repoDir } from './support.mjs';

const { Lexicon, Parser, maxWordBytes } = await importBuilt('tesvar.js');

function tool(variable, path) {
  const file = process.env[variable] ?? join(repoDir, 'build', path);
  if (process.env[variable] !== undefined && !existsSync(file)) {
    throw new Error(`${variable}=${file} does not exist`);
  }
  return existsSync(file) ? file : null;
}
const cli = tool('TESVAR_CLI', 'tools/tesvar');
const generator = tool('TESVAR_GENERATOR', 'bench/tesvar_generate_lexicon');

const work = mkdtempSync(join(tmpdir(), 'tesvar-native-'));
after(() => rmSync(work, { recursive: true, force: true }));

const bytesOf = (text) => Buffer.from(text, 'latin1');

// The well-formed UTF-8 sequences, in a string of one character per byte.
const kUtf8Sequence = new RegExp([
  '[\\xc2-\\xdf][\\x80-\\xbf]',
  '\\xe0[\\xa0-\\xbf][\\x80-\\xbf]',
  '[\\xe1-\\xec\\xee\\xef][\\x80-\\xbf]{2}',
  '\\xed[\\x80-\\x9f][\\x80-\\xbf]',
  '\\xf0[\\x90-\\xbf][\\x80-\\xbf]{2}',
  '[\\xf1-\\xf3][\\x80-\\xbf]{3}',
  '\\xf4[\\x80-\\x8f][\\x80-\\xbf]{2}',
].join('|'), 'g');

// The command line writes each byte that is not printable ASCII as \u00xx,
// so its strings hold one character per byte. The package decodes the
// well-formed UTF-8 in them and keeps every other byte as that character;
// this does the same independently of the package's decoder.
function fromCli(text) {
  if (!/^[\0-\xff]*$/.test(text)) return text;
  return text.replace(kUtf8Sequence,
    (sequence) => bytesOf(sequence).toString('utf8'));
}

// The readings of each word (byte strings) from `tesvar parse --json`.
function cliAnswers(lexiconFile, words) {
  const input = Buffer.concat(words.flatMap((word) => [word, Buffer.from('\n')]));
  let output;
  try {
    output = execFileSync(cli,
      ['parse', '--json', '--native', '--lexicon', lexiconFile],
      { input, maxBuffer: 1 << 30, stdio: ['pipe', 'pipe', 'ignore'] });
  } catch (error) {
    output = error.stdout;  // a refused word makes the exit status 1
  }
  return output.toString('latin1').trimEnd().split('\n').map((line) => {
    const record = JSON.parse(line);
    if (record.error !== undefined) return { refused: fromCli(record.error) };
    return record.results.map((reading) => ({
      pos: fromCli(reading.pos),
      word: fromCli(reading.word),
      key: fromCli(reading.key),
      analysis: fromCli(reading.analysis),
      score: reading.score,
      errors: reading.errors.map(fromCli),
      suggestions: reading.suggestions.map(fromCli),
      native: fromCli(reading.native),
    }));
  });
}

function wasmAnswers(lexiconText, words) {
  const lexicon = Lexicon.fromTsv(lexiconText, 'lexicon.tsv');
  const parser = new Parser(lexicon);
  try {
    return words.map((word) => {
      try {
        return parser.parse(word);
      } catch (error) {
        if (!(error instanceof RangeError)) throw error;
        return { refused: error.message };
      }
    });
  } finally {
    parser.free();
    lexicon.free();
  }
}

function assertSameAnswers(lexiconText, words) {
  const lexiconFile = join(work, 'lexicon.tsv');
  writeFileSync(lexiconFile, lexiconText);
  const expected = cliAnswers(lexiconFile, words);
  const actual = wasmAnswers(lexiconText, words);
  assert.equal(actual.length, words.length);
  assert.equal(expected.length, words.length);
  for (let i = 0; i < words.length; ++i) {
    assert.deepEqual(actual[i], expected[i], `word ${i + 1}: ${words[i].toString('latin1')}`);
  }
}

const skip = cli === null ? 'no native tesvar in build/ (set TESVAR_CLI)' : false;

test('sample lexicon: every headword in several spellings, and odd input', { skip }, () => {
  const lexiconText = readFileSync(join(repoDir, 'data', 'sample-lexicon.tsv'));
  const headwords = lexiconText.toString('latin1').split('\n')
    .filter((line) => line && !line.startsWith('#') && !line.startsWith('key\t'))
    .map((line) => line.split('\t')[1]);
  const words = [
    ...headwords.flatMap((h) => [h, h.toUpperCase(), `${h}pu'`, `${h}mey`, `vI${h}be'`]),
    "ghompu'wI'", "Dalpu'", 'naDevDaq', "vIghIlbe'", "yIwuqQo'", "romlaH'a'",
    "tuvHa'ghachmey", 'jItIn', 'vaghmaHDIch', "wa'leS", 'DALMEY', '',
    ' Dat', 'Dat\t', 'x'.repeat(maxWordBytes), 'x'.repeat(maxWordBytes + 1),
  ].map(bytesOf);
  words.push(Buffer.from([0x44, 0x61, 0xe9]), Buffer.from('Dal\u00e9', 'utf8'));
  assertSameAnswers(lexiconText, words);
});

test('texts in UTF-8, in Latin-1 and in no encoding at all', { skip }, () => {
  const lexiconText = Buffer.concat([
    Buffer.from('key\theadword\tpos\tdefinition\tflags\tplural\n'),
    Buffer.from('Dal:N\tDal\tN\thouse, caf\u00e9 \u20ac\t\t\n', 'utf8'),
    Buffer.from('ghom:N\tghom\tN\tteacher, caf\xe9\tlanguage\t\n', 'latin1'),
    Buffer.from('rom:V\trom\tV\teat \x81\xff\xc3(\t\t\n', 'latin1'),
    Buffer.from('mun:N\tmun\tN\tfriend\tlanguage,irregularplural\tHamun\u00e9\n', 'utf8'),
  ]);
  const words = ['Dal', 'Dalmey', "ghompu'", 'ghommey', 'vIrom', "rombe'", 'munpu\''];
  assertSameAnswers(lexiconText, words.map(bytesOf));
});

test('generated lexicon and words typed against it', { skip: skip || (generator === null
  ? 'no word generator in build/ (set TESVAR_GENERATOR)' : false) }, () => {
  const lexiconText = execFileSync(generator, ['--entries', '3000', '--seed', '7']);
  const lexiconFile = join(work, 'generated.tsv');
  writeFileSync(lexiconFile, lexiconText);
  const words = execFileSync(generator,
    ['--words', '20000', '--from', lexiconFile, '--seed', '7'],
    { maxBuffer: 1 << 30 });
  const lines = words.toString('latin1').trimEnd().split('\n').map(bytesOf);
  assert.equal(lines.length, 20000);
  assertSameAnswers(lexiconText, lines);
});

// The spell-check pipe answers a word without any reading with the
// corrector's words (ten at most, as suggest() gives by default), so the
// two must agree word for word. Typos are made from generated words by
// dropping or doubling a letter, or swapping two.
function pipeCorrections(lexiconFile, words) {
  // "^" makes each line text to check, whatever it starts with.
  const input = words.map((word) => `^${word}\n`).join('');
  const output = execFileSync(cli, ['-a', '--lexicon', lexiconFile],
    { input, maxBuffer: 1 << 30, stdio: ['pipe', 'pipe', 'ignore'] });
  const blocks = output.toString('latin1').split('\n').slice(1).join('\n')
    .split('\n\n');
  return blocks.slice(0, words.length).map((block) => {
    const corrections = /^& \S+ \d+ \d+: (.*)$/.exec(block);
    return corrections ? corrections[1].split(', ') : [];
  });
}

function typo(word, i) {
  const at = i % word.length;
  switch (i % 3) {
    case 0: return word.slice(0, at) + word.slice(at + 1);
    case 1: return word.slice(0, at) + word[at] + word.slice(at);
    default: return word.slice(0, at) + word.slice(at + 1, at + 2) + word[at] +
      word.slice(at + 2);
  }
}

test('spelling corrections are those of the native spell checker', { skip: skip || (generator === null
  ? 'no word generator in build/ (set TESVAR_GENERATOR)' : false) }, () => {
  const lexiconText = execFileSync(generator, ['--entries', '3000', '--seed', '11']);
  const lexiconFile = join(work, 'spelling.tsv');
  writeFileSync(lexiconFile, lexiconText);
  const generated = execFileSync(generator,
    ['--words', '3000', '--from', lexiconFile, '--seed', '11'],
    { maxBuffer: 1 << 30 }).toString('latin1').trimEnd().split('\n');
  const lexicon = Lexicon.fromTsv(lexiconText, 'spelling.tsv');
  const parser = new Parser(lexicon);
  try {
    const typos = [...new Set(generated.filter((word) => /^[a-zA-Z']{3,}$/.test(word))
      .map(typo))].filter((word) => parser.parse(word).length === 0).slice(0, 600);
    assert.ok(typos.length >= 300, `only ${typos.length} typos without a reading`);
    const expected = pipeCorrections(lexiconFile, typos);
    let corrected = 0;
    typos.forEach((word, i) => {
      const actual = parser.suggest(word);
      assert.deepEqual(actual, expected[i], word);
      if (actual.length > 0) ++corrected;
    });
    assert.ok(corrected >= typos.length / 2, `${corrected} of ${typos.length} corrected`);
  } finally {
    parser.free();
    lexicon.free();
  }
});
