// HTML and XML: a tag runs from "<" (followed by a letter, "/", "!" or
// "?") to the ">" outside quotes, attribute names and values included; a
// comment from "<!--" to "-->"; both may span lines. An entity ("&amp;",
// "&#39;", "&#x2019;") is markup and separates words. The content of
// <script> and <style> elements is program text up to their end tag.
// Tested by pipe_markup_test.cc.

#include "tools/pipe_markup.h"

namespace tesvar {
namespace cli {

namespace {

// Elements whose content is not text.
constexpr std::string_view kRawElements[] = {"script", "style"};

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) {
  return IsAsciiDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

char ToLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The length of the entity at the start of `text` ("&name;", "&#123;",
// "&#x1F;"), or 0.
size_t EntityLength(std::string_view text) {
  size_t i = 1;
  bool (*allowed)(char) = nullptr;
  if (text.substr(0, 3) == "&#x" || text.substr(0, 3) == "&#X") {
    i = 3, allowed = IsHexDigit;
  } else if (text.substr(0, 2) == "&#") {
    i = 2, allowed = IsAsciiDigit;
  } else if (text.size() > 1 && IsAsciiLetter(text[1])) {
    allowed = [](char c) { return IsAsciiLetter(c) || IsAsciiDigit(c); };
  } else {
    return 0;
  }
  const size_t first = i;
  while (i < text.size() && allowed(text[i])) ++i;
  if (i == first || i == text.size() || text[i] != ';') return 0;
  return i + 1;
}

// Where the end tag "</NAME" begins in `text` from `from` on, in any case,
// or npos.
size_t FindEndTag(std::string_view text, size_t from, std::string_view name) {
  for (size_t at = text.find("</", from); at != std::string_view::npos;
       at = text.find("</", at + 1)) {
    const std::string_view candidate = text.substr(at + 2, name.size());
    bool same = candidate.size() == name.size();
    for (size_t i = 0; same && i < name.size(); ++i) {
      same = ToLower(candidate[i]) == name[i];
    }
    if (same) return at;
  }
  return std::string_view::npos;
}

class HtmlMarker {
 public:
  HtmlMarker(std::string_view line, HtmlState* state,
             std::vector<uint8_t>* markup)
      : line_(line), state_(*state), markup_(*markup) {}

  void Run(size_t i) {
    while (i < line_.size()) i = Step(i);
  }

 private:
  void Mark(size_t from, size_t to) {
    for (size_t i = from; i < to && i < line_.size(); ++i) markup_[i] = 1;
  }

  size_t Step(size_t i) {
    if (state_.in_comment) {
      const size_t end = line_.find("-->", i);
      if (end == std::string_view::npos) {
        Mark(i, line_.size());
        return line_.size();
      }
      Mark(i, end + 3);
      state_.in_comment = false;
      return end + 3;
    }
    if (state_.in_tag) return InTag(i);
    if (!state_.raw_element.empty()) {
      const size_t end = FindEndTag(line_, i, state_.raw_element);
      const size_t stop = end == std::string_view::npos ? line_.size() : end;
      Mark(i, stop);
      if (end != std::string_view::npos) state_.raw_element.clear();
      return stop;
    }
    const std::string_view rest = line_.substr(i);
    if (rest.substr(0, 4) == "<!--") {
      state_.in_comment = true;
      Mark(i, i + 4);
      return i + 4;
    }
    if (rest.size() > 1 && rest[0] == '<' &&
        (IsAsciiLetter(rest[1]) || rest[1] == '/' || rest[1] == '!' ||
         rest[1] == '?')) {
      state_.in_tag = true;
      state_.quote = 0;
      state_.tag_name.clear();
      state_.tag_name_done = false;
      state_.tag_opens = rest[1] != '/';
      Mark(i, i + 1);
      return i + 1;
    }
    if (const size_t length = rest[0] == '&' ? EntityLength(rest) : 0) {
      Mark(i, i + length);
      return i + length;
    }
    return i + 1;
  }

  size_t InTag(size_t i) {
    const char c = line_[i];
    Mark(i, i + 1);
    if (state_.quote != 0) {
      if (c == state_.quote) state_.quote = 0;
      return i + 1;
    }
    if (!state_.tag_name_done) {
      if (IsAsciiLetter(c) || IsAsciiDigit(c)) {
        state_.tag_name.push_back(ToLower(c));
        return i + 1;
      }
      if (c != '/' || !state_.tag_name.empty()) state_.tag_name_done = true;
    }
    if (c == '"' || c == '\'') {
      state_.quote = c;
    } else if (c == '>') {
      state_.in_tag = false;
      const bool closes_itself = i > 0 && line_[i - 1] == '/';
      for (const std::string_view raw : kRawElements) {
        if (state_.tag_opens && !closes_itself && state_.tag_name == raw) {
          state_.raw_element = std::string(raw);
        }
      }
    }
    return i + 1;
  }

  const std::string_view line_;
  HtmlState& state_;
  std::vector<uint8_t>& markup_;
};

}  // namespace

void MarkHtml(std::string_view line, size_t start, HtmlState* state,
              std::vector<uint8_t>* markup) {
  HtmlMarker(line, state, markup).Run(start);
}

}  // namespace cli
}  // namespace tesvar
