#include "tools/pipe_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/arguments.h"

namespace tesvar {
namespace cli {
namespace {

// What the arguments chose, or "error: ..." when they were refused.
std::string Parse(const std::vector<std::string_view>& args) {
  Options options;
  const std::string error = ParseArguments(args, &options);
  if (!error.empty()) return "error: " + error;
  if (options.command == Command::kHelp) return "help";
  if (options.command != Command::kPipe) return "not a pipe";
  const char* const modes[] = {"answer", "list", "version"};
  std::string out = modes[static_cast<int>(options.pipe_mode)];
  if (!options.lexicon_path.empty()) out += " lexicon=" + options.lexicon_path;
  if (options.pipe_byte_offsets) out += " bytes";
  if (!options.pipe_personal_dictionary.empty()) {
    out += " personal=" + options.pipe_personal_dictionary;
  }
  if (!options.pipe_dictionary_name.empty()) {
    out += " name=" + options.pipe_dictionary_name;
  }
  const char* const formats[] = {"", " tex", " html", " nroff"};
  out += formats[static_cast<int>(options.pipe_format)];
  return out;
}

std::string Join(const std::vector<std::string_view>& args) {
  std::string out;
  for (std::string_view arg : args) out += std::string(arg) + " ";
  return out;
}

TEST(PipeArgumentsTest, AcceptsWhatIspellClientsPass) {
  struct Case {
    std::vector<std::string_view> args;
    std::string parsed;
  };
  const Case cases[] = {
      {{"pipe"}, "answer"},
      {{"pipe", "--lexicon", "w.tsv"}, "answer lexicon=w.tsv"},
      {{"pipe", "-l"}, "list"},
      // As Emacs starts an ispell: version check, pipe, large regions.
      {{"-vv"}, "version"},
      {{"-a", "-m", "-d", "tesvar", "-p", "/home/u/.ispell_tesvar"},
       "answer personal=/home/u/.ispell_tesvar name=tesvar"},
      {{"-l", "-d", "tesvar", "-Ttex"}, "list name=tesvar tex"},
      {{"-d", "tesvar", "-a", "-B", "--lexicon=w.tsv"},
       "answer lexicon=w.tsv name=tesvar"},
      // Text formats; the last one given counts, and -T names that are
      // character sets change nothing.
      {{"-a", "-t"}, "answer tex"},
      {{"-a", "-H"}, "answer html"},
      {{"-a", "-t", "-n"}, "answer nroff"},
      {{"-a", "-H", "-T", "latin1"}, "answer html"},
      {{"-a", "-pwords.txt"}, "answer personal=words.txt"},
      // Only an encoding other than UTF-8 makes offsets count bytes.
      {{"-a", "-i", "UTF-8"}, "answer"},
      {{"-a", "--encoding=utf8"}, "answer"},
      {{"-a", "-i", "ISO8859-1"}, "answer bytes"},
      {{"-a", "-dtesvar", "-ilatin1"}, "answer bytes name=tesvar"},
      {{"-a", "--help"}, "help"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.parsed, Parse(c.args)) << Join(c.args);
}

TEST(PipeArgumentsTest, RefusesWhatItCannotHonour) {
  struct Case {
    std::vector<std::string_view> args;
    std::string error;
  };
  const Case cases[] = {
      {{"-d", "tesvar"},
       "error: ispell-style options need one of -a, -l, -v, -vv"},
      {{"-a", "-d"}, "error: option -d needs a value"},
      {{"-a", "-p"}, "error: option -p needs a value"},
      {{"pipe", "--lexicon"}, "error: option --lexicon needs a value"},
      // An empty path would silently mean the built-in lexicon.
      {{"pipe", "--lexicon="}, "error: option --lexicon needs a FILE, not ''"},
      {{"-a", "--lexicon", ""}, "error: option --lexicon needs a FILE, not ''"},
      // Modes of other checkers that would change the output.
      {{"-a", "-L"}, "error: unknown option '-L'"},
      {{"-a", "--lexiconw.tsv"}, "error: unknown option '--lexiconw.tsv'"},
      {{"pipe", "Dal"}, "error: unexpected argument 'Dal'"},
      {{"-x"}, "error: ispell-style options need one of -a, -l, -v, -vv"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.error, Parse(c.args)) << Join(c.args);
}

}  // namespace
}  // namespace cli
}  // namespace tesvar
