// Parses one word with the built-in sample lexicon of an installed tesvar,
// through the const, thread-safe entry point, and checks the library's
// version against the headers'.
#include <cstdio>
#include <cstring>

#include "tesvar/parser.h"
#include "tesvar/sample_lexicon.h"
#include "tesvar/version.h"

int main() {
  tesvar::CLexicon lexicon;
  if (!tesvar::LoadSampleLexicon(&lexicon).ok()) return 1;
  const tesvar::CTesvarParser parser(&lexicon);
  tesvar::ParseScratch scratch;
  tesvar::ParseResults results;
  // Respelt as "Dat", "everywhere".
  const bool ok = parser.Parse("DAT", &results, &scratch).ok() &&
                  results.size() == 1 && results[0].m_strKey == "Dat:N" &&
                  std::strcmp(tesvar::Version(), TESVAR_VERSION_STRING) == 0;
  std::printf("tesvar consumer: %s\n", ok ? "ok" : "FAILED");
  return ok ? 0 : 1;
}
