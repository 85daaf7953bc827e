// LanguageServer answers the messages of one editor session: the
// lifecycle (initialize, shutdown, exit), the open documents with full and
// incremental sync, diagnostics for wrong and unknown words, hover with a
// word's readings, code actions that put a correction in place of a word,
// and the lexicon setting. It takes message bodies one at a time and
// writes its answers and notifications, framed, to one output stream.
//
// Diagnostics are published lazily: a change only marks its document, and
// PublishChanged() publishes every marked document, so that a burst of
// changes costs one check. The words of a document are analysed through a
// cache, so a check analyses only words not seen before.
//
// A LanguageServer is used from one thread.

#ifndef TESVAR_TOOLS_LSP_SERVER_H_
#define TESVAR_TOOLS_LSP_SERVER_H_

#include <cstdint>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tesvar/lexicon.h"
#include "tools/lsp/json.h"
#include "tools/lsp/text_document.h"
#include "tools/lsp/word_cache.h"
#include "tools/lsp/word_finder.h"

namespace tesvar {
namespace lsp {

// JSON-RPC and protocol error codes. DO NOT CHANGE.
namespace error_code {
constexpr int kParseError = -32700;
constexpr int kInvalidRequest = -32600;
constexpr int kMethodNotFound = -32601;
constexpr int kInvalidParams = -32602;
constexpr int kServerNotInitialized = -32002;
}  // namespace error_code

// The types of window/showMessage and window/logMessage. DO NOT CHANGE.
namespace message_type {
constexpr int kError = 1;
constexpr int kWarning = 2;
constexpr int kInfo = 3;
constexpr int kLog = 4;
}  // namespace message_type

class LanguageServer {
 public:
  // Serves with `lexicon`, read from `lexicon_path` (empty for the
  // built-in sample), until the settings name another. Writes to `out`.
  // REQUIRES: `out` outlives the server.
  LanguageServer(CLexicon lexicon, std::string lexicon_path, std::ostream* out);
  ~LanguageServer();

  LanguageServer(const LanguageServer&) = delete;
  LanguageServer& operator=(const LanguageServer&) = delete;

  // Handles one message body: a request is answered, a notification acted
  // on, a malformed message answered with the protocol's error.
  void HandleMessage(std::string_view body);

  // Tells the client that a message was dropped; `why` says why.
  void ReportDroppedMessage(const std::string& why);

  // Publishes diagnostics for each document changed since the last call.
  void PublishChanged();

  // True once the client sent "exit" or the output could not be written:
  // stop reading then.
  bool done() const { return exited_ || !output_ok_; }
  bool output_failed() const { return !output_ok_; }

  // The process's exit status: 0 after "shutdown" and then "exit" (or the
  // end of the input), 1 otherwise or when the output failed.
  int ExitStatus() const;

 private:
  enum class State { kStarting, kRunning, kShuttingDown };

  // What a request handler answers: a result, or an error code and its
  // message.
  struct Answer {
    Json result;
    int error = 0;
    std::string message;
  };

  struct OpenDocument {
    explicit OpenDocument(TextDocument text) : text(std::move(text)) {}
    TextDocument text;
    std::vector<WordSpan> words;
    bool words_found = false;  // `words` matches `text`
    bool changed = true;       // diagnostics not yet published
  };

  using RequestHandler = Answer (LanguageServer::*)(const Json& params);
  using NotificationHandler = void (LanguageServer::*)(const Json& params);
  struct RequestRoute {
    std::string_view method;
    RequestHandler handle;
  };
  struct NotificationRoute {
    std::string_view method;
    NotificationHandler handle;
  };
  static const RequestRoute kRequestRoutes[];
  static const NotificationRoute kNotificationRoutes[];

  // server.cc: messages and lifecycle.
  void HandleRequest(std::string_view method, const Json& params,
                     const Json& id);
  void HandleNotification(std::string_view method, const Json& params);
  void Send(const Json& message);
  void Reply(const Json& id, Json result);
  void ReplyError(const Json& id, int code, std::string_view message);
  // Queues a notification, sent after the answer to the current message.
  void Notify(std::string_view method, Json params);
  void FlushOutbox();
  void ShowMessage(int type, std::string_view text);
  void LogMessage(int type, std::string_view text);
  Answer Initialize(const Json& params);
  Answer Shutdown(const Json& params);
  void Initialized(const Json& params);

  // server_settings.cc: the lexicon setting.
  void DidChangeConfiguration(const Json& params);
  // Loads the lexicon named by a setting (empty for the built-in sample);
  // on failure shows the error and keeps the lexicon in use.
  void UseLexicon(const std::string& setting);
  // Reads a lexicon setting: a path, or null for the built-in sample.
  // Shows an error and returns false for any other value.
  bool ReadLexiconSetting(const Json& value, std::string* setting);
  std::string ResolvePath(const std::string& path) const;

  // server_documents.cc: document sync and diagnostics.
  void DidOpen(const Json& params);
  void DidChange(const Json& params);
  void DidClose(const Json& params);
  // Applies one content change; false and *error when it is malformed.
  bool ApplyChange(const Json& change, TextDocument* text, std::string* error);
  OpenDocument* FindDocument(const Json& params);
  const std::vector<WordSpan>& Words(OpenDocument* document);
  void Publish(const std::string& uri, OpenDocument* document);

  // server_features.cc: hover and code actions.
  Answer Hover(const Json& params);
  Answer CodeAction(const Json& params);

  std::ostream* const out_;
  bool output_ok_ = true;
  State state_ = State::kStarting;
  bool exited_ = false;
  std::vector<Json> outbox_;

  // From the client's initialize request.
  std::string root_path_;  // for relative lexicon paths; may be empty
  bool code_action_literals_ = false;

  // The lexicon in use and the words analysed with it; cache_ refers to
  // *lexicon_, so it is dropped first whenever the lexicon changes.
  std::unique_ptr<CLexicon> lexicon_;
  std::string lexicon_path_;
  std::unique_ptr<WordCache> cache_;

  std::map<std::string, OpenDocument, std::less<>> documents_;  // by URI
};

}  // namespace lsp
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LSP_SERVER_H_
