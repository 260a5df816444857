#include "dialogs/Spate.h"

#include "dialogs/DialogRoutinen.h"
#include "dialogs/Gitter.h"
#include "geometry/Geometrie.h"
#include "mainwindow/Schalter.h"
#include "platform/Zahltext.h"
#include "scene/ObjektGeometrie.h"
#include "scene/Objekte.h"

TForm_Spate::TForm_Spate() {
    Caption = "Spate";
    for (int i = 1; i <= 4; ++i) GitterAnlegen(Gitter(i), 4, 4, 0, 1, {"A", "AB", "AD", "AE"});
    RadioGroup_Objekt.Caption = "Spat";
    RadioGroup_Objekt.Items = {"SP1", "SP2", "SP3", "SP4"};
    RadioGroup_Objekt.ItemIndex = 0;
    GroupStiftAnlegen(GroupStift);
    GroupStilAnlegen(GroupStil);
    GroupErz.Caption = "Erzeugende Vektoren";
    GroupErz.Items = {"darstellen", "nicht darstellen"};
    GroupErz.ItemIndex = 1;
}

TStringGrid& TForm_Spate::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 4);
    TStringGrid* g[] = {&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4};
    return *g[Nr - 1];
}

TObjektGitter TForm_Spate::ObjektGitter(TStringGrid& G) {
    for (int Nr = 1; Nr <= 4; ++Nr) {
        if (&G != &Gitter(Nr)) continue;
        TObjektGitter O;
        O.Gitter = &G;
        O.Gedaechtnis = &Gedaechtnis[Nr];
        O.Ablehnung = [&G]() -> std::string {
            TVek_R3 AB, AD, AE;
            SpalteLesen(G, 1, 1, AB);
            SpalteLesen(G, 2, 1, AD);
            SpalteLesen(G, 3, 1, AE);
            return KantenAbhaengig(AB, AD, AE) ? AbhaengigeKantenMeldung : "";
        };
        O.Anwenden = [Nr] { SpatBerechnen(Nr); };
        O.ObjektText = [Nr](int Spalte, int Zeile) {
            const TSpat& S = Spat[Nr];
            const TVek_R3& v = Spalte == 0   ? S.Ecke[1]
                               : Spalte == 1 ? S.AB
                               : Spalte == 2 ? S.AD
                                             : S.AE;
            return KoordText(Zeile == 1 ? v.x : Zeile == 2 ? v.y : v.z);
        };
        return O;
    }
    return {};
}

void TForm_Spate::FormCreate() {
    struct { const char* A[3]; const char* AB[3]; const char* AD[3]; const char* AE[3]; } start[4] = {
        {{"2", "2", "-6"}, {"4", "0", "0"}, {"0", "4", "0"}, {"0", "0", "3"}},
        {{"-6", "2", "2"}, {"3", "0", "0"}, {"1", "3", "0"}, {"0", "1", "3"}},
        {{"-7", "-7", "-7"}, {"3", "0", "0"}, {"0", "3", "0"}, {"0", "0", "3"}},
        {{"2", "-6", "2"}, {"4", "0", "0"}, {"0", "3", "0"}, {"1", "1", "4"}},
    };
    for (int i = 1; i <= 4; ++i) {
        const auto& s = start[i - 1];
        SpalteSetzen(Gitter(i), 0, 1, s.A[0], s.A[1], s.A[2]);
        SpalteSetzen(Gitter(i), 1, 1, s.AB[0], s.AB[1], s.AB[2]);
        SpalteSetzen(Gitter(i), 2, 1, s.AD[0], s.AD[1], s.AD[2]);
        SpalteSetzen(Gitter(i), 3, 1, s.AE[0], s.AE[1], s.AE[2]);
    }
    RadioGroup_Objekt.OnClick = [this] { RadioGroup_ObjektClick(); };
    GroupStift.OnClick = [this] { GroupStiftClick(); };
    GroupStil.OnClick = [this] { GroupStilClick(); };
    GroupErz.OnClick = [this] { GroupErzClick(); };
    GitterAnzeigen({&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4}, AktSpat,
                   KoordZeigenSpate);
}

void TForm_Spate::FormActivate() { ObjektWaehlen(AktSpat); }

void TForm_Spate::ObjektWaehlen(int Nr) {
    if (Nr < 1 || Nr > 4) return;
    // A cell left open in the grid shown so far ends as if left.
    if (Nr != AktSpat && AktSpat >= 1 && AktSpat <= 4) OffeneZelleVerlassen(Gitter(AktSpat));
    AktSpat = static_cast<Byte>(Nr);
    RadioGroup_Objekt.ItemIndex = Nr - 1;
    GitterAnzeigen({&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4}, Nr,
                   KoordZeigenSpate);
    const TSpat& S = Spat[Nr];
    if (S.Stiftbreite >= 1 && S.Stiftbreite <= 4) GroupStift.ItemIndex = S.Stiftbreite - 1;
    GroupStil.ItemIndex = LinienstilZuIndex(S.Linienstil);
    GroupErz.ItemIndex = ErzFlagZuIndex(S.ErzeugendeZeigen);
}

void TForm_Spate::RadioGroup_ObjektClick() { ObjektWaehlen(RadioGroup_Objekt.ItemIndex + 1); }

void TForm_Spate::GroupStiftClick() {
    if (GroupStift.ItemIndex < 0) return;
    Spat[AktSpat].Stiftbreite = GroupStift.ItemIndex + 1;
    NachAttributNeuZeichnen();
}

void TForm_Spate::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Spat[AktSpat].Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    NachAttributNeuZeichnen();
}

void TForm_Spate::GroupErzClick() {
    if (GroupErz.ItemIndex < 0) return;
    Spat[AktSpat].ErzeugendeZeigen = IndexZuErzFlag(static_cast<Byte>(GroupErz.ItemIndex));
    NachAttributNeuZeichnen();
}

bool KantenAbhaengig(TVek_R3 AB, TVek_R3 AD, TVek_R3 AE) { return LinearAbhaengig3(AB, AD, AE); }
