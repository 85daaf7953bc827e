// Builds JSON text by appending to one buffer per word, copying into room
// made beforehand rather than appending piece by piece.
// Tested by json_writer_test.cc.

#include "tools/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "tesvar/utf8.h"

namespace tesvar {
namespace cli {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

// Member and element separators; part of the output format. DO NOT CHANGE.
constexpr std::string_view kMemberSeparator = ", ";

// The bytes that stand for themselves in a JSON string: 0x20..0x7E but
// the quote and the backslash.
struct PlainBytes {
  bool of[256];
};

constexpr PlainBytes MakePlainBytes() {
  PlainBytes table{};
  for (int byte = 0x20; byte <= 0x7E; ++byte) {
    table.of[byte] = byte != '"' && byte != '\\';
  }
  return table;
}

constexpr PlainBytes kPlainBytes = MakePlainBytes();

bool IsPlain(char c) { return kPlainBytes.of[static_cast<unsigned char>(c)]; }

// Keys with their quotes and the separators around them, written as they
// are: no key needs escaping. Part of the output format. DO NOT CHANGE.
constexpr std::string_view kInputKey = "{\"input\": ";
constexpr std::string_view kResultsKey = ", \"results\": [";
constexpr std::string_view kErrorKey = ", \"error\": ";
constexpr std::string_view kPosKey = "{\"pos\": ";
constexpr std::string_view kWordKey = ", \"word\": ";
constexpr std::string_view kKeyKey = ", \"key\": ";
constexpr std::string_view kAnalysisKey = ", \"analysis\": ";
constexpr std::string_view kScoreKey = ", \"score\": ";
constexpr std::string_view kErrorsKey = ", \"errors\": [";
constexpr std::string_view kSuggestionsKey = "], \"suggestions\": [";
constexpr std::string_view kNativeKey = "], \"native\": ";

// The high bit of each byte of `chunk` that does not stand for itself in a
// JSON string: below 0x20, 0x7F and up, the quote and the backslash. Each
// byte is judged on its own low seven bits, with sums that stay inside the
// byte, so the answer for one byte never spills into the next.
template <typename Chunk>
Chunk SpecialBytes(Chunk chunk) {
  constexpr Chunk kEach = static_cast<Chunk>(0x0101010101010101);
  const Chunk low = chunk & (kEach * 0x7F);
  const Chunk is_delete = low + kEach;            // 0x7F
  const Chunk is_printable = low + kEach * 0x60;  // 0x20 and up
  const Chunk not_quote = (low ^ (kEach * '"')) + kEach * 0x7F;
  const Chunk not_backslash = (low ^ (kEach * '\\')) + kEach * 0x7F;
  return (chunk | is_delete | ~(is_printable & not_quote & not_backslash)) &
         (kEach * 0x80);
}

// Copies one chunk of bytes when all of them stand for themselves.
template <typename Chunk>
bool CopyPlainChunk(const char* from, char* to) {
  Chunk chunk;
  std::memcpy(&chunk, from, sizeof(chunk));
  if (SpecialBytes(chunk) != 0) return false;
  std::memcpy(to, &chunk, sizeof(chunk));
  return true;
}

#if defined(__SSE2__)
// One bit per byte of `chunk` that does not stand for itself. Compared as
// signed bytes, 0x80 and up are below 0x20 too.
inline int SpecialMask(__m128i chunk) {
  const __m128i special =
      _mm_or_si128(_mm_or_si128(_mm_cmplt_epi8(chunk, _mm_set1_epi8(0x20)),
                                _mm_cmpeq_epi8(chunk, _mm_set1_epi8(0x7F))),
                   _mm_or_si128(_mm_cmpeq_epi8(chunk, _mm_set1_epi8('"')),
                                _mm_cmpeq_epi8(chunk, _mm_set1_epi8('\\'))));
  return _mm_movemask_epi8(special);
}

// Copies sixteen bytes when all of them stand for themselves.
inline bool CopyPlainChunk16(const char* from, char* to) {
  const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
  if (SpecialMask(chunk) != 0) return false;
  _mm_storeu_si128(reinterpret_cast<__m128i*>(to), chunk);
  return true;
}

// The same for eight bytes; the register's upper half is zeros, whose
// answers are not read.
inline bool CopyPlainChunk8(const char* from, char* to) {
  const __m128i chunk = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(from));
  if ((SpecialMask(chunk) & 0xFF) != 0) return false;
  _mm_storel_epi64(reinterpret_cast<__m128i*>(to), chunk);
  return true;
}
#endif

// Copies the bytes of `text` that stand for themselves, from the start up
// to the first that does not, to `to`; returns how many. Sixteen bytes
// are judged at once where the processor can (eight in shorter texts),
// else eight, and a text's last few bytes as the chunk that ends it,
// partly read again. `to` has room for all of `text`.
[[gnu::always_inline]] inline size_t CopyPlainStart(std::string_view text,
                                                    char* to) {
  const char* const from = text.data();
  const size_t size = text.size();
  size_t i = 0;
#if defined(__SSE2__)
  constexpr size_t kWide = 16;
  constexpr size_t kNarrow = 8;
  if (size >= kWide) {
    for (; i + kWide <= size; i += kWide) {
      if (!CopyPlainChunk16(from + i, to + i)) break;
    }
    if (i == size ||
        (i + kWide > size &&
         CopyPlainChunk16(from + size - kWide, to + size - kWide))) {
      return size;
    }
  } else if (size >= kNarrow) {
    if (CopyPlainChunk8(from, to) &&
        CopyPlainChunk8(from + size - kNarrow, to + size - kNarrow)) {
      return size;
    }
  } else if (size >= sizeof(uint32_t)) {
#else
  if (size >= sizeof(uint64_t)) {
    constexpr size_t kChunk = sizeof(uint64_t);
    for (; i + kChunk <= size; i += kChunk) {
      if (!CopyPlainChunk<uint64_t>(from + i, to + i)) break;
    }
    if (i == size ||
        (i + kChunk > size &&
         CopyPlainChunk<uint64_t>(from + size - kChunk, to + size - kChunk))) {
      return size;
    }
  } else if (size >= sizeof(uint32_t)) {
#endif
    constexpr size_t kChunk = sizeof(uint32_t);
    if (CopyPlainChunk<uint32_t>(from, to) &&
        CopyPlainChunk<uint32_t>(from + size - kChunk, to + size - kChunk)) {
      return size;
    }
  }
  for (; i < size && IsPlain(from[i]); ++i) to[i] = from[i];
  return i;
}

// Writes `value`, not a whole number, when at most kMostDecimals digits
// after the point read back as it, exactly as the shortest form would:
// fixed notation, since from 0.001 up that is never longer than an
// exponent. Returns the end of what was written, or null.
//
// n / 10^k, both exact doubles, rounds as reading "n" with k decimals
// does, so the comparison is the read-back test. Decimals are tried
// fewest first, so the first match is the shortest; with this few digits
// the grid of candidates is far coarser than the spacing of doubles, so
// only the nearest candidate, n rounded, can match.
char* ShortDecimal(double value, char* to) {
  constexpr int kMostDecimals = 8;
  constexpr double kPowers[kMostDecimals + 1] = {1,   1e1, 1e2, 1e3, 1e4,
                                                 1e5, 1e6, 1e7, 1e8};
  if (!(value >= 0.001 && value < 10000)) return nullptr;
  for (int k = 1; k <= kMostDecimals; ++k) {
    const auto scaled = static_cast<uint64_t>(value * kPowers[k] + 0.5);
    if (static_cast<double>(scaled) / kPowers[k] != value) continue;
    const auto power = static_cast<uint64_t>(kPowers[k]);
    to = std::to_chars(to, to + 8, scaled / power).ptr;
    *to++ = '.';
    // The last digit is never 0: fewer decimals would have matched.
    uint64_t fraction = scaled % power;
    for (int i = k - 1; i >= 0; --i) {
      to[i] = static_cast<char>('0' + fraction % 10);
      fraction /= 10;
    }
    return to + k;
  }
  return nullptr;
}

// Scores are products of halves, thirds and the spelling factor (1/1.1).
// The commonest that need all their digits, with their shortest forms, so
// that they skip the general search; each value is written as its own
// text, which therefore reads back as it (json_writer_test checks).
struct KnownNumber {
  double value;
  std::string_view text;
};

constexpr KnownNumber kKnownNumbers[] = {
    {0.9090909090909091, "0.9090909090909091"},
    {0.45454545454545453, "0.45454545454545453"},
    {0.6666666666666666, "0.6666666666666666"},
    {0.3333333333333333, "0.3333333333333333"},
    {0.1111111111111111, "0.1111111111111111"},
    {0.16666666666666666, "0.16666666666666666"},
    {0.08333333333333333, "0.08333333333333333"},
    {0.303030303030303, "0.303030303030303"},
    {0.606060606060606, "0.606060606060606"},
    {0.22727272727272727, "0.22727272727272727"},
};

// A line being written into a string through a cursor. The writer of a
// line makes room for all of it first (Make), as much as it takes when
// nothing needs escaping, so that writing the pieces is plain copying; at
// the end the string is cut back to what was written. Only an escape asks
// for more, keeping the room already made for the rest of the line. The
// cursor is a pointer into the string's bytes, valid until the string
// grows.
class JsonBuffer {
 public:
  explicit JsonBuffer(std::string* out)
      : out_(out), at_(&(*out)[0] + out->size()), end_(at_) {}
  JsonBuffer(const JsonBuffer&) = delete;
  JsonBuffer& operator=(const JsonBuffer&) = delete;
  ~JsonBuffer() { out_->resize(Used()); }

  // Makes room for `size` more bytes.
  void Make(size_t size) {
    if (static_cast<size_t>(end_ - at_) < size) Grow(size);
  }

  void Literal(std::string_view text) { Copy(text.data(), text.size()); }

  // Takes back the last `size` bytes written.
  void TakeBack(size_t size) { at_ -= size; }

  void Byte(char c) { *at_++ = c; }

  // `text` as a JSON string literal, quotes included.
  [[gnu::always_inline]] void String(std::string_view text) {
    // A local cursor: a store through a char pointer could change at_, so
    // the member would be read again after every byte.
    char* at = at_;
    *at++ = '"';
    const size_t plain = CopyPlainStart(text, at);
    at += plain;
    if (plain < text.size()) {
      at_ = at;
      Escaped(text.substr(plain));
      at = at_;
    }
    *at++ = '"';
    at_ = at;
  }

  void List(const StringList& list) {
    for (size_t i = 0; i < list.size(); ++i) {
      if (i > 0) Literal(kMemberSeparator);
      String(list[i]);
    }
  }

  void Number(double value) {
    // JSON has no spelling for infinities or NaN; scores never are either.
    if (!std::isfinite(value)) {
      Literal("null");
      return;
    }
    // Most scores are 1. A whole number below 10000 is written as its
    // digits by the shortest form too; that form turns to an exponent only
    // where it is shorter ("1e+05").
    if (value >= 0 && value < 10000 && !std::signbit(value)) {
      const auto whole = static_cast<unsigned>(value);
      if (static_cast<double>(whole) == value) {
        at_ = std::to_chars(at_, at_ + kLongestNumber, whole).ptr;
        return;
      }
      for (const KnownNumber& known : kKnownNumbers) {
        if (known.value == value) {
          Copy(known.text.data(), known.text.size());
          return;
        }
      }
      // Halves and quarters are the next most common.
      if (char* end = ShortDecimal(value, at_)) {
        at_ = end;
        return;
      }
    }
    at_ = std::to_chars(at_, at_ + kLongestNumber, value).ptr;
  }

  // 32 bytes hold any double in shortest form ("-2.2250738585072014e-308").
  static constexpr size_t kLongestNumber = 32;

 private:
  static constexpr size_t kLongestEscape = 6;  // \u00xx

  size_t Used() const { return static_cast<size_t>(at_ - out_->data()); }

  void Grow(size_t size) {
    const size_t used = Used();
    // Room for a few small pieces at once. Not more: the string may hold
    // many earlier lines, and the room is filled with zeros first.
    constexpr size_t kLeastRoom = 64;
    out_->resize(used + std::max(size, kLeastRoom));
    at_ = &(*out_)[0] + used;
    end_ = &(*out_)[0] + out_->size();
  }

  // The rest of a string from its first byte that does not stand for
  // itself, and the closing quote's room.
  [[gnu::noinline]] void Escaped(std::string_view text) {
    // The room left was made for this text unescaped, its closing quote
    // and the rest of the line; that much is left once it is written.
    Make(kLongestEscape * text.size() + 1 + static_cast<size_t>(end_ - at_));
    // Bytes that stand for themselves are copied in runs.
    size_t run = 0;
    size_t i = 0;
    while (i < text.size()) {
      if (IsPlain(text[i])) {
        ++i;
        continue;
      }
      const char c = text[i];
      const auto byte = static_cast<unsigned char>(c);
      if (byte >= 0x80) {
        if (const size_t length = Utf8SequenceLength(text.substr(i))) {
          i += length;
          continue;
        }
      }
      Copy(text.data() + run, i - run);
      run = ++i;
      if (c == '"' || c == '\\') {
        *at_++ = '\\';
        *at_++ = c;
      } else {
        Copy("\\u00", 4);
        *at_++ = kHexDigits[byte >> 4];
        *at_++ = kHexDigits[byte & 0xF];
      }
    }
    Copy(text.data() + run, text.size() - run);
  }

  void Copy(const char* bytes, size_t size) {
    if (size == 0) return;
    std::memcpy(at_, bytes, size);
    at_ += size;
  }

  std::string* const out_;
  char* at_;   // where the next byte goes
  char* end_;  // the end of the room made so far
};

constexpr size_t kQuotes = 2;

size_t ListRoom(const StringList& list) {
  size_t room = 0;
  for (const std::string& item : list) {
    room += item.size() + kQuotes + kMemberSeparator.size();
  }
  return room;
}

// The room a reading takes when nothing in it needs escaping (a little
// more: the separators, and the number at its longest).
size_t ResultRoom(const CParseResult& r, bool native) {
  constexpr size_t kFixed =
      kMemberSeparator.size() + kPosKey.size() + kWordKey.size() +
      kKeyKey.size() + kAnalysisKey.size() + kScoreKey.size() +
      JsonBuffer::kLongestNumber + kErrorsKey.size() + kSuggestionsKey.size() +
      kNativeKey.size() + 5 * kQuotes + 2;
  return kFixed + r.m_strPOS.size() + r.m_strWord.size() + r.m_strKey.size() +
         r.m_strAnalysis.size() + (native ? r.m_strNative.size() : 0) +
         ListRoom(r.m_lstErrors) + ListRoom(r.m_lstSuggestions);
}

// The members of one reading, in the order of the output format.
void AppendResult(const CParseResult& r, bool native, JsonBuffer* out) {
  out->Literal(kPosKey);
  out->String(r.m_strPOS);
  out->Literal(kWordKey);
  out->String(r.m_strWord);
  out->Literal(kKeyKey);
  out->String(r.m_strKey);
  out->Literal(kAnalysisKey);
  out->String(r.m_strAnalysis);
  out->Literal(kScoreKey);
  out->Number(r.m_dScore);
  out->Literal(kErrorsKey);
  out->List(r.m_lstErrors);
  out->Literal(kSuggestionsKey);
  out->List(r.m_lstSuggestions);
  if (native) {
    out->Literal(kNativeKey);
    out->String(r.m_strNative);
    out->Byte('}');
  } else {
    out->Literal("]}");
  }
}

}  // namespace

void AppendJsonString(std::string_view text, std::string* out) {
  JsonBuffer buffer(out);
  buffer.Make(text.size() + kQuotes);
  buffer.String(text);
}

void AppendJsonNumber(double value, std::string* out) {
  JsonBuffer buffer(out);
  buffer.Make(JsonBuffer::kLongestNumber);
  buffer.Number(value);
}

void AppendJsonLine(std::string_view input, const ParseResults& results,
                    bool native, std::string* out) {
  JsonBuffer line(out);
  size_t room =
      kInputKey.size() + input.size() + kQuotes + kResultsKey.size() + 3;
  for (const CParseResult& r : results) room += ResultRoom(r, native);
  line.Make(room);
  line.Literal(kInputKey);
  line.String(input);
  line.Literal(kResultsKey);
  for (size_t i = 0; i < results.size(); ++i) {
    if (i > 0) line.Literal(kMemberSeparator);
    AppendResult(results[i], native, &line);
  }
  line.Literal("]}\n");
}

void AppendJsonRefusal(std::string_view input, std::string_view error,
                       std::string* out, bool cut) {
  JsonBuffer line(out);
  constexpr std::string_view kCut = "...\"";
  line.Make(kInputKey.size() + input.size() + kQuotes + kCut.size() +
            kErrorKey.size() + error.size() + kQuotes + 2);
  line.Literal(kInputKey);
  line.String(input);
  if (cut) {
    // The closing quote is taken back so that "..." lands inside the
    // string.
    line.TakeBack(1);
    line.Literal(kCut);
  }
  line.Literal(kErrorKey);
  line.String(error);
  line.Literal("}\n");
}

}  // namespace cli
}  // namespace tesvar
