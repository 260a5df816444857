#include "dialogs/Kugeln.h"

#include "dialogs/DialogRoutinen.h"
#include "dialogs/Gitter.h"
#include "geometry/Eingabe.h"
#include "mainwindow/Schalter.h"
#include "platform/Zahltext.h"
#include "scene/ObjektGeometrie.h"
#include "scene/Objekte.h"
#include "view3d/Ansicht.h"

namespace {
const char* const KnopfTexte[9] = {"25", "13", "9", "7", "5", "12", "6", "4", "2"};
const Byte Dichten[9] = {24, 12, 8, 6, 4, 24, 12, 8, 4};

ZellStand RadiusPruefen(const std::string& Text) { return BetragTextPruefen(Text, 10000); }
}  // namespace

TForm_Kugeln::TForm_Kugeln() {
    Caption = "Kugeln";
    for (int i = 1; i <= 4; ++i) {
        TStringGrid& g = Gitter(i);
        GitterAnlegen(g, 2, 4, 1, 1, {"", "Mittelp."});
        SpalteSetzen(g, 0, 1, "x", "y", "z");
    }
    RadioGroup_Objekt.Caption = "Kugel";
    RadioGroup_Objekt.Items = {"K1", "K2", "K3", "K4"};
    RadioGroup_Objekt.ItemIndex = 0;
    GroupStilAnlegen(GroupStil);
    for (int n = 1; n <= 9; ++n) {
        Knopf(n).Caption = KnopfTexte[n - 1];
        Knopf(n).GroupIndex = n <= 5 ? 1 : 2;
    }
    SpeedButton2.Down = true;  // 12 latitude rings
    SpeedButton6.Down = true;  // 24 meridians
}

TStringGrid& TForm_Kugeln::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 4);
    TStringGrid* g[] = {&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4};
    return *g[Nr - 1];
}

TSpeedButton& TForm_Kugeln::Knopf(int Nr) {
    assert(Nr >= 1 && Nr <= 9);
    TSpeedButton* k[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4, &SpeedButton5,
                         &SpeedButton6, &SpeedButton7, &SpeedButton8, &SpeedButton9};
    return *k[Nr - 1];
}

TObjektGitter TForm_Kugeln::ObjektGitter(TStringGrid& G) {
    for (int Nr = 1; Nr <= 4; ++Nr) {
        if (&G != &Gitter(Nr)) continue;
        TObjektGitter O;
        O.Gitter = &G;
        O.Gedaechtnis = &Gedaechtnis[Nr];
        // The radius is already in the sphere (its field applies it).
        O.Anwenden = [Nr] { KugelBerechnen(Nr); };
        O.ObjektText = [Nr](int, int Zeile) {
            const TVek_R3& M = Kugel[Nr].Mittelpunkt;
            return KoordText(Zeile == 1 ? M.x : Zeile == 2 ? M.y : M.z);
        };
        return O;
    }
    return {};
}

TObjektFelder TForm_Kugeln::Radiusfeld() {
    TObjektFelder O;
    O.Felder = {&Edit_Radius};
    O.Gedaechtnis = &GedaechtnisRadius;
    O.Pruefen = RadiusPruefen;
    O.PruefMeldung = Betrag10000Meldung;
    O.PruefArt = MeldungsArt::Information;
    O.Anwenden = [this] {
        const int i = AktKugel;
        Extended r = Kugel[i].Radius;
        ZelleLesen(Edit_Radius.Text(), r);
        Kugel[i].Radius = r;
        KugelBerechnen(i);
    };
    O.ObjektText = [](int) { return KoordText(Kugel[AktKugel].Radius); };
    return O;
}

