// Hover and code actions on the word at a position. A position touching a
// word's end still means that word, so that the cursor just after a word
// (where it rests while typing) finds it; words never touch each other, so
// no position means two words.
//
// Code actions are quick fixes, one per correction of each word that the
// requested range touches, each replacing the whole word. A correction is
// written with the apostrophe the word was typed with. When a word has a
// single correction it is marked preferred, so that clients that fix
// automatically do so only when there is no choice to make.
//
// Spelling corrections cost far more than an analysis (up to a few
// milliseconds a word), and a client may ask for the actions of a whole
// document at once, so only the first kMaxSpelledWords words of a request
// that want them get them; the others keep their grammar corrections. The
// words are counted whether or not their corrections are cached, so the
// answer does not depend on what was asked before.
// Tested end to end by lsp_session_test.cc.

#include <algorithm>
#include <utility>

#include "tools/lsp/corrections.h"
#include "tools/lsp/params.h"
#include "tools/lsp/presentation.h"
#include "tools/lsp/server.h"

namespace tesvar {
namespace lsp {

namespace {

constexpr std::string_view kQuickFix = "quickfix";
// Words of one code action request that get spelling corrections. A
// request for the words under the cursor or a selection of a line stays
// far below this.
constexpr size_t kMaxSpelledWords = 16;

// The words that touch [from, to], as a range of `words`.
std::pair<size_t, size_t> WordsTouching(const std::vector<WordSpan>& words,
                                        const Position& from,
                                        const Position& to) {
  const auto first =
      std::lower_bound(words.begin(), words.end(), from,
                       [](const WordSpan& word, const Position& p) {
                         return word.range.end < p;
                       });
  auto last = first;
  while (last != words.end() && last->range.start <= to) ++last;
  return {static_cast<size_t>(first - words.begin()),
          static_cast<size_t>(last - words.begin())};
}

// True when a client that asked only for the kinds in `only` wants quick
// fixes: kinds are dot-separated, so "quickfix" is wanted by itself and
// by any kind it starts with, such as the empty kind.
bool WantsQuickFixes(const Json* only) {
  if (only == nullptr || !only->is_array()) return true;
  for (const Json& kind : only->items()) {
    if (!kind.is_string()) continue;
    const std::string& k = kind.string();
    if (k.empty() || k == kQuickFix ||
        (kQuickFix.substr(0, k.size()) == k && kQuickFix[k.size()] == '.')) {
      return true;
    }
  }
  return false;
}

}  // namespace

LanguageServer::Answer LanguageServer::Hover(const Json& params) {
  Answer answer;
  Position position;
  if (!ReadPosition(params.Find("position"), &position)) {
    answer.error = error_code::kInvalidParams;
    answer.message = "hover needs a position";
    return answer;
  }
  OpenDocument* const document = FindDocument(params);
  if (document == nullptr) return answer;  // null: nothing to show
  const std::vector<WordSpan>& words = Words(document);
  const auto [first, last] = WordsTouching(words, position, position);
  if (first == last) return answer;
  const WordSpan& word = words[first];
  const std::string_view typed = std::string_view(document->text.text())
                                     .substr(word.begin, word.end - word.begin);
  const std::shared_ptr<const WordReport> report =
      cache_->Analyse(AnalysedForm(typed));
  answer.result =
      Json::Object()
          .Set("contents", Json::Object()
                               .Set("kind", "plaintext")
                               .Set("value", HoverText(typed, *report)))
          .Set("range", RangeJson(word.range));
  return answer;
}

LanguageServer::Answer LanguageServer::CodeAction(const Json& params) {
  Answer answer;
  const std::string* const uri =
      StringMember(params.Find("textDocument"), "uri");
  Range wanted;
  if (uri == nullptr || !ReadRange(params.Find("range"), &wanted)) {
    answer.error = error_code::kInvalidParams;
    answer.message = "codeAction needs textDocument.uri and a range";
    return answer;
  }
  answer.result = Json::Array();
  OpenDocument* const document = FindDocument(params);
  if (document == nullptr ||
      !WantsQuickFixes(Member(params.Find("context"), "only"))) {
    return answer;
  }
  const std::vector<WordSpan>& words = Words(document);
  const auto [first, last] = WordsTouching(words, wanted.start, wanted.end);
  size_t spelled = 0;
  const StringList no_spelling;
  for (size_t i = first; i < last; ++i) {
    const WordSpan& word = words[i];
    const std::string_view typed =
        std::string_view(document->text.text())
            .substr(word.begin, word.end - word.begin);
    const std::string analysed = AnalysedForm(typed);
    const std::shared_ptr<const WordReport> report = cache_->Analyse(analysed);
    std::shared_ptr<const StringList> spelling;
    if (WantsSpelling(*report) && spelled < kMaxSpelledWords) {
      ++spelled;
      spelling = cache_->Spelling(analysed);
    }
    const StringList corrections = Corrections(
        analysed, *report, spelling != nullptr ? *spelling : no_spelling);
    const Json diagnostic = WordDiagnostic(typed, word.range, *report);
    for (const std::string& correction : corrections) {
      const std::string replacement = InTypedApostrophes(correction, typed);
      Json edit = Json::Object().Set(
          "changes",
          Json::Object().Set(
              *uri, Json::Array().Push(Json::Object()
                                           .Set("range", RangeJson(word.range))
                                           .Set("newText", replacement))));
      Json action = Json::Object()
                        .Set("title", "Change to \"" + replacement + "\"")
                        .Set("kind", kQuickFix)
                        .Set("edit", std::move(edit));
      if (!diagnostic.is_null()) {
        action.Set("diagnostics", Json::Array().Push(diagnostic));
      }
      if (corrections.size() == 1) action.Set("isPreferred", true);
      answer.result.Push(std::move(action));
    }
  }
  return answer;
}

}  // namespace lsp
}  // namespace tesvar
