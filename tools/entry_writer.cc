// Tested end to end by cli_lexicon_test.cc, which loads a listing back.

#include "tools/entry_writer.h"

#include "tesvar/lexicon_tsv.h"
#include "tools/json_writer.h"
#include "tools/readable_writer.h"

namespace tesvar {
namespace cli {

const FlagColumn kFlagColumns[kFlagCount] = {
    {"language", &CTWord::m_bLanguage},
    {"bodypart", &CTWord::m_bBodyPart},
    {"inherentplural", &CTWord::m_bInherentPlural},
    {"irregularplural", &CTWord::m_bIrregularPlural},
    {"stative", &CTWord::m_bStative},
};

namespace {

// A line of a lexicon file that starts with it is a comment.
constexpr char kCommentMark = '#';

bool HasLabel(int32_t code) { return code >= kNoun && code <= kQuestion; }

std::string PosField(int32_t code) {
  return HasLabel(code) ? std::string(PartOfSpeechLabel(code))
                        : std::to_string(code);
}

// The columns of a listing, and their order in each layout.
enum Column { kKey, kHeadword, kPos, kDefinition, kFlags, kPlural, kColumns };
constexpr std::string_view kColumnNames[kColumns] = {
    "key", "headword", "pos", "definition", "flags", "plural"};
constexpr Column kUsualOrder[kColumns] = {kKey,        kHeadword, kPos,
                                          kDefinition, kFlags,    kPlural};
constexpr Column kSafeOrder[kColumns] = {kPos,        kKey,    kHeadword,
                                         kDefinition, kPlural, kFlags};

const Column* OrderOf(TsvLayout layout) {
  return layout == TsvLayout::kUsual ? kUsualOrder : kSafeOrder;
}

// Appends `fields`, by Column, in the order of `layout`, and a line end.
void AppendLine(const std::string_view (&fields)[kColumns], TsvLayout layout,
                std::string* out) {
  const Column* order = OrderOf(layout);
  for (int i = 0; i < kColumns; ++i) {
    if (i != 0) out->push_back('\t');
    out->append(fields[order[i]]);
  }
  out->push_back('\n');
}

}  // namespace

bool NeedsSafeLayout(const CLexicon::Entry& entry) {
  const std::string_view plural = entry.word.m_strIrregularPlural;
  return (!entry.key.empty() && entry.key.front() == kCommentMark) ||
         (!plural.empty() && plural.back() == '\r');
}

std::string TsvHeader(TsvLayout layout) {
  std::string header;
  AppendLine(kColumnNames, layout, &header);
  return header;
}

std::string FlagList(const CTWord& word) {
  std::string flags;
  for (const FlagColumn& column : kFlagColumns) {
    if (word.*column.flag == 0) continue;
    if (!flags.empty()) flags += ',';
    flags += column.name;
  }
  return flags;
}

void AppendTsvEntry(const CLexicon::Entry& entry, std::string* out,
                    TsvLayout layout) {
  const CTWord& w = entry.word;
  const std::string pos = PosField(w.m_nPOS);
  const std::string flags = FlagList(w);
  const std::string_view fields[kColumns] = {entry.key, w.m_strHeadword,
                                             pos,       w.m_strDefinition,
                                             flags,     w.m_strIrregularPlural};
  AppendLine(fields, layout, out);
}

void AppendJsonEntry(const CLexicon::Entry& entry, std::string* out) {
  const CTWord& w = entry.word;
  out->append("{\"key\": ");
  AppendJsonString(entry.key, out);
  out->append(", \"headword\": ");
  AppendJsonString(w.m_strHeadword, out);
  out->append(", \"pos\": ");
  AppendJsonString(PartOfSpeechLabel(w.m_nPOS), out);
  out->append(", \"code\": ");
  out->append(std::to_string(w.m_nPOS));
  out->append(", \"definition\": ");
  AppendJsonString(w.m_strDefinition, out);
  out->append(", \"flags\": [");
  bool first = true;
  for (const FlagColumn& column : kFlagColumns) {
    if (w.*column.flag == 0) continue;
    if (!first) out->append(", ");
    first = false;
    AppendJsonString(column.name, out);
  }
  out->append("], \"plural\": ");
  AppendJsonString(w.m_strIrregularPlural, out);
  out->append("}\n");
}

void AppendReadableEntry(const CLexicon::Entry& entry, std::string* out) {
  const CTWord& w = entry.word;
  const auto line = [out](std::string_view name, std::string_view value) {
    out->append(name);
    out->push_back(':');
    if (!value.empty()) out->push_back(' ');
    AppendVisible(value, out);
    out->push_back('\n');
  };
  line("key", entry.key);
  line("headword", w.m_strHeadword);
  line("pos", std::string(PartOfSpeechLabel(w.m_nPOS)) + " (" +
                  std::to_string(w.m_nPOS) + ")");
  line("definition", w.m_strDefinition);
  line("flags", FlagList(w));
  line("plural", w.m_strIrregularPlural);
}

}  // namespace cli
}  // namespace tesvar
