#include "dialogs/Strecken.h"

#include "dialogs/DialogRoutinen.h"
#include "dialogs/Gitter.h"
#include "mainwindow/Schalter.h"
#include "platform/Zahltext.h"
#include "scene/ObjektGeometrie.h"
#include "scene/Objekte.h"

TForm_Strecken::TForm_Strecken() {
    Caption = "Strecken";
    for (int i = 1; i <= 4; ++i) GitterAnlegen(Gitter(i), 2, 4, 0, 1, {"A", "B"});
    RadioGroup_Objekt.Caption = "Strecke";
    RadioGroup_Objekt.Items = {"S1", "S2", "S3", "S4"};
    RadioGroup_Objekt.ItemIndex = 0;
    GroupStiftAnlegen(GroupStift);
    GroupStift.ItemIndex = 1;  // width 2
    GroupStilAnlegen(GroupStil);
}

TStringGrid& TForm_Strecken::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 4);
    TStringGrid* g[] = {&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4};
    return *g[Nr - 1];
}

TObjektGitter TForm_Strecken::ObjektGitter(TStringGrid& G) {
    for (int Nr = 1; Nr <= 4; ++Nr) {
        if (&G != &Gitter(Nr)) continue;
        TObjektGitter O;
        O.Gitter = &G;
        O.Gedaechtnis = &Gedaechtnis[Nr];
        O.Anwenden = [Nr] { StreckeBerechnen(Nr); };
        O.ObjektText = [Nr](int Spalte, int Zeile) {
            const TStrecke& S = Strecke[Nr];
            const TVek_R3& v = Spalte == 0 ? S.A : S.B;
            return KoordText(Zeile == 1 ? v.x : Zeile == 2 ? v.y : v.z);
        };
        return O;
    }
    return {};
}

void TForm_Strecken::FormCreate() {
    struct { const char* A[3]; const char* B[3]; } start[4] = {
        {{"-8", "-8", "-8"}, {"-8", "-4", "-4"}},
        {{"-4", "6", "-4"}, {"4", "6", "4"}},
        {{"6", "-6", "-2"}, {"6", "2", "-2"}},
        {{"-6", "0", "6"}, {"0", "-6", "6"}},
    };
    for (int i = 1; i <= 4; ++i) {
        const auto& s = start[i - 1];
        SpalteSetzen(Gitter(i), 0, 1, s.A[0], s.A[1], s.A[2]);
        SpalteSetzen(Gitter(i), 1, 1, s.B[0], s.B[1], s.B[2]);
    }
    RadioGroup_Objekt.OnClick = [this] { RadioGroup_ObjektClick(); };
    GroupStift.OnClick = [this] { GroupStiftClick(); };
    GroupStil.OnClick = [this] { GroupStilClick(); };
    GitterAnzeigen({&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4}, AktStrecke,
                   KoordZeigenStrecken);
}

void TForm_Strecken::FormActivate() { ObjektWaehlen(AktStrecke); }

void TForm_Strecken::ObjektWaehlen(int Nr) {
    if (Nr < 1 || Nr > 4) return;
    // A cell left open in the grid shown so far ends as if left.
    if (Nr != AktStrecke && AktStrecke >= 1 && AktStrecke <= 4)
        OffeneZelleVerlassen(Gitter(AktStrecke));
    AktStrecke = static_cast<Byte>(Nr);
    RadioGroup_Objekt.ItemIndex = Nr - 1;
    GitterAnzeigen({&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4}, Nr,
                   KoordZeigenStrecken);
    const TStrecke& S = Strecke[Nr];
    if (S.Stiftbreite >= 1 && S.Stiftbreite <= 4) GroupStift.ItemIndex = S.Stiftbreite - 1;
    GroupStil.ItemIndex = LinienstilZuIndex(S.Linienstil);
}

void TForm_Strecken::RadioGroup_ObjektClick() { ObjektWaehlen(RadioGroup_Objekt.ItemIndex + 1); }

void TForm_Strecken::GroupStiftClick() {
    if (GroupStift.ItemIndex < 0) return;
    Strecke[AktStrecke].Stiftbreite = GroupStift.ItemIndex + 1;
    NachAttributNeuZeichnen();
}

void TForm_Strecken::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Strecke[AktStrecke].Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    NachAttributNeuZeichnen();
}
