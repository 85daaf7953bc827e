// Which parts of a line are markup rather than text, for the formats a
// spell checker meets in editors: TeX and LaTeX (command names, their
// options, the arguments of commands that take no text, math and verbatim
// material), HTML and XML (tags with their attributes, comments, entities,
// scripts and style sheets) and nroff (requests, escapes, comments).
// Markup is never checked; what is left is text.
//
// Markup may run over several lines (a tag with many attributes, a
// displayed equation), so a MarkupFilter remembers what a line left open.
// A MarkupFilter is a plain value with that state; use it from one thread.

#ifndef TESVAR_TOOLS_PIPE_MARKUP_H_
#define TESVAR_TOOLS_PIPE_MARKUP_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tesvar {
namespace cli {

enum class TextFormat { kPlain, kTex, kHtml, kNroff };

// The format that an ispell-style name means: "tex", "latex", "plaintex",
// "html", "sgml", "xml", "nroff", "troff", "plain", "text", "list" (no
// markup), in any case. Returns false for any other name.
bool TextFormatNamed(std::string_view name, TextFormat* format);

// What the TeX filter carries from line to line.
struct TexState {
  // The text that ends the math or verbatim material being skipped ("$",
  // "$$", "\\)", "\\]", "\\end{equation}", ...); empty outside it.
  std::string closing;
  int arguments_left = 0;  // arguments of the last command still markup
  int brace_depth = 0;     // inside one of them
  int bracket_depth = 0;   // inside an option [...]
  bool options_may_follow = false;
  // The environment name of a \begin being read, then where it ends.
  bool reading_environment = false;
  std::string environment;
};

// What the HTML filter carries from line to line.
struct HtmlState {
  bool in_comment = false;
  bool in_tag = false;
  char quote = 0;        // the quote of an attribute value being read
  std::string tag_name;  // of the tag being read, in lower case
  bool tag_name_done = false;
  bool tag_opens = false;   // not an end tag
  std::string raw_element;  // "script" or "style" whose content is skipped
};

class MarkupFilter {
 public:
  explicit MarkupFilter(TextFormat format = TextFormat::kPlain)
      : format_(format) {}

  TextFormat format() const { return format_; }
  // Switches to `format` and forgets what earlier lines left open.
  void SetFormat(TextFormat format);

  // Sets (*markup)[i] to 1 for each byte i >= start of `line` that is
  // markup and to 0 for every other byte; *markup ends up with
  // line.size() flags.
  void Mark(std::string_view line, size_t start, std::vector<uint8_t>* markup);

 private:
  TextFormat format_;
  TexState tex_;
  HtmlState html_;
};

// The filters of the formats, one line at a time; each marks bytes from
// `start` on in *markup, which already has one flag per byte of `line`.
void MarkTex(std::string_view line, size_t start, TexState* state,
             std::vector<uint8_t>* markup);
void MarkHtml(std::string_view line, size_t start, HtmlState* state,
              std::vector<uint8_t>* markup);
void MarkNroff(std::string_view line, size_t start,
               std::vector<uint8_t>* markup);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_PIPE_MARKUP_H_
