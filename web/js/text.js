// Texts between JavaScript and the library. The library works on bytes.
// Going in, a string is encoded as UTF-8. Coming back, bytes that form
// well-formed UTF-8 are decoded as such and every other byte becomes the
// character with the same number (its Latin-1 reading), so nothing is lost
// and no replacement character ever appears: a lexicon in UTF-8 reads
// naturally, and a lexicon in a legacy 8-bit encoding still shows every
// byte.

const encoder = new TextEncoder();

// The UTF-8 bytes of `text`, or a copy of the bytes given.
export function encodeText(text) {
  if (typeof text === 'string') return encoder.encode(text);
  if (text instanceof Uint8Array) return text;
  if (text instanceof ArrayBuffer) return new Uint8Array(text);
  if (ArrayBuffer.isView(text)) {
    return new Uint8Array(text.buffer, text.byteOffset, text.byteLength);
  }
  throw new TypeError(
    `expected a string, Uint8Array or ArrayBuffer, not ${describe(text)}`);
}

function describe(value) {
  if (value === null) return 'null';
  if (typeof value === 'object') return value.constructor?.name ?? 'object';
  return typeof value;
}

// fromCharCode takes its arguments on the stack; long texts go in chunks.
const kChunk = 4096;

function charsOf(bytes, start, end) {
  if (end - start <= kChunk) {
    return String.fromCharCode.apply(null, bytes.subarray(start, end));
  }
  let text = '';
  for (let i = start; i < end; i += kChunk) {
    text += String.fromCharCode.apply(
      null, bytes.subarray(i, Math.min(i + kChunk, end)));
  }
  return text;
}

function isContinuation(byte) {
  return (byte & 0xc0) === 0x80;
}

// The length of the well-formed UTF-8 sequence at bytes[i] (lead byte
// 0x80 or above), or 0 when there is none. The second byte's range depends
// on the lead, which rules out overlong forms, surrogates and code points
// past U+10FFFF.
function sequenceLength(bytes, i, end) {
  const lead = bytes[i];
  let length;
  let low = 0x80;
  let high = 0xbf;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    if (lead === 0xe0) low = 0xa0;
    if (lead === 0xed) high = 0x9f;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    if (lead === 0xf0) low = 0x90;
    if (lead === 0xf4) high = 0x8f;
  } else {
    return 0;
  }
  if (i + length > end) return 0;
  const second = bytes[i + 1];
  if (second < low || second > high) return 0;
  for (let k = 2; k < length; ++k) {
    if (!isContinuation(bytes[i + k])) return 0;
  }
  return length;
}

function codePointAt(bytes, i, length) {
  let code = bytes[i] & (0xff >> (length + 1));
  for (let k = 1; k < length; ++k) code = (code << 6) | (bytes[i + k] & 0x3f);
  return code;
}

// The text of bytes[start, end).
export function decodeText(bytes, start = 0, end = bytes.length) {
  let i = start;
  while (i < end && bytes[i] < 0x80) ++i;
  if (i === end) return charsOf(bytes, start, end);
  let text = charsOf(bytes, start, i);
  while (i < end) {
    const byte = bytes[i];
    const length = byte < 0x80 ? 1 : sequenceLength(bytes, i, end);
    if (length <= 1) {
      text += String.fromCharCode(byte);
      ++i;
    } else {
      text += String.fromCodePoint(codePointAt(bytes, i, length));
      i += length;
    }
  }
  return text;
}
