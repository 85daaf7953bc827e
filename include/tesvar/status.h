// A Status reports whether an operation on input succeeded and, if not,
// what was wrong with the input. Errors on input are values, never
// exceptions.
//
// A Status is a plain value: copy it, keep it, compare it. It is safe to
// share between threads like any other immutable value.

#ifndef TESVAR_STATUS_H_
#define TESVAR_STATUS_H_

#include <string>
#include <string_view>
#include <utility>

namespace tesvar {

class [[nodiscard]] Status {
 public:
  // DO NOT CHANGE the values: the C interface and saved results use them.
  enum class Code {
    kOk = 0,
    kInvalidInput = 1,
    kIoError = 2,
    kWordTooLong = 3,
    kWordTooComplex = 4,
    kCancelled = 5,
    kOutOfMemory = 6,
  };

  // Creates a success status.
  Status() = default;

  static Status Ok() { return Status(); }
  // The input (a lexicon file, say) is malformed. `message` says where and
  // what, for example "words.tsv:12: unknown flag 'plural'".
  static Status InvalidInput(std::string message) {
    return Status(Code::kInvalidInput, std::move(message));
  }
  // The input could not be read or the output not written.
  static Status IoError(std::string message) {
    return Status(Code::kIoError, std::move(message));
  }
  // Memory ran out while handling the input; nothing was changed.
  static Status OutOfMemory(std::string message) {
    return Status(Code::kOutOfMemory, std::move(message));
  }

  // A word was not analysed because it is longer than the parser's word
  // limit; `message` is, for example, "word longer than 256 bytes".
  static Status WordTooLong(std::string message) {
    return Status(Code::kWordTooLong, std::move(message));
  }
  // A word was not analysed to the end because its analysis needs more
  // work than the parser's budget allows.
  static Status WordTooComplex() {
    return Status(Code::kWordTooComplex, "word too complex");
  }
  // The host stopped the call before it ended.
  static Status Cancelled() { return Status(Code::kCancelled, "cancelled"); }

  [[nodiscard]] bool ok() const { return code_ == Code::kOk; }
  [[nodiscard]] Code code() const { return code_; }
  // The message alone; empty for a success.
  [[nodiscard]] const std::string& message() const { return message_; }
  // "OK" for a success, otherwise the message.
  [[nodiscard]] std::string ToString() const {
    return ok() ? std::string("OK") : message_;
  }

 private:
  Status(Code code, std::string message)
      : code_(code), message_(std::move(message)) {}

  Code code_ = Code::kOk;
  std::string message_;
};

}  // namespace tesvar

#endif  // TESVAR_STATUS_H_
