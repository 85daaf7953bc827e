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

  // The gloss of a verb suffix, or `affix` itself when it is none; a view
  // of the suffix table or of `affix`.
  static std::string_view TS(std::string_view affix);

  // The auxiliary that agrees with the subject; a view of a constant.
  std::string_view Aux(AuxForm form) const;

  // Each non-empty piece ends in its own blank unless its table gloss has
  // none. The Append forms add the piece to *out; the others return it.
  void AppendRoot(std::string* out) const;
  void AppendNegRoot(std::string* out) const;
  void AppendVS2(int withAux, std::string* out) const;
  void AppendVS3(int withAux, std::string* out) const;
  void AppendVS4(int withAux, std::string* out) const;
  void AppendVS5(std::string* out) const { out->append(VS5View()); }
  void AppendVS6(std::string* out) const;
  void AppendVS7(std::string* out) const;

  std::string Root() const { return Built(&VerbPieces::AppendRoot); }
  std::string NegRoot() const { return Built(&VerbPieces::AppendNegRoot); }
  std::string VS2(int withAux) const;
  std::string VS3(int withAux) const;
  std::string VS4(int withAux) const;
  std::string VS5() const { return std::string(VS5View()); }
  std::string VS6() const { return Built(&VerbPieces::AppendVS6); }
  std::string VS7() const { return Built(&VerbPieces::AppendVS7); }
  // The "be" phrase of a pronoun used as a verb, with {-Ha'}, {-choH} and
  // the rovers right after the root: with its own conjugated auxiliary
  // when withAux is set, without the bare "be " when withoutBe is set.
  std::string PronounRoot(int withAux, int withoutBe) const;

  bool imperative() const { return imperative_; }

 private:
  // Appends the definition with {-Ha'} applied.
  void AppendReversedGloss(std::string* out) const;
  // The VS5 piece, always a view of a table or of the record.
  std::string_view VS5View() const;
  std::string Built(void (VerbPieces::*append)(std::string*) const) const {
    std::string piece;
    (this->*append)(&piece);
    return piece;
  }

  const CParsedVerb& verb_;
  std::string_view subject_;
  std::string_view definition_;
  bool imperative_;
};

}  // namespace tesvar

#endif  // TESVAR_GLOSS_VERB_PIECES_H_
