#pragma once
// Dialog of the parallelepipeds SP1..SP4: one grid each (column 0 corner A,
// columns 1..3 the edges AB, AD, AE; x, y, z in rows 1..3), the choice of
// the one shown and its attribute groups (Objektdialog.h), with the switch
// of the generating vectors. Linearly dependent edges are refused.

#include <string>

#include "forms/Ergebnismenue.h"
#include "forms/Objektdialog.h"
#include "geometry/Vektor.h"
#include "forms/Schalter.h"
#include "scene/Objekte.h"

inline Byte AktSpat = 1;

inline constexpr const char* AbhaengigeKantenMeldung =
    "Die Vektoren AB, AD und AE dürfen nicht linear abhängig sein!";

struct TForm_Spate : TObjektartDialog<TSpat, 4, mitStift | mitStil> {
    TForm_Spate();

    // The menu "Ergebnisse".
    TErgebnisGruppe ErgebnisseSpate{"Spate", SpatErgebnisse};

    TRadioGroup GroupErz;  // generating vectors shown or not

    void FormCreate();
    void GroupErzClick();

protected:
    Byte& Akt() override { return AktSpat; }
    TSpat& Objekt(int Nr) override { return Spat[Nr]; }
    bool KoordZeigen() const override { return KoordZeigenSpate; }
    TVek_R3 Spaltenvektor(const TSpat& S, int Spalte) const override;
    void Einlesen(int Nr) override;
    TAblehnung Ablehnung(TStringGrid& G) override;
    void WeiteresZeigen(const TSpat& S) override;
};

inline TForm_Spate Form_Spate;
