// The npm package as users get it: packed, installed into a fresh project
// and imported by name, from JavaScript and from TypeScript.

import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { readFileSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';

import { installPacked, repoDir } from './support.mjs';

const tsc = join(repoDir, 'web', 'node_modules', '.bin', 'tsc');

let installed;
before(() => { installed = installPacked(); });
after(() => rmSync(installed.dir, { recursive: true, force: true }));

function run(file, source) {
  writeFileSync(join(installed.project, file), source);
  return execFileSync(process.execPath, [file],
    { cwd: installed.project, encoding: 'utf8' });
}

test('the tarball holds the module, its types and the WebAssembly binary', () => {
  const expected = [
    'package.json', 'README.md', 'tesvar.js', 'tesvar.d.ts', 'text.js',
    'tesvar_wasm.js', 'tesvar_wasm.wasm',
  ];
  const files = installed.files.filter((file) => file !== 'LICENSE');
  assert.deepEqual([...files].sort(), [...expected].sort());

  const manifest = JSON.parse(readFileSync(
    join(installed.project, 'node_modules', 'tesvar', 'package.json'), 'utf8'));
  const project = /project\(tesvar\s+VERSION\s+(\S+)/.exec(
    readFileSync(join(repoDir, 'CMakeLists.txt'), 'utf8'));
  assert.equal(manifest.version, project[1]);
  assert.equal(manifest.license, 'Apache-2.0');
});

test('an installed copy works from Node.js by its package name', () => {
  const output = run('use.mjs', `
    import { Lexicon, LexiconError, Parser, version } from 'tesvar';
    const lexicon = Lexicon.sample();
    const parser = new Parser(lexicon);
    const [reading] = parser.parse('jIrom');
    console.log(version, lexicon.size, reading.pos, reading.analysis, reading.score);
    try {
      Lexicon.fromTsv('key\\theadword\\tpos\\n', 'words.tsv');
    } catch (error) {
      console.log(error instanceof LexiconError, error.message);
    }
    parser.free();
    lexicon.free();
  `);
  const manifest = JSON.parse(readFileSync(
    join(installed.project, 'node_modules', 'tesvar', 'package.json'), 'utf8'));
  assert.equal(output,
    `${manifest.version} 44 V I eat 1\n` +
    "true words.tsv:1: missing column 'definition'\n");
});

const tscOptions = [
  '--strict', '--target', 'es2022', '--module', 'nodenext',
  '--moduleResolution', 'nodenext', '--lib', 'es2022,dom,esnext.disposable',
  '--skipLibCheck', 'false',
];

function compile(file, source) {
  writeFileSync(join(installed.project, file), source);
  return spawnSync(tsc, [...tscOptions, file],
    { cwd: installed.project, encoding: 'utf8' });
}

test('TypeScript: the declarations type a program that frees with `using`', {
  skip: spawnSync(tsc, ['--version']).status === 0 ? false : 'no tsc (npm ci in web/)',
}, () => {
  const compiled = compile('use.mts', `
    import { Lexicon, Parser, type Reading } from 'tesvar';
    let kept: Parser;
    {
      using lexicon = Lexicon.sample();
      using parser = new Parser(lexicon);
      kept = parser;
      const readings: Reading[] = parser.parse('Dalmey');
      const errors: string[] = readings[0].errors;
      console.log(readings[0].analysis, readings[0].score.toFixed(1), errors.length);
      const corrections: string[] = parser.suggest('Dalmay', 1);
      console.log(corrections.join());
    }
    try {
      kept.parse('Dalmey');
    } catch (error) {
      console.log((error as Error).message);
    }
  `);
  assert.equal(compiled.status, 0, compiled.stdout + compiled.stderr);
  const output = execFileSync(process.execPath, ['use.mjs'],
    { cwd: installed.project, encoding: 'utf8' });
  assert.equal(output, 'house (pl) 1.0 0\nDalmaj\nParser used after free()\n');

  const misuse = compile('misuse.mts', `
    import { Lexicon, Parser } from 'tesvar';
    const parser = new Parser(Lexicon.sample());
    parser.parse(42);
    const score: string = parser.parse('Dal')[0].score;
    new Lexicon();
    const first: number = parser.suggest('Dalmay')[0];
  `);
  assert.notEqual(misuse.status, 0);
  for (const code of ['TS2345', 'TS2322', 'TS2673']) {
    assert.match(misuse.stdout, new RegExp(code), code);
  }
  assert.match(misuse.stdout, /misuse\.mts\(7,11\): error TS2322/);
});
