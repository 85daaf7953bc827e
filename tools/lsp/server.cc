// The message layer of the language server: JSON-RPC 2.0 requests,
// notifications and errors, and the lifecycle. Before "initialize" only
// "initialize" and "exit" are served (other requests get the protocol's
// not-initialized error, other notifications are dropped); after
// "shutdown" requests are refused and only "exit" counts. Responses from
// the client are ignored: the server sends no requests. Notifications
// raised while handling a message wait in the outbox until its answer is
// written, so that "initialize" is answered before any complaint about
// the lexicon it named.
// Tested end to end by lsp_session_test.cc.

#include "tools/lsp/server.h"

#include <utility>

#include "tesvar/version.h"
#include "tools/lsp/framing.h"
#include "tools/lsp/uri.h"

namespace tesvar {
namespace lsp {

namespace {

// The protocol's text document sync kind for sending changed ranges.
constexpr int kIncrementalSync = 2;

bool IsValidId(const Json& id) { return id.is_string() || id.is_number(); }

}  // namespace

const LanguageServer::RequestRoute LanguageServer::kRequestRoutes[] = {
    {"initialize", &LanguageServer::Initialize},
    {"shutdown", &LanguageServer::Shutdown},
    {"textDocument/hover", &LanguageServer::Hover},
    {"textDocument/codeAction", &LanguageServer::CodeAction},
};

const LanguageServer::NotificationRoute LanguageServer::kNotificationRoutes[] =
    {
        {"initialized", &LanguageServer::Initialized},
        {"textDocument/didOpen", &LanguageServer::DidOpen},
        {"textDocument/didChange", &LanguageServer::DidChange},
        {"textDocument/didClose", &LanguageServer::DidClose},
        {"workspace/didChangeConfiguration",
         &LanguageServer::DidChangeConfiguration},
};

LanguageServer::LanguageServer(CLexicon lexicon, std::string lexicon_path,
                               std::ostream* out)
    : out_(out),
      lexicon_(std::make_unique<CLexicon>(std::move(lexicon))),
      lexicon_path_(std::move(lexicon_path)),
      cache_(std::make_unique<WordCache>(lexicon_.get())) {}

LanguageServer::~LanguageServer() = default;

int LanguageServer::ExitStatus() const {
  return output_ok_ && state_ == State::kShuttingDown ? 0 : 1;
}

void LanguageServer::HandleMessage(std::string_view body) {
  Json message;
  const Status read = ReadJson(body, &message);
  const Json* const method = message.Find("method");
  const Json* const id = message.Find("id");
  if (!read.ok()) {
    ReplyError(Json(), error_code::kParseError, read.message());
  } else if (method == nullptr && id != nullptr &&
             (message.Find("result") || message.Find("error"))) {
    // A response; the server asks nothing, so nothing waits for it.
  } else if (method == nullptr || !method->is_string() ||
             (id != nullptr && !IsValidId(*id))) {
    ReplyError(id != nullptr && IsValidId(*id) ? *id : Json(),
               error_code::kInvalidRequest,
               "not a request or notification of JSON-RPC 2.0");
  } else {
    const Json* params = message.Find("params");
    const Json no_params = Json::Object();
    if (params == nullptr) params = &no_params;
    if (id != nullptr) {
      HandleRequest(method->string(), *params, *id);
    } else {
      HandleNotification(method->string(), *params);
    }
  }
  FlushOutbox();
}

void LanguageServer::FlushOutbox() {
  std::vector<Json> outbox;
  outbox.swap(outbox_);
  for (const Json& notification : outbox) Send(notification);
}

void LanguageServer::HandleRequest(std::string_view method, const Json& params,
                                   const Json& id) {
  if (state_ == State::kStarting && method != "initialize") {
    ReplyError(id, error_code::kServerNotInitialized,
               "the server is not initialized yet");
    return;
  }
  if (state_ != State::kStarting && method == "initialize") {
    ReplyError(id, error_code::kInvalidRequest, "initialize was sent twice");
    return;
  }
  if (state_ == State::kShuttingDown) {
    ReplyError(id, error_code::kInvalidRequest, "the server is shutting down");
    return;
  }
  for (const RequestRoute& route : kRequestRoutes) {
    if (route.method != method) continue;
    Answer answer = (this->*route.handle)(params);
    if (answer.error != 0) {
      ReplyError(id, answer.error, answer.message);
    } else {
      Reply(id, std::move(answer.result));
    }
    return;
  }
  ReplyError(id, error_code::kMethodNotFound,
             "unknown method '" + std::string(method) + "'");
}

void LanguageServer::HandleNotification(std::string_view method,
                                        const Json& params) {
  if (method == "exit") {
    exited_ = true;
    return;
  }
  if (state_ != State::kRunning) return;
  for (const NotificationRoute& route : kNotificationRoutes) {
    if (route.method == method) {
      (this->*route.handle)(params);
      return;
    }
  }
  // Unknown notifications, "$/cancelRequest" among them (every request is
  // answered before the next message is read), need no answer.
}

void LanguageServer::Send(const Json& message) {
  if (!output_ok_) return;
  output_ok_ = WriteMessage(WriteJson(message), out_);
}

void LanguageServer::Reply(const Json& id, Json result) {
  Send(Json::Object()
           .Set("jsonrpc", "2.0")
           .Set("id", id)
           .Set("result", std::move(result)));
}

void LanguageServer::ReplyError(const Json& id, int code,
                                std::string_view message) {
  Send(Json::Object()
           .Set("jsonrpc", "2.0")
           .Set("id", id)
           .Set("error",
                Json::Object().Set("code", code).Set("message", message)));
}

void LanguageServer::Notify(std::string_view method, Json params) {
  outbox_.push_back(Json::Object()
                        .Set("jsonrpc", "2.0")
                        .Set("method", method)
                        .Set("params", std::move(params)));
}

void LanguageServer::ShowMessage(int type, std::string_view text) {
  Notify("window/showMessage",
         Json::Object().Set("type", type).Set("message", text));
}

void LanguageServer::LogMessage(int type, std::string_view text) {
  Notify("window/logMessage",
         Json::Object().Set("type", type).Set("message", text));
}

void LanguageServer::ReportDroppedMessage(const std::string& why) {
  ShowMessage(message_type::kError, "tesvar: " + why);
  FlushOutbox();
}

LanguageServer::Answer LanguageServer::Initialize(const Json& params) {
  const Json* const literals =
      Member(Member(Member(Member(&params, "capabilities"), "textDocument"),
                    "codeAction"),
             "codeActionLiteralSupport");
  code_action_literals_ = literals != nullptr && literals->is_object();
  const Json* const root_uri = params.Find("rootUri");
  const Json* const root_path = params.Find("rootPath");
  if (root_uri != nullptr && root_uri->is_string()) {
    root_path_ = PathOfUri(root_uri->string());
  } else if (root_path != nullptr && root_path->is_string()) {
    root_path_ = root_path->string();
  }
  const Json* const lexicon =
      Member(params.Find("initializationOptions"), "lexicon");
  std::string setting;
  if (lexicon != nullptr && ReadLexiconSetting(*lexicon, &setting)) {
    UseLexicon(setting);
  }
  state_ = State::kRunning;

  Json code_actions = code_action_literals_
                          ? Json::Object().Set("codeActionKinds",
                                               Json::Array().Push("quickfix"))
                          : Json(true);
  Json capabilities =
      Json::Object()
          .Set("positionEncoding", "utf-16")
          .Set("textDocumentSync", Json::Object()
                                       .Set("openClose", true)
                                       .Set("change", kIncrementalSync))
          .Set("hoverProvider", true)
          .Set("codeActionProvider", std::move(code_actions));
  Answer answer;
  answer.result =
      Json::Object()
          .Set("capabilities", std::move(capabilities))
          .Set("serverInfo", Json::Object()
                                 .Set("name", "tesvar")
                                 .Set("version", TESVAR_VERSION_STRING));
  return answer;
}

void LanguageServer::Initialized(const Json&) {}

LanguageServer::Answer LanguageServer::Shutdown(const Json&) {
  state_ = State::kShuttingDown;
  return Answer();
}

}  // namespace lsp
}  // namespace tesvar
