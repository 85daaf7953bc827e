// End-to-end sessions with the built binary: scripted messages through
// pipes, checked as an editor would see the answers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "lsp/lsp_client.h"
#include "tools/lsp/framing.h"
#include "tools/lsp/json.h"

namespace tesvar {
namespace testing {
namespace {

using lsp::Json;

constexpr char kUri[] = "file:///tmp/text.tsv";

Json Initialize() {
  return Json::Object().Set(
      "capabilities",
      Json::Object().Set(
          "textDocument",
          Json::Object().Set(
              "codeAction",
              Json::Object().Set("codeActionLiteralSupport", Json::Object()))));
}

Json Position(int line, int character) {
  return Json::Object().Set("line", line).Set("character", character);
}

Json Range(int line, int start, int end) {
  return Json::Object()
      .Set("start", Position(line, start))
      .Set("end", Position(line, end));
}

Json Document(int version = -1) {
  Json document = Json::Object().Set("uri", kUri);
  if (version >= 0) document.Set("version", version);
  return document;
}

Json Open(const std::string& text) {
  return Json::Object().Set(
      "textDocument",
      Document(1).Set("languageId", "tesvar").Set("text", text));
}

Json Change(int version, Json change) {
  return Json::Object()
      .Set("textDocument", Document(version))
      .Set("contentChanges", Json::Array().Push(std::move(change)));
}

Json AtPosition(int line, int character) {
  return Json::Object()
      .Set("textDocument", Document())
      .Set("position", Position(line, character));
}

// Each diagnostic as "line:start-end code", or "(none)" for no message.
std::string Describe(const Json& published) {
  const Json* diagnostics =
      lsp::Member(lsp::Member(&published, "params"), "diagnostics");
  if (diagnostics == nullptr) return "(none)";
  std::string out;
  for (const Json& d : diagnostics->items()) {
    const Json* range = d.Find("range");
    if (!out.empty()) out += ", ";
    out +=
        std::to_string(static_cast<int>(
            lsp::Member(lsp::Member(range, "start"), "line")->number())) +
        ":" +
        std::to_string(static_cast<int>(
            lsp::Member(lsp::Member(range, "start"), "character")->number())) +
        "-" +
        std::to_string(static_cast<int>(
            lsp::Member(lsp::Member(range, "end"), "character")->number())) +
        " " + d.Find("code")->string();
  }
  return out;
}

std::string HoverValue(const Json& response) {
  const Json* value = lsp::Member(
      lsp::Member(lsp::Member(&response, "result"), "contents"), "value");
  return value == nullptr ? "(null)" : value->string();
}

int ErrorCode(const Json& response) {
  const Json* code = lsp::Member(lsp::Member(&response, "error"), "code");
  return code == nullptr ? 0 : static_cast<int>(code->number());
}

std::string Text(const Json& notification) {
  const Json* message =
      lsp::Member(lsp::Member(&notification, "params"), "message");
  return message == nullptr ? "(none)" : message->string();
}

TEST(LspSessionTest, LifecycleAndProtocolErrors) {
  LspClient client;
  EXPECT_EQ(ErrorCode(client.AwaitResponse(
                client.Request("textDocument/hover", AtPosition(0, 0)))),
            -32002);
  const Json initialized =
      client.AwaitResponse(client.Request("initialize", Initialize()));
  const Json* sync = lsp::Member(
      lsp::Member(lsp::Member(&initialized, "result"), "capabilities"),
      "textDocumentSync");
  EXPECT_EQ(lsp::WriteJson(*sync), R"({"openClose":true,"change":2})");
  client.Notify("initialized", Json::Object());
  EXPECT_EQ(ErrorCode(client.AwaitResponse(
                client.Request("initialize", Initialize()))),
            -32600);
  EXPECT_EQ(ErrorCode(client.AwaitResponse(
                client.Request("textDocument/definition", AtPosition(0, 0)))),
            -32601);
  // Unreadable JSON has no id to answer to.
  client.SendBody("{\"jsonrpc\":\"2.0\",\"id\":77,\"method\":");
  const Json parse_error =
      client.Await([](const Json& m) { return m.Find("error") != nullptr; });
  EXPECT_EQ(ErrorCode(parse_error), -32700);
  ASSERT_NE(parse_error.Find("id"), nullptr);
  EXPECT_TRUE(parse_error.Find("id")->is_null());
  client.SendBody("{\"jsonrpc\":\"2.0\",\"id\":78}");
  EXPECT_EQ(ErrorCode(client.AwaitResponse(78)), -32600);
  EXPECT_EQ(ErrorCode(client.AwaitResponse(
                client.Request("textDocument/hover", Json::Object()))),
            -32602);
  EXPECT_TRUE(client.AwaitResponse(client.Request("shutdown", Json()))
                  .Find("result")
                  ->is_null());
  EXPECT_EQ(ErrorCode(client.AwaitResponse(
                client.Request("textDocument/hover", AtPosition(0, 0)))),
            -32600);
  client.Notify("exit", Json());
  EXPECT_EQ(client.Finish(), 0);
}

TEST(LspSessionTest, ExitStatusFollowsTheProtocol) {
  const struct {
    const char* name;
    std::vector<std::string> messages;  // "shutdown", "exit" or raw bytes
    int status;
  } cases[] = {
      {"shutdown then exit", {"shutdown", "exit"}, 0},
      {"exit without shutdown", {"exit"}, 1},
      {"input ends after shutdown", {"shutdown"}, 0},
      {"input ends before shutdown", {}, 1},
      {"broken framing", {"Content-Length: nine\r\n\r\n"}, 1},
  };
  for (const auto& row : cases) {
    LspClient client;
    client.AwaitResponse(client.Request("initialize", Initialize()));
    for (const std::string& message : row.messages) {
      if (message == "shutdown") {
        client.AwaitResponse(client.Request("shutdown", Json()));
      } else if (message == "exit") {
        client.Notify("exit", Json());
      } else {
        client.SendRaw(message);
      }
    }
    EXPECT_EQ(client.Finish(), row.status) << row.name;
  }
}

TEST(LspSessionTest, DiagnosticsFollowEdits) {
  LspClient client;
  client.AwaitResponse(client.Request("initialize", Initialize()));
  client.Notify("initialized", Json::Object());
  // A typographic apostrophe, an emoji (two UTF-16 units) and an unknown
  // word; LO’EY is wrong only in its case.
  client.Notify("textDocument/didOpen", Open("Dalpu\xE2\x80\x99 LO\xE2\x80\x99"
                                             "EY \xF0\x9F\x98\x80 "
                                             "naDevDaq\r\nDalmey"));
  EXPECT_EQ(Describe(client.AwaitDiagnostics(kUri, 1)),
            "0:0-6 grammar, 0:7-12 grammar, 0:16-24 unknown-word");

  // Incremental: fix the first word, then insert before the second.
  client.Notify(
      "textDocument/didChange",
      Change(
          2,
          Json::Object().Set("range", Range(0, 0, 6)).Set("text", "Dalmey")));
  EXPECT_EQ(Describe(client.AwaitDiagnostics(kUri, 2)),
            "0:7-12 grammar, 0:16-24 unknown-word");
  client.Notify("textDocument/didChange",
                Change(3, Json::Object()
                              .Set("range", Range(0, 7, 7))
                              .Set("text", "\xF0\x9F\x98\x80\n")));
  EXPECT_EQ(Describe(client.AwaitDiagnostics(kUri, 3)),
            "1:0-5 grammar, 1:9-17 unknown-word");
  // A range past the end of a line stands for its end.
  client.Notify(
      "textDocument/didChange",
      Change(4,
             Json::Object().Set("range", Range(1, 9, 99)).Set("text", "naQ")));
  EXPECT_EQ(Describe(client.AwaitDiagnostics(kUri, 4)), "1:0-5 grammar");
  // Full sync replaces the text. A word past the analyser's word limit
  // is marked, not analysed.
  client.Notify("textDocument/didChange",
                Change(5, Json::Object().Set(
                              "text", "Dat\nDAT " + std::string(300, 'a'))));
  EXPECT_EQ(Describe(client.AwaitDiagnostics(kUri, 5)),
            "1:0-3 grammar, 1:4-304 not-checked");

  // A malformed change is refused whole and logged.
  client.Notify(
      "textDocument/didChange",
      Change(6, Json::Object().Set("range", Range(0, 3, 1)).Set("text", "x")));
  EXPECT_NE(Text(client.AwaitNotification("window/logMessage"))
                .find("didChange ignored"),
            std::string::npos);
  EXPECT_NE(HoverValue(client.AwaitResponse(client.Request("textDocument/hover",
                                                           AtPosition(1, 1))))
                .find("key Dat:N"),
            std::string::npos);

  client.Notify("textDocument/didClose",
                Json::Object().Set("textDocument", Document()));
  EXPECT_EQ(Describe(client.AwaitDiagnostics(kUri, -1)), "");
}

TEST(LspSessionTest, ALongListOfDiagnosticsEndsInANote) {
  LspClient client;
  client.AwaitResponse(client.Request("initialize", Initialize()));
  std::string text;
  for (int i = 0; i < 1500; ++i) text += "Dat naDevDaq ";
  client.Notify("textDocument/didOpen", Open(text));
  const Json published = client.AwaitDiagnostics(kUri, 1);
  const Json* diagnostics =
      lsp::Member(lsp::Member(&published, "params"), "diagnostics");
  ASSERT_NE(diagnostics, nullptr);
  ASSERT_EQ(diagnostics->items().size(), 1001u);
  const Json& note = diagnostics->items().back();
  EXPECT_EQ(note.Find("code")->string(), "too-many");
  // At the 1001st unknown word, in the 1001st pair of words.
  EXPECT_EQ(lsp::WriteJson(*note.Find("range")),
            R"({"start":{"line":0,"character":13004},)"
            R"("end":{"line":0,"character":13012}})");
}

// Each code action of a response as "TITLE EDIT", one a line.
std::string DescribeActions(const Json& response) {
  std::string described;
  for (const Json& action : response.Find("result")->items()) {
    const Json* edits =
        lsp::Member(lsp::Member(action.Find("edit"), "changes"), kUri);
    described += action.Find("title")->string() + " " +
                 lsp::WriteJson(edits->items()[0]) + "\n";
  }
  return described;
}

Json CodeActionsFor(const Json& range) {
  return Json::Object()
      .Set("textDocument", Document())
      .Set("range", range)
      .Set("context", Json::Object().Set("diagnostics", Json::Array()));
}

TEST(LspSessionTest, HoverAndQuickFixes) {
  LspClient client;
  client.AwaitResponse(client.Request("initialize", Initialize()));
  client.Notify("textDocument/didOpen",
                Open("\xF0\x9F\x98\x80 Dalpu' LO\xE2\x80\x99"
                     "EY Dalmey Dalmay"));
  const struct {
    int character;
    std::string hover;
  } hovers[] = {
      {0, "(null)"},  // the emoji
      {3,
       "Dalpu'\n1. [N] house (pl)\n   key Dal:N, score 0.5\n"
       "   error: Plural suffix {-pu'} is for beings capable of language.\n"
       "   suggestion: Dalmey"},
      {9, "Dalpu'"},  // just after the word
      {2, "(null)"},  // after the emoji
      {16, "Dalmey\n1. [N] house (pl)\n   key Dal:N, score 1"},
  };
  for (const auto& row : hovers) {
    const std::string value = HoverValue(client.AwaitResponse(
        client.Request("textDocument/hover", AtPosition(0, row.character))));
    EXPECT_EQ(value.substr(0, row.hover.size()), row.hover) << row.character;
  }

  // The grammar correction, then the spelling ones, each word once: the
  // corrector's "lo'ey" is the grammar's.
  EXPECT_EQ(DescribeActions(client.AwaitResponse(client.Request(
                "textDocument/codeAction", CodeActionsFor(Range(0, 4, 12))))),
            "Change to \"Dalmey\" "
            R"({"range":{"start":{"line":0,"character":3},)"
            R"("end":{"line":0,"character":9}},"newText":"Dalmey"})"
            "\nChange to \"DaghIlpu'\" "
            R"({"range":{"start":{"line":0,"character":3},)"
            R"("end":{"line":0,"character":9}},"newText":"DaghIlpu'"})"
            "\nChange to \"lo\xE2\x80\x99"
            "ey\" "
            R"({"range":{"start":{"line":0,"character":10},)"
            R"("end":{"line":0,"character":15}},"newText":"lo)"
            "\xE2\x80\x99"
            "ey\"}\n");

