// Document sync. Changes are applied to a copy of the document and kept
// only when every change of the notification applies, so that a malformed
// change leaves the document as it was instead of half edited. Malformed
// notifications are reported in the client's log: they have no answer.
// Tested end to end by lsp_session_test.cc.

#include <utility>

#include "tools/lsp/params.h"
#include "tools/lsp/presentation.h"
#include "tools/lsp/server.h"

namespace tesvar {
namespace lsp {

namespace {

// Diagnostics published per document. Each change publishes them all
// again, so this bounds the work and the message size of a change in a
// long text full of unknown words (a wrong lexicon, say), where further
// marks would not help anyway.
constexpr size_t kMaxDiagnostics = 1000;

// A version is optional for our purposes; clients always send one.
int64_t VersionOf(const Json* text_document) {
  const Json* const version = Member(text_document, "version");
  return version != nullptr && version->is_number()
             ? static_cast<int64_t>(version->number())
             : 0;
}

}  // namespace

LanguageServer::OpenDocument* LanguageServer::FindDocument(const Json& params) {
  const std::string* const uri =
      StringMember(params.Find("textDocument"), "uri");
  if (uri == nullptr) return nullptr;
  const auto found = documents_.find(*uri);
  return found == documents_.end() ? nullptr : &found->second;
}

void LanguageServer::DidOpen(const Json& params) {
  const Json* const item = params.Find("textDocument");
  const std::string* const uri = StringMember(item, "uri");
  const std::string* const text = StringMember(item, "text");
  if (uri == nullptr || text == nullptr) {
    LogMessage(message_type::kError,
               "tesvar: didOpen without textDocument.uri and text");
    return;
  }
  documents_.insert_or_assign(
      *uri, OpenDocument(TextDocument(*text, VersionOf(item))));
}

bool LanguageServer::ApplyChange(const Json& change, TextDocument* text,
                                 std::string* error) {
  const std::string* const new_text = StringMember(&change, "text");
  if (new_text == nullptr) {
    *error = "a content change without text";
    return false;
  }
  const Json* const range = change.Find("range");
  if (range == nullptr) {
    text->SetText(*new_text);
    return true;
  }
  Range where;
  if (!ReadRange(range, &where)) {
    *error = "a content change with a malformed range";
    return false;
  }
  text->Replace(text->OffsetOf(where.start), text->OffsetOf(where.end),
                *new_text);
  return true;
}

void LanguageServer::DidChange(const Json& params) {
  OpenDocument* const document = FindDocument(params);
  const Json* const changes = params.Find("contentChanges");
  std::string error;
  if (document == nullptr) {
    error = "a change to a document that is not open";
  } else if (changes == nullptr || !changes->is_array()) {
    error = "a change without contentChanges";
  } else {
    TextDocument text = document->text;
    for (const Json& change : changes->items()) {
      if (!ApplyChange(change, &text, &error)) break;
    }
    if (error.empty()) {
      text.set_version(VersionOf(params.Find("textDocument")));
      document->text = std::move(text);
      document->words_found = false;
      document->changed = true;
      return;
    }
  }
  LogMessage(message_type::kError, "tesvar: didChange ignored: " + error);
}

void LanguageServer::DidClose(const Json& params) {
  const std::string* const uri =
      StringMember(params.Find("textDocument"), "uri");
  if (uri == nullptr || documents_.erase(*uri) == 0) return;
  // Closed documents keep no marks in the editor.
  Notify("textDocument/publishDiagnostics",
         Json::Object().Set("uri", *uri).Set("diagnostics", Json::Array()));
}

const std::vector<WordSpan>& LanguageServer::Words(OpenDocument* document) {
  if (!document->words_found) {
    FindWords(document->text.text(), &document->words);
    document->words_found = true;
  }
  return document->words;
}

void LanguageServer::Publish(const std::string& uri, OpenDocument* document) {
  const std::string& text = document->text.text();
  Json diagnostics = Json::Array();
  size_t count = 0;
  for (const WordSpan& word : Words(document)) {
    const std::string_view typed =
        std::string_view(text).substr(word.begin, word.end - word.begin);
    const std::shared_ptr<const WordReport> report =
        cache_->Analyse(AnalysedForm(typed));
    Json diagnostic = WordDiagnostic(typed, word.range, *report);
    if (diagnostic.is_null()) continue;
    if (count++ == kMaxDiagnostics) {
      diagnostics.Push(TooManyDiagnostics(kMaxDiagnostics, word.range));
      break;
    }
    diagnostics.Push(std::move(diagnostic));
  }
  Notify("textDocument/publishDiagnostics",
         Json::Object()
             .Set("uri", uri)
             .Set("version", document->text.version())
             .Set("diagnostics", std::move(diagnostics)));
  document->changed = false;
}

void LanguageServer::PublishChanged() {
  for (auto& [uri, document] : documents_) {
    if (!document.changed) continue;
    Publish(uri, &document);
    cache_->Trim();
  }
  FlushOutbox();
}

}  // namespace lsp
}  // namespace tesvar
