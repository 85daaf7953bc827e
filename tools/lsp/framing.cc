// Header names are case-insensitive. Only Content-Length matters; a
// Content-Type header is accepted and ignored, since every client sends
// UTF-8. A bare "\n" is accepted as a line end too: it costs nothing and
// helps people who type messages by hand.
// Tested by framing_test.cc.

#include "tools/lsp/framing.h"

#include <algorithm>
#include <cctype>
#include <ios>
#include <limits>

namespace tesvar {
namespace lsp {

namespace {

constexpr std::string_view kContentLength = "content-length";

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
    text.remove_suffix(1);
  }
  return text;
}

// Reads a decimal length; false for anything else or a value too large
// for size_t.
bool ParseLength(std::string_view text, size_t* length) {
  if (text.empty()) return false;
  size_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    const size_t digit = static_cast<size_t>(c - '0');
    if (value > (std::numeric_limits<size_t>::max() - digit) / 10) {
      return false;
    }
    value = value * 10 + digit;
  }
  *length = value;
  return true;
}

}  // namespace

bool MessageReader::ReadHeaderLine(std::string* line, bool* at_end) {
  line->clear();
  std::streambuf* const buffer = in_->rdbuf();
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      *at_end = true;
      return false;
    }
    if (c == '\n') break;
    if (line->size() == kMaxHeaderLineBytes) return false;
    line->push_back(static_cast<char>(c));
  }
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return true;
}

ReadResult MessageReader::Next(std::string* body, std::string* error) {
  try {
    return NextOrThrow(body, error);
  } catch (const std::ios_base::failure& failure) {
    body->clear();
    // A system error says why; the stream's own code only says it failed.
    *error = "cannot read the input";
    if (failure.code().category() != std::iostream_category()) {
      *error += ": " + failure.code().message();
    }
    return ReadResult::kBroken;
  }
}

ReadResult MessageReader::NextOrThrow(std::string* body, std::string* error) {
  body->clear();
  size_t length = 0;
  bool has_length = false;
  bool started = false;
  std::string line;
  for (;;) {
    bool at_end = false;
    if (!ReadHeaderLine(&line, &at_end)) {
      if (at_end && !started && line.empty()) return ReadResult::kEnd;
      *error = at_end ? "input ended inside a header"
                      : "header line longer than " +
                            std::to_string(kMaxHeaderLineBytes) + " bytes";
      return ReadResult::kBroken;
    }
    started = true;
    if (line.empty()) break;
    const size_t colon = line.find(':');
    if (colon == std::string::npos) {
      *error = "header line without ':'";
      return ReadResult::kBroken;
    }
    const std::string_view name = Trim(std::string_view(line).substr(0, colon));
    if (!EqualsIgnoringCase(name, kContentLength)) continue;
    if (has_length ||
        !ParseLength(Trim(std::string_view(line).substr(colon + 1)), &length)) {
      *error = "bad Content-Length header";
      return ReadResult::kBroken;
    }
    has_length = true;
  }
  if (!has_length) {
    *error = "message without a Content-Length header";
    return ReadResult::kBroken;
  }
  if (length > max_message_bytes_) {
    // Drop the body in bounded pieces, so that the next message is found.
    char scratch[1 << 14];
    size_t left = length;
    while (left > 0) {
      const std::streamsize piece =
          static_cast<std::streamsize>(std::min(left, sizeof(scratch)));
      if (in_->rdbuf()->sgetn(scratch, piece) != piece) {
        *error = "input ended inside a message";
        return ReadResult::kBroken;
      }
      left -= static_cast<size_t>(piece);
    }
    *error = "message of " + std::to_string(length) +
             " bytes skipped: the limit is " +
             std::to_string(max_message_bytes_);
    return ReadResult::kTooLarge;
  }
  body->resize(length);
  const std::streamsize got =
      in_->rdbuf()->sgetn(body->data(), static_cast<std::streamsize>(length));
  if (got != static_cast<std::streamsize>(length)) {
    body->clear();
    *error = "input ended inside a message";
    return ReadResult::kBroken;
  }
  return ReadResult::kMessage;
}

bool MessageReader::HasBufferedInput() const {
  return in_->rdbuf()->in_avail() > 0;
}

bool WriteMessage(std::string_view body, std::ostream* out) {
  *out << "Content-Length: " << body.size() << "\r\n\r\n";
  out->write(body.data(), static_cast<std::streamsize>(body.size()));
  out->flush();
  return out->good();
}

}  // namespace lsp
}  // namespace tesvar
