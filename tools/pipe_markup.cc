// Tested by pipe_markup_test.cc.

#include "tools/pipe_markup.h"

namespace tesvar {
namespace cli {

namespace {

struct FormatName {
  std::string_view name;
  TextFormat format;
};

constexpr FormatName kFormatNames[] = {
    {"tex", TextFormat::kTex},      {"latex", TextFormat::kTex},
    {"plaintex", TextFormat::kTex}, {"html", TextFormat::kHtml},
    {"sgml", TextFormat::kHtml},    {"xml", TextFormat::kHtml},
    {"nroff", TextFormat::kNroff},  {"troff", TextFormat::kNroff},
    {"plain", TextFormat::kPlain},  {"text", TextFormat::kPlain},
    {"list", TextFormat::kPlain},
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char c = a[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != b[i]) return false;
  }
  return true;
}

}  // namespace

bool TextFormatNamed(std::string_view name, TextFormat* format) {
  for (const FormatName& row : kFormatNames) {
    if (EqualsIgnoringCase(name, row.name)) {
      *format = row.format;
      return true;
    }
  }
  return false;
}

void MarkupFilter::SetFormat(TextFormat format) {
  format_ = format;
  tex_ = TexState();
  html_ = HtmlState();
}

void MarkupFilter::Mark(std::string_view line, size_t start,
                        std::vector<uint8_t>* markup) {
  markup->assign(line.size(), 0);
  switch (format_) {
    case TextFormat::kPlain:
      break;
    case TextFormat::kTex:
      MarkTex(line, start, &tex_, markup);
      break;
    case TextFormat::kHtml:
      MarkHtml(line, start, &html_, markup);
      break;
    case TextFormat::kNroff:
      MarkNroff(line, start, markup);
      break;
  }
}

}  // namespace cli
}  // namespace tesvar
