// Tested by generator_test.cc.

#include "bench/typo_maker.h"

#include <utility>

namespace tesvar {
namespace bench {

namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char OtherCase(char c) { return static_cast<char>(c ^ ('a' - 'A')); }

std::string Join(const std::vector<std::string_view>& pieces) {
  std::string out;
  for (const std::string_view piece : pieces) out.append(piece);
  return out;
}

}  // namespace

std::string_view SlipName(Slip slip) {
  switch (slip) {
    case Slip::kSubstitution:
      return "substitution";
    case Slip::kInsertion:
      return "insertion";
    case Slip::kDeletion:
      return "deletion";
    case Slip::kSwap:
      return "swap";
    case Slip::kApostropheDropped:
      return "apostrophe dropped";
    case Slip::kWrongCase:
      return "wrong case";
  }
  return "?";
}

TypoMaker::TypoMaker(std::vector<std::string> letters, uint64_t seed)
    : letters_(std::move(letters)), random_(seed) {}

std::vector<std::string_view> TypoMaker::Split(std::string_view word) const {
  std::vector<std::string_view> pieces;
  while (!word.empty()) {
    size_t length = 1;
    for (const std::string& letter : letters_) {
      if (letter.size() > length && word.substr(0, letter.size()) == letter) {
        length = letter.size();
      }
    }
    pieces.push_back(word.substr(0, length));
    word.remove_prefix(length);
  }
  return pieces;
}

Slip TypoMaker::Draw(const std::vector<Slip>& kinds) {
  return kinds[random_.Uniform(kinds.size())];
}

bool TypoMaker::Make(std::string_view word, Slip kind, std::string* typo) {
  std::vector<std::string_view> pieces = Split(word);
  if (pieces.empty()) return false;
  const size_t n = pieces.size();
  switch (kind) {
    case Slip::kSubstitution: {
      const size_t at = random_.Uniform(n);
      std::string_view other = RandomLetter();
      while (other == pieces[at]) other = RandomLetter();
      pieces[at] = other;
      break;
    }
    case Slip::kInsertion:
      pieces.insert(pieces.begin() + random_.Uniform(n + 1), RandomLetter());
      break;
    case Slip::kDeletion:
      if (n < 2) return false;
      pieces.erase(pieces.begin() + random_.Uniform(n));
      break;
    case Slip::kSwap: {
      std::vector<size_t> places;
      for (size_t i = 0; i + 1 < n; ++i) {
        if (pieces[i] != pieces[i + 1]) places.push_back(i);
      }
      if (places.empty()) return false;
      const size_t at = places[random_.Uniform(places.size())];
      std::swap(pieces[at], pieces[at + 1]);
      break;
    }
    case Slip::kApostropheDropped: {
      std::vector<size_t> places;
      for (size_t i = 0; i < n; ++i) {
        if (pieces[i] == "'") places.push_back(i);
      }
      if (places.empty() || n < 2) return false;
      pieces.erase(pieces.begin() + places[random_.Uniform(places.size())]);
      break;
    }
    case Slip::kWrongCase: {
      std::string text(word);
      std::vector<size_t> places;
      for (size_t i = 0; i < text.size(); ++i) {
        if (IsAsciiLetter(text[i])) places.push_back(i);
      }
      if (places.empty()) return false;
      const size_t at = places[random_.Uniform(places.size())];
      text[at] = OtherCase(text[at]);
      *typo = std::move(text);
      return true;
    }
  }
  *typo = Join(pieces);
  return *typo != word;
}

std::vector<std::string> TesvarLetters() {
  return {"a", "b", "ch", "D", "e", "gh", "H", "I",   "j", "l", "m", "n", "ng",
          "o", "p", "q",  "Q", "r", "S",  "t", "tlh", "u", "v", "w", "y", "'"};
}

std::vector<std::string> EnglishLetters() {
  std::vector<std::string> letters;
  for (char c = 'a'; c <= 'z'; ++c) letters.emplace_back(1, c);
  return letters;
}

}  // namespace bench
}  // namespace tesvar
