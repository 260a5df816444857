#include "dialogs/Vektoren.h"

#include "dialogs/DialogRoutinen.h"
#include "dialogs/Gitter.h"
#include "mainwindow/Schalter.h"
#include "platform/Zahltext.h"
#include "scene/ObjektGeometrie.h"
#include "scene/Objekte.h"

TForm_Vektoren::TForm_Vektoren() {
    Caption = "Vektoren";
    for (int i = 1; i <= 4; ++i) GitterAnlegen(Gitter(i), 2, 4, 0, 1, {"A", "Vektor"});
    RadioGroup_Objekt.Caption = "Vektor";
    RadioGroup_Objekt.Items = {"V1", "V2", "V3", "V4"};
    RadioGroup_Objekt.ItemIndex = 0;
    GroupStiftAnlegen(GroupStift);
    GroupStift.ItemIndex = 1;  // width 2
    GroupStilAnlegen(GroupStil);
}

TStringGrid& TForm_Vektoren::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 4);
    TStringGrid* g[] = {&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4};
    return *g[Nr - 1];
}

TObjektGitter TForm_Vektoren::ObjektGitter(TStringGrid& G) {
    for (int Nr = 1; Nr <= 4; ++Nr) {
        if (&G != &Gitter(Nr)) continue;
        TObjektGitter O;
        O.Gitter = &G;
        O.Gedaechtnis = &Gedaechtnis[Nr];
        O.Anwenden = [Nr] { VektorBerechnen(Nr); };
        O.ObjektText = [Nr](int Spalte, int Zeile) {
            const TVektor& V = Vektor[Nr];
            const TVek_R3& v = Spalte == 0 ? V.Anfangspunkt : V.Vektor;
            return KoordText(Zeile == 1 ? v.x : Zeile == 2 ? v.y : v.z);
        };
        return O;
    }
    return {};
}

void TForm_Vektoren::FormCreate() {
    struct { const char* A[3]; const char* v[3]; } start[4] = {
        {{"0", "0", "0"}, {"-3", "-3", "0"}},
        {{"0", "0", "0"}, {"4", "2", "3"}},
        {{"2", "-4", "1"}, {"0", "3", "3"}},
        {{"-3", "3", "-2"}, {"2", "1", "4"}},
    };
    for (int i = 1; i <= 4; ++i) {
        const auto& s = start[i - 1];
        SpalteSetzen(Gitter(i), 0, 1, s.A[0], s.A[1], s.A[2]);
        SpalteSetzen(Gitter(i), 1, 1, s.v[0], s.v[1], s.v[2]);
    }
    RadioGroup_Objekt.OnClick = [this] { RadioGroup_ObjektClick(); };
    GroupStift.OnClick = [this] { GroupStiftClick(); };
    GroupStil.OnClick = [this] { GroupStilClick(); };
    GitterAnzeigen({&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4}, AktVektor,
                   KoordZeigenVektoren);
}

void TForm_Vektoren::FormActivate() { ObjektWaehlen(AktVektor); }

void TForm_Vektoren::ObjektWaehlen(int Nr) {
    if (Nr < 1 || Nr > 4) return;
    // A cell left open in the grid shown so far ends as if left.
    if (Nr != AktVektor && AktVektor >= 1 && AktVektor <= 4) OffeneZelleVerlassen(Gitter(AktVektor));
    AktVektor = static_cast<Byte>(Nr);
    RadioGroup_Objekt.ItemIndex = Nr - 1;
    GitterAnzeigen({&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4}, Nr,
                   KoordZeigenVektoren);
    const TVektor& V = Vektor[Nr];
    if (V.Stiftbreite >= 1 && V.Stiftbreite <= 4) GroupStift.ItemIndex = V.Stiftbreite - 1;
    GroupStil.ItemIndex = LinienstilZuIndex(V.Linienstil);
}

void TForm_Vektoren::RadioGroup_ObjektClick() { ObjektWaehlen(RadioGroup_Objekt.ItemIndex + 1); }

void TForm_Vektoren::GroupStiftClick() {
    if (GroupStift.ItemIndex < 0) return;
    Vektor[AktVektor].Stiftbreite = GroupStift.ItemIndex + 1;
    NachAttributNeuZeichnen();
}

void TForm_Vektoren::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Vektor[AktVektor].Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    NachAttributNeuZeichnen();
}
