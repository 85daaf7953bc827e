// Lexicon lint. Each check is a row of a table or a few lines of its own;
// each finding is one message that quotes the text it is about, so that a
// stray blank or control byte is visible.
//
// Spelling is checked with the parser's own normalisation: a headword
// that normalisation would change can never match, since every word is
// normalised before it is compared with headwords.
// Tested by lexicon_lint_test.cc.

#include "wordvault/tsv_lint.h"

#include <cstddef>

#include "parser/spelling.h"
#include "tesvar/lexicon_tsv.h"
#include "tesvar/utf8.h"
#include "wordvault/tsv_format.h"

namespace tesvar {
namespace wordvault {

namespace {

constexpr char kBlank = ' ';

bool IsUtf8(std::string_view text) {
  while (!text.empty()) {
    const size_t length = Utf8SequenceLength(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

bool HasControlByte(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return true;
  }
  return false;
}

// Blanks, control bytes and broken UTF-8 in one text of the entry.
void LintText(std::string_view name, std::string_view text,
              std::vector<std::string>* found) {
  const bool leading = !text.empty() && text.front() == kBlank;
  const bool trailing = !text.empty() && text.back() == kBlank;
  const bool control = HasControlByte(text);
  const bool utf8 = IsUtf8(text);
  if (!leading && !trailing && !control && utf8) return;
  const std::string quoted = std::string(name) + " " + Quote(text);
  if (leading || trailing) {
    found->push_back(quoted +
                     (leading && trailing ? " starts and ends"
                      : leading           ? " starts"
                                          : " ends") +
                     " with a blank");
  }
  if (control) found->push_back(quoted + " holds a control byte");
  if (!utf8) found->push_back(quoted + " is not valid UTF-8");
}

// `text` as spelling normalisation rewrites it.
std::string Normalised(std::string_view text) {
  std::string normalised(text);
  NormaliseSpelling(&normalised);
  return normalised;
}

std::string PartOfSpeechName(int32_t code) {
  const std::string_view label = PartOfSpeechLabel(code);
  return label == "X" ? std::to_string(code) : std::string(label);
}

// Noun attributes are read by the noun analysis, which runs for nouns and
// pronouns; stative by the verb analysis, which runs for verbs and
// pronouns.
bool ReadsNounAttributes(int32_t code) {
  return code == kNoun || code == kPronoun;
}
bool ReadsVerbAttributes(int32_t code) {
  return code == kVerb || code == kPronoun;
}

void LintAttributes(const CTWord& word, std::vector<std::string>* found) {
  const auto on = [&word] {
    return " has no effect on part of speech " + PartOfSpeechName(word.m_nPOS) +
           ": only ";
  };
  for (const FlagRow& flag : kFlags) {
    if (!(word.*flag.field)) continue;
    const bool read = flag.noun_only ? ReadsNounAttributes(word.m_nPOS)
                                     : ReadsVerbAttributes(word.m_nPOS);
    if (!read) {
      found->push_back("flag " + Quote(flag.name) + on() +
                       (flag.noun_only ? "N" : "V") + " and P entries use it");
    }
  }
  const std::string_view plural = word.m_strIrregularPlural;
  if (plural.empty()) return;
  if (!ReadsNounAttributes(word.m_nPOS)) {
    found->push_back("plural " + Quote(plural) + on() +
                     "N and P entries use it");
  } else if (!word.m_bIrregularPlural) {
    found->push_back("plural " + Quote(plural) +
                     " is never used without the flag 'irregularplural'");
  }
}

uint64_t HashOfKind(const CTWord& word) {
  uint64_t hash = Hash(word.m_strHeadword);
  hash = HashStep(hash ^ Hash(word.m_strDefinition), '\t');
  return HashFinish(hash ^ static_cast<uint32_t>(word.m_nPOS));
}

bool SameKind(const CTWord& a, const CTWord& b) {
  return a.m_nPOS == b.m_nPOS && a.m_strHeadword == b.m_strHeadword &&
         a.m_strDefinition == b.m_strDefinition;
}

}  // namespace

void LintEntry(std::string_view key, const CTWord& word,
               std::vector<std::string>* found) {
  LintText("key", key, found);
  LintText("headword", word.m_strHeadword, found);
  LintText("definition", word.m_strDefinition, found);
  LintText("plural", word.m_strIrregularPlural, found);
  const std::string_view headword = word.m_strHeadword;
  if (headword.empty()) {
    found->push_back("empty headword: the entry is tried on every word");
  } else if (const std::string canonical = Normalised(headword);
             canonical != headword) {
    found->push_back("headword " + Quote(headword) +
                     " is not in canonical spelling (" + Quote(canonical) +
                     "): no word can match it");
  }
  const std::string_view plural = word.m_strIrregularPlural;
  if (!plural.empty()) {
    const std::string canonical = Normalised(plural);
    if (canonical != plural) {
      found->push_back("plural " + Quote(plural) +
                       " is not in canonical spelling (" + Quote(canonical) +
                       ")");
    }
  }
  if (word.m_strDefinition.empty()) found->push_back("empty definition");
  LintAttributes(word, found);
}

uint32_t DuplicateFinder::EarlierLike(const CLexicon& lexicon,
                                      uint32_t position) {
  if (table_.Grow(table_.used() + 1, false)) {
    for (uint32_t earlier = 0; earlier < position; ++earlier) {
      const uint64_t hash = HashOfKind(lexicon[earlier].word);
      const size_t slot = SlotOf(lexicon, earlier, hash);
      if (table_.IsEmpty(slot)) table_.Fill(slot, earlier, hash);
    }
  }
  const uint64_t hash = HashOfKind(lexicon[position].word);
  const size_t slot = SlotOf(lexicon, position, hash);
  if (!table_.IsEmpty(slot)) return table_.position(slot);
  table_.Fill(slot, position, hash);
  return kNoPosition;
}

size_t DuplicateFinder::SlotOf(const CLexicon& lexicon, uint32_t position,
                               uint64_t hash) const {
  const CTWord word = lexicon[position].word;
  return table_.Probe(hash, [&](uint32_t other) {
    return SameKind(lexicon[other].word, word);
  });
}

}  // namespace wordvault
}  // namespace tesvar
