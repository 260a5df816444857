#pragma once
// Dialog of the segments S1..S4: one grid each (end points "A" and "B" in
// columns 0 and 1; x, y, z in rows 1..3), the choice of the one shown and
// its attribute groups (Objektdialog.h).

#include "forms/Ergebnismenue.h"
#include "forms/Objektdialog.h"
#include "forms/Schalter.h"
#include "scene/Objekte.h"

inline Byte AktStrecke = 1;

struct TForm_Strecken : TObjektartDialog<TStrecke, 4, mitStift | mitStil> {
    TForm_Strecken();

    // The menu "Ergebnisse".
    TErgebnisGruppe ErgebnisseStrecken{"Strecken", StreckenErgebnisse};
    void FormCreate();

protected:
    Byte& Akt() override { return AktStrecke; }
    TStrecke& Objekt(int Nr) override { return Strecke[Nr]; }
    bool KoordZeigen() const override { return KoordZeigenStrecken; }
    TVek_R3 Spaltenvektor(const TStrecke& S, int Spalte) const override {
        return Spalte == 0 ? S.A : S.B;
    }
    void Einlesen(int Nr) override;
};

inline TForm_Strecken Form_Strecken;
