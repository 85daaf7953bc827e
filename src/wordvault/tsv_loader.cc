// The lexicon loader's line handling: blank lines and comments are
// skipped; the first remaining line names the columns, and every later
// line becomes one entry. When checking is on, each entry is linted after
// it is added, and the duplicate finder looks it up among the entries
// before it.
// Tested by lexicon_tsv_test.cc and lexicon_lint_test.cc.

#include "wordvault/tsv_loader.h"

#include <new>
#include <utility>

#include "platform/text.h"

namespace tesvar {
namespace wordvault {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Add's other refusal: the lexicon's 32-bit offsets are used up. Only a
// file of more than 4 GiB can get here.
constexpr char kTooMuchText[] =
    "the entries hold more text than a lexicon can (4 GiB)";

}  // namespace

TsvLoader::TsvLoader(std::string_view source_name,
                     const LexiconLoadOptions& options,
                     std::vector<LexiconWarning>* warnings)
    : source_name_(source_name),
      options_(options),
      warnings_(warnings),
      lint_(warnings != nullptr || options.strict) {
  if (warnings_ != nullptr) warnings_->clear();
}

void TsvLoader::Reserve(size_t entries, size_t text_bytes) {
  loaded_.Reserve(entries, text_bytes);
  entry_lines_.reserve(entries);
}

bool TsvLoader::Line(std::string_view line) {
  ++line_number_;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line_number_ == 1 &&
      line.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    line.remove_prefix(kByteOrderMark.size());
    if (lint_ &&
        !Warn({"byte-order mark skipped: lexicon files are UTF-8 without "
               "one"})) {
      return false;
    }
  }
  if (line.empty() || line.front() == kCommentMark) return true;
  return header_.empty() ? ReadHeader(line) : ReadEntry(line);
}

bool TsvLoader::ReadHeader(std::string_view line) {
  const std::string what = ParseHeader(line, &header_);
  return what.empty() || Fail(line_number_, what);
}

bool TsvLoader::ReadEntry(std::string_view line) {
  std::string_view key;
  CTWord word;
  SplitInto(line, kFieldSeparator, &fields_);
  std::string what;
  if (!ParseEntry(line, fields_, header_, &key, &word, &what)) {
    return Fail(line_number_, what);
  }
  if (!loaded_.Add(key, word)) {
    const size_t first = loaded_.PositionOf(key);
    if (first == CLexicon::kNotFound) return Fail(line_number_, kTooMuchText);
    return Fail(line_number_, "duplicate key " + Quote(key) +
                                  " (first on line " +
                                  std::to_string(entry_lines_[first]) + ")");
  }
  entry_lines_.push_back(line_number_);
  return !lint_ || Lint(key, word);
}

bool TsvLoader::Lint(std::string_view key, const CTWord& word) {
  findings_.clear();
  LintEntry(key, word, &findings_);
  const uint32_t position = static_cast<uint32_t>(loaded_.size() - 1);
  if (duplicates_ == nullptr) duplicates_ = std::make_unique<DuplicateFinder>();
  const uint32_t earlier = duplicates_->EarlierLike(loaded_, position);
  if (earlier != kNoPosition) {
    findings_.push_back("same headword, part of speech and definition as " +
                        Quote(loaded_[earlier].key) + " on line " +
                        std::to_string(entry_lines_[earlier]));
  }
  return Warn(findings_);
}

bool TsvLoader::Warn(const std::vector<std::string>& findings) {
  if (findings.empty()) return true;
  if (options_.strict) return Fail(line_number_, findings.front());
  if (warnings_ == nullptr) return true;
  const std::string where =
      std::string(source_name_) + ":" + std::to_string(line_number_) + ": ";
  for (const std::string& finding : findings) {
    if (options_.max_warnings != 0 &&
        warnings_->size() >= options_.max_warnings) {
      if (unlisted_warnings_++ == 0) first_unlisted_line_ = line_number_;
      continue;
    }
    warnings_->push_back({line_number_, where + "warning: " + finding});
  }
  return true;
}

void TsvLoader::CloseWarnings() {
  if (warnings_ == nullptr || unlisted_warnings_ == 0) return;
  warnings_->push_back({first_unlisted_line_,
                        std::string(source_name_) + ":" +
                            std::to_string(first_unlisted_line_) +
                            ": warning: " + std::to_string(unlisted_warnings_) +
                            " more warnings from this line on are not listed"});
  unlisted_warnings_ = 0;
}

bool TsvLoader::Finish(CLexicon* lexicon) {
  if (header_.empty()) {
    return Fail(line_number_ == 0 ? 1 : line_number_,
                "no header line (the file is empty or holds only comments "
                "and blank lines)");
  }
  loaded_.ShrinkToFit();
  *lexicon = std::move(loaded_);
  return true;
}

void TsvLoader::LineTooLong() {
  Fail(line_number_ + 1, "line longer than the limit of " +
                             std::to_string(options_.max_line_bytes) +
                             " bytes");
}

void TsvLoader::InputTooLong() {
  Fail(line_number_ + 1, "the input goes on past the limit of " +
                             std::to_string(options_.max_input_bytes) +
                             " bytes");
}

void TsvLoader::OutOfMemory() {
  const size_t entries = loaded_.size();
  // Hand back what the load holds before making the message.
  loaded_ = CLexicon();
  entry_lines_ = std::vector<size_t>();
  duplicates_.reset();
  try {
    error_ = Status::OutOfMemory(
        std::string(source_name_) + ":" +
        std::to_string(line_number_ == 0 ? 1 : line_number_) +
        ": out of memory after " + std::to_string(entries) + " entries");
  } catch (const std::bad_alloc&) {
    error_ = Status::OutOfMemory("out of memory");  // short: allocates nothing
  }
}

bool TsvLoader::Fail(size_t line, const std::string& what) {
  error_ = Status::InvalidInput(std::string(source_name_) + ":" +
                                std::to_string(line) + ": " + what);
  return false;
}

}  // namespace wordvault
}  // namespace tesvar
