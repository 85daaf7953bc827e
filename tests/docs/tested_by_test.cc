// Every "Tested by" line in the sources names test files that exist, so
// that a reader who follows one finds the tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tesvar {
namespace {

namespace fs = std::filesystem;

const fs::path kRoot = TESVAR_SOURCE_DIR;
// Where sources and their tests live; build directories are left out.
const char* const kSourceDirs[] = {"src",   "include", "tools", "tests",
                                   "bench", "fuzz",    "python"};

bool IsSource(const fs::path& path) {
  const std::string ext = path.extension().string();
  return ext == ".cc" || ext == ".h" || ext == ".c" || ext == ".py";
}

// '*' matches any run of bytes.
bool Matches(const std::string& pattern, const std::string& name) {
  const size_t star = pattern.find('*');
  if (star == std::string::npos) return pattern == name;
  const std::string head = pattern.substr(0, star);
  const std::string tail = pattern.substr(star + 1);
  return name.size() >= head.size() + tail.size() &&
         name.compare(0, head.size(), head) == 0 &&
         name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
}

std::vector<fs::path> AllSources() {
  std::vector<fs::path> files;
  for (const char* dir : kSourceDirs) {
    if (!fs::exists(kRoot / dir)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(kRoot / dir)) {
      if (entry.is_regular_file() && IsSource(entry.path())) {
        files.push_back(entry.path());
      }
    }
  }
  return files;
}

// The sentence that starts at "Tested" in `lines[i]`, continued over the
// comment lines that follow until it ends with a full stop.
std::string Sentence(const std::vector<std::string>& lines, size_t i,
                     size_t at) {
  std::string sentence = lines[i].substr(at);
  while (sentence.find(". ") == std::string::npos &&
         (sentence.empty() || sentence.back() != '.') && ++i < lines.size()) {
    const size_t text = lines[i].find_first_not_of("/#* \t");
    if (text == std::string::npos) break;
    sentence += " " + lines[i].substr(text);
  }
  return sentence.substr(0, sentence.find(". "));
}

// The file names in a sentence: words that end in a source extension.
std::vector<std::string> NamedFiles(const std::string& sentence) {
  std::vector<std::string> names;
  std::string word;
  for (const char c : sentence + " ") {
    if (c == ' ' || c == ',' || c == '(' || c == ')') {
      while (!word.empty() && word.back() == '.') word.pop_back();
      if (IsSource(fs::path(word))) names.push_back(word);
      word.clear();
    } else {
      word.push_back(c);
    }
  }
  return names;
}

TEST(TestedByTest, NamedTestFilesExist) {
  const std::vector<fs::path> sources = AllSources();
  ASSERT_GT(sources.size(), 50u) << "sources not found under " << kRoot;
  size_t named = 0;
  for (const fs::path& source : sources) {
    std::ifstream file(source);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    for (size_t i = 0; i < lines.size(); ++i) {
      const size_t at = lines[i].find("Tested ");
      if (at == std::string::npos ||
          lines[i].find(" by ", at) == std::string::npos) {
        continue;
      }
      for (const std::string& name : NamedFiles(Sentence(lines, i, at))) {
        ++named;
        const fs::path wanted(name);
        bool found = false;
        for (const fs::path& candidate : sources) {
          // A name with folders ("tests/x.py") must match its end.
          const std::string path = candidate.generic_string();
          const std::string tail = "/" + wanted.generic_string();
          const bool folders_match =
              !wanted.has_parent_path() ||
              (path.size() >= tail.size() && Matches("*" + tail, path));
          found = found ||
                  (folders_match && Matches(wanted.filename().string(),
                                            candidate.filename().string()));
        }
        EXPECT_TRUE(found) << fs::relative(source, kRoot).string() << ":"
                           << i + 1 << " names " << name
                           << ", which does not exist";
      }
    }
  }
  EXPECT_GT(named, 30u) << "too few Tested by lines were read";
}

}  // namespace
}  // namespace tesvar
