// tesvar_write_lexc: writes a lexc grammar of the same word forms that
// tesvar reads flawlessly, from a lexicon and the analysers' own affix
// tables, so that a finite-state analyser compiled from it (hfst-lexc) does
// the same analysis work as tesvar: find the entries a word is built on and
// split off its affixes. It does none of tesvar's other work: no spelling
// repair, no grammar checks, no English, no corrections.
//
//   nouns       headword, then noun suffixes of rising type, each optional
//   verbs       an optional prefix, the headword, then verb suffixes of
//               rising class, each optional, with any rovers after the
//               root and after every class suffix; a nominaliser ends the
//               verb and noun suffixes may follow it
//   pronouns    as nouns, and as verbs without prefix
//   numbers     root, then optionally the tens element, one power of ten
//               and one number suffix
//   other codes the headword alone
//
// The analysis side is the headword with a part-of-speech tag and every
// affix after a "+".
//
// Usage: tesvar_write_lexc LEXICON.tsv > grammar.lexc

#include <iostream>
#include <string>
#include <string_view>

#include "nouns/noun_suffix_table.h"
#include "numbers/number_tables.h"
#include "tesvar/lexicon.h"
#include "tesvar/lexicon_tsv.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {
namespace {

// Text as a lexc string: every byte that is not a letter or an apostrophe
// is escaped, so that blanks, digits (0 is the empty string) and lexc's
// own signs stand for themselves.
std::string Escape(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                       c == '\'' || static_cast<unsigned char>(c) >= 0x80;
    if (!plain) out += '%';
    out += c;
  }
  return out;
}

// One entry "analysis:surface Continuation ;".
void Entry(std::string_view analysis, std::string_view surface,
           std::string_view next, std::string* out) {
  *out += Escape(analysis);
  *out += ':';
  *out += Escape(surface);
  *out += ' ';
  *out += next;
  *out += " ;\n";
}

void Lexicon(std::string_view name, std::string* out) {
  *out += "\nLEXICON ";
  *out += name;
  *out += '\n';
}

// An affix entry: "+affix:affix Next ;".
void Affix(std::string_view affix, std::string_view next, std::string* out) {
  Entry("+" + std::string(affix), affix, next, out);
}

std::string Numbered(std::string_view stem, int n) {
  return std::string(stem) + std::to_string(n);
}

// Noun suffixes: NounAfter<t> is the state after a suffix of type t (0:
// after the headword); any suffix of a higher type may follow.
void WriteNounSuffixes(std::string* out) {
  for (int after = 0; after <= kLastNounClass; ++after) {
    Lexicon(Numbered("NounAfter", after), out);
    *out += "# ;\n";
    for (const NounSuffixRow& row : kNounSuffixes) {
      if (row.type > after)
        Affix(row.suffix, Numbered("NounAfter", row.type), out);
    }
  }
}

// Verb suffixes: VerbAfter<k> is the state after a suffix of class k (0:
// after the root); rovers may stand there any number of times, then any
// suffix of a higher class. A nominaliser hands over to the noun suffixes.
void WriteVerbSuffixes(std::string* out) {
  for (int after = 0; after <= kLastVerbClass; ++after) {
    Lexicon(Numbered("VerbAfter", after), out);
    *out += "# ;\n";
    for (const VerbSuffixRow& row : kVerbSuffixes) {
      if (row.type == kRover) {
        Affix(row.suffix, Numbered("VerbAfter", after), out);
      } else if (row.type > after) {
        Affix(row.suffix,
              row.has(kNominaliser) ? "NounAfter0"
                                    : Numbered("VerbAfter", row.type),
              out);
      }
    }
  }
  Lexicon("VerbPrefix", out);
  *out += "VerbRoot ;\n";
  for (const VerbPrefixRow& row : kVerbPrefixes) {
    Entry(std::string(row.prefix) + "+", row.prefix, "VerbRoot", out);
  }
}

void WriteNumberElements(std::string* out) {
  Lexicon("NumberTens", out);
  *out += "NumberPower ;\n";
  Affix(kTensElement, "NumberPower", out);
  Lexicon("NumberPower", out);
  *out += "NumberSuffix ;\n";
  for (const PowerRow& row : kPowers) Affix(row.element, "NumberSuffix", out);
  Lexicon("NumberSuffix", out);
  *out += "# ;\n";
  for (const NumberSuffixRow& row : kNumberSuffixes)
    Affix(row.suffix, "#", out);
}

// The headwords of every entry, by the way they are read.
void WriteRoots(const CLexicon& lexicon, std::string* out) {
  std::string verbs;
  Lexicon("Root", out);
  *out += "VerbPrefix ;\n";
  for (const CLexicon::Entry& entry : lexicon.entries()) {
    const CTWord& word = entry.word;
    const std::string head(word.m_strHeadword);
    if (head.empty()) continue;
    switch (word.m_nPOS) {
      case kNoun:
        Entry(head + "+N", head, "NounAfter0", out);
        break;
      case kVerb:
        Entry(head + "+V", head, "VerbAfter0", &verbs);
        break;
      case kPronoun:
        Entry(head + "+P", head, "NounAfter0", out);
        Entry(head + "+P+V", head, "VerbAfter0", out);
        break;
      case kNumber:
        Entry(head + "+NUM", head, "NumberTens", out);
        break;
      default:
        Entry(head + "+" + std::string(PartOfSpeechLabel(word.m_nPOS)), head,
              "#", out);
        break;
    }
  }
  Lexicon("VerbRoot", out);
  *out += verbs;
}

int Run(const char* path) {
  CLexicon lexicon;
  const Status status = LoadLexiconTsvFile(path, &lexicon);
  if (!status.ok()) {
    std::cerr << "tesvar_write_lexc: " << status.ToString() << "\n";
    return 1;
  }
  std::string out =
      "! Written by tesvar_write_lexc from " + std::string(path) + "\n";
  WriteRoots(lexicon, &out);
  WriteNounSuffixes(&out);
  WriteVerbSuffixes(&out);
  WriteNumberElements(&out);
  std::cout << out;
  return std::cout.good() ? 0 : 1;
}

}  // namespace
}  // namespace tesvar

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Usage: tesvar_write_lexc LEXICON.tsv > grammar.lexc\n";
    return 1;
  }
  return tesvar::Run(argv[1]);
}
