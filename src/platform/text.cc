// Byte-string helpers. Insert clamps its index instead of failing: the
// analyses compute offsets freely and rely on out-of-range values being
// harmless.
// Tested by text_test.cc.

#include "platform/text.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>

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

std::string Concat(std::initializer_list<std::string_view> parts) {
  // Short results are joined on the stack and copied once.
  char joined[128];
  char* end = joined;
  for (std::string_view part : parts) {
    if (part.size() > static_cast<size_t>(std::end(joined) - end)) {
      std::string out;
      for (std::string_view each : parts) out.append(each);
      return out;
    }
    if (part.empty()) continue;
    std::memcpy(end, part.data(), part.size());
    end += part.size();
  }
  return std::string(joined, end);
}

void AssignConcat(std::string* out,
                  std::initializer_list<std::string_view> parts) {
  size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  out->resize(size);
  char* at = &(*out)[0];
  for (std::string_view part : parts) {
    if (part.empty()) continue;
    std::memcpy(at, part.data(), part.size());
    at += part.size();
  }
}

void Insert(std::string* s, int index, std::string_view text) {
  s->insert(Clamp(index, s->size()), text);
}

void TrimRight(std::string* s) { TrimRight(s, 0); }

void TrimRight(std::string* s, size_t keep) {
  size_t end = s->size();
  while (end > keep && IsTrailingSpace((*s)[end - 1])) --end;
  s->resize(end);
}

std::string Format(std::string_view format,
                   std::initializer_list<FormatArg> args) {
  std::string out;
  out.reserve(format.size() + 32);
  auto next = args.begin();
  size_t i = 0;
  // The text between directives is copied a run at a time.
  while (i < format.size()) {
    const size_t percent = format.find('%', i);
    if (percent == std::string_view::npos) {
      out.append(format.substr(i));
      break;
    }
    out.append(format.substr(i, percent - i));
    i = percent + 1;
    if (i == format.size()) {
      out.push_back('%');
      break;
    }
    const char directive = format[i];
    if (directive == '%') {
      out.push_back('%');
      ++i;
      continue;
    }
    const bool wants_int = directive == 'i';
    const bool wants_text = directive == 's';
    if ((!wants_int && !wants_text) || next == args.end() ||
        next->is_int() != wants_int) {
      out.push_back('%');
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
