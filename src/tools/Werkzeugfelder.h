#pragma once
// What the linear-algebra windows share: the two checks of their number
// edits (a leave check for the matrix, linear-system and dependence windows,
// a change check for the vector-sum and vector-product windows), the number
// texts they write, and the conversion of a memory entry before a paste.
// The key filter is the dialogs' (TasteFiltern).

#include <cmath>
#include <string>

#include "forms/Speicher.h"
#include "platform/Komponenten.h"
#include "platform/Zahltext.h"

// The change check's message.
inline constexpr const char* Bereich10000Meldung = "Gib bitte eine Zahl z mit\n-10000 <= z <= 10000  ein!";
// A result that left the range of numbers, or would take a scene object
// past SzenenZahlGrenze; it is shown nowhere.
inline constexpr const char* NichtEndlichMeldung = "Das Ergebnis liegt außerhalb des darstellbaren Zahlenbereichs!";

// Matrix elements and linear-system results; determinants; coordinates.
inline std::string Text14(Extended v) { return ZahlFest(v, 14, 6); }
inline std::string Text12(Extended v) { return ZahlFest(v, 12, 6); }
inline std::string Text7(Extended v) { return ZahlFest(v, 7, 3); }

// The edit's number into v: the value noted behind a text the program
// wrote, else its first 20 characters as the checks read them; false, and v
// kept, when the text is no number.
bool FeldWert(const TEdit& E, Extended& v);

// Leave check: |z| <= 9999 passes. A larger number shows Betrag10000Meldung
// and a text that is no number nothing; both give the edit the focus back.
bool EditBetragPruefen(TEdit& E);

// The change check's range: |z| < 10000 + 1e-9 (false for NaN).
inline bool ImAenderungsBereich(Extended v) { return std::fabs(v) < 10000.000000001L; }

// Change check: |z| < 10000 + 1e-9 passes (Gueltig). Out of range: the
// message, focus back (Ausserhalb). No number: the message too unless the
// text is empty or "-", focus back (KeineZahl).
enum class BereichsPruefung { Gueltig, Ausserhalb, KeineZahl };
BereichsPruefung EditBereichPruefen(TEdit& E);

// The three texts of a memory entry as numbers; false, with the conversion
// message of the first text that is no number, when one is none.
bool SpeicherWerte(const TSpeicherVektor& T, TVek_R3& v);
std::string KeineZahlMeldung(const std::string& Text);

// Every element finite.
bool IstEndlich(const TMatrix33& M);
