// How `tesvar lexicon` prints entries: as lines of a lexicon file (so that
// a listing loads back as the same lexicon), as JSON objects, or as
// "name: value" lines for people.
//
// Pure functions that append to a caller's buffer; thread-safe.

#ifndef TESVAR_TOOLS_ENTRY_WRITER_H_
#define TESVAR_TOOLS_ENTRY_WRITER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tesvar/lexicon.h"

namespace tesvar {
namespace cli {

// The order of a listing's columns. Usually the key comes first and the
// plural last. But a line that starts with '#' is a comment, and a "\r"
// at the end of a line belongs to its line end, so an entry whose key
// starts with '#' (loaded from a file where the key is not the first
// column) or whose plural ends in "\r" would not load back. A listing
// that holds one puts the part of speech first and the flags last, which
// can be neither.
enum class TsvLayout { kUsual, kSafe };

// True when the entry does not load back under the usual layout.
bool NeedsSafeLayout(const CLexicon::Entry& entry);

// The header line of a lexicon file with every column, ending in "\n".
std::string TsvHeader(TsvLayout layout = TsvLayout::kUsual);

// Appends the entry as one line of a lexicon file under TsvHeader(layout);
// the part of speech is its label, or its number when it has no label.
void AppendTsvEntry(const CLexicon::Entry& entry, std::string* out,
                    TsvLayout layout = TsvLayout::kUsual);

// Appends {"key": ..., "headword": ..., "pos": "N", "code": 0,
// "definition": ..., "flags": [...], "plural": ...} and "\n".
void AppendJsonEntry(const CLexicon::Entry& entry, std::string* out);

// Appends one "name: value" line per field, control bytes shown as \xHH.
void AppendReadableEntry(const CLexicon::Entry& entry, std::string* out);

// The entry's flags, comma-separated, in the order of the file format.
std::string FlagList(const CTWord& word);

// The names of the flags, in the order of the file format, and the
// flag each names.
struct FlagColumn {
  std::string_view name;
  int32_t CTWord::*flag;
};
constexpr size_t kFlagCount = 5;
extern const FlagColumn kFlagColumns[kFlagCount];

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_ENTRY_WRITER_H_
