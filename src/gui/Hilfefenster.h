#pragma once
// The program's own help: short German pages shipped inside the program,
// shown in one help window with a contents list, and the about box.

#include <string>

class QWidget;

// Opens (or raises) the help window at the page of that name; an unknown
// name opens the contents.
void HilfeFensterZeigen(const std::string& seite);
// The help window, once it has been opened (nullptr before).
QWidget* HilfeFenster();
// The about box with the program's name and version.
void UeberDasProgramm(QWidget* eltern);
// The names of the pages (for the contents and for tests).
const char* const* HilfeSeitenNamen();
