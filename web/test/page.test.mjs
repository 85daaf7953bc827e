// The dictionary page in headless Chromium: the installed package served
// over HTTP with the page beside it, words typed into it, suggestions and
// spelling corrections clicked, lexicon files opened through the file
// picker. Leaves a
// screenshot in $TESVAR_WEB_ARTIFACTS (default build-web/artifacts).
//
// The browser is Debian's chromium ($CHROMIUM to use another), started
// with everything that would reach out to the network turned off: on a
// closed network it otherwise waits for those requests to time out.

import assert from 'node:assert/strict';
import { copyFileSync, existsSync, mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';

import puppeteer from 'puppeteer-core';

import { serve } from '../serve.mjs';
import { buildDir, installPacked, repoDir } from './support.mjs';

const chromium = process.env.CHROMIUM ?? '/usr/bin/chromium';
const artifacts = process.env.TESVAR_WEB_ARTIFACTS ?? join(buildDir, 'artifacts');

let installed;
let server;
let browser;
let page;
let profile;
// Console errors, uncaught exceptions and failed requests of the page.
const problems = [];

before(async () => {
  installed = installPacked();
  copyFileSync(join(repoDir, 'web', 'page', 'index.html'),
    join(installed.project, 'index.html'));
  server = await serve(installed.project);
  profile = mkdtempSync(join(tmpdir(), 'tesvar-chromium-'));
  browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: profile,
    args: [
      '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--disable-dev-shm-usage',
    ],
  });
  page = await browser.newPage();
  await page.setViewport({ width: 800, height: 560 });
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(message.text());
  });
  page.on('pageerror', (error) => problems.push(error.message));
  page.on('response', (response) => {
    if (!response.ok()) problems.push(`${response.status()} ${response.url()}`);
  });
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await page.waitForFunction(() => !document.getElementById('word').disabled);
});

after(async () => {
  await browser?.close();
  server?.close();
  if (installed) rmSync(installed.dir, { recursive: true, force: true });
  if (profile) rmSync(profile, { recursive: true, force: true });
});

// What the page shows: the lexicon line, the summary, each reading and the
// spelling corrections.
function shown() {
  return page.evaluate(() => {
    const text = (node, selector) => node.querySelector(selector)?.textContent ?? null;
    const all = (node, selector) =>
      [...node.querySelectorAll(selector)].map((item) => item.textContent);
    return {
      lexicon: text(document, '#lexicon-status'),
      summary: text(document, '#summary'),
      readings: [...document.querySelectorAll('.reading')].map((item) => ({
        pos: text(item, '.pos'),
        analysis: text(item, '.analysis'),
        score: text(item, '.score'),
        word: text(item, '.word'),
        key: text(item, '.key'),
        errors: all(item, '.errors li'),
        suggestions: all(item, '.suggestion'),
      })),
      spelling: all(document, '#spelling:not([hidden]) .suggestion'),
      spellingLabel: text(document, '#spelling:not([hidden]) span'),
    };
  });
}

async function typeWord(word) {
  await page.click('#word', { clickCount: 3 });
  await page.keyboard.press('Backspace');
  await page.type('#word', word);
  return shown();
}

// Puts `word` into the box at once, as pasting does.
async function pasteWord(word) {
  await page.$eval('#word', (input, text) => {
    input.value = text;
    input.dispatchEvent(new Event('input'));
  }, word);
  return shown();
}

const reading = (fields) => ({
  score: '1', errors: [], suggestions: [], ...fields,
});

test('readings appear as the word is typed', async () => {
  assert.equal((await shown()).lexicon, 'Sample lexicon: 44 entries');
  const cases = [
    ['mIy', '2 readings of “mIy”:', [
      reading({ pos: 'N', analysis: 'I, me', word: 'mIy', key: 'mIy:P' }),
      reading({ pos: 'V', analysis: 'I am ', word: 'mIy', key: 'mIy:P' }),
    ]],
    ["Dalpu'", "1 reading of “Dalpu'”:", [
      reading({
        pos: 'N', analysis: 'house (pl)', score: '0.500', word: "Dalpu'",
        key: 'Dal:N',
        errors: ["Plural suffix {-pu'} is for beings capable of language."],
        suggestions: ['Dalmey'],
      }),
    ]],
    ['naDevDaq', 'No reading of “naDevDaq”.', []],
    ['x'.repeat(257), 'word longer than 256 bytes', []],
    [`Dal${"pu'".repeat(84)}`, 'word too complex', []],
  ];
  for (const [word, summary, readings] of cases) {
    const view = word.length > 20 ? await pasteWord(word) : await typeWord(word);
    assert.equal(view.summary, summary, word);
    assert.deepEqual(view.readings, readings, word);
  }
});

