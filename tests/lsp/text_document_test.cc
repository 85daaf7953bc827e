#include "tools/lsp/text_document.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tools/lsp/utf8.h"

namespace tesvar {
namespace lsp {
namespace {

// "é" takes one UTF-16 unit and two bytes, "😀" two units and four bytes.
constexpr char kText[] =
    "a\xC3\xA9"
    "b\r\n"  // line 0: a é b, CRLF
    "\xF0\x9F\x98\x80"
    "c\r"   // line 1: 😀 c, CR
    "q\n"   // line 2: q, LF
    "xyz";  // line 3, no line end

TEST(TextDocumentTest, MapsPositionsToBytes) {
  const TextDocument document(kText, 1);
  const struct {
    Position position;
    size_t offset;
  } cases[] = {
      {{0, 0}, 0},  {{0, 1}, 1},    {{0, 2}, 3},  {{0, 3}, 4},
      {{0, 4}, 4},                // past the end of the line: before its CRLF
      {{1, 0}, 6},  {{1, 1}, 6},  // inside 😀: at its start
      {{1, 2}, 10}, {{1, 3}, 11},   {{1, 9}, 11},  // before the CR
      {{2, 0}, 12}, {{2, 5}, 13},   {{3, 0}, 14}, {{3, 3}, 17},
      {{4, 0}, 17}, {{99, 99}, 17},  // past the last line: the end
  };
  for (const auto& row : cases) {
    EXPECT_EQ(document.OffsetOf(row.position), row.offset)
        << row.position.line << ":" << row.position.character;
  }
}

// The reference: a text as code points, positions found by counting.
struct Reference {
  std::vector<uint32_t> code_points;

  std::string Utf8() const {
    std::string out;
    for (uint32_t c : code_points) AppendUtf8(c, &out);
    return out;
  }
  // The position of the code point at `index`.
  Position PositionOf(size_t index) const {
    Position p;
    for (size_t i = 0; i < index; ++i) {
      const uint32_t c = code_points[i];
      const bool crlf =
          c == '\r' && i + 1 < code_points.size() && code_points[i + 1] == '\n';
      if (c == '\n' || (c == '\r' && !crlf)) {
        ++p.line;
        p.character = 0;
      } else if (c != '\r') {
        p.character += c >= 0x10000 ? 2 : 1;
      }
    }
    return p;
  }
};

// Random edits at random places, as an editor sends them, against the
// reference. Edits never split a CRLF, which no editor position can name.
TEST(TextDocumentTest, IncrementalEditsMatchTheReference) {
  const uint32_t alphabet[] = {'a',  'Q',  '\'',   ' ',     '\n',
                               '\r', 0xE9, 0x2019, 0x1F600, 0x10FFFF};
  std::mt19937 random(18);
  for (int round = 0; round < 200; ++round) {
    Reference reference;
    TextDocument document("", 0);
    for (int edit = 0; edit < 20; ++edit) {
      std::vector<uint32_t>& text = reference.code_points;
      const auto splits_crlf = [&](size_t i) {
        return i > 0 && i < text.size() && text[i - 1] == '\r' &&
               text[i] == '\n';
      };
      size_t from = random() % (text.size() + 1);
      size_t to = from + random() % (text.size() - from + 1);
      while (splits_crlf(from)) --from;
      while (splits_crlf(to)) ++to;
      std::vector<uint32_t> inserted(random() % 5);
      for (uint32_t& c : inserted) c = alphabet[random() % std::size(alphabet)];
      const Position start = reference.PositionOf(from);
      const Position end = reference.PositionOf(to);
      const size_t begin_byte = document.OffsetOf(start);
      const size_t end_byte = document.OffsetOf(end);
      ASSERT_LE(begin_byte, end_byte);
      std::string inserted_utf8;
      for (uint32_t c : inserted) AppendUtf8(c, &inserted_utf8);
      document.Replace(begin_byte, end_byte, inserted_utf8);
      text.erase(text.begin() + from, text.begin() + to);
      text.insert(text.begin() + from, inserted.begin(), inserted.end());
      // An inserted "\n" after a "\r" can join them into one line end;
      // the reference sees that too, so the texts must agree.
      ASSERT_EQ(document.text(), reference.Utf8())
          << "round " << round << " edit " << edit;
    }
  }
}

}  // namespace
}  // namespace lsp
}  // namespace tesvar
