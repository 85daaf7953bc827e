// VerbPieces: the English pieces a verb gloss is pasted together from,
// for one verb reading: the gloss of one affix, the auxiliary that agrees
// with the subject, the root with its reversal and rovers, one piece per
// suffix class VS2..VS7, and the "be" phrase of a pronoun used as a verb.
//
// The pieces read the record and never change it. The sentence says some
// things differently from the record (a verb without prefix has a
// subject, "one" can become the subject, a quality verb's definition
// loses its "be"); the renderer hands those in.
//
// Holds a reference to the record, which must outlive it. Every method is
// const, so pieces of one record may be read from several threads.
// Tested by verb_pieces_test.cc and pronoun_gloss_test.cc.

#ifndef TESVAR_GLOSS_VERB_PIECES_H_
#define TESVAR_GLOSS_VERB_PIECES_H_

#include <string>
#include <string_view>

#include "verbs/parsed_verb.h"

namespace tesvar {

// The two auxiliaries: "am/is/are" and "do/does".
enum class AuxForm { kBe, kDo };

class VerbPieces {
 public:
  // The pieces of `verb` with its own subject and definition.
  explicit VerbPieces(const CParsedVerb& verb)
      : VerbPieces(verb, verb.m_strSubject, verb.m_strGloss) {}
  // The pieces of `verb` with `subject` for the agreement of the
  // auxiliaries and `definition` for the root. Both must outlive the
  // pieces.
  VerbPieces(const CParsedVerb& verb, std::string_view subject,
             std::string_view definition)
      : verb_(verb),
        subject_(subject),
        definition_(definition),
        imperative_(verb.IsImperative() != 0) {}

  // The gloss of a verb suffix, or `affix` itself when it is none.
  static std::string TS(std::string_view affix);

  // Each non-empty piece ends in its own blank unless its table gloss has
  // none.
  std::string Aux(AuxForm form) const;
  std::string Root() const;
  std::string NegRoot() const;
  std::string VS2(int withAux) const;
  std::string VS3(int withAux) const;
  std::string VS4(int withAux) const;
  std::string VS5() const;
  std::string VS6() const;
  std::string VS7() const;
  // The "be" phrase of a pronoun used as a verb, with {-Ha'}, {-choH} and
  // the rovers right after the root: with its own conjugated auxiliary
  // when withAux is set, without the bare "be " when withoutBe is set.
  std::string PronounRoot(int withAux, int withoutBe) const;

  bool imperative() const { return imperative_; }

 private:
  // The definition with {-Ha'} applied.
  std::string ReversedGloss() const;

  const CParsedVerb& verb_;
  std::string_view subject_;
  std::string_view definition_;
  bool imperative_;
};

}  // namespace tesvar

#endif  // TESVAR_GLOSS_VERB_PIECES_H_
