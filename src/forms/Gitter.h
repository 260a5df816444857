#pragma once
// What the object dialogs share: setting up their grids and attribute
// groups, and the redraw after an attribute changed.

#include <array>
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

// Writes v as coordinate text (KoordText) into column Spalte, rows
// ErsteZeile .. ErsteZeile + 2, leaving alone the one cell the user is
// editing, so a rotation or animation tick never overwrites typing.
void SpalteSchreiben(TStringGrid& G, int Spalte, int ErsteZeile, const TVek_R3& v);

// The pen-width group "1" .. "4" and the style group of the dialogs.
void GroupStiftAnlegen(TRadioGroup& R, const char* Titel = "Stiftbreite");
void GroupStilAnlegen(TRadioGroup& R, const char* Zweites = "gepunktet (Stiftbr. 1)");

// The redraw that ends every attribute click, unless redraws are held back.
void NachAttributNeuZeichnen();
// The picture's redraw it runs (SzeneZeichnen). The drawing lies above the
// windows' state, so ProgrammStart sets it.
inline void (*SzeneNeuZeichnen)() = nullptr;
