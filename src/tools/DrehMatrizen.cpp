#include "forms/DrehMatrizen.h"

#include <string>

#include "control/Drehsteuerung.h"
#include "forms/Hauptfenster.h"
#include "forms/Speicher.h"
#include "geometry/Vektor.h"
#include "platform/Zahltext.h"
#include "scene/DrehZustand.h"

namespace {

void MatrixSchreiben(const TMatrix33& M, TEdit& (TForm_Dreh_Matrizen::*Zelle)(int, int)) {
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) (Form_Dreh_Matrizen.*Zelle)(i, j).SetText(ZahlFest(M(i, j), 14, 6));
}

const char* AchsBuchstabe(int Code) {
    if (Code == 1 || Code == 2) return "x";
    if (Code == 3 || Code == 4) return "y";
    if (Code == 5 || Code == 6) return "z";
    return "";  // no axis recorded (an entry is always opened with 1..6)
}

}  // namespace

void TForm_Dreh_Matrizen::FormCreate() {
    NullMatrix(MAkt);
    NullMatrix(MGes);
    ZeigeAktuelleDrehmatrix();
    ZeigeDrehungenliste();
    Label8.Caption = "Sie können die Anzeige der Drehungen über den roten Punkt";
}

void TForm_Dreh_Matrizen::FormActivate() {
    if (!AchsenMitDrehen) Label7.Caption = "Drehungen ohne Koordinatenachsen";
}

void TForm_Dreh_Matrizen::FormClose() {
    if (Visible) Form_Edits_01.DrehMatrizenEinAus();
}

bool TForm_Dreh_Matrizen::ZelleRechtsklick(TEdit& E) {
    for (const bool aktuell : {true, false})
        for (int j = 1; j <= 3; ++j)
            for (int i = 1; i <= 3; ++i) {
                TEdit& (TForm_Dreh_Matrizen::*Zelle)(int, int) = aktuell ? &TForm_Dreh_Matrizen::Makt
                                                                          : &TForm_Dreh_Matrizen::Mges;
                if (&(this->*Zelle)(i, j) != &E) continue;
                // A turn stops so the copy is what is shown; recorded
                // rotations stay, since undoing them would clear the very
                // matrices being copied.
                if (DauerDrehen) DauerDrehungEinAus();
                MatrixSpeicher[0] = aktuell ? MAkt : MGes;
                TSpaltenZiel Z;
                Z.Lesen = [this, Zelle, j] {
                    return TSpeicherVektor{(this->*Zelle)(1, j).Text(), (this->*Zelle)(2, j).Text(),
                                           (this->*Zelle)(3, j).Text()};
                };
                Z.MatrixKopieren = true;
                PopupMenu_InSpeicher.Oeffnen(std::move(Z));
                return true;
            }
    return false;
}

void ZeigeAktuelleDrehmatrix() {
    MatrixSchreiben(MAkt, &TForm_Dreh_Matrizen::Makt);
    Form_Dreh_Matrizen.Label4.Caption = "\n" + DrehText;
}

void ZeigeGesamtDrehmatrix() {
    MatrixSchreiben(MGes, &TForm_Dreh_Matrizen::Mges);
    Form_Dreh_Matrizen.Label3.Caption = "\n" + DrehText;
}

void ZeigeDrehungenliste() {
    std::string text;
    const int n = DrehAnzahl < 20 ? DrehAnzahl : 20;
    for (int i = 1; i <= n; ++i) {
        text += "\n" + std::to_string(i) + ". Drehung: um die " + AchsBuchstabe(DrehListe[i].Achse) +
                "-Achse mit " + ZahlFest(DrehListe[i].Winkel, 7, 3) + " Grad";
    }
    Form_Dreh_Matrizen.Label4.Caption = text;
    ZeigeGesamtDrehmatrix();
}
