// Byte-string helpers. Every function clamps its indices instead of
// failing: the analyses compute lengths and offsets freely and rely on
// out-of-range values being harmless.
// Tested by text_test.cc.

#include "platform/text.h"

#include <algorithm>
#include <cstddef>

namespace tesvar {

namespace {

size_t Clamp(int n, size_t size) {
  if (n <= 0) return 0;
  return std::min(static_cast<size_t>(n), size);
}

bool IsTrailingSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' ||
         c == '\f';
}

}  // namespace

std::string_view Left(std::string_view s, int n) {
  return s.substr(0, Clamp(n, s.size()));
}

std::string_view Right(std::string_view s, int n) {
  const size_t count = Clamp(n, s.size());
  return s.substr(s.size() - count);
}

int Find(std::string_view s, std::string_view needle) {
  const size_t at = s.find(needle);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

int FindChar(std::string_view s, char c, int from) {
  if (from < 0 || static_cast<size_t>(from) >= s.size()) return -1;
  const size_t at = s.find(c, static_cast<size_t>(from));
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

int Replace(std::string* s, std::string_view from, std::string_view to) {
  if (from.empty()) return 0;
  std::string out;
  int count = 0;
  size_t start = 0;
  for (size_t at = s->find(from); at != std::string::npos;
       at = s->find(from, start)) {
    out.append(*s, start, at - start);
    out.append(to);
    start = at + from.size();
    ++count;
  }
  if (count == 0) return 0;
  out.append(*s, start, std::string::npos);
  s->swap(out);
  return count;
}

void Insert(std::string* s, int index, std::string_view text) {
  s->insert(Clamp(index, s->size()), text);
}

void Delete(std::string* s, int index, int count) {
  if (count <= 0) return;
  const size_t start = Clamp(index, s->size());
  s->erase(start, Clamp(count, s->size() - start));
}

void TrimRight(std::string* s) {
  size_t end = s->size();
  while (end > 0 && IsTrailingSpace((*s)[end - 1])) --end;
  s->resize(end);
}

std::string Format(std::string_view format,
                   std::initializer_list<FormatArg> args) {
  std::string out;
  out.reserve(format.size() + 32);
  auto next = args.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c != '%' || i + 1 == format.size()) {
      out.push_back(c);
      continue;
    }
    const char directive = format[i + 1];
    if (directive == '%') {
      out.push_back('%');
      ++i;
      continue;
    }
    const bool wants_int = directive == 'i';
    const bool wants_text = directive == 's';
    if ((!wants_int && !wants_text) || next == args.end() ||
        next->is_int() != wants_int) {
      out.push_back(c);
      continue;
    }
    if (wants_int) {
      out.append(std::to_string(next->value()));
    } else {
      out.append(next->text());
    }
    ++next;
    ++i;
  }
  return out;
}

bool ListContains(const std::vector<std::string>& list, std::string_view s) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

}  // namespace tesvar
