#include "forms/Kugeln.h"

#include "geometry/Eingabe.h"
#include "reports/Datenfenster.h"
#include "scene/Ansicht.h"
#include "view3d/ObjektGeometrie.h"

namespace {
const Byte Dichten[9] = {24, 12, 8, 6, 4, 24, 12, 8, 4};

ZellStand RadiusPruefen(const std::string& Text) { return BetragTextPruefen(Text, 10000); }
}  // namespace

// The radius is already in the sphere (its field applies it).
void TForm_Kugeln::Einlesen(int Nr) { KugelBerechnen(Nr); }

TObjektFelder TForm_Kugeln::Radiusfeld() {
    TObjektFelder O;
    O.Felder = {&Edit_Radius};
    O.Gedaechtnis = &GedaechtnisRadius;
    O.Pruefen = RadiusPruefen;
    O.PruefMeldung = Betrag10000Meldung;
    O.PruefArt = MeldungsArt::Information;
    // A negative radius would give negative volumes and areas; 0 is a point.
    O.Ablehnung = [this]() -> std::string {
        Extended r = 0;
        return ZelleLesen(Edit_Radius.Text(), r) && r < 0 ? NegativerRadiusMeldung : "";
    };
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
    ErgebnisseVerbinden(ErgebnisseKugeln);
    ErgebnisseVerbinden(ErgebnisseKugelnPunkte);
    ErgebnisseVerbinden(ErgebnisseKugelnGeraden);
    ErgebnisseVerbinden(ErgebnisseKugelnEbenen);
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
    for (int n = 1; n <= 9; ++n) Knopf(n).OnClick = [this, n] { SpeedButtonClick(n); };
    Verbinden();
}

// The radius field ends with the grid's open cell.
void TForm_Kugeln::OffenesVerlassen() {
    OffeneZelleVerlassen(Gitter(AktKugel));
    if (GedaechtnisRadius.InBearbeitung(0, 0)) FeldVerlassen(Edit_Radius);
}

void TForm_Kugeln::WeiteresZeigen(const TKugel& K) {
    GedaechtnisRadius.Vergessen();
    Edit_Radius.SetTextStill(KoordText(K.Radius));
    // The density buttons of this sphere; a density no button shows leaves
    // its group as it is.
    for (int k = 1; k <= 5; ++k)
        if (Dichten[k - 1] == K.Breitenkreise)
            for (int j = 1; j <= 5; ++j) Knopf(j).Down = (j == k);
    for (int k = 6; k <= 9; ++k)
        if (Dichten[k - 1] == K.Laengenkreise)
            for (int j = 6; j <= 9; ++j) Knopf(j).Down = (j == k);
}

// The style group redraws only after the first activation.
void TForm_Kugeln::NachAttributZeichnen() {
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
