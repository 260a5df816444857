#pragma once
// Checks of typed numbers, shared by all dialogs. Every check judges only
// the first 20 characters of a text, and a cell that passed a check must be
// read with ZelleLesen so that it yields the number that was checked.

#include <string>

#include "platform/Komponenten.h"
#include "platform/Typen.h"

// The first 20 characters of s: cut at 20 bytes, but never inside a UTF-8
// character (a character that would be cut is left out whole).
std::string PruefText(const std::string& s);

// v := the number of the first 20 characters of text; false (v untouched)
// when they are no number.
bool ZelleLesen(const std::string& text, Extended& v);
// The same for a cell with a value noted behind its text: v := the noted
// value while the cell still holds the text it was noted with (Notiz may be
// nullptr).
bool ZelleLesen(const std::string& text, const TZellwert* Notiz, Extended& v);
// An edit's number: its noted value (TEdit::Wert), else its text.
inline bool ZelleLesen(const TEdit& E, Extended& v) { return ZelleLesen(E.Text(), E.Wert(), v); }

// True when s is empty or a lone "-": the user has not finished typing, and
// nothing must be applied.
bool IstUnfertig(const std::string& s);

bool IstGleitkommazahl(const std::string& s);

// lo < v < hi (both strict); false for a text that is no number.
bool ZahlImBereich(const std::string& s, Extended lo, Extended hi);

// |v| < n (strict); false for a text that is no number.
bool ZahlBetragPruefen(const std::string& s, int n);

// What an edit-field check found. Only Gueltig lets the caller read the
// field (with ZelleLesen) and apply it.
enum class PruefErgebnis {
    Gueltig,    // a number within the bound
    Unfertig,   // empty or a lone "-": nothing to apply yet
    Abgelehnt,  // no number or out of range: the user has been told (or the
                // field has the focus back) and must correct it in place
};

// Exit check of an edit field for -n < v < n. The text stays as typed.
// - Empty or lone "-": Unfertig; no message, the focus stays where it went.
// - No number: warning "Diese Eingabe entspricht keiner Gleitkommazahl!",
//   the text is selected and the field gets the focus back; Abgelehnt.
// - Out of range: the range warning, the field gets the focus back without
//   selecting; Abgelehnt.
PruefErgebnis EditGleitkommaPruefen(TEdit& Edit, int n);

// Exit check of an edit field for |v| < n. The text stays as typed.
// - |v| >= n: information "Gib bitte nur Zahlen z mit\nz < n ein!", the text
//   is selected and the field gets the focus back; Abgelehnt.
// - No number: no message, the field only gets the focus back; Unfertig for
//   an empty text or a lone "-", else Abgelehnt.
PruefErgebnis EditZahlPruefen(TEdit& Edit, int n);

// Tab in an object dialog's grid: down the column, then to the top data row
// of the next column, from the last column back to the first.
void GitterNaechsteZelle(TStringGrid& Grid);
