#pragma once
// Report lines on printed pages: 49 lines a page in a fixed-pitch font, font
// size and margins scaled from the page width (2400 device pixels give a font
// 50 pixels high, a left margin of 290 and a top margin of 400).

#include <string>
#include <vector>

class Druckauftrag;

inline constexpr int ZeilenJeSeite = 49;

void BerichtDrucken(const std::vector<std::string>& Zeilen, const std::string& Schrift, Druckauftrag& D);
