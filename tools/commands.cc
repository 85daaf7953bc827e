// `tesvar lexicon check`.
// Tested end to end by cli_run_test.cc.

#include "tools/commands.h"

#include <cstdint>

#include "tesvar/lexicon_tsv.h"

namespace tesvar {
namespace cli {

int RunLexiconCheck(const std::string& path, std::ostream& out,
                    std::ostream& err) {
  CLexicon lexicon;
  const Status loaded = LoadLexicon(path, &lexicon);
  if (!loaded.ok()) {
    err << loaded.message() << "\n";
    return exit_status::kBadInput;
  }
  // Codes with a label of their own, then every other code under the
  // label of unknown codes.
  constexpr int32_t kUnlabelled = kQuestion + 1;
  size_t counts[kUnlabelled + 1] = {};
  for (const CLexicon::Entry& entry : lexicon.entries()) {
    const int32_t code = entry.word.m_nPOS;
    ++counts[code >= kNoun && code <= kQuestion ? code : kUnlabelled];
  }
  out << "entries: " << lexicon.size() << "\n";
  for (int32_t code = kNoun; code <= kUnlabelled; ++code) {
    out << PartOfSpeechLabel(code) << ": " << counts[code] << "\n";
  }
  out.flush();
  if (out) return exit_status::kOk;
  err << "tesvar: cannot write the output\n";
  return exit_status::kIoError;
}

}  // namespace cli
}  // namespace tesvar
