// The noun suffix table. The row order is the try order: the first row
// whose text begins the rest of the word wins. DO NOT REORDER.

#include "nouns/noun_suffix_table.h"

namespace tesvar {

const NounSuffixRow kNounSuffixes[kNounSuffixCount] = {
    {"'a'", "major", 1},    {"'e'", "(top)", 5},  {"chaj", "their", 4},
    {"Daj", "his/her", 4},  {"Daq", "in", 5},     {"Du'", "(pl)", 2},
    {"Hey", "apparent", 3}, {"Hom", "minor", 1},  {"lI'", "your", 4},
    {"lIj", "your", 4},     {"ma'", "our", 4},    {"maj", "our", 4},
    {"mey", "(pl)", 2},     {"mo'", "due to", 5}, {"na'", "definite", 3},
    {"oy", "dear", 1},      {"pu'", "(pl)", 2},   {"qoq", "so-called", 3},
    {"ra'", "your", 4},     {"raj", "your", 4},   {"vaD", "for", 5},
    {"vam", "this", 4},     {"vetlh", "that", 4}, {"vo'", "from", 5},
    {"wI'", "my", 4},       {"wIj", "my", 4},
};

}  // namespace tesvar
