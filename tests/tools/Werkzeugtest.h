#pragma once
// Shared by the tests of the linear-algebra windows: the started program
// (dialogs/Tippen.h), the texts of several edits at once, and the memory
// popup's items as a user picks them.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "dialogs/Tippen.h"
#include "forms/Speicher.h"
#include "forms/Speichermenue.h"

// Sets the texts of the edits in order, each running its change handler.
inline void Setzen(std::initializer_list<TEdit*> Felder, std::initializer_list<const char*> Texte) {
    auto t = Texte.begin();
    for (TEdit* E : Felder) E->SetText(*t++);
}

inline std::vector<std::string> Texte(std::initializer_list<const TEdit*> Felder) {
    std::vector<std::string> v;
    for (const TEdit* E : Felder) v.push_back(E->Text());
    return v;
}

inline bool Sichtbar(TSpeicherMenue& M, TSpeicherMenue::Gruppe g) { return M.Punkt(g).Visible; }

class Werkzeugtest : public Dialogtest {};
