#include "dialogs/Geraden_t.h"

#include <cmath>

#include "dialogs/DialogRoutinen.h"
#include "dialogs/Gitter.h"
#include "mainwindow/Schalter.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahltext.h"
#include "scene/ObjektGeometrie.h"
#include "scene/Objekte.h"
#include "view3d/Abgeleitet.h"
#include "view3d/Ansicht.h"

TForm_Geraden_t::TForm_Geraden_t() {
    Caption = "Geraden";
    for (int i = 1; i <= 3; ++i) GitterAnlegen(Gitter(i), 2, 4, 0, 1, {"Stütz-V.", "Richt.-V."});
    RadioGroup_Objekt.Caption = "Gerade";
    RadioGroup_Objekt.Items = {"g", "h", "t"};
    RadioGroup_Objekt.ItemIndex = 0;
    GroupStiftAnlegen(GroupStift);
    GroupStilAnlegen(GroupStil);
}

TStringGrid& TForm_Geraden_t::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 3);
    return Nr == 1 ? StringGrid1 : Nr == 2 ? StringGrid2 : StringGrid3;
}

TObjektGitter TForm_Geraden_t::ObjektGitter(TStringGrid& G) {
    for (int Nr = 1; Nr <= 3; ++Nr) {
        if (&G != &Gitter(Nr)) continue;
        TObjektGitter O;
        O.Gitter = &G;
        O.Gedaechtnis = &Gedaechtnis[Nr];
        O.Ablehnung = [&G]() -> std::string {
            TVek_R3 u;
            SpalteLesen(G, 1, 1, u);
            return IstNullRichtung(u) ? NullRichtungMeldung : "";
        };
        O.Anwenden = [Nr] {
            GeradeAusDialog(Nr);
            GeradeNeuBerechnen(Nr);
        };
        O.ObjektText = [Nr](int Spalte, int Zeile) {
            const TGerade& L = Gerade[Nr];
            const TVek_R3& v = Spalte == 0 ? L.Stuetzvektor : L.Richtungsvektor;
            return KoordText(Zeile == 1 ? v.x : Zeile == 2 ? v.y : v.z);
        };
        return O;
    }
    return {};
}

void TForm_Geraden_t::FormCreate() {
    // g and h meet in (4, 0, 1); t is parallel to h and skew to g; g pierces
    // E1 and E2 inside the axes cube and has three distinct trace points.
    SpalteSetzen(StringGrid1, 0, 1, "-5", "-3", "-2");
    SpalteSetzen(StringGrid1, 1, 1, "3", "1", "1");
    SpalteSetzen(StringGrid2, 0, 1, "6", "-2", "1");
    SpalteSetzen(StringGrid2, 1, 1, "-2", "2", "0");
    SpalteSetzen(StringGrid3, 0, 1, "0", "0", "5");
    SpalteSetzen(StringGrid3, 1, 1, "-2", "2", "0");
    FarbeG = 0x00FF0000;  // blue
    FarbeH = 0x00008000;  // green
    FarbeT = 0x00004080;  // brown
    RadioGroup_Objekt.OnClick = [this] { RadioGroup_ObjektClick(); };
    GroupStift.OnClick = [this] { GroupStiftClick(); };
    GroupStil.OnClick = [this] { GroupStilClick(); };
    GitterAnzeigen({&StringGrid1, &StringGrid2, &StringGrid3}, AktGerade, KoordZeigenGeraden);
}

void TForm_Geraden_t::FormActivate() { ObjektWaehlen(AktGerade); }

void TForm_Geraden_t::ObjektWaehlen(int Nr) {
    if (Nr < 1 || Nr > 3) return;
    AktGerade = static_cast<Byte>(Nr);
    RadioGroup_Objekt.ItemIndex = Nr - 1;
    GitterAnzeigen({&StringGrid1, &StringGrid2, &StringGrid3}, Nr, KoordZeigenGeraden);
    const TGerade& L = Gerade[Nr];
    if (L.Stiftbreite >= 1 && L.Stiftbreite <= 4) GroupStift.ItemIndex = L.Stiftbreite - 1;
    GroupStil.ItemIndex = LinienstilZuIndex(L.Linienstil);
}

void TForm_Geraden_t::RadioGroup_ObjektClick() { ObjektWaehlen(RadioGroup_Objekt.ItemIndex + 1); }

void TForm_Geraden_t::GroupStiftClick() {
    if (GroupStift.ItemIndex < 0) return;
    TGerade& g = Gerade[AktGerade];
    g.Stiftbreite = GroupStift.ItemIndex + 1;
    g.StiftbreiteVektor = g.Stiftbreite + 2;
    NachAttributNeuZeichnen();
}

void TForm_Geraden_t::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Gerade[AktGerade].Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    NachAttributNeuZeichnen();
}

bool IstNullRichtung(TVek_R3 u) {
    return std::fabs(u.x) < Toleranz && std::fabs(u.y) < Toleranz && std::fabs(u.z) < Toleranz;
}

bool NullRichtungPruefen(TVek_R3 u) {
    if (IstNullRichtung(u)) {
        MeldungZeigen(NullRichtungMeldung, MeldungsArt::Warnung);
        return false;
    }
    return true;
}

void GeradeAusDialog(int Nr) {
    if (Nr == 1)
        GeradeGAusDialog();
    else if (Nr == 2)
        GeradeHAusDialog();
    else
        GeradeTAusDialog();
}

void GeradeNeuBerechnen(int Nr) {
    // AktLinienNr as the whole recomputation sets it for g, h and t.
    AktLinienNr = Nr == 3 ? 33 : Nr;
    GeradeBerechnen(Gerade[Nr]);  // ends with GeradenLage
    // Piercing points and positions in E1 and E2.
    AktLinienNr = 3;
    EbeneBerechnen(Ebene[1]);
    AktLinienNr = 4;
    EbeneBerechnen(Ebene[2]);
    // Its projections onto E1 and E2.
    for (int i = 2 * Nr - 1; i <= 2 * Nr; ++i) {
        AktLinienNr = 5 + i;
        ProjektionsgeradenBerechnen(static_cast<Byte>(i));
        if (Projektionsgeraden[i].gueltig == 1) GeradeBerechnen(Projektionsgeraden[i]);
    }
}

void GeradenAnimaNeuBerechnenH() { GeradeNeuBerechnen(2); }
