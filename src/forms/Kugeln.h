#pragma once
// Dialog of the spheres K1..K4: one grid each (row 0 and column 0 fixed,
// column 1 the centre in rows 1..3), the choice of the sphere shown, its
// radius field, the style group (Objektdialog.h) and the mesh densities:
// SpeedButton1..5 (captions "25" "13" "9" "7" "5": latitude densities 24,
// 12, 8, 6, 4) and SpeedButton6..9 (captions "12" "6" "4" "2": longitude
// densities 24, 12, 8, 4), each set one group.
//
// Cells and the radius field follow the common edit protocol
// (Eingabeprotokoll.h); the radius must stay below 10 000 in magnitude and
// goes into the sphere before its mesh is recomputed.

#include <optional>
#include <string>

#include "forms/Ergebnismenue.h"
#include "forms/Objektdialog.h"
#include "forms/Schalter.h"
#include "scene/Objekte.h"

inline Byte AktKugel = 1;

inline constexpr const char* NegativerRadiusMeldung = "Der Radius darf nicht negativ sein!";

struct TForm_Kugeln : TObjektartDialog<TKugel, 4, mitStil> {
    TForm_Kugeln();

    // The menu "Ergebnisse": the spheres, then with points, lines, planes.
    TErgebnisGruppe ErgebnisseKugeln{"Kugeln", KugelErgebnisse};
    TErgebnisGruppe ErgebnisseKugelnPunkte{"Kugeln - Punkte", KugelPunktErgebnisse};
    TErgebnisGruppe ErgebnisseKugelnGeraden{"Kugeln - Geraden", KugelGeradeErgebnisse};
    TErgebnisGruppe ErgebnisseKugelnEbenen{"Kugeln - Ebenen", KugelEbeneErgebnisse};

    TEdit Edit_Radius;              // radius of the current sphere
    TZellenGedaechtnis GedaechtnisRadius;
    TSpeedButton SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5;
    TSpeedButton SpeedButton6, SpeedButton7, SpeedButton8, SpeedButton9;

    TSpeedButton& Knopf(int Nr);  // SpeedButton1..9
    // The protocol of the radius field.
    TObjektFelder Radiusfeld();

    void FormCreate();
    // A density button (1..9): presses it within its group and sets the
    // density of the current sphere.
    void SpeedButtonClick(int Nr);

    // Events of the radius field, as for a grid cell.
    using TObjektDialog::TasteGedrueckt;
    std::optional<char> TasteGedrueckt(TEdit& Feld, char Taste);
    void FeldGetippt(TEdit& Feld, const std::string& Text);
    void FeldVerlassen(TEdit& Feld);

protected:
    Byte& Akt() override { return AktKugel; }
    TKugel& Objekt(int Nr) override { return Kugel[Nr]; }
    bool KoordZeigen() const override { return KoordZeigenKugeln; }
    TVek_R3 Spaltenvektor(const TKugel& K, int) const override { return K.Mittelpunkt; }
    void Einlesen(int Nr) override;
    void OffenesVerlassen() override;
    void WeiteresZeigen(const TKugel& K) override;
    void NachAttributZeichnen() override;
};

inline TForm_Kugeln Form_Kugeln;
