#pragma once
// The Qt windows of the main window's settings (grid of the axes cube, axes
// cube, vanishing segments, rotation segments, normal vectors, plane
// display, projected and trace lines, difference vectors) and the entries
// of the menu "Einstellungen" that open them and choose colours.

#include <vector>

class Bindungen;
class DialogAnsicht;
class QMenu;
class QWidget;

// Every settings window, children of the main window (hauptfenster may be
// nullptr in tests); the caller registers them with the host by Name().
std::vector<DialogAnsicht*> EinstellungsDialogeAnlegen(QWidget* hauptfenster);

// The settings entries and the submenu "Farben" at the end of menue.
void EinstellungsmenueAnlegen(Bindungen& b, QMenu* menue);
