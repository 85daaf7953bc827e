// Texts coming back from the library: well-formed UTF-8 decoded, every
// other byte read as Latin-1, nothing dropped or replaced.

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { importBuilt } from './support.mjs';

const { decodeText, encodeText } = await importBuilt('text.js');

const bytes = (...values) => Uint8Array.from(values);

test('decodes well-formed UTF-8 and reads every other byte as Latin-1', () => {
  const cases = [
    ['empty', bytes(), ''],
    ['ASCII with apostrophe', encodeText("tlhIngan'a'"), "tlhIngan'a'"],
    ['two-byte sequence', bytes(0xc3, 0xa9), '\u00e9'],
    ['three-byte sequence', bytes(0xe2, 0x82, 0xac), '\u20ac'],
    ['four-byte sequence', bytes(0xf0, 0x9f, 0x98, 0x80), '\u{1f600}'],
    ['last code point', bytes(0xf4, 0x8f, 0xbf, 0xbf), '\u{10ffff}'],
    ['lone Latin-1 byte between letters', bytes(0x61, 0xe9, 0x62), 'a\u00e9b'],
    ['C1 control byte', bytes(0x85), '\u0085'],
    ['lone continuation byte', bytes(0x80), '\u0080'],
    ['overlong two-byte NUL', bytes(0xc0, 0x80), '\u00c0\u0080'],
    ['overlong three-byte form', bytes(0xe0, 0x80, 0xaf), '\u00e0\u0080\u00af'],
    ['encoded surrogate', bytes(0xed, 0xa0, 0x80), '\u00ed\u00a0\u0080'],
    ['past U+10FFFF', bytes(0xf4, 0x90, 0x80, 0x80), '\u00f4\u0090\u0080\u0080'],
    ['lead bytes that never start a sequence', bytes(0xf5, 0xff, 0xfe), '\u00f5\u00ff\u00fe'],
    ['sequence cut by the end', bytes(0x61, 0xe2, 0x82), 'a\u00e2\u0082'],
    ['sequence cut by ASCII', bytes(0xe2, 0x82, 0x41), '\u00e2\u0082A'],
    ['valid after invalid', bytes(0xff, 0xc3, 0xa9), '\u00ff\u00e9'],
  ];
  for (const [name, input, expected] of cases) {
    assert.equal(decodeText(input), expected, name);
  }
});

test('decodes a slice, and texts longer than one chunk', () => {
  const all = encodeText('xx\u00e9yy');
  assert.equal(decodeText(all, 2, 4), '\u00e9');
  const long = 'ab'.repeat(10000);
  assert.equal(decodeText(encodeText(long)), long);
  const mixed = `${'q'.repeat(9000)}\u00e9${'Q'.repeat(9000)}`;
  assert.equal(decodeText(encodeText(mixed)), mixed);
});
