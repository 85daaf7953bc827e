// Loading never fails the pipe: a personal dictionary is the user's own
// file, edited by hand at times, and a bad line in it should cost that
// word, not the session. The file is opened only when it is a regular file
// of bounded size, so that a path to a device or a pipe cannot make the
// pipe read forever before it answers.
// Tested by pipe_dictionary_test.cc.

#include "tools/pipe_dictionary.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "tools/line_reader.h"
#include "tools/word_splitter.h"

namespace tesvar {
namespace cli {

namespace {

constexpr std::string_view kDefaultName = "default";
constexpr std::string_view kFilePrefix = ".tesvar_";

// Whether the file at `path` ends with a line end (or is empty).
bool EndsWithLineEnd(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in || in.tellg() <= 0) return true;
  in.seekg(-1, std::ios::end);
  char last = '\n';
  in.get(last);
  return last == '\n';
}

}  // namespace

std::string DefaultPersonalDictionary(const char* home,
                                      std::string_view dictionary_name) {
  if (home == nullptr || *home == '\0') return std::string();
  std::string_view name = dictionary_name;
  const size_t slash = name.find_last_of('/');
  if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
  if (name.empty()) name = kDefaultName;
  std::string path = home;
  if (path.back() != '/') path += '/';
  path += kFilePrefix;
  path += name;
  return path;
}

void PersonalDictionary::Warn(std::ostream& err, size_t line,
                              std::string_view what) const {
  err << "tesvar: warning: " << path_;
  if (line > 0) err << ":" << line;
  err << ": " << what << "\n";
}

void PersonalDictionary::Load(SpellChecker* checker, std::ostream& err) {
  if (path_.empty()) return;
  std::error_code error;
  const std::filesystem::file_status status =
      std::filesystem::status(path_, error);
  if (status.type() == std::filesystem::file_type::not_found) return;
  if (status.type() != std::filesystem::file_type::regular) {
    Warn(err, 0, "not a regular file; personal dictionary not read");
    return;
  }
  if (std::filesystem::file_size(path_, error) > kMaxPersonalDictionaryBytes) {
    Warn(err, 0,
         "larger than " + std::to_string(kMaxPersonalDictionaryBytes) +
             " bytes; personal dictionary not read");
    return;
  }
  std::ifstream in(path_, std::ios::binary);
  if (!in) {
    Warn(err, 0, "cannot read the personal dictionary");
    return;
  }
  LineReader reader(&in, kMaxLineBytes);
  std::string line;
  for (size_t number = 1; reader.Next(&line); ++number) {
    if (line.empty()) continue;
    if (reader.too_long()) {
      Warn(err, number, "word longer than 256 bytes, skipped");
    } else if (!IsSingleWord(line)) {
      Warn(err, number, "not one word, skipped: '" + line + "'");
    } else if (!checker->Accept(line)) {
      Warn(err, number,
           "more than " + std::to_string(kMaxSessionWords) +
               " words; the rest is not read");
      return;
    } else {
      known_.insert(WithPlainApostrophes(line));
    }
  }
  if (reader.failed()) Warn(err, 0, "cannot read the personal dictionary");
}

void PersonalDictionary::Add(std::string_view word) {
  std::string plain = WithPlainApostrophes(word);
  if (!known_.insert(plain).second) return;
  unsaved_.push_back(std::move(plain));
}

bool PersonalDictionary::Save(std::ostream& err) {
  if (path_.empty() || unsaved_.empty()) return true;
  std::string text = EndsWithLineEnd(path_) ? "" : "\n";
  for (const std::string& word : unsaved_) text += word + "\n";
  errno = 0;
  std::ofstream out(path_, std::ios::binary | std::ios::app);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  save_failed_ = !out;
  if (save_failed_) {
    // The stream keeps no reason; errno holds the system's, if any.
    const int why = errno;
    err << "tesvar: cannot write the personal dictionary " << path_;
    if (why != 0) err << ": " << std::strerror(why);
    err << "\n";
    return false;
  }
  unsaved_.clear();
  return true;
}

bool IsSingleWord(std::string_view text) {
  WordSplitter splitter(text, 0, OffsetUnit::kUtf8Characters);
  LineWord word;
  return splitter.Next(&word) && word.text.size() == text.size();
}

}  // namespace cli
}  // namespace tesvar
