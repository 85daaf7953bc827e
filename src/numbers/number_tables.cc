// The number element tables. Row order is the try order. DO NOT REORDER.

#include "numbers/number_tables.h"

namespace tesvar {

const TensRow kTens[kTensCount] = {
    {"wa'", "ten"},      {"cha'", "twenty"},   {"wej", "thirty"},
    {"loS", "forty"},    {"vagh", "fifty"},    {"jav", "sixty"},
    {"Soch", "seventy"}, {"chorgh", "eighty"}, {"Hut", "ninety"},
};

const PowerRow kPowers[kPowerCount] = {
    {"vatlh", " hundred"},        {"SaD", " thousand"}, {"SanID", " thousand"},
    {"bIp", " hundred thousand"}, {"'uy'", " million"},
};

const NumberSuffixRow kNumberSuffixes[kNumberSuffixCount] = {
    {"leS", " days from now", false},
    {"Hu'", " days ago", false},
    {"nem", " years from now", false},
    {"ben", " years ago", false},
    {"DIch", "th", true},
    {"logh", " times", false},
};

const SpecialNumberWord kSpecialNumberWords[kSpecialNumberWordCount] = {
    {"leS", "wa'leS", "tomorrow"},    {"Hu'", "wa'Hu'", "yesterday"},
    {"nem", "wa'nem", "next year"},   {"ben", "wa'ben", "last year"},
    {"DIch", "wa'DIch", "first"},     {"DIch", "cha'DIch", "second"},
    {"DIch", "wejDIch", "third"},     {"DIch", "vaghDIch", "fifth"},
    {"DIch", "chorghDIch", "eighth"}, {"DIch", "HutDIch", "ninth"},
    {"logh", "wa'logh", "once"},      {"logh", "cha'logh", "twice"},
};

}  // namespace tesvar
