#pragma once
// Dialog of the cones and circles Ke1..Ke4: one grid each (column 0 centre
// of the base, column 1 normal vector; x, y, z in rows 1..3), the choice of
// the cone shown, its radius and height fields, spokes (ComboBox1), rim
// thickness (ComboBox2), the spokes switch and the style group.
//
// Cells and the two fields follow the common edit protocol
// (Eingabeprotokoll.h): a null normal vector is refused, radius and height
// must stay below 10 000 in magnitude and go into the cone before it is
// recomputed. Every applied change of a cone also recomputes the scratch
// circle Kreis[0].

#include <optional>
#include <string>

#include "dialogs/Eingabeprotokoll.h"
#include "platform/Komponenten.h"

inline Byte AktKegel = 1;

struct TForm_Kegel : TObjektDialog {
    TForm_Kegel();

    TStringGrid StringGrid1, StringGrid2, StringGrid3, StringGrid4;
    TFeld<TZellenGedaechtnis, 1, 4> Gedaechtnis;
    TRadioGroup RadioGroup_Objekt;  // "Ke1" .. "Ke4": the cone shown
    TEdit Edit_Radius, Edit_Hoehe;  // of the current cone
    TZellenGedaechtnis GedaechtnisRadius, GedaechtnisHoehe;
    TComboBox ComboBox1;            // spokes "3" .. "60"
    TComboBox ComboBox2;            // rim thickness "1" .. "12"
    TCheckBox CheckBox_SpeichenEin; // "Kreis-Speichen ein"
    TRadioGroup GroupStil;

    TStringGrid& Gitter(int Nr);
    TObjektGitter ObjektGitter(TStringGrid& G) override;
    // The protocol of Edit_Radius or Edit_Hoehe (each a value of its own).
    TObjektFelder Massfeld(TEdit& Feld);

    void FormCreate();
    // Display rule and the controls of the current cone.
    void FormActivate();
    void ObjektWaehlen(int Nr);
    void RadioGroup_ObjektClick();
    void GroupStilClick();
    void CheckBox_SpeichenEinClick();
    void ComboBox1Change();
    void ComboBox2Change();

    // Events of the radius and height fields, as for a grid cell.
    using TObjektDialog::TasteGedrueckt;
    std::optional<char> TasteGedrueckt(TEdit& Feld, char Taste);
    void FeldGetippt(TEdit& Feld, const std::string& Text);
    void FeldVerlassen(TEdit& Feld);
};

inline TForm_Kegel Form_Kegel;
