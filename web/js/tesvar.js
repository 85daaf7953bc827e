// tesvar in JavaScript: the word analyser compiled to WebAssembly, with
// lexicons and parsers as classes and readings as plain objects. The
// module loads and compiles the .wasm file beside it when it is imported,
// so everything it exports is ready to use at once.
//
// Lexicons and parsers live in the WebAssembly memory, which the garbage
// collector does not see: free() (or `using`) hands that memory back at a
// known time. An object that is never freed is released some time after
// it has been collected, or never if the process ends first.
//
// Everything here runs on the thread that imported the module; a worker
// that imports it gets a module instance of its own.

import createTesvarModule from './tesvar_wasm.js';
import { decodeText, encodeText } from './text.js';

const wasmUrl = new URL('./tesvar_wasm.wasm', import.meta.url);

// Node.js reads the file; browsers fetch it and compile while it arrives
// when the server labels it application/wasm.
async function instantiate(imports) {
  if (wasmUrl.protocol === 'file:' && globalThis.process?.versions?.node) {
    const { readFile } = await import('node:fs/promises');
    return WebAssembly.instantiate(await readFile(wasmUrl), imports);
  }
  const response = await fetch(wasmUrl);
  if (!response.ok) {
    throw new Error(`cannot load ${wasmUrl}: HTTP ${response.status}`);
  }
  const type = response.headers.get('Content-Type') ?? '';
  if (WebAssembly.instantiateStreaming && type.startsWith('application/wasm')) {
    return WebAssembly.instantiateStreaming(response, imports);
  }
  return WebAssembly.instantiate(await response.arrayBuffer(), imports);
}

async function load() {
  let fail;
  const failed = new Promise((resolve, reject) => { fail = reject; });
  const ready = createTesvarModule({
    // The generated loader waits for this callback; a failure to load is
    // reported through `failed`, or the import would hang.
    instantiateWasm(imports, receive) {
      instantiate(imports).then(
        ({ instance, module }) => receive(instance, module), fail);
      return {};
    },
  });
  return Promise.race([ready, failed]);
}

const wasm = await load();

function cString(pointer) {
  const heap = wasm.HEAPU8;
  let end = pointer;
  while (heap[end] !== 0) ++end;
  return decodeText(heap, pointer, end);
}

// The library's version, e.g. "0.1.0".
export const version = cString(wasm._tw_version());

// The longest word, in UTF-8 bytes, that Parser.parse analyses.
export const maxWordBytes = wasm._tw_max_word_bytes();

const dispose = Symbol.dispose ?? Symbol.for('Symbol.dispose');

// Releases the WebAssembly side of objects collected without free().
const collected = new FinalizationRegistry((release) => release());

// Copies `bytes` into fresh WebAssembly memory; the caller frees it.
function copyIn(bytes) {
  const pointer = wasm._malloc(Math.max(bytes.length, 1));
  if (pointer === 0) throw new RangeError('out of WebAssembly memory');
  wasm.HEAPU8.set(bytes, pointer);
  return pointer;
}

// Takes over a string made by the library: its text, then frees it.
function takeString(pointer) {
  const data = wasm._tw_string_data(pointer);
  const text = decodeText(wasm.HEAPU8, data, data + wasm._tw_string_size(pointer));
  wasm._tw_string_free(pointer);
  return text;
}

// Runs `load(messageSlot)`, which returns a lexicon pointer or 0 with a
// message in the slot, and returns the pointer or throws the message.
function loadLexicon(load, name) {
  const slot = wasm._malloc(4);
  if (slot === 0) throw new RangeError('out of WebAssembly memory');
  try {
    const pointer = load(slot);
    if (pointer !== 0) return pointer;
    const message = new DataView(wasm.HEAPU8.buffer).getUint32(slot, true);
    throw new LexiconError(takeString(message), name);
  } finally {
    wasm._free(slot);
  }
}

// A lexicon file that could not be read. The message says where and what:
// "words.tsv:3: bad part of speech 'NOUN': ...".
export class LexiconError extends Error {
  constructor(message, source) {
    super(message);
    this.name = 'LexiconError';
    // The name the text was given, and the line at fault (from 1).
    this.source = source;
    const prefix = `${source}:`;
    const line = message.startsWith(prefix)
      ? /^(\d+):/.exec(message.slice(prefix.length)) : null;
    this.line = line ? Number(line[1]) : undefined;
  }
}

