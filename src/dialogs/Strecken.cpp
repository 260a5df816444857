#include "forms/Strecken.h"

#include "reports/Datenfenster.h"
#include "view3d/ObjektGeometrie.h"

void TForm_Strecken::FormCreate() {
    ErgebnisseVerbinden(ErgebnisseStrecken);
    SpaltenSetzen(StringGrid1, {{"-8", "-8", "-8"}, {"-8", "-4", "-4"}});
    SpaltenSetzen(StringGrid2, {{"-4", "6", "-4"}, {"4", "6", "4"}});
    SpaltenSetzen(StringGrid3, {{"6", "-6", "-2"}, {"6", "2", "-2"}});
    SpaltenSetzen(StringGrid4, {{"-6", "0", "6"}, {"0", "-6", "6"}});
    Verbinden();
}

void TForm_Strecken::Einlesen(int Nr) { StreckeBerechnen(Nr); }
