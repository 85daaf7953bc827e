// Lexicon TSV loader. The text is cut into physical lines; blank lines and
// comments are skipped; the first remaining line names the columns, and
// every later line becomes one entry. Entries are collected in a local
// lexicon that replaces the caller's only when the whole file is good, so
// a bad line anywhere leaves the caller with an empty lexicon.
//
// Messages quote the offending text with control and non-ASCII bytes
// escaped, so that a stray tab or carriage return is visible.
// Tested by lexicon_tsv_test.cc.

#include "tesvar/lexicon_tsv.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/text.h"

namespace tesvar {

namespace {

// The columns a file may name. Row order is the order of the "missing
// column" check, so the most basic columns are reported first.
enum class Column { kKey, kHeadword, kPos, kDefinition, kFlags, kPlural };

struct ColumnRow {
  std::string_view name;  // as written in the header; DO NOT CHANGE
  Column column;
  bool required;
};

constexpr ColumnRow kColumns[] = {
    {"key", Column::kKey, true},      {"headword", Column::kHeadword, true},
    {"pos", Column::kPos, true},      {"definition", Column::kDefinition, true},
    {"flags", Column::kFlags, false}, {"plural", Column::kPlural, false},
};
constexpr size_t kColumnCount = sizeof(kColumns) / sizeof(kColumns[0]);

// The entry attributes that the flags column can switch on.
struct FlagRow {
  std::string_view name;  // as written in files; DO NOT CHANGE
  int32_t CTWord::*field;
};

constexpr FlagRow kFlags[] = {
    {"language", &CTWord::m_bLanguage},
    {"bodypart", &CTWord::m_bBodyPart},
    {"inherentplural", &CTWord::m_bInherentPlural},
    {"irregularplural", &CTWord::m_bIrregularPlural},
    {"stative", &CTWord::m_bStative},
};
constexpr size_t kFlagCount = sizeof(kFlags) / sizeof(kFlags[0]);

// Part-of-speech codes that have a label of their own in files.
constexpr int32_t kFirstLabelledCode = kNoun;
constexpr int32_t kLastLabelledCode = kQuestion;

constexpr char kFieldSeparator = '\t';
constexpr char kFlagSeparator = ',';
constexpr char kCommentMark = '#';

// Add's other refusal: the lexicon's 32-bit offsets are used up. Only a
// file of more than 4 GiB can get here.
constexpr char kTooMuchText[] =
    "the entries hold more text than a lexicon can (4 GiB)";

// 'text' with quote, backslash, control and non-ASCII bytes escaped.
std::string Quote(std::string_view text) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "'";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\'' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte >= 0x20 && byte < 0x7F) {
      out += c;
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out + "'";
}

// Splits `line` at each `separator` into *fields (replacing its content,
// keeping its storage, since it is reused for every line).
void SplitInto(std::string_view line, char separator,
               std::vector<std::string_view>* fields) {
  fields->clear();
  size_t start = 0;
  for (;;) {
    const size_t end = line.find(separator, start);
    if (end == std::string_view::npos) {
      fields->push_back(line.substr(start));
      return;
    }
    fields->push_back(line.substr(start, end - start));
    start = end + 1;
  }
}

std::vector<std::string_view> Split(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  SplitInto(line, separator, &fields);
  return fields;
}

// The column of each header field, in field order. Filled by ParseHeader.
using Header = std::vector<Column>;

// Returns an empty string and fills *header, or returns what is wrong.
std::string ParseHeader(std::string_view line, Header* header) {
  bool seen[kColumnCount] = {};
  for (const std::string_view name : Split(line, kFieldSeparator)) {
    size_t row = 0;
    while (row < kColumnCount && kColumns[row].name != name) ++row;
    if (row == kColumnCount) return "unknown column " + Quote(name);
    if (seen[row]) return "repeated column " + Quote(name);
    seen[row] = true;
    header->push_back(kColumns[row].column);
  }
  for (size_t row = 0; row < kColumnCount; ++row) {
    if (kColumns[row].required && !seen[row]) {
      return "missing column " + Quote(kColumns[row].name);
    }
  }
  return std::string();
}

// A decimal 32-bit integer or one of the labels N .. Q.
std::string ParsePartOfSpeech(std::string_view text, int32_t* code) {
  for (int32_t c = kFirstLabelledCode; c <= kLastLabelledCode; ++c) {
    if (text == PartOfSpeechLabel(c)) {
      *code = c;
      return std::string();
    }
  }
  // from_chars takes an optional '-' and digits only: no '+', no blanks.
  const char* const end = text.data() + text.size();
  const std::from_chars_result parsed =
      std::from_chars(text.data(), end, *code);
  if (parsed.ec == std::errc::result_out_of_range) {
    return "part of speech " + Quote(text) + " does not fit in 32 bits";
  }
  if (parsed.ec != std::errc() || parsed.ptr != end) {
    std::string labels;
    for (int32_t c = kFirstLabelledCode; c <= kLastLabelledCode; ++c) {
      labels += ' ';
      labels += PartOfSpeechLabel(c);
    }
    return "bad part of speech " + Quote(text) +
           ": expected an integer or one of" + labels;
  }
  return std::string();
}

std::string ParseFlags(std::string_view text, CTWord* word) {
  if (text.empty()) return std::string();
  for (const std::string_view name : Split(text, kFlagSeparator)) {
    size_t row = 0;
    while (row < kFlagCount && kFlags[row].name != name) ++row;
    if (row == kFlagCount) {
      std::string known;
      for (const FlagRow& flag : kFlags) {
        known += known.empty() ? "" : ", ";
        known += flag.name;
      }
      return "unknown flag " + Quote(name) + " (known flags: " + known + ")";
    }
    word->*kFlags[row].field = 1;
  }
  return std::string();
}

// Fills *key and *word from the fields of one entry line.
std::string ParseEntry(const std::vector<std::string_view>& fields,
                       const Header& header, std::string_view* key,
                       CTWord* word) {
  if (fields.size() != header.size()) {
    return Format(
        "expected %i tab-separated fields, found %i",
        {static_cast<int>(header.size()), static_cast<int>(fields.size())});
  }
  for (size_t i = 0; i < fields.size(); ++i) {
    const std::string_view field = fields[i];
    std::string error;
    switch (header[i]) {
      case Column::kKey:
        if (field.empty()) error = "empty key";
        *key = field;
        break;
      case Column::kHeadword:
        word->m_strHeadword = field;
        break;
      case Column::kPos:
        error = ParsePartOfSpeech(field, &word->m_nPOS);
        break;
      case Column::kDefinition:
        word->m_strDefinition = field;
        break;
      case Column::kFlags:
        error = ParseFlags(field, word);
        break;
      case Column::kPlural:
        word->m_strIrregularPlural = field;
        break;
    }
    if (!error.empty()) return error;
  }
  return std::string();
}

// Walks the physical lines of a text. A final line without "\n" counts;
// the empty rest after a final "\n" does not.
constexpr char kLineEnd = '\n';

class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : rest_(text) {}

