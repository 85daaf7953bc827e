// Parses one word with the built-in sample lexicon of an installed tesvar.
#include <cstdio>

#include "tesvar/parser.h"
#include "tesvar/sample_lexicon.h"

int main() {
  tesvar::CLexicon lexicon;
  if (!tesvar::LoadSampleLexicon(&lexicon).ok()) return 1;
  tesvar::CTesvarParser parser(&lexicon);
  tesvar::ParseResults results;
  parser.ParseWord("DAT", results);  // respelt as "Dat", "everywhere"
  const bool ok = !results.empty() && results[0].m_strKey == "Dat:N";
  std::printf("%s\n", ok ? "tesvar consumer: ok" : "tesvar consumer: FAILED");
  return ok ? 0 : 1;
}