// The WebAssembly side of a lexicon. Freeing the Lexicon object closes it
// to new parsers; its memory goes back once no parser uses it either.
class LexiconCell {
  constructor(pointer) {
    this.pointer = pointer;
    this.parsers = 0;
    this.closed = false;
  }

  close() {
    this.closed = true;
    this.releaseIfUnused();
  }

  releaseIfUnused() {
    if (this.closed && this.parsers === 0 && this.pointer !== 0) {
      wasm._tw_lexicon_free(this.pointer);
      this.pointer = 0;
    }
  }
}

const kMadeInside = Symbol('tesvar.Lexicon');
let cellOf;

// The entries that words are analysed against. Made by Lexicon.sample()
// or Lexicon.fromTsv(); read-only afterwards and shared by any number of
// parsers.
export class Lexicon {
  #cell;

  static {
    cellOf = (lexicon) => lexicon.#cell;
  }

  constructor(token, pointer) {
    if (token !== kMadeInside) {
      throw new TypeError('use Lexicon.sample() or Lexicon.fromTsv()');
    }
    this.#cell = new LexiconCell(pointer);
    const cell = this.#cell;
    collected.register(this, () => cell.close(), this);
  }

  // The sample lexicon built into the library.
  static sample() {
    const pointer = loadLexicon((slot) => wasm._tw_lexicon_sample(slot),
      '<sample>');
    return new Lexicon(kMadeInside, pointer);
  }

  // Reads a lexicon file's whole content: a string (read as UTF-8) or its
  // bytes (Uint8Array or ArrayBuffer, read as they are). `name` names it
  // in error messages. Throws a LexiconError when the text is malformed.
  static fromTsv(text, name = '<memory>') {
    const bytes = encodeText(text);
    const nameBytes = encodeText(String(name));
    const textAt = copyIn(bytes);
    let nameAt = 0;
    try {
      nameAt = copyIn(nameBytes);
      const pointer = loadLexicon((slot) => wasm._tw_lexicon_from_tsv(
        textAt, bytes.length, nameAt, nameBytes.length, slot), String(name));
      return new Lexicon(kMadeInside, pointer);
    } finally {
      wasm._free(textAt);
      if (nameAt !== 0) wasm._free(nameAt);
    }
  }

