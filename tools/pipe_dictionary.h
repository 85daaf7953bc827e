// The personal dictionary of the spell-check pipe: a text file of words
// the user has added, one per line, read when the pipe starts and
// extended when the client asks to save. Its words are correct as they
// stand, in later sessions too.
//
// The file is UTF-8 text; a line holds one word as the pipe splits words
// (a trailing "\r" is dropped, empty lines are skipped). Any other line is
// reported as FILE:LINE and skipped, never fatal, and stays in the file:
// saving appends the new words instead of rewriting the file.
//
// A PersonalDictionary serves one session on one thread.

#ifndef TESVAR_TOOLS_PIPE_DICTIONARY_H_
#define TESVAR_TOOLS_PIPE_DICTIONARY_H_

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tools/spell_checker.h"

namespace tesvar {
namespace cli {

// The largest personal dictionary file that is read, in bytes.
constexpr uintmax_t kMaxPersonalDictionaryBytes = 16 << 20;

// The personal dictionary used when none is named: ".tesvar_NAME" in the
// home directory `home`, where NAME is the last part of the dictionary
// name given with -d ("default" when none is). Empty when `home` is null
// or empty.
std::string DefaultPersonalDictionary(const char* home,
                                      std::string_view dictionary_name);

class PersonalDictionary {
 public:
  // `path` empty: no file; words can be added, and saving does nothing.
  explicit PersonalDictionary(std::string path) : path_(std::move(path)) {}

  PersonalDictionary(const PersonalDictionary&) = delete;
  PersonalDictionary& operator=(const PersonalDictionary&) = delete;

  const std::string& path() const { return path_; }

  // Accepts every word of the file in *checker. A missing file is an empty
  // dictionary. Reports each malformed line, and a file that cannot be
  // read, on `err` as "tesvar: warning: FILE:LINE: what is wrong"; words
  // the checker refuses (too many) are reported too.
  void Load(SpellChecker* checker, std::ostream& err);

  // Adds `word` to the words to save; a word the file already holds or
  // that was added before is added once.
  void Add(std::string_view word);

  // Appends the words added since the last save to the file, creating it
  // if need be. Returns false and reports on `err` when it cannot; the
  // words are then kept for the next save.
  bool Save(std::ostream& err);

  // True when the last save failed, and its words are still unsaved.
  bool save_failed() const { return save_failed_; }

 private:
  void Warn(std::ostream& err, size_t line, std::string_view what) const;

  const std::string path_;
  std::set<std::string, std::less<>> known_;  // in the file or to be saved
  std::vector<std::string> unsaved_;
  bool save_failed_ = false;
};

// True when `text` is one word as the pipe splits UTF-8 text, and no more.
bool IsSingleWord(std::string_view text);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_PIPE_DICTIONARY_H_
