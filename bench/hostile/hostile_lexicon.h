// The lexicons a hostile user could hand the parser: many entries that
// share one headword, so that every word beginning with it is analysed
// once per entry. Four kinds: nouns, verbs, pronouns, and a mix of every
// part of speech (unknown codes included). Within a kind the entries vary
// the flags that change the analysis (stative verbs, the plural classes of
// nouns), so that every branch of the analysis is on the path.
//
// The lexicons are TSV text, so that the command line and the bindings can
// load exactly what the benchmark loads. Deterministic; thread-safe.

#ifndef TESVAR_BENCH_HOSTILE_HOSTILE_LEXICON_H_
#define TESVAR_BENCH_HOSTILE_HOSTILE_LEXICON_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace tesvar {
namespace bench {

enum class HostileKind { kNouns, kVerbs, kPronouns, kMixed };

struct HostileKindName {
  HostileKind kind;
  std::string_view name;
};
constexpr HostileKindName kHostileKinds[] = {
    {HostileKind::kNouns, "nouns"},
    {HostileKind::kVerbs, "verbs"},
    {HostileKind::kPronouns, "pronouns"},
    {HostileKind::kMixed, "mixed"},
};

// A lexicon of `entries` entries of `kind`, all with `headword`, in the
// lexicon TSV format.
std::string HostileLexiconTsv(HostileKind kind, size_t entries,
                              std::string_view headword);

}  // namespace bench
}  // namespace tesvar

#endif  // TESVAR_BENCH_HOSTILE_HOSTILE_LEXICON_H_
