// The line grammar of lexicon files. Messages quote the offending text
// with control and non-ASCII bytes escaped, so that a stray tab or
// carriage return is visible. A line that holds commas but no tab was
// most likely written as comma-separated values, and its message says
// that the format is tab-separated.
// Tested by lexicon_tsv_test.cc.

#include "wordvault/tsv_format.h"

#include <charconv>
#include <cstddef>
#include <system_error>

#include "platform/text.h"
#include "tesvar/lexicon_tsv.h"

namespace tesvar {
namespace wordvault {

namespace {

struct ColumnRow {
  std::string_view name;  // as written in the header; DO NOT CHANGE
  Column column;
  bool required;
};

// Row order is the order of the "missing column" check, so the most basic
// columns are reported first.
constexpr ColumnRow kColumns[] = {
    {"key", Column::kKey, true},      {"headword", Column::kHeadword, true},
    {"pos", Column::kPos, true},      {"definition", Column::kDefinition, true},
    {"flags", Column::kFlags, false}, {"plural", Column::kPlural, false},
};
constexpr size_t kColumnCount = sizeof(kColumns) / sizeof(kColumns[0]);

// Part-of-speech codes that have a label of their own in files.
constexpr int32_t kFirstLabelledCode = kNoun;
constexpr int32_t kLastLabelledCode = kQuestion;

constexpr char kFlagSeparator = ',';

std::vector<std::string_view> Split(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  SplitInto(line, separator, &fields);
  return fields;
}

bool LooksCommaSeparated(std::string_view line) {
  return line.find(kFieldSeparator) == std::string_view::npos &&
         line.find(',') != std::string_view::npos;
}

constexpr char kNotCommas[] =
    ": lexicon files are tab-separated, not comma-separated";

// A decimal 32-bit integer or one of the labels N .. Q.
bool ParsePartOfSpeech(std::string_view text, int32_t* code,
                       std::string* error) {
  for (int32_t c = kFirstLabelledCode; c <= kLastLabelledCode; ++c) {
    if (text == PartOfSpeechLabel(c)) {
      *code = c;
      return true;
    }
  }
  // from_chars takes an optional '-' and digits only: no '+', no blanks.
  const char* const end = text.data() + text.size();
  const std::from_chars_result parsed =
      std::from_chars(text.data(), end, *code);
  if (parsed.ec == std::errc::result_out_of_range) {
    *error = "part of speech " + Quote(text) + " does not fit in 32 bits";
    return false;
  }
  if (parsed.ec != std::errc() || parsed.ptr != end) {
    std::string labels;
    for (int32_t c = kFirstLabelledCode; c <= kLastLabelledCode; ++c) {
      labels += ' ';
      labels += PartOfSpeechLabel(c);
    }
    *error = "bad part of speech " + Quote(text) +
             ": expected an integer or one of" + labels;
    return false;
  }
  return true;
}

bool ParseFlags(std::string_view text, CTWord* word, std::string* error) {
  if (text.empty()) return true;
  for (;;) {
    const size_t comma = text.find(kFlagSeparator);
    const std::string_view name = text.substr(0, comma);
    const FlagRow* row = std::begin(kFlags);
    while (row != std::end(kFlags) && row->name != name) ++row;
    if (row == std::end(kFlags)) {
      std::string known;
      for (const FlagRow& flag : kFlags) {
        known += known.empty() ? "" : ", ";
        known += flag.name;
      }
      *error = "unknown flag " + Quote(name) + " (known flags: " + known + ")";
      return false;
    }
    word->*row->field = 1;
    if (comma == std::string_view::npos) return true;
    text.remove_prefix(comma + 1);
  }
}

}  // namespace

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

std::string ParseHeader(std::string_view line, Header* header) {
  bool seen[kColumnCount] = {};
  for (const std::string_view name : Split(line, kFieldSeparator)) {
    size_t row = 0;
    while (row < kColumnCount && kColumns[row].name != name) ++row;
    if (row == kColumnCount) {
      return "unknown column " + Quote(name) +
             (LooksCommaSeparated(line) ? kNotCommas : "");
    }
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

bool ParseEntry(std::string_view line,
                const std::vector<std::string_view>& fields,
                const Header& header, std::string_view* key, CTWord* word,
                std::string* error) {
  if (fields.size() != header.size()) {
    *error = Format(
        "expected %i tab-separated fields, found %i%s",
        {static_cast<int>(header.size()), static_cast<int>(fields.size()),
         LooksCommaSeparated(line) ? kNotCommas : ""});
    return false;
  }
  for (size_t i = 0; i < fields.size(); ++i) {
    const std::string_view field = fields[i];
    switch (header[i]) {
      case Column::kKey:
        if (field.empty()) {
          *error = "empty key";
          return false;
        }
        *key = field;
        break;
      case Column::kHeadword:
        word->m_strHeadword = field;
        break;
      case Column::kPos:
        if (!ParsePartOfSpeech(field, &word->m_nPOS, error)) return false;
        break;
      case Column::kDefinition:
        word->m_strDefinition = field;
        break;
      case Column::kFlags:
        if (!ParseFlags(field, word, error)) return false;
        break;
      case Column::kPlural:
        word->m_strIrregularPlural = field;
        break;
    }
  }
  return true;
}

}  // namespace wordvault
}  // namespace tesvar
