// TeX and LaTeX: a backslash and the command name after it are markup,
// and so are the options in brackets that follow a command. Arguments in
// braces are text, as in \emph{...}, except for the commands of the table
// below, whose arguments name labels, files, packages, lengths or colours.
// Math ($...$, $$...$$, \(...\), \[...\]) and the content of math and
// verbatim environments are markup up to their closing text, over as many
// lines as it takes; so is \verb's delimited argument within its line.
// Tested by pipe_markup_test.cc.

#include "tools/pipe_markup.h"

namespace tesvar {
namespace cli {

namespace {

struct NonTextArguments {
  std::string_view command;
  int arguments;  // the first this many arguments are markup
};

// "begin" is handled apart: its argument names an environment.
constexpr NonTextArguments kNonTextArguments[] = {
    {"end", 1},
    {"label", 1},
    {"ref", 1},
    {"eqref", 1},
    {"pageref", 1},
    {"autoref", 1},
    {"cref", 1},
    {"Cref", 1},
    {"cite", 1},
    {"citep", 1},
    {"citet", 1},
    {"nocite", 1},
    {"usepackage", 1},
    {"RequirePackage", 1},
    {"documentclass", 1},
    {"input", 1},
    {"include", 1},
    {"includegraphics", 1},
    {"bibliography", 1},
    {"bibliographystyle", 1},
    {"url", 1},
    {"href", 1},
    {"newcommand", 1},
    {"renewcommand", 1},
    {"providecommand", 1},
    {"newenvironment", 1},
    {"renewenvironment", 1},
    {"newtheorem", 1},
    {"setcounter", 2},
    {"addtocounter", 2},
    {"setlength", 2},
    {"addtolength", 2},
    {"hspace", 1},
    {"vspace", 1},
    {"pagestyle", 1},
    {"thispagestyle", 1},
    {"pagenumbering", 1},
    {"color", 1},
    {"textcolor", 1},
    {"definecolor", 3},
    {"fontsize", 2},
    {"linespread", 1},
};

// Environments whose content is not text.
constexpr std::string_view kNonTextEnvironments[] = {
    "equation",    "equation*", "align",     "align*",     "alignat",
    "alignat*",    "gather",    "gather*",   "multline",   "multline*",
    "flalign",     "flalign*",  "eqnarray",  "eqnarray*",  "math",
    "displaymath", "verbatim",  "verbatim*", "lstlisting", "minted",
    "comment",
};

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class TexMarker {
 public:
  TexMarker(std::string_view line, TexState* state,
            std::vector<uint8_t>* markup)
      : line_(line), state_(*state), markup_(*markup) {}

  void Run(size_t i) {
    while (i < line_.size()) i = Step(i);
  }

 private:
  void Mark(size_t from, size_t to) {
    for (size_t i = from; i < to && i < line_.size(); ++i) markup_[i] = 1;
  }

  // Handles the byte at `i` and what belongs with it; returns where to go
  // on.
  size_t Step(size_t i) {
    const char c = line_[i];
    if (!state_.closing.empty()) return SkipToClosing(i);
    if (state_.reading_environment) return ReadEnvironment(i);
    if (state_.bracket_depth > 0) {
      Mark(i, i + 1);
      if (c == '[') ++state_.bracket_depth;
      if (c == ']') --state_.bracket_depth;
      return i + 1;
    }
    if (state_.brace_depth > 0) {
      Mark(i, i + 1);
      if (c == '{') ++state_.brace_depth;
      if (c == '}' && --state_.brace_depth == 0) {
        --state_.arguments_left;
        state_.options_may_follow = true;
      }
      return i + 1;
    }
    if (IsBlank(c) &&
        (state_.arguments_left > 0 || state_.options_may_follow)) {
      return i + 1;
    }
    if (c == '[' && state_.options_may_follow) {
      state_.bracket_depth = 1;
      Mark(i, i + 1);
      return i + 1;
    }
    if (c == '{' && state_.arguments_left > 0) {
      state_.brace_depth = 1;
      Mark(i, i + 1);
      return i + 1;
    }
    state_.arguments_left = 0;
    state_.options_may_follow = false;
    if (c == '\\') return Command(i);
    if (c == '$') {
      const bool displayed = line_.substr(i, 2) == "$$";
      state_.closing = displayed ? "$$" : "$";
      Mark(i, i + state_.closing.size());
      return i + state_.closing.size();
    }
    return i + 1;
  }

  size_t SkipToClosing(size_t i) {
    const size_t end = line_.find(state_.closing, i);
    if (end == std::string_view::npos) {
      Mark(i, line_.size());
      return line_.size();
    }
    const size_t after = end + state_.closing.size();
    Mark(i, after);
    state_.closing.clear();
    return after;
  }

  // After \begin: "{NAME}", markup; a non-text environment's content is
  // then skipped up to its \end.
  size_t ReadEnvironment(size_t i) {
    const char c = line_[i];
    Mark(i, i + 1);
    if (state_.brace_depth == 0) {
      if (c == '{') {
        state_.brace_depth = 1;
      } else if (!IsBlank(c)) {
        state_.reading_environment = false;
        markup_[i] = 0;
        return i;  // no argument after all: read the byte again
      }
      return i + 1;
    }
    if (c != '}') {
      state_.environment.push_back(c);
      return i + 1;
    }
    state_.brace_depth = 0;
    state_.reading_environment = false;
    state_.options_may_follow = true;
    for (const std::string_view name : kNonTextEnvironments) {
      if (state_.environment == name) {
        state_.closing = "\\end{" + state_.environment + "}";
      }
    }
    return i + 1;
  }

  size_t Command(size_t i) {
    size_t end = i + 1;
    while (end < line_.size() && IsAsciiLetter(line_[end])) ++end;
    if (end == i + 1 && end < line_.size()) ++end;  // a control symbol
    const std::string_view name = line_.substr(i + 1, end - i - 1);
    Mark(i, end);
    if (name == "(" || name == "[") {
      state_.closing = name == "(" ? "\\)" : "\\]";
      return end;
    }
    if (name.empty() || !IsAsciiLetter(name[0])) return end;
    state_.options_may_follow = true;
    if (name == "begin") {
      state_.reading_environment = true;
      state_.environment.clear();
    } else if (name == "verb") {
      return Verbatim(end);
    }
    for (const NonTextArguments& row : kNonTextArguments) {
      if (row.command == name) state_.arguments_left = row.arguments;
    }
    return end;
  }

  // \verb|...|: the delimiter is the byte after the command (a star may
  // come first); the argument ends at its next occurrence in the line.
  size_t Verbatim(size_t i) {
    state_.options_may_follow = false;
    if (i < line_.size() && line_[i] == '*') ++i;
    if (i >= line_.size()) return i;
    const size_t close = line_.find(line_[i], i + 1);
    const size_t end =
        close == std::string_view::npos ? line_.size() : close + 1;
    Mark(i, end);
    return end;
  }

  const std::string_view line_;
  TexState& state_;
  std::vector<uint8_t>& markup_;
};

}  // namespace

void MarkTex(std::string_view line, size_t start, TexState* state,
             std::vector<uint8_t>* markup) {
  TexMarker(line, state, markup).Run(start);
}

}  // namespace cli
}  // namespace tesvar
