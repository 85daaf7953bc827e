// Test support: the built tesvar binary running "tesvar lsp" behind pipes,
// driven message by message as an editor drives it. POSIX only, like the
// machines the tests run on.

#ifndef TESVAR_TESTS_LSP_LSP_CLIENT_H_
#define TESVAR_TESTS_LSP_LSP_CLIENT_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/lsp/json.h"

namespace tesvar {
namespace testing {

class LspClient {
 public:
  // Starts the binary with `args` (without the program name) and, added
  // to the environment, the NAME=VALUE settings of `environment`.
  explicit LspClient(const std::vector<std::string>& args = {"lsp"},
                     const std::vector<std::string>& environment = {});
  ~LspClient();
  LspClient(const LspClient&) = delete;
  LspClient& operator=(const LspClient&) = delete;

  // Sends a request and returns its id; sends a notification.
  int Request(std::string_view method, lsp::Json params);
  void Notify(std::string_view method, lsp::Json params);
  // Sends bytes as they are, framing included.
  void SendRaw(std::string_view bytes);
  // Sends `body` framed, whatever it holds.
  void SendBody(std::string_view body);

  // The next message from the server for which `wanted` is true; the ones
  // before it are passed over. Null when none came within `timeout_ms` or
  // the output ended.
  lsp::Json Await(const std::function<bool(const lsp::Json&)>& wanted,
                  int timeout_ms = 10000);
  lsp::Json AwaitResponse(int id);
  lsp::Json AwaitNotification(std::string_view method);
  // The diagnostics published for `uri` with `version` (any version when
  // negative), or null.
  lsp::Json AwaitDiagnostics(std::string_view uri, int version);

  // Closes the input and returns the exit status.
  int Finish();

 private:
  // Moves one whole message from the output into *message; false when
  // none arrived by `deadline_ms` (milliseconds of the steady clock).
  bool ReadMessage(long long deadline_ms, lsp::Json* message);

  int pid_ = -1;
  int in_fd_ = -1;
  int out_fd_ = -1;
  int next_id_ = 1;
  std::string pending_;  // output read but not yet handed out
};

}  // namespace testing
}  // namespace tesvar

#endif  // TESVAR_TESTS_LSP_LSP_CLIENT_H_