void TForm_Kugeln::FormCreate() {
    // Four spheres in four corners of the axes cube, well apart.
    struct { const char* M[3]; Extended r; } start[4] = {
        {{"4", "4", "4"}, 2.0L},
        {{"-4", "4", "-4"}, 2.5L},
        {{"-4", "-4", "4"}, 2.0L},
        {{"4", "-4", "-4"}, 1.5L},
    };
    for (int i = 1; i <= 4; ++i) {
        SpalteSetzen(Gitter(i), 1, 1, start[i - 1].M[0], start[i - 1].M[1], start[i - 1].M[2]);
        Kugel[i].Radius = start[i - 1].r;
    }
    Edit_Radius.SetTextStill("2");
    RadioGroup_Objekt.OnClick = [this] { RadioGroup_ObjektClick(); };
    GroupStil.OnClick = [this] { GroupStilClick(); };
    for (int n = 1; n <= 9; ++n) Knopf(n).OnClick = [this, n] { SpeedButtonClick(n); };
    GitterAnzeigen({&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4}, AktKugel,
                   KoordZeigenKugeln);
}

void TForm_Kugeln::FormActivate() { ObjektWaehlen(AktKugel); }

void TForm_Kugeln::ObjektWaehlen(int Nr) {
    if (Nr < 1 || Nr > 4) return;
    if (Nr != AktKugel && AktKugel >= 1 && AktKugel <= 4) {
        // What is open ends for the sphere shown so far.
        OffeneZelleVerlassen(Gitter(AktKugel));
        if (GedaechtnisRadius.InBearbeitung(0, 0)) FeldVerlassen(Edit_Radius);
    }
    AktKugel = static_cast<Byte>(Nr);
    RadioGroup_Objekt.ItemIndex = Nr - 1;
    GitterAnzeigen({&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4}, Nr,
                   KoordZeigenKugeln);
    const TKugel& K = Kugel[Nr];
    GedaechtnisRadius.Vergessen();
    Edit_Radius.SetTextStill(KoordText(K.Radius));
    GroupStil.ItemIndex = LinienstilZuIndex(K.Linienstil);
    // The density buttons of this sphere; a density no button shows leaves
    // its group as it is.
    for (int k = 1; k <= 5; ++k)
        if (Dichten[k - 1] == K.Breitenkreise)
            for (int j = 1; j <= 5; ++j) Knopf(j).Down = (j == k);
    for (int k = 6; k <= 9; ++k)
        if (Dichten[k - 1] == K.Laengenkreise)
            for (int j = 6; j <= 9; ++j) Knopf(j).Down = (j == k);
}

void TForm_Kugeln::RadioGroup_ObjektClick() { ObjektWaehlen(RadioGroup_Objekt.ItemIndex + 1); }

void TForm_Kugeln::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Kugel[AktKugel].Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    if (!ErsteAktivierung) NachAttributNeuZeichnen();
}

void TForm_Kugeln::SpeedButtonClick(int Nr) {
    if (Nr < 1 || Nr > 9) return;
    const int von = Nr <= 5 ? 1 : 6, bis = Nr <= 5 ? 5 : 9;
    for (int k = von; k <= bis; ++k) Knopf(k).Down = (k == Nr);
    if (Nr <= 5)
        Kugel[AktKugel].Breitenkreise = Dichten[Nr - 1];
    else
        Kugel[AktKugel].Laengenkreise = Dichten[Nr - 1];
    NachAttributNeuZeichnen();
}

std::optional<char> TForm_Kugeln::TasteGedrueckt(TEdit& Feld, char Taste) {
    OffeneZelleVerlassen(Gitter(AktKugel));
    return FeldTasteGedrueckt(Radiusfeld(), Feld, Taste);
}

void TForm_Kugeln::FeldGetippt(TEdit& Feld, const std::string& Text) {
    OffeneZelleVerlassen(Gitter(AktKugel));
    ::FeldGetippt(Radiusfeld(), Feld, Text);
}

void TForm_Kugeln::FeldVerlassen(TEdit& Feld) { ::FeldVerlassen(Radiusfeld(), Feld); }
