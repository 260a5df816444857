#include "forms/Vektoren.h"

#include "control/Undo.h"
#include "forms/VektSumme.h"
#include "platform/Oberflaeche.h"
#include "reports/Datenfenster.h"
#include "view3d/ObjektGeometrie.h"

void TForm_Vektoren::FormCreate() {
    ErgebnisseVerbinden(ErgebnisseVektoren);
    SpaltenSetzen(StringGrid1, {{"0", "0", "0"}, {"-3", "-3", "0"}});
    SpaltenSetzen(StringGrid2, {{"0", "0", "0"}, {"4", "2", "3"}});
    SpaltenSetzen(StringGrid3, {{"2", "-4", "1"}, {"0", "3", "3"}});
    SpaltenSetzen(StringGrid4, {{"-3", "3", "-2"}, {"2", "1", "4"}});
    But_VSumme.OnClick = [this] { But_VSummeClick(); };
    Verbinden();
}

void TForm_Vektoren::But_VSummeClick() {
    if (!KoordZeigenVektoren) {
        MeldungZeigen("Die Anzeige von Vektorkoordinaten wurde gesperrt!");
        return;
    }
    UndoPunktSetzen();
    for (TStringGrid* G : AlleGitter()) G->Enabled = false;
    Form_VektSumme.FormActivate();
    Form_VektSumme.Visible = true;
    Host().FensterZeigen("Form_VektSumme", false);
}

void TForm_Vektoren::Einlesen(int Nr) { VektorBerechnen(Nr); }
