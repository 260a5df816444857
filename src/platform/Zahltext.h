#pragma once
// Number text with the decimal comma, independent of the process locale.

#include <string>
#include <string_view>

#include "platform/Typen.h"

// Reads a number: optional blanks, optional sign, digits with at most one
// comma, optional exponent (E or e, optional sign, digits), optional blanks.
// Returns false (and leaves v alone) for anything else, and for values
// outside the range of Extended.
bool ZahlLesen(std::string_view s, Extended& v);

// Fixed notation: the exact value of v rounded once (half away from zero) at
// the coarser of its `precision`-th significant digit and its `digits`-th
// decimal, then written with exactly `digits` decimals. No minus sign when
// every written digit is zero. When the integer part needs more than
// `precision` digits, the scientific form of ZahlAllgemein with `precision`
// digits. ZahlFest(2.5, 7, 3) == "2,500"; ZahlFest(12.345496, 7, 3) ==
// "12,345"; ZahlFest(12345.6789, 7, 3) == "12345,680".
std::string ZahlFest(Extended v, int precision, int digits);

// General notation with `precision` (default 15) significant digits: shortest
// plain text for 0,00001 <= |v| < 10^precision, else mantissa, "E", exponent
// ("1E15", "3,5527136788005E-15").
std::string ZahlAllgemein(Extended v, int precision = 15);

// The same texts in at most Breite characters, for memories that hold texts
// of a fixed width. A text that is too wide is written with fewer decimals
// (fixed) or fewer significant digits (general), each rounded, so the value
// changes only beyond the last digit kept; an exponent is never cut.
std::string ZahlFestInBreite(Extended v, int precision, int digits, std::size_t Breite);
std::string ZahlAllgemeinInBreite(Extended v, std::size_t Breite);

// A text for a field of at most Breite characters, as reports show typed
// values. A number keeps its value up to the last digit shown: a plain
// decimal whose integer part fits loses decimals only, any other number too
// long is written shorter (general format). Otherwise the text stands as it
// was typed, its sign included ("-0,000000000001" -> "-0,0000000"). A text
// that is no number is cut.
std::string ZahltextInBreite(const std::string& s, std::size_t Breite);

// The program's usual texts: coordinates (7 significant digits, 3 decimals).
inline std::string KoordText(Extended v) { return ZahlFest(v, 7, 3); }