  // An unknown word: spelling corrections alone.
  EXPECT_EQ(DescribeActions(client.AwaitResponse(client.Request(
                "textDocument/codeAction", CodeActionsFor(Range(0, 26, 26))))),
            "Change to \"Dalmaj\" "
            R"({"range":{"start":{"line":0,"character":23},)"
            R"("end":{"line":0,"character":29}},"newText":"Dalmaj"})"
            "\nChange to \"Dalmey\" "
            R"({"range":{"start":{"line":0,"character":23},)"
            R"("end":{"line":0,"character":29}},"newText":"Dalmey"})"
            "\n");

  // Only kinds other than quick fixes: nothing.
  const Json refactors = client.AwaitResponse(client.Request(
      "textDocument/codeAction",
      Json::Object()
          .Set("textDocument", Document())
          .Set("range", Range(0, 4, 12))
          .Set("context", Json::Object()
                              .Set("diagnostics", Json::Array())
                              .Set("only", Json::Array().Push("refactor")))));
  EXPECT_TRUE(refactors.Find("result")->items().empty());
}

// A request for the actions of many words looks for the spelling
// corrections of the first few only; those words are counted even when
// their corrections are known already.
TEST(LspSessionTest, SpellingCorrectionsAreBoundedPerRequest) {
  LspClient client;
  client.AwaitResponse(client.Request("initialize", Initialize()));
  std::string text = "Dalmay";
  for (int i = 1; i < 20; ++i) text += " Dalmay";
  client.Notify("textDocument/didOpen", Open(text));
  for (int round = 0; round < 2; ++round) {
    const std::string described =
        DescribeActions(client.AwaitResponse(client.Request(
            "textDocument/codeAction", CodeActionsFor(Range(0, 0, 200)))));
    EXPECT_EQ(std::count(described.begin(), described.end(), '\n'), 2 * 16)
        << round;
    // The 16th word, at 15 * 7, has its two; the 17th none.
    EXPECT_NE(described.find(R"("start":{"line":0,"character":105})"),
              std::string::npos)
        << round;
    EXPECT_EQ(described.find(R"("start":{"line":0,"character":112})"),
              std::string::npos)
        << round;
  }
}

class LspLexiconTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir_template[] = "/tmp/tesvar-lsp-XXXXXX";
    dir_ = mkdtemp(dir_template);
    Write("words.tsv",
          "key\theadword\tpos\tdefinition\nqagh:N\tqagh\tN\tmistake\n");
    Write("bad.tsv", "key\theadword\tpos\tdefinition\n# fine\nx\tx\tNOUN\tx\n");
  }
  void TearDown() override {
    std::remove((dir_ + "/words.tsv").c_str());
    std::remove((dir_ + "/bad.tsv").c_str());
    std::remove(dir_.c_str());
  }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ + "/" + name) << text;
  }
  std::string dir_;
};

