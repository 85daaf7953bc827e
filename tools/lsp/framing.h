// The base protocol's framing: each message is a header part of
// "Name: value" lines ending in "\r\n", an empty line, then exactly
// Content-Length bytes of JSON. MessageReader takes messages off an input
// stream one at a time; WriteMessage frames one.
//
// Memory is bounded: a header line longer than kMaxHeaderLineBytes is a
// framing error, and the body of a message longer than kMaxMessageBytes is
// read and dropped rather than kept.
//
// A MessageReader reads from a stream it does not own; use it from one
// thread.

#ifndef TESVAR_TOOLS_LSP_FRAMING_H_
#define TESVAR_TOOLS_LSP_FRAMING_H_

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace tesvar {
namespace lsp {

// Real headers are a few dozen bytes.
constexpr size_t kMaxHeaderLineBytes = 1024;
// Room for a document of tens of megabytes in one didOpen.
constexpr size_t kMaxMessageBytes = size_t{64} << 20;

enum class ReadResult {
  kMessage,   // *body holds the next message
  kEnd,       // the input ended between messages
  kTooLarge,  // a message over the size limit was skipped; go on
  kBroken,    // bad header or cut message: the stream cannot be resynced
};

class MessageReader {
 public:
  // REQUIRES: `in` outlives the reader.
  explicit MessageReader(std::istream* in,
                         size_t max_message_bytes = kMaxMessageBytes)
      : in_(in), max_message_bytes_(max_message_bytes) {}

  MessageReader(const MessageReader&) = delete;
  MessageReader& operator=(const MessageReader&) = delete;

  // Reads the next message into *body. For kTooLarge and kBroken, *error
  // says what happened; a failed read of the input is kBroken too.
  ReadResult Next(std::string* body, std::string* error);

  // True when input is already buffered, so that another message is
  // likely to follow at once.
  bool HasBufferedInput() const;

 private:
  // Reads one header line without its line end into *line; false at the
  // end of the input or past kMaxHeaderLineBytes.
  bool ReadHeaderLine(std::string* line, bool* at_end);
  // Next, for a stream buffer that may throw on a failed read (a file
  // stream does: standard input on a directory or a closed descriptor).
  ReadResult NextOrThrow(std::string* body, std::string* error);

  std::istream* const in_;
  const size_t max_message_bytes_;
};

// Writes `body` framed to `out` and flushes. Returns false when the write
// failed.
bool WriteMessage(std::string_view body, std::ostream* out);

}  // namespace lsp
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LSP_FRAMING_H_
