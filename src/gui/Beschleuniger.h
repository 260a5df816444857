#pragma once
// Accelerators (Alt+letter) for every menu title and item: a caption that
// carries its own "&" keeps it; every other one gets the first letter that
// is still free in its menu, a word's first letter before any other. The
// letter stays with the action, so a caption the core changes later ("ein"
// becomes "aus") keeps its key.

#include <QString>

class QAction;
class QMenuBar;
class QWidget;

// Gives every action of the menu bar, of its menus and submenus an accelerator.
void BeschleunigerVergeben(QMenuBar* leiste);
// The caption as action a shows it: with a's accelerator when it has one.
QString MitBeschleuniger(const QAction* a, const QString& text);
// The caption without its accelerator mark ("&&" stays a plain "&").
QString OhneBeschleuniger(const QString& text);
