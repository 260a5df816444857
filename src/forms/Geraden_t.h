#pragma once
// Dialog of the lines g, h, t: one grid per line (column 0 support point,
// column 1 direction vector; x, y, z in rows 1..3), the choice of the line
// shown, and its attribute groups (Objektdialog.h). A null direction vector
// is refused.

#include <string>

#include "forms/Ergebnismenue.h"
#include "forms/Objektdialog.h"
#include "geometry/Vektor.h"
#include "forms/Schalter.h"
#include "scene/Objekte.h"

inline Byte AktGerade = 1;  // 1 g, 2 h, 3 t

inline constexpr const char* NullRichtungMeldung =
    "Der Richtungsvektor darf nicht der Nullvektor sein!";

struct TForm_Geraden_t : TObjektartDialog<TGerade, 3, mitStift | mitStil> {
    TForm_Geraden_t();

    // The menu "Ergebnisse": the lines, then the lines with the planes.
    TErgebnisGruppe ErgebnisseGeraden{"Geraden", GeradenErgebnisse};
    TErgebnisGruppe ErgebnisseGeradenEbenen{"Geraden - Ebenen", GeradenEbenenErgebnisse};

    void FormCreate();

protected:
    Byte& Akt() override { return AktGerade; }
    TGerade& Objekt(int Nr) override { return Gerade[Nr]; }
    bool KoordZeigen() const override { return KoordZeigenGeraden; }
    TVek_R3 Spaltenvektor(const TGerade& L, int Spalte) const override {
        return Spalte == 0 ? L.Stuetzvektor : L.Richtungsvektor;
    }
    void Einlesen(int Nr) override;
    TAblehnung Ablehnung(TStringGrid& G) override;
    // The direction vector is drawn two wider than the line.
    void StiftGewaehlt(TGerade& g) override { g.StiftbreiteVektor = g.Stiftbreite + 2; }
};

inline TForm_Geraden_t Form_Geraden_t;

// True when u may be a direction vector; otherwise the message
// NullRichtungMeldung and false.
bool NullRichtungPruefen(TVek_R3 u);

// Reads line Nr (1..3) from its grid (colours and arrow widths with it).
void GeradeAusDialog(int Nr);
// Everything that follows a change of line Nr: its trace points and drawn
// parts, the positions of g, h, t to each other, its piercing points with
// E1 and E2 and its projections onto them.
void GeradeNeuBerechnen(int Nr);
// The same for h after its support or direction vector was changed in the
// scene object itself (line animation).
void GeradenAnimaNeuBerechnenH();
