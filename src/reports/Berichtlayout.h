#pragma once
// The shared layout of every report. A builder begins with AusgabeBeginnen,
// appends its lines to Ausgabeliste with the helpers below and ends with
// AusgabeBeenden. Numbers are written by one of three formats; a number in a
// vector column is held in a field of at most 10 characters; vectors are
// three-line columns framed by "|", right-aligned, set side by side into
// expressions such as a parameter form.

#include <cstddef>
#include <string>
#include <vector>

#include "geometry/Vektor.h"
#include "platform/Typen.h"

// The lines of the report being built.
inline std::vector<std::string> Ausgabeliste;
// Widths of the columns of the expression laid out last (1 the leftmost);
// an expression of fewer columns leaves the others as they were.
inline TFeld<int, 1, 4> Spaltenbreite;

// ---- Lines -----------------------------------------------------------------------

// Empties Ausgabeliste for a new report.
void AusgabeBeginnen();
void Zeile(std::string Text);
// The blank line between blocks ("   ") and the one of a few blocks (" ").
void Leerzeile();
void Leerzeile1();
// A title and its underline of Striche hyphens (a count fixed per report,
// not the title's length).
void Ueberschrift(const std::string& Titel, int Striche);

// The end of every builder: the memo's font height 8, the memo's lines
// replaced by the report's, the list emptied, and Code stored in
// ErgebnisAuswahl (AusgabeBeendenOhneCode stores none).
void AusgabeBeenden(Byte Code);
void AusgabeBeendenOhneCode();
// AusgabeBeenden of the lines Vorn, those in Ausgabeliste and Hinten. Where
// the memo holds Vorn and Hinten already, around as many lines as
// Ausgabeliste, only those between are replaced.
void AusgabeBeendenZwischen(Byte Code, const std::vector<std::string>& Vorn, const std::vector<std::string>& Hinten);

// ---- Numbers ---------------------------------------------------------------------

// Fixed point with 3 decimals after rounding to 7 (Fest7) or 6 (Fest6)
// significant digits; or the general format of up to 15 digits.
enum class Zahlformat { Fest7, Fest6, Allgemein };

std::string Zahltext(Extended v, Zahlformat f = Zahlformat::Fest7);
// The fixed format of most report numbers.
inline std::string Zahl(Extended v) { return Zahltext(v); }

// The number for a field of at most Breite characters. A longer plain
// decimal is cut after its Breite-th character: that drops decimals only.
// A number whose cut would fall into its exponent or its integer digits
// ("-1,234568E12" -> "-1,234568E") is written with fewer significant digits
// instead ("-1,2346E12"), so that the field shows a true value.
std::string Feldzahl(Extended v, Zahlformat f = Zahlformat::Fest7, std::size_t Breite = 10);
// A text typed into a grid, for a field of 10 characters (ZahltextInBreite).
std::string Feldtext(const std::string& Text);
// A coefficient after the first of an equation: enclosed in parentheses
// when negative, the enclosure cut to 10 characters. A number with an
// exponent is written short enough to keep its parentheses, never cut
// inside the exponent.
std::string Koeffizient(Extended v);

// ---- Values typed into grids -----------------------------------------------------

// Three grid texts, each cut to 10 characters, and the point they give.
// Zahl is false when one of them is no number (a refused entry may stand in
// a cell): the texts are still printed, but nothing is computed from them.
struct TGitterwerte {
    std::string x, y, z;
    bool Zahl = false;
    TVek_R3 v{};
};
TGitterwerte Gitterwerte(const std::string& x, const std::string& y, const std::string& z);
// The same after the three texts were right-aligned to their common width.
TGitterwerte GitterwerteBuendig(const std::string& x, const std::string& y, const std::string& z);
// What a report writes in place of a value it cannot compute.
inline const std::string NichtBerechenbar = "nicht berechenbar";
// The value's text with its unit, or NichtBerechenbar.
std::string Wert(bool berechenbar, Extended v, const std::string& Einheit,
                 Zahlformat f = Zahlformat::Fest7);
// "(" + x + "/ " + y + "/ " + z + ")" of texts as they stand.
std::string Textpunkt(const std::string& x, const std::string& y, const std::string& z);

// A point on one line, "(x/ y/ z)"; the older reports' "(x / y / z)".
std::string Klammerpunkt(TVek_R3 P, Zahlformat f = Zahlformat::Fest7);
std::string KlammerpunktWeit(TVek_R3 P, Zahlformat f = Zahlformat::Fest7);

// ---- Vector columns and expressions ----------------------------------------------

// One column of an expression: its upper (x), middle (y) and lower (z)
// entry, each a field text. Its width is the longest entry's, unless Breite
// gives it (an entry that is longer keeps its length).
struct TSpalte {
    std::string x, y, z;
    int Breite = -1;
};
TSpalte Spalte(TVek_R3 v, Zahlformat f = Zahlformat::Fest7);
// Grid texts, each cut to 10 characters.
TSpalte Spalte(const std::string& x, const std::string& y, const std::string& z);

// Parts of the three lines of an expression: upper, middle, lower.
struct TDreiteile {
    std::string Oben, Mitte, Unten;
};

// Appends the three lines of an expression: each line is its part of
// Anfang, the columns' entries right-aligned to their widths with the parts
// of Trenner between them (one fewer than columns), and its part of Ende.
void Ausdruck(const TDreiteile& Anfang, const std::vector<TSpalte>& Spalten,
              const std::vector<TDreiteile>& Trenner, const TDreiteile& Ende);

// The usual expression: the middle line begins with Marke ("     g:   x = "),
// the outer lines with as many blanks; each column is framed by "|"; between
// two columns the middle line carries the operator ("  + k * "), the outer
// lines as many blanks; each line ends with its part of Ende.
inline const TDreiteile SpaltenEnde{"|", "|", "|"};
void Vektorausdruck(const std::string& Marke, const std::vector<TSpalte>& Spalten,
                    const std::vector<std::string>& Operatoren, const TDreiteile& Ende = SpaltenEnde);
// A parameter form: support vector and one or two direction vectors, with
// the parameters k and r.
void Parameterform(const std::string& Marke, const std::vector<TSpalte>& Spalten,
                   const TDreiteile& Ende = SpaltenEnde);
