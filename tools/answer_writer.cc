// The two output formats of `tesvar parse`, over the JSON and readable
// encoders.

#include "tools/answer_writer.h"

#include "tools/json_writer.h"
#include "tools/readable_writer.h"

namespace tesvar {
namespace cli {

namespace {

class JsonLinesWriter : public AnswerWriter {
 public:
  explicit JsonLinesWriter(bool native) : native_(native) {}

  void AppendAnswer(std::string_view input, const ParseResults& results,
                    std::string* out) const override {
    AppendJsonLine(input, results, native_, out);
  }

  void AppendRefusal(const Refusal& refusal, std::string* out) const override {
    AppendJsonRefusal(refusal.input, refusal.reason, out, refusal.cut);
  }

 private:
  const bool native_;
};

class ReadableWriter : public AnswerWriter {
 public:
  explicit ReadableWriter(const OutputStyle& style)
      : style_{style.native, style.colour} {}

  void AppendAnswer(std::string_view input, const ParseResults& results,
                    std::string* out) const override {
    AppendReadable(input, results, style_, out);
  }

  void AppendRefusal(const Refusal& refusal, std::string* out) const override {
    AppendReadableRefusal(refusal.input, refusal.cut, refusal.reason, style_,
                          out);
  }

 private:
  const ReadableStyle style_;
};

}  // namespace

std::unique_ptr<AnswerWriter> MakeAnswerWriter(const OutputStyle& style) {
  if (style.json) return std::make_unique<JsonLinesWriter>(style.native);
  return std::make_unique<ReadableWriter>(style);
}

}  // namespace cli
}  // namespace tesvar
