// Parses every line of a word list with the WebAssembly package and
// prints words per second: the best of several passes over the list, after
// the lexicon is loaded and the module compiled, in wall time and in CPU
// time (which includes the engine's own threads).
//
//   node web/bench/words-per-second.mjs LEXICON WORDS [PASSES] [PACKAGE_DIR]

import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const [lexiconFile, wordsFile, passes = '3', packageDir = 'build-web/package'] =
  process.argv.slice(2);
if (!wordsFile) {
  console.error('usage: node words-per-second.mjs LEXICON WORDS [PASSES] [PACKAGE_DIR]');
  process.exit(2);
}

let start = performance.now();
const { Lexicon, Parser } = await import(
  pathToFileURL(resolve(packageDir, 'tesvar.js')).href);
const importMs = performance.now() - start;

start = performance.now();
const lexicon = Lexicon.fromTsv(readFileSync(lexiconFile), lexiconFile);
const loadMs = performance.now() - start;

// Words as bytes, as the command line reads them.
const text = readFileSync(wordsFile);
const words = [];
for (let from = 0; from < text.length;) {
  let to = text.indexOf(10, from);
  if (to < 0) to = text.length;
  words.push(text.subarray(from, to));
  from = to + 1;
}

const parser = new Parser(lexicon);
let best = Infinity;
let bestCpu = Infinity;  // user + system, all threads
let readings = 0;
for (let pass = 0; pass < Number(passes); ++pass) {
  readings = 0;
  start = performance.now();
  const cpu = process.cpuUsage();
  for (const word of words) readings += parser.parse(word).length;
  const used = process.cpuUsage(cpu);
  best = Math.min(best, performance.now() - start);
  bestCpu = Math.min(bestCpu, (used.user + used.system) / 1000);
}
parser.free();
lexicon.free();

console.log(`words ${words.length}, readings ${readings}, ` +
  `import ${importMs.toFixed(1)} ms, lexicon ${loadMs.toFixed(1)} ms, ` +
  `best pass: wall ${(best / 1000).toFixed(2)} s ` +
  `(${Math.round(words.length / (best / 1000))} words/s), ` +
  `cpu ${(bestCpu / 1000).toFixed(2)} s ` +
  `(${Math.round(words.length / (bestCpu / 1000))} words/s)`);