  // The number of entries.
  get size() {
    return wasm._tw_lexicon_size(this.#live());
  }

  // Hands back the lexicon's memory (once no parser uses it). Further use
  // of this object throws; calling free() again does nothing.
  free() {
    if (this.#cell.closed) return;
    collected.unregister(this);
    this.#cell.close();
  }

  [dispose]() {
    this.free();
  }

  #live() {
    if (this.#cell.closed) throw new Error('Lexicon used after free()');
    return this.#cell.pointer;
  }
}

const encoder = new TextEncoder();

// Reads the readings that tw_parser_parse packed at `at` (see
// tesvar_wasm.cc for the layout).
class PackedReadings {
  constructor(at) {
    this.heap = wasm.HEAPU8;
    this.view = new DataView(this.heap.buffer);
    this.at = at;
  }

  count() {
    const value = this.view.getUint32(this.at, true);
    this.at += 4;
    return value;
  }

  score() {
    const value = this.view.getFloat64(this.at, true);
    this.at += 8;
    return value;
  }

  text() {
    const start = this.at + 4;
    this.at = start + this.view.getUint32(this.at, true);
    return decodeText(this.heap, start, this.at);
  }

  list() {
    const texts = new Array(this.count());
    for (let i = 0; i < texts.length; ++i) texts[i] = this.text();
    return texts;
  }

  readings() {
    const readings = new Array(this.count());
    for (let i = 0; i < readings.length; ++i) {
      const score = this.score();
      const pos = this.text();
      const word = this.text();
      const key = this.text();
      const analysis = this.text();
      const native = this.text();
      const errors = this.list();
      const suggestions = this.list();
      readings[i] = {
        pos, word, key, analysis, score, errors, suggestions, native,
      };
    }
    return readings;
  }
}

// The corrections suggest() offers unless asked for another number, and
// the most it passes on (a size_t on the WebAssembly side).
const kDefaultMaxCorrections = 10;
const kMaxCount = 0xffffffff;

// Writes `word` (a string, encoded as UTF-8, or a Uint8Array) where
// `parser` takes its next word; returns its size in bytes. Past the
// length limit the library refuses the word whatever follows (and finds
// no corrections for it), so a huge word is cut to just over the limit
// before it is copied.
function writeWord(parser, word) {
  const limit = maxWordBytes + 1;
  if (typeof word === 'string') {
    // Never fewer bytes than UTF-16 units, and at most three per unit.
    const units = word.length > limit ? word.slice(0, limit) : word;
    const capacity = units.length * 3;
    const at = wasm._tw_parser_word(parser, capacity);
    return encoder.encodeInto(
      units, wasm.HEAPU8.subarray(at, at + capacity)).written;
  }
  const all = encodeText(word);
  const bytes = all.length > limit ? all.subarray(0, limit) : all;
  const at = wasm._tw_parser_word(parser, bytes.length);
  wasm.HEAPU8.set(bytes, at);  // after the call, which may grow memory
  return bytes.length;
}

// Analyses words against one lexicon, which it keeps alive.
export class Parser {
  #pointer;
  #cell;

  constructor(lexicon) {
    if (!(lexicon instanceof Lexicon)) {
      throw new TypeError('new Parser(lexicon) needs a Lexicon');
    }
    const cell = cellOf(lexicon);
    if (cell.closed) throw new Error('Lexicon used after free()');
    const pointer = wasm._tw_parser_new(cell.pointer);
    this.#pointer = pointer;
    this.#cell = cell;
    ++cell.parsers;
    collected.register(this, () => {
      wasm._tw_parser_free(pointer);
      --cell.parsers;
      cell.releaseIfUnused();
    }, this);
  }

  // Every reading of `word` (a string, encoded as UTF-8, or its bytes as a
  // Uint8Array), in the library's order; an empty array when there is
  // none. Throws a RangeError for a word the library refuses to analyse:
  // longer than maxWordBytes (code WORD_TOO_LONG) or needing more work
  // than a word of the language ever does (code WORD_TOO_COMPLEX).
  parse(word) {
    const parser = this.#live();
    const size = writeWord(parser, word);
    const status = wasm._tw_parser_parse(parser, size);
    const outcome = new PackedReadings(wasm._tw_parser_output(parser));
    if (status !== kOk) throw refusal(status, outcome.text());
    return outcome.readings();
  }

  // At most `max` spelling corrections of `word` (as for parse()), best
  // first: words that read flawlessly and are a few slips of the keyboard
  // away, the likeliest slips first. Never `word` itself; an empty array
  // when nothing is close, and for a word of more than 64 letters. The
  // first call makes the parser's corrector, which indexes the lexicon.
  suggest(word, max = kDefaultMaxCorrections) {
    if (typeof max !== 'number') {
      throw new TypeError(`max must be a number, not ${typeof max}`);
    }
    if (!Number.isInteger(max) || max < 0) {
      throw new RangeError(`max must be a whole number of at least 0, not ${max}`);
    }
    const parser = this.#live();
    const size = writeWord(parser, word);
    wasm._tw_parser_suggest(parser, size, Math.min(max, kMaxCount));
    return new PackedReadings(wasm._tw_parser_output(parser)).list();
  }

  // Hands back the parser's memory. Further use throws; calling free()
  // again does nothing.
  free() {
    if (this.#pointer === 0) return;
    collected.unregister(this);
    wasm._tw_parser_free(this.#pointer);
    this.#pointer = 0;
    --this.#cell.parsers;
    this.#cell.releaseIfUnused();
  }

  [dispose]() {
    this.free();
  }

  #live() {
    if (this.#pointer === 0) throw new Error('Parser used after free()');
    return this.#pointer;
  }
}

// Status codes of the library, and the error codes that stand for them.
const kOk = 0;
const kRefusals = new Map([[3, 'WORD_TOO_LONG'], [4, 'WORD_TOO_COMPLEX']]);

function refusal(status, message) {
  const code = kRefusals.get(status);
  if (code === undefined) return new Error(`tesvar: ${message} (status ${status})`);
  return Object.assign(new RangeError(message), { code });
}