TEST_F(LspLexiconTest, SettingsChooseTheLexicon) {
  LspClient client({"lsp"}, {"HOME=" + dir_});  // for "~/" below
  client.AwaitResponse(client.Request(
      "initialize", Initialize()
                        .Set("rootUri", "file://" + dir_)
                        .Set("initializationOptions",
                             Json::Object().Set("lexicon", "words.tsv"))));
  client.Notify("textDocument/didOpen", Open("qagh Dat"));
  EXPECT_EQ(Describe(client.AwaitDiagnostics(kUri, 1)), "0:5-8 unknown-word");

  const auto configure = [&client](Json lexicon) {
    client.Notify(
        "workspace/didChangeConfiguration",
        Json::Object().Set(
            "settings", Json::Object().Set(
                            "tesvar", Json::Object().Set("lexicon", lexicon))));
  };
  configure("bad.tsv");
  EXPECT_EQ(Text(client.AwaitNotification("window/showMessage")),
            "tesvar: " + dir_ +
                "/bad.tsv:3: bad part of speech 'NOUN': expected an integer "
                "or one of N V P ADV NUM CONJ EXCL Q; keeping " +
                dir_ + "/words.tsv");
  EXPECT_NE(HoverValue(client.AwaitResponse(client.Request("textDocument/hover",
                                                           AtPosition(0, 0))))
                .find("key qagh:N"),
            std::string::npos);

  configure(Json());  // back to the built-in sample
  EXPECT_EQ(Describe(client.AwaitDiagnostics(kUri, 1)), "0:0-4 unknown-word");
  // Settings for other servers change nothing.
  client.Notify("workspace/didChangeConfiguration",
                Json::Object().Set(
                    "settings", Json::Object().Set("other", Json::Object())));
  configure(42);
  EXPECT_EQ(Text(client.AwaitNotification("window/showMessage")),
            "tesvar: the lexicon setting must be a file path (a string) or "
            "null; keeping the built-in sample lexicon");
  configure("~/words.tsv");
  EXPECT_EQ(Describe(client.AwaitDiagnostics(kUri, 1)), "0:5-8 unknown-word");
}

TEST_F(LspLexiconTest, ABadLexiconOnTheCommandLineStopsTheServer) {
  const CliRun run = RunCli({"lsp", "--lexicon", dir_ + "/bad.tsv"}, "");
  EXPECT_EQ(run.exit_status, 2);
  EXPECT_EQ(run.err.substr(0, run.err.find(':', run.err.find(':') + 1)),
            "tesvar: " + dir_ + "/bad.tsv");
  EXPECT_NE(run.err.find("bad.tsv:3: bad part of speech"), std::string::npos);
}

TEST(LspSessionTest, ATooLargeMessageIsSkipped) {
  LspClient client;
  client.AwaitResponse(client.Request("initialize", Initialize()));
  client.SendRaw("Content-Length: " +
                 std::to_string(lsp::kMaxMessageBytes + 1) + "\r\n\r\n");
  client.SendRaw(std::string(lsp::kMaxMessageBytes + 1, ' '));
  EXPECT_NE(
      Text(client.AwaitNotification("window/showMessage")).find("skipped"),
      std::string::npos);
  EXPECT_FALSE(
      client.AwaitResponse(client.Request("shutdown", Json())).is_null());
}

}  // namespace
}  // namespace testing
}  // namespace tesvar
