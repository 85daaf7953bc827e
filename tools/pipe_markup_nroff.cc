// nroff and troff: a control line (starting with "." or "'") has its
// request or macro name as markup and its arguments as text, except for a
// comment line (".\""). Escapes are markup wherever they stand: "\" and
// the escape's letter, with its argument in the forms nroff knows (one
// character, "(xx", "[name]" or a quoted 'argument'); "\"" and "\#" make
// the rest of the line a comment.
// Tested by pipe_markup_test.cc.

#include "tools/pipe_markup.h"

namespace tesvar {
namespace cli {

namespace {

enum class Argument {
  kNone,       // "\-", "\e", "\&", ...
  kName,       // "\fB", "\f(CW", "\f[CW]", and so for \* \n \g \m \M \F \Y
  kSized,      // "\s+2", "\s(12", "\s[12]"
  kQuoted,     // "\h'1i'", "\w'text'", ...
  kSpecial,    // "\(em": always two characters
  kBracketed,  // "\[em]"
  kComment,    // "\"" and "\#": the rest of the line
};

struct Escape {
  char letter;
  Argument argument;
};

constexpr Escape kEscapes[] = {
    {'f', Argument::kName},      {'*', Argument::kName},
    {'n', Argument::kName},      {'g', Argument::kName},
    {'m', Argument::kName},      {'M', Argument::kName},
    {'F', Argument::kName},      {'Y', Argument::kName},
    {'k', Argument::kName},      {'V', Argument::kName},
    {'s', Argument::kSized},     {'(', Argument::kSpecial},
    {'[', Argument::kBracketed}, {'"', Argument::kComment},
    {'#', Argument::kComment},   {'h', Argument::kQuoted},
    {'v', Argument::kQuoted},    {'w', Argument::kQuoted},
    {'l', Argument::kQuoted},    {'L', Argument::kQuoted},
    {'D', Argument::kQuoted},    {'o', Argument::kQuoted},
    {'b', Argument::kQuoted},    {'x', Argument::kQuoted},
    {'X', Argument::kQuoted},    {'Z', Argument::kQuoted},
    {'N', Argument::kQuoted},    {'A', Argument::kQuoted},
    {'B', Argument::kQuoted},    {'C', Argument::kQuoted},
    {'R', Argument::kQuoted},    {'S', Argument::kQuoted},
};

Argument ArgumentOf(char letter) {
  for (const Escape& escape : kEscapes) {
    if (escape.letter == letter) return escape.argument;
  }
  return Argument::kNone;
}

// The end of a "(xx", "[name]" or single-character name at `i`.
size_t NameEnd(std::string_view line, size_t i) {
  if (i >= line.size()) return i;
  if (line[i] == '(') return i + 3;
  if (line[i] == '[') {
    const size_t close = line.find(']', i);
    return close == std::string_view::npos ? line.size() : close + 1;
  }
  return i + 1;
}

// The end of the escape that starts with the backslash at `i`.
size_t EscapeEnd(std::string_view line, size_t i) {
  if (i + 1 >= line.size()) return line.size();
  const size_t after = i + 2;
  switch (ArgumentOf(line[i + 1])) {
    case Argument::kNone:
      return after;
    case Argument::kName:
      return NameEnd(line, after);
    case Argument::kSized: {
      size_t j = after;
      if (j < line.size() && (line[j] == '+' || line[j] == '-')) ++j;
      if (j < line.size() && (line[j] == '(' || line[j] == '[')) {
        return NameEnd(line, j);
      }
      while (j < line.size() && line[j] >= '0' && line[j] <= '9') ++j;
      return j;
    }
    case Argument::kQuoted: {
      if (after >= line.size()) return after;
      const size_t close = line.find(line[after], after + 1);
      return close == std::string_view::npos ? line.size() : close + 1;
    }
    case Argument::kSpecial:
      return after + 2;
    case Argument::kBracketed:
      return NameEnd(line, i + 1);
    case Argument::kComment:
      return line.size();
  }
  return after;
}

}  // namespace

void MarkNroff(std::string_view line, size_t start,
               std::vector<uint8_t>* markup) {
  std::vector<uint8_t>& marks = *markup;
  const auto mark = [&marks, &line](size_t from, size_t to) {
    for (size_t i = from; i < to && i < line.size(); ++i) marks[i] = 1;
  };
  size_t i = start;
  if (i < line.size() && (line[i] == '.' || line[i] == '\'')) {
    if (line.substr(i + 1, 2) == "\\\"") {
      mark(i, line.size());
      return;
    }
    size_t name_end = i + 1;
    while (name_end < line.size() && line[name_end] != ' ' &&
           line[name_end] != '\t') {
      ++name_end;
    }
    mark(i, name_end);
    i = name_end;
  }
  while (i < line.size()) {
    if (line[i] != '\\') {
      ++i;
      continue;
    }
    const size_t end = EscapeEnd(line, i);
    mark(i, end);
    i = end;
  }
}

}  // namespace cli
}  // namespace tesvar
