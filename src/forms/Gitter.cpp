#include "forms/Gitter.h"

#include "platform/Zahltext.h"
#include "scene/Objekte.h"

void GitterAnlegen(TStringGrid& G, int Spalten, int Zeilen, int FesteSpalten, int FesteZeilen,
                   std::initializer_list<const char*> Kopf) {
    G.Groesse(Spalten, Zeilen);
    G.FixedCols = FesteSpalten;
    G.FixedRows = FesteZeilen;
    G.Col = FesteSpalten < Spalten ? FesteSpalten : 0;
    G.Row = FesteZeilen < Zeilen ? FesteZeilen : 0;
    int c = 0;
    for (const char* k : Kopf) {
        if (c >= Spalten) break;
        G.Cells(c++, 0) = k;
    }
}

void SpalteSetzen(TStringGrid& G, int Spalte, int ErsteZeile, const std::string& x,
                  const std::string& y, const std::string& z) {
    G.Cells(Spalte, ErsteZeile) = x;
    G.Cells(Spalte, ErsteZeile + 1) = y;
    G.Cells(Spalte, ErsteZeile + 2) = z;
}

void SpaltenSetzen(TStringGrid& G, std::initializer_list<std::array<const char*, 3>> Spalten) {
    int c = G.FixedCols;
    for (const auto& s : Spalten) SpalteSetzen(G, c++, G.FixedRows, s[0], s[1], s[2]);
}

void GroupStiftAnlegen(TRadioGroup& R, const char* Titel) {
    R.Caption = Titel;
    R.Items = {"1", "2", "3", "4"};
    R.ItemIndex = 0;
}

void GroupStilAnlegen(TRadioGroup& R, const char* Zweites) {
    R.Caption = "Linienstil";
    R.Items = {"durchgezogen", Zweites};
    R.ItemIndex = 0;
}

void NachAttributNeuZeichnen() {
    if (NeuZeichnenAus == 0 && SzeneNeuZeichnen) SzeneNeuZeichnen();
}

namespace {

void ZelleSchreiben(TStringGrid& G, int Spalte, int Zeile, Extended v) {
    if (G.Bearbeitung && G.Col == Spalte && G.Row == Zeile) return;
    G.Cells(Spalte, Zeile) = KoordText(v);
}

}  // namespace

void SpalteSchreiben(TStringGrid& G, int Spalte, int ErsteZeile, const TVek_R3& v) {
    ZelleSchreiben(G, Spalte, ErsteZeile, v.x);
    ZelleSchreiben(G, Spalte, ErsteZeile + 1, v.y);
    ZelleSchreiben(G, Spalte, ErsteZeile + 2, v.z);
}
