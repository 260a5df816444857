#pragma once
// Dialog of a plane's coordinate form a·x + b·y + c·z + d = 0 and normal form
// n·(x - A) = 0, for the plane AktEbene. Each form is one object of the
// common edit protocol (Eingabeprotokoll.h): a form is applied when all its
// fields are valid, and a null normal vector is refused. Applying a form
// gives the plane a parameter form (EbeneKoordZuParam), writes it into the
// planes dialog and shows the other form of the same plane.
//
// The front reports typing through TasteGedrueckt, FeldGetippt and
// FeldVerlassen (not through the fields' OnChange, which also runs when the
// plane's recomputation writes the fields).

#include <optional>
#include <string>

#include "forms/Eingabeprotokoll.h"
#include "forms/Ergebnismenue.h"
#include "forms/Speichermenue.h"
#include "platform/Komponenten.h"

// Set while this dialog applies a change it made itself: the plane's
// recomputation then keeps the coordinate form and normal as set here.
inline bool EbenKoordQuelle = false;

inline constexpr const char* NullNormaleMeldung =
    "Der Nullvektor ist nicht als Normalenvektor geeignet!";
// A form whose parameter form would leave SzenenZahlGrenze.
inline constexpr const char* EbeneZuWeitMeldung = "Das Ergebnis liegt außerhalb des darstellbaren Zahlenbereichs!";

struct TForm_EbenKoord : TFormZustand {
    TForm_EbenKoord();

    TLabel Label_Ebene;  // "E1" or "E2"
    TEdit Edit_a, Edit_b, Edit_c, Edit_d;
    TEdit Edit_nx, Edit_ny, Edit_nz;
    TEdit Edit_ax, Edit_ay, Edit_az;
    TZellenGedaechtnis GedaechtnisKoord, GedaechtnisNormale;
    // The menu "Ergebnisse": the planes.
    TErgebnisGruppe ErgebnisseEbenen{"Ebenen", EbenenErgebnisse};

    void FormCreate();
    // The current plane's forms into the fields; fields hidden while the
    // coordinates of planes are locked.
    void FormActivate();
    void WerteAnzeigen();
    // Unfinished fields get their last valid text back, the parameter form
    // goes into the planes dialog; the window may close.
    bool FormCloseQuery();

    // The protocol of the coordinate form (Edit_a..Edit_d) and of the normal
    // form (Edit_nx..Edit_nz, Edit_ax..Edit_az).
    TObjektFelder Koordinatenform();
    TObjektFelder Normalenform();
    // The form Feld belongs to.
    TObjektFelder FormMit(const TEdit& Feld);

    std::optional<char> TasteGedrueckt(TEdit& Feld, char Taste);
    void FeldGetippt(TEdit& Feld, const std::string& Text);
    void FeldVerlassen(TEdit& Feld);

    // The popup of the vector fields (control/Einfuegen.cpp): a right click
    // on a field of a, b, c, of n or of A sets its target; false for d.
    TSpeicherMenue PopupMenu_InSpeicher;
    bool FeldGewaehlt(TEdit& Feld);
    void BerechnEinfuegenClick();
};

inline TForm_EbenKoord Form_EbenKoord;
