#pragma once
// The program's help: its pages (German HTML, shown by the help window of
// the front) and which page belongs to which window, so F1 opens the page
// of the window it was pressed in.

#include <span>
#include <string>

struct HilfeSeite {
    const char* Name;   // address of the page; links between pages use it
    const char* Titel;  // line in the contents list
    const char* Html;
};

struct HilfeFensterSeite {
    const char* Fenster;  // window name, as the front registers it
    const char* Seite;
};

// The pages in the order of the contents list; the first is the contents.
std::span<const HilfeSeite> HilfeSeiten();
// Every window of the program with its page.
std::span<const HilfeFensterSeite> HilfeFensterSeiten();
// The page of a window; nullptr for a window without one.
const HilfeSeite* HilfeSeiteSuchen(const std::string& name);
const char* HilfeSeiteFuerFenster(const std::string& fenster);

// F1 in a window: its page, the contents for a window without one.
void HilfeFuerFenster(const std::string& fenster);
