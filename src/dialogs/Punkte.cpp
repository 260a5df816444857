#include "forms/Punkte.h"

#include "reports/Datenfenster.h"
#include "view3d/ObjektGeometrie.h"

void TForm_Punkte::FormCreate() {
    ErgebnisseVerbinden(ErgebnissePunkte);
    ErgebnisseVerbinden(ErgebnissePunkteGeraden);
    ErgebnisseVerbinden(ErgebnissePunkteEbenen);
    SpaltenSetzen(StringGrid1, {{"4", "4", "0"}});
    SpaltenSetzen(StringGrid2, {{"-4", "4", "4"}});
    SpaltenSetzen(StringGrid3, {{"-4", "-4", "-4"}});
    SpaltenSetzen(StringGrid4, {{"4", "-4", "4"}});
    CheckBox1.OnClick = [this] { CheckBox1Click(); };
    Verbinden();
}

void TForm_Punkte::Einlesen(int Nr) { PunktBerechnen(Nr); }

void TForm_Punkte::WeiteresZeigen(const TPunkt& P) { CheckBox1.Checked = P.mitFadenkreuz == 1; }

void TForm_Punkte::CheckBox1Click() {
    Punkt[AktPunkt].mitFadenkreuz = CheckBox1.Checked ? 1 : 0;
    NachAttributNeuZeichnen();
}
