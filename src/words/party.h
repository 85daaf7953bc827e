// Person and number of a party to a sentence: the subject and the object
// that a verb prefix marks, the possessor that a noun suffix names. The
// grammar checks compare parties to find the affix that says the same
// with one thing changed.

#ifndef TESVAR_WORDS_PARTY_H_
#define TESVAR_WORDS_PARTY_H_

#include <cstdint>

namespace tesvar {

enum class Person : uint8_t { kNone, kFirst, kSecond, kThird };

// A set of numbers: "he/she/it/they", or a command to one or to many,
// stands for both.
enum Number : uint8_t {
  kNoNumber = 0,
  kSingular = 1,
  kPlural = 2,
  kSingularOrPlural = kSingular | kPlural,
};

struct Party {
  Person person = Person::kNone;
  Number number = kNoNumber;

  constexpr bool exists() const { return person != Person::kNone; }
  // True when this party stands for every number `other` stands for.
  constexpr bool Covers(Party other) const {
    return person == other.person && (number & other.number) == other.number;
  }
  constexpr bool operator==(Party other) const {
    return person == other.person && number == other.number;
  }
};

// The parties the affix tables name.
constexpr Party kNobody{};
constexpr Party kMe{Person::kFirst, kSingular};
constexpr Party kUs{Person::kFirst, kPlural};
constexpr Party kYouOne{Person::kSecond, kSingular};
constexpr Party kYouMany{Person::kSecond, kPlural};
constexpr Party kYouAny{Person::kSecond, kSingularOrPlural};
constexpr Party kHim{Person::kThird, kSingular};
constexpr Party kThem{Person::kThird, kPlural};
constexpr Party kHimOrThem{Person::kThird, kSingularOrPlural};

}  // namespace tesvar

#endif  // TESVAR_WORDS_PARTY_H_
