#pragma once
// The help window: the program's help pages (mainwindow/Hilfe.h) with a
// contents list, F1 in every window, and the about box.

#include <string>

class QWidget;

// Opens (or raises) the help window at the page of that name; an unknown
// name opens the contents.
void HilfeFensterZeigen(const std::string& seite);
// The help window, once it has been opened (nullptr before).
QWidget* HilfeFenster();
// The about box with the program's name and version.
void UeberDasProgramm(QWidget* eltern);
// Makes F1 open the help page of the window it is pressed in, in every
// window of the program (once; later calls do nothing).
void HilfeTasteEinrichten();
