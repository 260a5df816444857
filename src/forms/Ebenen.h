#pragma once
// Dialog of the planes E1, E2 in parameter form: one grid per plane (column 0
// support point, columns 1 and 2 the direction vectors; x, y, z in rows
// 1..3), the choice of the plane shown, its attribute groups (Objektdialog.h)
// and the button to its coordinate and normal form. Linearly dependent
// direction vectors are refused.

#include "forms/Ergebnismenue.h"
#include "forms/Objektdialog.h"
#include "geometry/Vektor.h"
#include "forms/Schalter.h"
#include "scene/Objekte.h"

inline Byte AktEbene = 1;  // 1 E1, 2 E2; also the plane of the coordinate-form dialog

inline constexpr const char* AbhaengigeRichtungenMeldung =
    "Die beiden Richtungsvektoren dürfen nicht linear abhängig sein!";

struct TForm_Ebenen : TObjektartDialog<TEbene, 2, mitStift | mitStil> {
    TForm_Ebenen();

    TButton But_Koordinatenform;  // opens the coordinate and normal form
    // The menu "Ergebnisse": the planes, then the lines with the planes.
    TErgebnisGruppe ErgebnisseEbenen{"Ebenen", EbenenErgebnisse};
    TErgebnisGruppe ErgebnisseGeradenEbenen{"Geraden - Ebenen", GeradenEbenenErgebnisse};

    void FormCreate();
    void But_KoordinatenformClick();

protected:
    Byte& Akt() override { return AktEbene; }
    TEbene& Objekt(int Nr) override { return Ebene[Nr]; }
    bool KoordZeigen() const override { return KoordZeigenEbenen; }
    TVek_R3 Spaltenvektor(const TEbene& E, int Spalte) const override {
        return Spalte == 0 ? E.Stuetzvektor : Spalte == 1 ? E.Richtungsvektor1 : E.Richtungsvektor2;
    }
    void Einlesen(int Nr) override;
    TAblehnung Ablehnung(TStringGrid& G) override;
    // The coordinate-form dialog always shows the current plane.
    void WeiteresZeigen(const TEbene&) override;
};

inline TForm_Ebenen Form_Ebenen;

// u and v span no plane (u × v is the null vector within 1e-9, or one is a
// multiple of the other).
bool RichtungenAbhaengig(TVek_R3 u, TVek_R3 v);

// Reads plane Nr (1..2) from its grid (colours and arrow widths with it).
void EbeneAusDialog(int Nr);
// Everything that follows a change of plane Nr: both planes' sections,
// piercing points, forms and marks, its trace lines, the intersection line
// sg and the projections of g, h, t onto it.
void EbeneNeuBerechnen(int Nr);
