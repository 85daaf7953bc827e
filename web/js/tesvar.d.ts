/// <reference lib="esnext.disposable" />
// Types of the tesvar package: the word analyser compiled to WebAssembly.
// The module is ready when its import resolves.

/** The library's version, e.g. "0.1.0". */
export declare const version: string;

/** The longest word, in UTF-8 bytes, that Parser.parse analyses. */
export declare const maxWordBytes: number;

/**
 * One reading of a word. The fields are those of a result in the command
 * line's JSON output. Texts come from bytes: well-formed UTF-8 is decoded
 * as such, any other byte as the character with the same number.
 */
export interface Reading {
  /** Part of speech: "N", "V", "P", "ADV", "NUM", "CONJ", "EXCL", "Q" or "X". */
  pos: string;
  /** The word analysed, in its normalised spelling. */
  word: string;
  /** The lexicon key of the matched entry. */
  key: string;
  /** The English rendering of the reading. */
  analysis: string;
  /** 1 for a flawless reading, less for each irregularity. */
  score: number;
  /** What is wrong under this reading. */
  errors: string[];
  /** Corrected word forms, each of which has been analysed in turn. */
  suggestions: string[];
  /** The reading written back in the language's own notation. */
  native: string;
}

/** A lexicon text that could not be read. */
export declare class LexiconError extends Error {
  readonly name: "LexiconError";
  /** "NAME:LINE: what is wrong". */
  readonly message: string;
  /** The name the text was given. */
  readonly source: string;
  /** The line at fault, counting from 1, when the message names one. */
  readonly line: number | undefined;
}

/** A word the library does not analyse; a RangeError with a code. */
export interface WordRefusedError extends RangeError {
  readonly code: "WORD_TOO_LONG" | "WORD_TOO_COMPLEX";
}

/**
 * The entries that words are analysed against; read-only once made and
 * shared by any number of parsers. It lives in WebAssembly memory: free()
 * it, or declare it with `using`, when done.
 */
export declare class Lexicon implements Disposable {
  private constructor();
  /** The sample lexicon built into the library. */
  static sample(): Lexicon;
  /**
   * Reads a lexicon file's whole content in the tab-separated lexicon
   * format: a string (encoded as UTF-8) or the file's bytes. `name` names
   * it in messages (default "<memory>").
   * @throws {LexiconError} when the text is malformed; nothing is loaded.
   */
  static fromTsv(text: string | Uint8Array | ArrayBuffer, name?: string): Lexicon;
  /** The number of entries. */
  readonly size: number;
  /**
   * Closes the lexicon: its memory goes back once no parser made on it is
   * left. Later use of this object throws; a second call does nothing.
   */
  free(): void;
  [Symbol.dispose](): void;
}

/**
 * Analyses words against one lexicon, which it keeps alive until it is
 * freed. It lives in WebAssembly memory: free() it, or declare it with
 * `using`, when done.
 */
export declare class Parser implements Disposable {
  constructor(lexicon: Lexicon);
  /**
   * Every reading of `word` in the library's order; empty when there is
   * none. A string is encoded as UTF-8; bytes are analysed as they are.
   * @throws {WordRefusedError} for a word longer than maxWordBytes bytes
   * (code "WORD_TOO_LONG") or one that needs far more work than any word
   * of the language (code "WORD_TOO_COMPLEX").
   */
  parse(word: string | Uint8Array): Reading[];
  /**
   * At most `max` (default 10) spelling corrections of `word`, best first:
   * words that read flawlessly and are a few slips of the keyboard away,
   * the likeliest slips first, then in lexicon order. Never `word` itself;
   * empty when nothing is close, and for a word of more than 64 letters.
   * The first call indexes the lexicon for this parser.
   * @throws {RangeError} when `max` is not a whole number of at least 0.
   */
  suggest(word: string | Uint8Array, max?: number): string[];
  /** Hands back the parser's memory. Later use throws; a second call does nothing. */
  free(): void;
  [Symbol.dispose](): void;
}
