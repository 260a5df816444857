#pragma once
// Dialog of the vectors V1..V4: one grid each (column 0 start point "A",
// column 1 "Vektor"; x, y, z in rows 1..3), the choice of the one shown and
// its attribute groups (Objektdialog.h). The null vector is a vector like
// any other.

#include "forms/Ergebnismenue.h"
#include "forms/Objektdialog.h"
#include "forms/Schalter.h"
#include "scene/Objekte.h"

inline Byte AktVektor = 1;

struct TForm_Vektoren : TObjektartDialog<TVektor, 4, mitStift | mitStil> {
    TForm_Vektoren();

    // The menu "Ergebnisse".
    TErgebnisGruppe ErgebnisseVektoren{"Vektoren", VektorErgebnisse};
    void FormCreate();

    // Opens the vector-sum window, which writes V1..V4; the grids stay
    // disabled while it is open.
    TButton But_VSumme;
    void But_VSummeClick();

protected:
    Byte& Akt() override { return AktVektor; }
    TVektor& Objekt(int Nr) override { return Vektor[Nr]; }
    bool KoordZeigen() const override { return KoordZeigenVektoren; }
    TVek_R3 Spaltenvektor(const TVektor& V, int Spalte) const override {
        return Spalte == 0 ? V.Anfangspunkt : V.Vektor;
    }
    void Einlesen(int Nr) override;
};

inline TForm_Vektoren Form_Vektoren;
