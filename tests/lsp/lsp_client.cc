#include "lsp/lsp_client.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>

#include "tools/lsp/framing.h"

namespace tesvar {
namespace testing {

namespace {

// The path of the binary under test, set by the build.
constexpr const char* kCliPath = TESVAR_CLI_PATH;

long long NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

LspClient::LspClient(const std::vector<std::string>& args,
                     const std::vector<std::string>& environment) {
  // A server that died must fail the test, not kill it.
  std::signal(SIGPIPE, SIG_IGN);
  int to_child[2], from_child[2];
  if (pipe(to_child) != 0 || pipe(from_child) != 0) std::abort();
  pid_ = fork();
  if (pid_ == 0) {
    dup2(to_child[0], 0);
    dup2(from_child[1], 1);
    close(to_child[0]);
    close(to_child[1]);
    close(from_child[0]);
    close(from_child[1]);
    std::vector<char*> argv{const_cast<char*>(kCliPath)};
    for (const std::string& arg : args) {
      argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    for (const std::string& setting : environment) {
      putenv(const_cast<char*>(setting.c_str()));
    }
    execv(kCliPath, argv.data());
    _exit(127);
  }
  close(to_child[0]);
  close(from_child[1]);
  in_fd_ = to_child[1];
  out_fd_ = from_child[0];
}

LspClient::~LspClient() {
  Finish();
  close(out_fd_);
}

void LspClient::SendRaw(std::string_view bytes) {
  while (!bytes.empty() && in_fd_ >= 0) {
    const ssize_t n = write(in_fd_, bytes.data(), bytes.size());
    if (n <= 0) return;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

void LspClient::SendBody(std::string_view body) {
  SendRaw("Content-Length: " + std::to_string(body.size()) + "\r\n\r\n");
  SendRaw(body);
}

int LspClient::Request(std::string_view method, lsp::Json params) {
  const int id = next_id_++;
  SendBody(lsp::WriteJson(lsp::Json::Object()
                              .Set("jsonrpc", "2.0")
                              .Set("id", id)
                              .Set("method", method)
                              .Set("params", std::move(params))));
  return id;
}

void LspClient::Notify(std::string_view method, lsp::Json params) {
  SendBody(lsp::WriteJson(lsp::Json::Object()
                              .Set("jsonrpc", "2.0")
                              .Set("method", method)
                              .Set("params", std::move(params))));
}

bool LspClient::ReadMessage(long long deadline_ms, lsp::Json* message) {
  for (;;) {
    const size_t header_end = pending_.find("\r\n\r\n");
    if (header_end != std::string::npos) {
      const size_t length = std::stoul(pending_.substr(16, header_end - 16));
      const size_t body_start = header_end + 4;
      if (pending_.size() >= body_start + length) {
        const Status read =
            lsp::ReadJson(pending_.substr(body_start, length), message);
        pending_.erase(0, body_start + length);
        return read.ok();
      }
    }
    const long long left = deadline_ms - NowMs();
    pollfd ready = {out_fd_, POLLIN, 0};
    if (left <= 0 || poll(&ready, 1, static_cast<int>(left)) != 1) {
      return false;
    }
    char buffer[1 << 16];
    const ssize_t n = read(out_fd_, buffer, sizeof(buffer));
    if (n <= 0) return false;
    pending_.append(buffer, static_cast<size_t>(n));
  }
}

lsp::Json LspClient::Await(const std::function<bool(const lsp::Json&)>& wanted,
                           int timeout_ms) {
  const long long deadline = NowMs() + timeout_ms;
  lsp::Json message;
  while (ReadMessage(deadline, &message)) {
    if (wanted(message)) return message;
  }
  return lsp::Json();
}

lsp::Json LspClient::AwaitResponse(int id) {
  return Await([id](const lsp::Json& message) {
    const lsp::Json* got = message.Find("id");
    return message.Find("method") == nullptr && got != nullptr &&
           *got == lsp::Json(id);
  });
}

lsp::Json LspClient::AwaitNotification(std::string_view method) {
  return Await([method](const lsp::Json& message) {
    const lsp::Json* got = message.Find("method");
    return got != nullptr && got->string() == method;
  });
}

lsp::Json LspClient::AwaitDiagnostics(std::string_view uri, int version) {
  return Await([uri, version](const lsp::Json& message) {
    const lsp::Json* method = message.Find("method");
    const lsp::Json* params = message.Find("params");
    if (method == nullptr ||
        method->string() != "textDocument/publishDiagnostics" ||
        lsp::Member(params, "uri")->string() != uri) {
      return false;
    }
    const lsp::Json* got = lsp::Member(params, "version");
    return version < 0 || (got != nullptr && *got == lsp::Json(version));
  });
}

int LspClient::Finish() {
  if (in_fd_ >= 0) close(in_fd_);
  in_fd_ = -1;
  if (pid_ <= 0) return -1;
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

}  // namespace testing
}  // namespace tesvar
