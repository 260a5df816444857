#include "dialogs/Punkte.h"

#include "dialogs/Gitter.h"
#include "mainwindow/Schalter.h"
#include "platform/Zahltext.h"
#include "scene/ObjektGeometrie.h"
#include "scene/Objekte.h"

TForm_Punkte::TForm_Punkte() {
    Caption = "Punkte";
    for (int i = 1; i <= 4; ++i) {
        TStringGrid& g = Gitter(i);
        GitterAnlegen(g, 2, 3, 1, 0);
        SpalteSetzen(g, 0, 0, "x", "y", "z");
    }
    RadioGroup_Objekt.Caption = "Punkt";
    RadioGroup_Objekt.Items = {"P1", "P2", "P3", "P4"};
    RadioGroup_Objekt.ItemIndex = 0;
    GroupStiftAnlegen(GroupStift);
    GroupStift.ItemIndex = 1;  // width 2
    CheckBox1.Caption = "mit Fadenkreuz";
}

TStringGrid& TForm_Punkte::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 4);
    TStringGrid* g[] = {&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4};
    return *g[Nr - 1];
}

TObjektGitter TForm_Punkte::ObjektGitter(TStringGrid& G) {
    for (int Nr = 1; Nr <= 4; ++Nr) {
        if (&G != &Gitter(Nr)) continue;
        TObjektGitter O;
        O.Gitter = &G;
        O.Gedaechtnis = &Gedaechtnis[Nr];
        O.Anwenden = [Nr] { PunktBerechnen(Nr); };
        // x, y, z in rows 0..2.
        O.ObjektText = [Nr](int, int Zeile) {
            const TVek_R3& P = Punkt[Nr].Ort;
            return KoordText(Zeile == 0 ? P.x : Zeile == 1 ? P.y : P.z);
        };
        return O;
    }
    return {};
}

void TForm_Punkte::FormCreate() {
    SpalteSetzen(StringGrid1, 1, 0, "4", "4", "0");
    SpalteSetzen(StringGrid2, 1, 0, "-4", "4", "4");
    SpalteSetzen(StringGrid3, 1, 0, "-4", "-4", "-4");
    SpalteSetzen(StringGrid4, 1, 0, "4", "-4", "4");
    RadioGroup_Objekt.OnClick = [this] { RadioGroup_ObjektClick(); };
    GroupStift.OnClick = [this] { GroupStiftClick(); };
    CheckBox1.OnClick = [this] { CheckBox1Click(); };
    GitterAnzeigen({&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4}, AktPunkt,
                   KoordZeigenPunkte);
}

void TForm_Punkte::FormActivate() { ObjektWaehlen(AktPunkt); }

void TForm_Punkte::ObjektWaehlen(int Nr) {
    if (Nr < 1 || Nr > 4) return;
    // A cell left open in the grid shown so far ends as if left.
    if (Nr != AktPunkt && AktPunkt >= 1 && AktPunkt <= 4) OffeneZelleVerlassen(Gitter(AktPunkt));
    AktPunkt = static_cast<Byte>(Nr);
    RadioGroup_Objekt.ItemIndex = Nr - 1;
    GitterAnzeigen({&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4}, Nr,
                   KoordZeigenPunkte);
    const TPunkt& P = Punkt[Nr];
    if (P.Stiftbreite >= 1 && P.Stiftbreite <= 4) GroupStift.ItemIndex = P.Stiftbreite - 1;
    CheckBox1.Checked = P.mitFadenkreuz == 1;
}

void TForm_Punkte::RadioGroup_ObjektClick() { ObjektWaehlen(RadioGroup_Objekt.ItemIndex + 1); }

void TForm_Punkte::GroupStiftClick() {
    if (GroupStift.ItemIndex < 0) return;
    Punkt[AktPunkt].Stiftbreite = GroupStift.ItemIndex + 1;
    NachAttributNeuZeichnen();
}

void TForm_Punkte::CheckBox1Click() {
    Punkt[AktPunkt].mitFadenkreuz = CheckBox1.Checked ? 1 : 0;
    NachAttributNeuZeichnen();
}
