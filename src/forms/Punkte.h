#pragma once
// Dialog of the points P1..P4: one grid each (no fixed row; column 0 the
// fixed labels "x", "y", "z", column 1 the coordinates in rows 0..2), the
// choice of the point shown, the pen-width group (Objektdialog.h) and the
// switch of the point's own crosshair.

#include "forms/Ergebnismenue.h"
#include "forms/Objektdialog.h"
#include "forms/Schalter.h"
#include "scene/Objekte.h"

inline Byte AktPunkt = 1;

struct TForm_Punkte : TObjektartDialog<TPunkt, 4, mitStift> {
    TForm_Punkte();

    // The menu "Ergebnisse": the points, then with lines and planes.
    TErgebnisGruppe ErgebnissePunkte{"Punkte", PunktErgebnisse};
    TErgebnisGruppe ErgebnissePunkteGeraden{"Punkte - Geraden", PunktGeradeErgebnisse};
    TErgebnisGruppe ErgebnissePunkteEbenen{"Punkte - Ebenen", PunktEbeneErgebnisse};

    TCheckBox CheckBox1;  // "mit Fadenkreuz"

    void FormCreate();
    void CheckBox1Click();

protected:
    Byte& Akt() override { return AktPunkt; }
    TPunkt& Objekt(int Nr) override { return Punkt[Nr]; }
    bool KoordZeigen() const override { return KoordZeigenPunkte; }
    TVek_R3 Spaltenvektor(const TPunkt& P, int) const override { return P.Ort; }
    void Einlesen(int Nr) override;
    void WeiteresZeigen(const TPunkt& P) override;
};

inline TForm_Punkte Form_Punkte;
