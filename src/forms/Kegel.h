#pragma once
// Dialog of the cones and circles Ke1..Ke4: one grid each (column 0 centre
// of the base, column 1 normal vector; x, y, z in rows 1..3), the choice of
// the cone shown, its radius and height fields, spokes (ComboBox1), rim
// thickness (ComboBox2), the spokes switch and the style group
// (Objektdialog.h).
//
// Cells and the two fields follow the common edit protocol
// (Eingabeprotokoll.h): a null normal vector is refused, radius and height
// must stay below 10 000 in magnitude and go into the cone before it is
// recomputed. Every applied change of a cone also recomputes the scratch
// circle Kreis[0].

#include <optional>
#include <string>

#include "forms/Ergebnismenue.h"
#include "forms/Objektdialog.h"
#include "forms/Schalter.h"
#include "scene/Objekte.h"

inline Byte AktKegel = 1;

struct TForm_Kegel : TObjektartDialog<TKegel, 4, mitStil> {
    TForm_Kegel();

    // The menu "Ergebnisse".
    TErgebnisGruppe ErgebnisseKegel{"Kegel", KegelErgebnisse};

    TEdit Edit_Radius, Edit_Hoehe;  // of the current cone
    TZellenGedaechtnis GedaechtnisRadius, GedaechtnisHoehe;
    TComboBox ComboBox1;            // spokes "3" .. "60"
    TComboBox ComboBox2;            // rim thickness "1" .. "12"
    TCheckBox CheckBox_SpeichenEin; // "Kreis-Speichen ein"

    // The protocol of Edit_Radius or Edit_Hoehe (each a value of its own).
    TObjektFelder Massfeld(TEdit& Feld);

    void FormCreate();
    void CheckBox_SpeichenEinClick();
    void ComboBox1Change();
    void ComboBox2Change();

    // Events of the radius and height fields, as for a grid cell.
    using TObjektDialog::TasteGedrueckt;
    std::optional<char> TasteGedrueckt(TEdit& Feld, char Taste);
    void FeldGetippt(TEdit& Feld, const std::string& Text);
    void FeldVerlassen(TEdit& Feld);

protected:
    Byte& Akt() override { return AktKegel; }
    TKegel& Objekt(int Nr) override { return Kegel[Nr]; }
    bool KoordZeigen() const override { return KoordZeigenKegel; }
    TVek_R3 Spaltenvektor(const TKegel& K, int Spalte) const override {
        return Spalte == 0 ? K.Mittelpunkt : K.Normalenvektor;
    }
    void Einlesen(int Nr) override;
    TAblehnung Ablehnung(TStringGrid& G) override;
    void OffenesVerlassen() override;
    void WeiteresZeigen(const TKegel& K) override;
};

inline TForm_Kegel Form_Kegel;
