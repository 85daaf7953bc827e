// The English gloss of a pronoun standing as the verb of a clause, where
// it means "to be": "I am", "they are", "are they?". The pronoun's own
// definition supplies the subject; the "be" phrase carries the reversal,
// {-choH} ("become") and the rovers right after the root; the suffix
// pieces stand around it as in a verb gloss. Such a gloss has no object.
// Tested by pronoun_gloss_test.cc.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "platform/text.h"
#include "verbs/parsed_verb.h"

namespace tesvar {

namespace {

// Arguments of Aux.
constexpr int kBe = 1;
constexpr int kDo = 2;

// Rovers right after the root.
constexpr int kAfterRoot = 0;

// The subject a pronoun definition stands for when used as a verb. Other
// definitions leave the subject as it is.
struct PronounSubjectRow {
  std::string_view definition;
  std::string_view subject;
};

constexpr size_t kPronounSubjectCount = 7;
constexpr PronounSubjectRow kPronounSubjects[kPronounSubjectCount] = {
    {"he, she, him, her", "he/she "},
    {"I, me", "I "},
    {"we, us", "we "},
    {"you", "you "},
    {"you (pl)", "you (pl) "},
    {"it", "it "},
    {"they, them", "they "},
};

// How one rover changes the "be" phrase s:
// lead + ("do" auxiliary when with_aux) + middle + s + tail.
struct BeWording {
  std::string_view lead;
  bool with_aux;
  std::string_view middle;
  std::string_view tail;
};

// The negating rovers for one kind of "be" phrase: whether the phrase
// carries its own auxiliary, and whether it is "become" ({-choH}). A
// conjugated "am" is negated after it ("am not"); "become" needs "do"
// ("do not become"); a bare "be" takes the negation in front.
struct PronounNegationRow {
  bool with_aux;
  bool become;
  BeWording neg_emph;  // {-be'qu'}
  BeWording emph_neg;  // {-qu'be'}, when there is no {-be'qu'}
  BeWording neg;       // {-be'}
};

constexpr size_t kPronounNegationCount = 4;
constexpr PronounNegationRow kPronounNegation[kPronounNegationCount] = {
    // "really not become", "not really become", "not become"
    {false,
     true,
     {"really not ", false, "", ""},
     {"not really ", false, "", ""},
     {"not ", false, "", ""}},
    // "really not be", "be not really", "not be"
    {false,
     false,
     {"really not ", false, "", ""},
     {"", false, "", "not really "},
     {"not ", false, "", ""}},
    // "really do not become", "do not really become", "do not become"
    {true,
     true,
     {"really ", true, "not ", ""},
     {"", true, "not really ", ""},
     {"", true, "not ", ""}},
    // "really am not", "am not really", "am not"
    {true,
     false,
     {"really ", false, "", "not "},
     {"", false, "", "not really "},
     {"", false, "", "not "}},
};

const PronounNegationRow& NegationFor(bool with_aux, bool become) {
  for (const PronounNegationRow& row : kPronounNegation) {
    if (row.with_aux == with_aux && row.become == become) return row;
  }
  return kPronounNegation[0];  // not reached: the rows cover every case
}

void Apply(const BeWording& w, std::string_view do_aux, std::string* s) {
  std::string out(w.lead);
  if (w.with_aux) out += do_aux;
  out += w.middle;
  out += *s;
  out += w.tail;
  *s = std::move(out);
}

}  // namespace

std::string CParsedVerb::PronounRoot(int withAux, int withoutBe) const {
  const bool become = m_strVS3 == "choH";
  std::string s;
  if (become) {
    s = "become ";
  } else if (!withoutBe) {
    s = withAux ? Aux(kBe) : "be ";
  }
  // Pronouns have no quality to undo, so {-Ha'} always reads "mis-".
  if (!m_strRootNeg.empty()) s.insert(0, "mis-");

  const PronounNegationRow& row = NegationFor(withAux != 0, become);
  const std::string do_aux = Aux(kDo);
  if (!m_strNegEmphRover[kAfterRoot].empty()) {
    Apply(row.neg_emph, do_aux, &s);
  } else if (!m_strEmphNegRover[kAfterRoot].empty()) {
    Apply(row.emph_neg, do_aux, &s);
  }
  if (!m_strNegRover[kAfterRoot].empty()) Apply(row.neg, do_aux, &s);
  if (!m_strEmphRover[kAfterRoot].empty()) s.insert(0, "really ");
  return s;
}

std::string CParsedVerb::ToStringPronoun() {
  for (const PronounSubjectRow& row : kPronounSubjects) {
    if (m_strGloss == row.definition) {
      m_strSubject = std::string(row.subject);
      break;
    }
  }
  const std::string& subj = m_strSubject;
  std::string be = PronounRoot(0, 0);
  const std::string refusal = TS(m_strRefusal);
  const std::string honorific = TS(m_strVS8);

  if (m_strVS9 == "'a'") {
    std::string g;
    if (m_strVS5 == "laH") {
      g = VS5() + subj + VS6() + refusal + VS2(0) + be + VS3(0) + honorific;
    } else if (m_strVS2.empty()) {
      // The question leads with the conjugated verb: "am I", "do I refuse
      // to be".
      const std::string aux = Aux(m_strRefusal.empty() ? kBe : kDo);
      g = aux + subj + VS6() + refusal + PronounRoot(0, 1) + VS3(0) + honorific;
    } else {
      const std::string aux = Aux(m_strVS2 == "nIS" ? kDo : kBe);
      g = aux + subj + VS6() + refusal + VS2(0) + be + VS3(0) + honorific;
    }
    TrimRight(&g);
    g += '?';
    // The question has been asked; a second rendering is a statement.
    m_strVS9.clear();
    return g;
  }

  // A statement keeps its trailing blank, like the pieces it is made of.
  const std::string clause = TS(m_strVS9);
  if (m_strVS5 == "laH") {
    return clause + subj + VS6() + VS5() + refusal + VS2(0) + be + VS3(0) +
           honorific;
  }
  if (m_strVS2.empty()) {
    // A plain "be" is conjugated ("I am"); after "refuse to" and as
    // "become" it stays in the infinitive.
    if (m_strRefusal.empty() && be != "become ") be = PronounRoot(1, 0);
    const std::string again = m_strVS3 == "choH" ? "" : VS3(0);
    return clause + subj + VS6() + refusal + be + again + honorific;
  }
  return clause + subj + VS6() + refusal + VS2(1) + be + VS3(0) + honorific;
}

}  // namespace tesvar
