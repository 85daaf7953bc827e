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

#include "gloss/verb_gloss.h"
#include "gloss/verb_pieces.h"
#include "platform/text.h"
#include "verbs/parsed_verb.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {

namespace {

// Rovers right after the root.
constexpr int kAfterRoot = 0;

// The subject a pronoun definition stands for when used as a verb. Other
// definitions leave the subject as it is.
struct PronounSubjectRow {
  std::string_view definition;
  std::string_view subject;
};

constexpr PronounSubjectRow kPronounSubjects[] = {
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

constexpr PronounNegationRow kPronounNegation[] = {
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

constexpr bool CoversEveryCase() {
  for (int with_aux = 0; with_aux < 2; ++with_aux) {
    for (int become = 0; become < 2; ++become) {
      bool found = false;
      for (const PronounNegationRow& row : kPronounNegation) {
        found |= row.with_aux == (with_aux != 0) && row.become == (become != 0);
      }
      if (!found) return false;
    }
  }
  return true;
}
static_assert(CoversEveryCase(), "a row for every kind of \"be\" phrase");

void Apply(const BeWording& w, std::string_view do_aux, std::string* s) {
  std::string out(w.lead);
  if (w.with_aux) out += do_aux;
  out += w.middle;
  out += *s;
  out += w.tail;
  *s = std::move(out);
}

}  // namespace

std::string VerbPieces::PronounRoot(int withAux, int withoutBe) const {
  const CParsedVerb& v = verb_;
  const bool become = v.m_strVS3 == "choH";
  std::string s;
  if (become) {
    s = "become ";
  } else if (!withoutBe) {
    s = withAux ? Aux(AuxForm::kBe) : "be ";
  }
  // Pronouns have no quality to undo, so {-Ha'} always reads "mis-".
  if (!v.m_strRootNeg.empty()) s.insert(0, "mis-");

  const PronounNegationRow& row = NegationFor(withAux != 0, become);
  const std::string_view do_aux = Aux(AuxForm::kDo);
  if (!v.m_strNegEmphRover[kAfterRoot].empty()) {
    Apply(row.neg_emph, do_aux, &s);
  } else if (!v.m_strEmphNegRover[kAfterRoot].empty()) {
    Apply(row.emph_neg, do_aux, &s);
  }
  if (!v.m_strNegRover[kAfterRoot].empty()) Apply(row.neg, do_aux, &s);
  if (!v.m_strEmphRover[kAfterRoot].empty()) s.insert(0, "really ");
  return s;
}

namespace {

// The subject a pronoun definition stands for, or `otherwise`.
std::string_view PronounSubject(std::string_view definition,
                                std::string_view otherwise) {
  for (const PronounSubjectRow& row : kPronounSubjects) {
    if (definition == row.definition) return row.subject;
  }
  return otherwise;
}

void AppendQuestion(const CParsedVerb& v, const VerbPieces& p,
                    std::string_view subj, std::string* out) {
  const size_t start = out->size();
  const std::string_view refusal = VerbPieces::TS(v.m_strRefusal);
  const std::string_view honorific = VerbPieces::TS(v.m_strVS8);
  if (v.m_strVS5 == "laH") {
    p.AppendVS5(out);
    out->append(subj);
    p.AppendVS6(out);
    out->append(refusal);
    p.AppendVS2(0, out);
    out->append(p.PronounRoot(0, 0));
  } else if (v.m_strVS2.empty()) {
    // The question leads with the conjugated verb: "am I", "do I refuse
    // to be".
    out->append(p.Aux(v.m_strRefusal.empty() ? AuxForm::kBe : AuxForm::kDo));
    out->append(subj);
    p.AppendVS6(out);
    out->append(refusal);
    out->append(p.PronounRoot(0, 1));
  } else {
    out->append(p.Aux(v.m_strVS2 == "nIS" ? AuxForm::kDo : AuxForm::kBe));
    out->append(subj);
    p.AppendVS6(out);
    out->append(refusal);
    p.AppendVS2(0, out);
    out->append(p.PronounRoot(0, 0));
  }
  p.AppendVS3(0, out);
  out->append(honorific);
  TrimRight(out, start);
  out->push_back('?');
}

// A statement keeps its trailing blank, like the pieces it is made of.
void AppendStatement(const CParsedVerb& v, const VerbPieces& p,
                     std::string_view subj, std::string* out) {
  std::string be = p.PronounRoot(0, 0);
  const std::string_view refusal = VerbPieces::TS(v.m_strRefusal);
  out->append(VerbPieces::TS(v.m_strVS9));
  out->append(subj);
  p.AppendVS6(out);
  if (v.m_strVS5 == "laH") {
    p.AppendVS5(out);
    out->append(refusal);
    p.AppendVS2(0, out);
    out->append(be);
    p.AppendVS3(0, out);
  } else if (v.m_strVS2.empty()) {
    // A plain "be" is conjugated ("I am"); after "refuse to" and as
    // "become" it stays in the infinitive.
    if (v.m_strRefusal.empty() && be != "become ") be = p.PronounRoot(1, 0);
    out->append(refusal);
    out->append(be);
    if (v.m_strVS3 != "choH") p.AppendVS3(0, out);
  } else {
    out->append(refusal);
    p.AppendVS2(1, out);
    out->append(be);
    p.AppendVS3(0, out);
  }
  out->append(VerbPieces::TS(v.m_strVS8));
}

}  // namespace

void AppendPronounGloss(const CParsedVerb& verb, std::string* out) {
  const std::string_view subject =
      PronounSubject(verb.m_strGloss, verb.m_strSubject);
  const VerbPieces pieces(verb, subject, verb.m_strGloss);
  if (HasTrait(verb.m_strVS9, kYesNoQuestion)) {
    AppendQuestion(verb, pieces, subject, out);
  } else {
    AppendStatement(verb, pieces, subject, out);
  }
}

}  // namespace tesvar