test('a word without a flawless reading gets spelling corrections', async () => {
  const cases = [
    ['Dalmay', [], ['Dalmaj', 'Dalmey'], 'Did you mean'],
    // The readings' own suggestion (Dalmey) is not offered twice.
    ["Dalpu'", ['Dalmey'], ["DaghIlpu'"], 'Or did you mean'],
    ['naDevDaq', [], ['naDevDaj'], 'Did you mean'],
    ['Dalmey', [], [], null],  // flawless
    ['x'.repeat(257), [], [], null],  // refused
  ];
  for (const [word, suggestions, spelling, label] of cases) {
    const view = word.length > 20 ? await pasteWord(word) : await typeWord(word);
    assert.deepEqual(view.readings.flatMap((r) => r.suggestions), suggestions, word);
    assert.deepEqual(view.spelling, spelling, word);
    assert.equal(view.spellingLabel, label, word);
  }
  await typeWord('Dalmay');
  await page.click('#spelling .suggestion:last-of-type');
  assert.equal(await page.$eval('#word', (input) => input.value), 'Dalmey');
  const view = await shown();
  assert.equal(view.summary, '1 reading of “Dalmey”:');
  assert.deepEqual(view.spelling, []);
});

test('clicking a suggestion analyses it', async () => {
  const typed = await typeWord('DALMEY');
  assert.deepEqual(typed.readings, [reading({
    pos: 'N', analysis: 'house (pl)', score: '0.909', word: 'Dalmey',
    key: 'Dal:N', errors: ['Spelling or case.'], suggestions: ['Dalmey'],
  })]);
  await page.click('.suggestion');
  assert.equal(await page.$eval('#word', (input) => input.value), 'Dalmey');
  assert.deepEqual((await shown()).readings, [reading({
    pos: 'N', analysis: 'house (pl)', word: 'Dalmey', key: 'Dal:N',
  })]);
});

// Opens `bytes` through the page's file picker as a file called `name`.
async function openLexicon(name, bytes) {
  const dir = mkdtempSync(join(tmpdir(), 'tesvar-lexicon-'));
  const file = join(dir, name);
  writeFileSync(file, bytes);
  const before = await page.$eval('#lexicon-status', (node) => node.textContent);
  const input = await page.$('#lexicon-file');
  await input.uploadFile(file);
  await page.waitForFunction((text) =>
    document.getElementById('lexicon-status').textContent !== text, {}, before);
  rmSync(dir, { recursive: true, force: true });
  return shown();
}

test('a lexicon file opened through the picker replaces the sample', async () => {
  const lexicon = Buffer.from(
    'key\theadword\tpos\tdefinition\tflags\tplural\n' +
    'qep:N\tqep\tN\tmeeting, caf\u00e9\t\t\n' +
    'Suv:V\tSuv\tV\tfight\t\t\n');
  assert.equal((await openLexicon('my words.tsv', lexicon)).lexicon,
    'my words.tsv: 2 entries');
  assert.deepEqual((await typeWord('qepmey')).readings, [
    reading({ pos: 'N', analysis: 'meeting, café (pl)', word: 'qepmey', key: 'qep:N' }),
  ]);
  assert.equal((await typeWord('Dalmey')).summary, 'No reading of “Dalmey”.');

  // A broken file is reported with its line, and the lexicon in use stays.
  const broken = await openLexicon('broken.tsv',
    Buffer.from('key\theadword\tpos\tdefinition\nk\tk\tNOUN\td\n'));
  assert.match(broken.lexicon, /^broken\.tsv:2: bad part of speech 'NOUN'/);
  assert.match(broken.lexicon, /the lexicon in use is unchanged/);
  assert.equal((await typeWord('vISuv')).readings[0]?.analysis,
    'I fight him/her/it/them');

  await page.click('#use-sample');
  assert.equal((await shown()).lexicon, 'Sample lexicon: 44 entries');
});

test('the package also runs in a web worker', async () => {
  const analysis = await page.evaluate(() => {
    // Workers have no import map: the module is named by its URL.
    const url = new URL('./node_modules/tesvar/tesvar.js', location.href).href;
    const source = `import { Lexicon, Parser } from '${url}';
      postMessage(new Parser(Lexicon.sample()).parse('jIrom')[0].analysis);`;
    const worker = new Worker(
      URL.createObjectURL(new Blob([source], { type: 'text/javascript' })),
      { type: 'module' });
    return new Promise((resolve, reject) => {
      worker.onmessage = (event) => resolve(event.data);
      worker.onerror = (event) => reject(new Error(event.message));
    }).finally(() => worker.terminate());
  });
  assert.equal(analysis, 'I eat');
});

test('the page looks as it should and logs no errors', async () => {
  await typeWord("Dalpu'");
  mkdirSync(artifacts, { recursive: true });
  const screenshot = join(artifacts, 'dictionary-page.png');
  await page.screenshot({ path: screenshot, fullPage: true });
  assert.ok(existsSync(screenshot));
  assert.deepEqual(problems, []);
});
