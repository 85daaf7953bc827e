// Fuzz target: the command line's line reader and JSON writer. The first
// input byte is the reader's line limit, the next eight a score, the rest
// the text read as standard input.
//
// The reader must cut the text into the same lines as a plain reference
// split, with the same overlong flags. Every JSON record written for a
// line (a record with one reading made of the line's bytes, and a refusal)
// must be one line of strict JSON that reads back to exactly the strings
// and the score that went in.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/check.h"
#include "fuzz/strict_json.h"
#include "tools/json_writer.h"
#include "tools/line_reader.h"

namespace {

using tesvar::fuzz::Check;
using tesvar::fuzz::JsonScalar;

// Lines per input whose JSON records are written and read back. Lines are
// independent of each other there, so a few per input keep the target
// fast without losing any kind of line.
constexpr size_t kMaxRecordedLines = 8;

struct Line {
  std::string text;
  bool too_long;
};

// Split on "\n", a trailing "\r" dropped, the empty rest after a final
// "\n" not a line; lines over `limit` cut to `limit` and flagged.
std::vector<Line> ReferenceLines(std::string_view text, size_t limit) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const bool too_long = line.size() > limit;
    lines.push_back({std::string(line.substr(0, limit)), too_long});
  }
  return lines;
}

std::vector<Line> ReaderLines(const std::string& text, size_t limit) {
  std::istringstream in(text);
  tesvar::cli::LineReader reader(&in, limit);
  std::vector<Line> lines;
  std::string line;
  while (reader.Next(&line)) lines.push_back({line, reader.too_long()});
  Check(!reader.failed(), "a string stream never fails");
  return lines;
}

// Reads `json` back, which must be one line ending in "\n".
std::vector<JsonScalar> ReadRecord(const std::string& json) {
  Check(!json.empty() && json.back() == '\n', "a record ends in \\n");
  Check(json.find('\n') == json.size() - 1, "a record is one line");
  std::vector<JsonScalar> scalars;
  Check(tesvar::fuzz::ReadJson(json, &scalars), "a record is strict JSON");
  return scalars;
}

void CheckStrings(const std::vector<JsonScalar>& scalars, size_t first,
                  const std::vector<std::string>& expected) {
  Check(scalars.size() >= first + expected.size(), "enough scalars");
  for (size_t i = 0; i < expected.size(); ++i) {
    const JsonScalar& scalar = scalars[first + i];
    Check(scalar.kind == JsonScalar::Kind::kString, "a string");
    Check(scalar.text == expected[i], "strings read back byte for byte");
  }
}

void CheckScore(const JsonScalar& scalar, double score) {
  if (!std::isfinite(score)) {
    Check(scalar.kind == JsonScalar::Kind::kLiteral && scalar.text == "null",
          "a score that is not finite is null");
    return;
  }
  Check(scalar.kind == JsonScalar::Kind::kNumber, "a score is a number");
  const double read = std::strtod(scalar.text.c_str(), nullptr);
  Check(std::memcmp(&read, &score, sizeof(read)) == 0,
        "a score reads back as the same double, sign of zero included");
}

void CheckRecords(const std::string& line, double score) {
  tesvar::CParseResult r;
  r.m_strPOS = line.substr(0, 1);
  r.m_strWord = line;
  r.m_strKey = line.substr(line.size() / 2);
  r.m_strAnalysis = line + "\"\\";
  r.m_dScore = score;
  r.m_lstErrors = {line};
  r.m_lstSuggestions = {line, std::string()};
  r.m_strNative = line.substr(0, line.size() / 2);
  std::string json;
  tesvar::cli::AppendJsonLine(line, {r}, true, &json);
  const std::vector<JsonScalar> scalars = ReadRecord(json);
  Check(scalars.size() == 20, "input, results and one reading");
  CheckStrings(scalars, 0,
               {"input", line, "results", "pos", r.m_strPOS, "word", line,
                "key", r.m_strKey, "analysis", r.m_strAnalysis, "score"});
  CheckScore(scalars[12], score);
  CheckStrings(scalars, 13,
               {"errors", line, "suggestions", line, std::string(), "native",
                r.m_strNative});

  json.clear();
  tesvar::cli::AppendJsonRefusal(line, "word too long", &json);
  const std::vector<JsonScalar> refusal = ReadRecord(json);
  Check(refusal.size() == 4, "input and error");
  CheckStrings(refusal, 0, {"input", line + "...", "error", "word too long"});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr size_t kHeader = 1 + sizeof(double);
  if (size < kHeader) return 0;
  const size_t limit = data[0];
  double score;
  std::memcpy(&score, data + 1, sizeof(score));
  const std::string text(reinterpret_cast<const char*>(data) + kHeader,
                         size - kHeader);

  const std::vector<Line> expected = ReferenceLines(text, limit);
  const std::vector<Line> lines = ReaderLines(text, limit);
  Check(lines.size() == expected.size(), "as many lines as the reference");
  for (size_t i = 0; i < lines.size(); ++i) {
    Check(lines[i].text == expected[i].text, "the reference's line");
    Check(lines[i].too_long == expected[i].too_long, "the reference's flag");
    if (i < kMaxRecordedLines) CheckRecords(lines[i].text, score);
  }
  return 0;
}
