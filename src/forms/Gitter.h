#pragma once
// What the object dialogs share: setting up their grids and attribute
// groups, and the redraw after an attribute changed.

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>

#include "geometry/Vektor.h"
#include "platform/Komponenten.h"

// Size, fixed rows and columns and the heading texts of row 0 (one per
// column, none for a grid without a heading row).
void GitterAnlegen(TStringGrid& G, int Spalten, int Zeilen, int FesteSpalten, int FesteZeilen,
                   std::initializer_list<const char*> Kopf = {});
// Writes x, y, z into column Spalte, rows ErsteZeile .. ErsteZeile + 2.
void SpalteSetzen(TStringGrid& G, int Spalte, int ErsteZeile, const std::string& x,
                  const std::string& y, const std::string& z);
// Writes x, y, z of each given column into the number columns of G, from
// its first number cell on.
void SpaltenSetzen(TStringGrid& G, std::initializer_list<std::array<const char*, 3>> Spalten);

// ---- Coordinates into and out of the object grids ---------------------------

// The text a value goes into a cell with: the coordinate text (KoordText)
// when it reads back as the very value; else the shortest text that does and
// that the cell reads whole (a value typed with more decimals, such as
// 0,0001, which three decimals would turn into a null vector); else, for a
// value only a computation gives, the coordinate text.
std::string ZellText(Extended v);

// Writes x, y, z of v into column Spalte, rows ErsteZeile .. ErsteZeile + 2,
// each as its ZellText with the value noted behind it (GespeicherteZellwerte).
// By default the one cell the user is editing is left alone, so a rotation
// or animation tick never overwrites typing; a stored scene coming back
// writes every cell, and counts its write of that one (Ueberschrieben).
// Either way the value meant for that cell is kept (Geschrieben).
enum class BearbeiteteZelle { Lassen, Ueberschreiben };
void SpalteSchreiben(TStringGrid& G, int Spalte, int ErsteZeile, const TVek_R3& v,
                     BearbeiteteZelle Bearbeitete = BearbeiteteZelle::Lassen);

// v := the cells (Spalte, ErsteZeile .. ErsteZeile + 2), each read with
// ZelleLesen or as its noted value. False, and v untouched, when one of them
// is no number.
bool SpalteLesen(const TStringGrid& G, int Spalte, int ErsteZeile, TVek_R3& v);

// A stored scene goes back through the cells, and a cell's text cannot hold
// every digit of a value a computation made (a turned point shows three
// decimals). While a GespeicherteZellwerte lives, SpalteSchreiben notes each
// value behind the text it wrote, and a noted cell reads as that value as
// long as it still holds that text, so the scene is rebuilt exactly as it
// was stored; a cell typed over in between reads as its text. When the last
// one ends, the notes are forgotten.
class GespeicherteZellwerte {
public:
    GespeicherteZellwerte();
    ~GespeicherteZellwerte();
    GespeicherteZellwerte(const GespeicherteZellwerte&) = delete;
    GespeicherteZellwerte& operator=(const GespeicherteZellwerte&) = delete;
};

// Notes v behind the text cell (Spalte, Zeile) holds now, as SpalteSchreiben
// notes what it writes: while a GespeicherteZellwerte lives the cell reads as
// v. Outside one, nothing is noted.
void ZellwertNotieren(const TStringGrid& G, int Spalte, int Zeile, Extended v);

// The same number to the last digit, -0 apart from 0.
inline bool GleicherWert(Extended a, Extended b) { return a == b && std::signbit(a) == std::signbit(b); }

// Whether a cell's or field's text shows the value v: it reads back as v
// (a typed text counts as typed), or as a value the coordinate text shows
// alike, as a computed value's text does with its fewer digits.
bool ZeigtWert(const std::string& Text, Extended v);

// ---- Attribute groups -----------------------------------------------------------

// The pen-width group "1" .. "4" and the style group of the dialogs.
void GroupStiftAnlegen(TRadioGroup& R, const char* Titel = "Stiftbreite");
void GroupStilAnlegen(TRadioGroup& R, const char* Zweites = "gepunktet (Stiftbr. 1)");

// The redraw that ends every attribute click, unless redraws are held back.
void NachAttributNeuZeichnen();
// The picture's redraw it runs (SzeneZeichnen). The drawing lies above the
// windows' state, so ProgrammStart sets it.
inline void (*SzeneNeuZeichnen)() = nullptr;
