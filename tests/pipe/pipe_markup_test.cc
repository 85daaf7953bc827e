#include "tools/pipe_markup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/word_splitter.h"

namespace tesvar {
namespace cli {
namespace {

// The words left to check in each line ("-" for none), lines separated by
// " | ".
std::string TextWords(TextFormat format,
                      const std::vector<std::string>& lines) {
  MarkupFilter filter(format);
  std::vector<uint8_t> markup;
  std::string out;
  for (const std::string& line : lines) {
    if (!out.empty()) out += " | ";
    filter.Mark(line, 0, &markup);
    WordSplitter splitter(line, 0, OffsetUnit::kBytes, &markup);
    LineWord word;
    std::string words;
    while (splitter.Next(&word)) {
      words += (words.empty() ? "" : " ") + std::string(word.text);
    }
    out += words.empty() ? "-" : words;
  }
  return out;
}

struct Case {
  std::vector<std::string> lines;
  std::string words;
};

std::string Join(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

TEST(PipeMarkupTest, Tex) {
  const Case cases[] = {
      // A command's name is markup; its argument in braces is text.
      {{"\\Dalmay{Dalmay} \\emph{naQ}"}, "Dalmay naQ"},
      // Options, and the arguments of commands that take no text.
      {{"\\section[short]{Dal} \\label{sec:Dal} \\ref{x}"}, "Dal"},
      {{"\\usepackage[utf8]{inputenc} \\setlength{\\parindent}{0pt} naQ"},
       "naQ"},
      {{"\\href{http://x.org}{naQ}"}, "naQ"},
      // Math, inline and displayed, and over lines.
      {{"Dal $x + y$ naQ $$a$$ \\(b\\) \\[c\\] tugh"}, "Dal naQ tugh"},
      {{"Dal $x +", "y$ naQ"}, "Dal | naQ"},
      // Math and verbatim environments, the others are text.
      {{"\\begin{itemize} Dal", "\\begin{equation} x = y",
        "\\end{equation} naQ"},
       "Dal | - | naQ"},
      {{"\\begin{verbatim}", "xyz", "\\end{verbatim}"}, "- | - | -"},
      {{"\\verb|xyz| Dal \\verb*+abc+"}, "Dal"},
      // Control symbols are markup, a doubled backslash too.
      {{"Dal\\'s \\\\ naQ \\$5"}, "Dal s naQ"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.words, TextWords(TextFormat::kTex, c.lines)) << Join(c.lines);
  }
}

TEST(PipeMarkupTest, Html) {
  const Case cases[] = {
      // Tags with their attributes, comments, entities.
      {{"<p class=\"Dal\" title='a > b'>Dal &amp; naQ&nbsp;tugh</p>"},
       "Dal naQ tugh"},
      {{"Dal <!-- xyz -->naQ<br/>"}, "Dal naQ"},
      {{"lo&#39;ey &#x2019;ej"}, "lo ey ej"},
      // A tag or comment over several lines.
      {{"<a href=\"x\"", "   title=\"xyz\">Dal</a>"}, "- | Dal"},
      {{"Dal <!--", "xyz", "--> naQ"}, "Dal | - | naQ"},
      // Scripts and style sheets are not text.
      {{"<script>var x;</script>Dal<style>p { }</STYLE>naQ"}, "Dal naQ"},
      {{"<script type='x'>", "if (a < b) xyz();", "</script> Dal"},
       "- | - | Dal"},
      // What is no tag or entity stays text.
      {{"Dal < naQ & tugh &x"}, "Dal naQ tugh x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.words, TextWords(TextFormat::kHtml, c.lines)) << Join(c.lines);
  }
}

TEST(PipeMarkupTest, Nroff) {
  const Case cases[] = {
      {{".SH Dal", ".\\\" xyz comment", "\\fBDal\\fR naQ"},
       "Dal | - | Dal naQ"},
      {{"Dal\\(emnaQ \\s+2tugh\\s0 \\*(xyDal \\h'1i'naQ"},
       "Dal naQ tugh Dal naQ"},
      {{"Dal \\\" xyz"}, "Dal"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.words, TextWords(TextFormat::kNroff, c.lines)) << Join(c.lines);
  }
}

TEST(PipeMarkupTest, FormatsByNameAndReset) {
  TextFormat format = TextFormat::kPlain;
  EXPECT_TRUE(TextFormatNamed("LaTeX", &format));
  EXPECT_EQ(TextFormat::kTex, format);
  EXPECT_TRUE(TextFormatNamed("xml", &format));
  EXPECT_EQ(TextFormat::kHtml, format);
  EXPECT_FALSE(TextFormatNamed("latin1", &format));
  EXPECT_EQ(TextFormat::kHtml, format);
  // Switching formats forgets what a line left open.
  MarkupFilter filter(TextFormat::kHtml);
  std::vector<uint8_t> markup;
  filter.Mark("<!-- Dal", 0, &markup);
  filter.SetFormat(TextFormat::kHtml);
  filter.Mark("naQ", 0, &markup);
  EXPECT_EQ(std::vector<uint8_t>(3, 0), markup);
  // Plain text has no markup.
  EXPECT_EQ("b Dal b naQ", TextWords(TextFormat::kPlain, {"<b>Dal</b> $naQ$"}));
}

}  // namespace
}  // namespace cli
}  // namespace tesvar