  // Stores the next line, without "\n" and a trailing "\r", and returns
  // true; returns false at the end of the text.
  bool Next(std::string_view* line) {
    if (rest_.empty()) return false;
    const size_t end = rest_.find(kLineEnd);
    *line = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    if (!line->empty() && line->back() == '\r') line->remove_suffix(1);
    ++number_;
    return true;
  }

  // The number of the line last returned by Next, counting from 1.
  int number() const { return number_; }

 private:
  std::string_view rest_;
  int number_ = 0;
};

}  // namespace

Status ParseLexiconTsv(std::string_view text, std::string_view source_name,
                       CLexicon* lexicon) {
  lexicon->Clear();
  LineCursor lines(text);
  auto error = [&](int line_number, const std::string& what) {
    return Status::InvalidInput(
        Format("%s:%i: %s", {source_name, line_number, what}));
  };

  CLexicon loaded;
  // At most one entry per line, and the entries' texts are parts of the
  // lines: reserving that much avoids growing step by step, and whatever
  // is left over is handed back at the end.
  loaded.Reserve(
      static_cast<size_t>(std::count(text.begin(), text.end(), kLineEnd)) + 1,
      text.size());
  // The line of each entry, for the message about a repeated key.
  std::vector<int> entry_lines;
  Header header;
  std::vector<std::string_view> fields;  // reused for every line
  std::string_view line;
  while (lines.Next(&line)) {
    if (line.empty() || line.front() == kCommentMark) continue;
    if (header.empty()) {
      const std::string what = ParseHeader(line, &header);
      if (!what.empty()) return error(lines.number(), what);
      continue;
    }
    std::string_view key;
    CTWord word;
    SplitInto(line, kFieldSeparator, &fields);
    const std::string what = ParseEntry(fields, header, &key, &word);
    if (!what.empty()) return error(lines.number(), what);
    if (!loaded.Add(key, word)) {
      const size_t first = loaded.PositionOf(key);
      if (first == CLexicon::kNotFound) {
        return error(lines.number(), kTooMuchText);
      }
      return error(lines.number(), Format("duplicate key %s (first on line %i)",
                                          {Quote(key), entry_lines[first]}));
    }
    entry_lines.push_back(lines.number());
  }
  if (header.empty()) {
    return error(lines.number() == 0 ? 1 : lines.number(),
                 "no header line (the file is empty or holds only comments "
                 "and blank lines)");
  }
  loaded.ShrinkToFit();
  *lexicon = std::move(loaded);
  return Status::Ok();
}

}  // namespace tesvar
