// The lexicon setting. The client names a lexicon file in the
// initialization options ({"lexicon": PATH}) or in its settings
// ({"tesvar": {"lexicon": PATH}}, sent with
// workspace/didChangeConfiguration); null or an empty path means the
// built-in sample. A path starting with "~/" is taken from the home
// folder, and a relative path from the workspace root (or, without one,
// from the working folder). Every setting reloads the file, even the same
// path, so that sending the settings again picks up an edited lexicon. A
// "tesvar" section without "lexicon" means the built-in sample; settings
// without a "tesvar" section leave the lexicon alone, since clients send
// their whole configuration and most of it is for other servers.
//
// A file that cannot be read or has an error is reported with its
// FILE:LINE message, and the lexicon in use stays, so that a typo in the
// file never leaves the editor without checking.
// Tested end to end by lsp_session_test.cc.

#include <cstdlib>
#include <utility>

#include "tools/commands.h"
#include "tools/lsp/server.h"

namespace tesvar {
namespace lsp {

namespace {

std::string LexiconName(const std::string& path) {
  return path.empty() ? "the built-in sample lexicon" : path;
}

}  // namespace

bool LanguageServer::ReadLexiconSetting(const Json& value,
                                        std::string* setting) {
  if (value.is_string() || value.is_null()) {
    *setting = value.string();
    return true;
  }
  ShowMessage(message_type::kError,
              "tesvar: the lexicon setting must be a file path (a string) or "
              "null; keeping " +
                  LexiconName(lexicon_path_));
  return false;
}

void LanguageServer::DidChangeConfiguration(const Json& params) {
  const Json* const section = Member(params.Find("settings"), "tesvar");
  if (section == nullptr || !section->is_object()) return;
  const Json* const lexicon = section->Find("lexicon");
  std::string setting;
  if (lexicon == nullptr || ReadLexiconSetting(*lexicon, &setting)) {
    UseLexicon(setting);
  }
}

std::string LanguageServer::ResolvePath(const std::string& path) const {
  // Settings files are written by hand, and "~/" is how people write
  // their home there; no shell expands it on the way here.
  const char* const home = std::getenv("HOME");
  if (path.compare(0, 2, "~/") == 0 && home != nullptr && *home != '\0') {
    return home + path.substr(1);
  }
  if (path.empty() || path[0] == '/' || root_path_.empty()) return path;
  std::string resolved = root_path_;
  if (resolved.back() != '/') resolved += '/';
  return resolved + path;
}

void LanguageServer::UseLexicon(const std::string& setting) {
  const std::string path = ResolvePath(setting);
  auto lexicon = std::make_unique<CLexicon>();
  const Status status = cli::LoadLexicon(path, lexicon.get());
  if (!status.ok()) {
    ShowMessage(message_type::kError, "tesvar: " + status.message() +
                                          "; keeping " +
                                          LexiconName(lexicon_path_));
    return;
  }
  cache_.reset();  // it refers to the old lexicon
  lexicon_ = std::move(lexicon);
  lexicon_path_ = path;
  cache_ = std::make_unique<WordCache>(lexicon_.get());
  LogMessage(message_type::kInfo, "tesvar: using " + LexiconName(path) + " (" +
                                      std::to_string(lexicon_->size()) +
                                      " entries)");
  for (auto& [uri, document] : documents_) document.changed = true;
}

}  // namespace lsp
}  // namespace tesvar
