// The library reads no files, so the lexicon file is read here and handed
// to the TSV loader as text.
// Tested end to end by cli_run_test.cc.

#include "tools/lexicon_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "tesvar/lexicon_tsv.h"
#include "tesvar/sample_lexicon.h"

namespace tesvar {
namespace cli {

namespace {

Status ReadFile(const std::string& path, std::string* text) {
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (file) {
    // istream::read turns a failing read (a directory, say) into badbit
    // instead of letting the stream buffer's exception through.
    char buffer[1 << 16];
    while (file.read(buffer, sizeof(buffer)) || file.gcount() > 0) {
      text->append(buffer, static_cast<size_t>(file.gcount()));
    }
    if (!file.bad()) return Status::Ok();
  }
  const std::string why = errno != 0 ? std::strerror(errno) : "read error";
  return Status::IoError(path + ": cannot read: " + why);
}

}  // namespace

Status LoadLexicon(const std::string& path, CLexicon* lexicon) {
  if (path.empty()) return LoadSampleLexicon(lexicon);
  lexicon->Clear();
  std::string text;
  const Status read = ReadFile(path, &text);
  if (!read.ok()) return read;
  return ParseLexiconTsv(text, path, lexicon);
}

std::string DescribeLexicon(const std::string& path, const CLexicon& lexicon) {
  const std::string count = std::to_string(lexicon.size()) +
                            (lexicon.size() == 1 ? " entry" : " entries");
  return (path.empty() ? std::string("built-in sample") : path) + ", " + count;
}

}  // namespace cli
}  // namespace tesvar
