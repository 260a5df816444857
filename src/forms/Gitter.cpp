#include "forms/Gitter.h"

#include <charconv>
#include <cmath>
#include <map>
#include <tuple>

#include "geometry/Eingabe.h"
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

using Zellort = std::tuple<const TStringGrid*, int, int>;
int gespeicherteTiefe = 0;
std::map<Zellort, TZellwert> gemerkteWerte;

bool ZellwertLesen(const TStringGrid& G, int Spalte, int Zeile, Extended& v) {
    const TZellwert* Notiz = nullptr;
    if (!gemerkteWerte.empty()) {
        const auto it = gemerkteWerte.find({&G, Spalte, Zeile});
        if (it != gemerkteWerte.end()) Notiz = &it->second;
    }
    return ZelleLesen(G.Cells(Spalte, Zeile), Notiz, v);
}

// Significant digits of the shortest text that reads back as v (finite).
int KuerzesteStellen(Extended v) {
    char text[64];
    const auto ende = std::to_chars(text, text + sizeof text, v, std::chars_format::scientific).ptr;
    int n = 0;
    for (const char* p = text; p != ende && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') ++n;
    return n;
}

void ZelleSchreiben(TStringGrid& G, int Spalte, int Zeile, Extended v, BearbeiteteZelle Bearbeitete) {
    std::string& Zelle = G.Cells(Spalte, Zeile);
    const bool Offen = G.Bearbeitung && G.Col == Spalte && G.Row == Zeile;
    const bool Lassen = Offen && Bearbeitete == BearbeiteteZelle::Lassen;
    if (Offen) {
        G.Geschrieben = v;
        if (!Lassen) ++G.Ueberschrieben;
    }
    // Typing left in place keeps its text; a rebuild from the grids inside
    // a GespeicherteZellwerte still reads what was written.
    if (!Lassen) Zelle = ZellText(v);
    if (gespeicherteTiefe > 0) gemerkteWerte[{&G, Spalte, Zeile}] = {Zelle, v};
}

}  // namespace

std::string ZellText(Extended v) {
    // A -0 shows as 0,000 (a turn by more than a right angle makes them);
    // while a stored scene is rebuilt, its note keeps the sign.
    const std::string koord = KoordText(v);
    if (!std::isfinite(v)) return koord;
    // No text with fewer digits than the shortest that reads back as v can
    // do so, the coordinate text included; a turned point needs about 20,
    // so a rotation step reads no text back.
    const int kuerzeste = KuerzesteStellen(v);
    if (kuerzeste > 18) return koord;
    Extended w = 0;
    if (ZelleLesen(koord, w) && w == v) return koord;
    for (int stellen = kuerzeste; stellen <= 18; ++stellen) {
        const std::string t = ZahlAllgemein(v, stellen);
        if (PruefText(t) == t && ZelleLesen(t, w) && w == v) return t;
    }
    return koord;
}

void SpalteSchreiben(TStringGrid& G, int Spalte, int ErsteZeile, const TVek_R3& v, BearbeiteteZelle Bearbeitete) {
    ZelleSchreiben(G, Spalte, ErsteZeile, v.x, Bearbeitete);
    ZelleSchreiben(G, Spalte, ErsteZeile + 1, v.y, Bearbeitete);
    ZelleSchreiben(G, Spalte, ErsteZeile + 2, v.z, Bearbeitete);
}

bool SpalteLesen(const TStringGrid& G, int Spalte, int ErsteZeile, TVek_R3& v) {
    Extended x, y, z;
    if (!ZellwertLesen(G, Spalte, ErsteZeile, x) || !ZellwertLesen(G, Spalte, ErsteZeile + 1, y) ||
        !ZellwertLesen(G, Spalte, ErsteZeile + 2, z))
        return false;
    v = TVek_R3{x, y, z};
    return true;
}

void ZellwertNotieren(const TStringGrid& G, int Spalte, int Zeile, Extended v) {
    if (gespeicherteTiefe > 0) gemerkteWerte[{&G, Spalte, Zeile}] = {G.Cells(Spalte, Zeile), v};
}

bool ZeigtWert(const std::string& Text, Extended v) {
    Extended w = 0;
    if (!ZelleLesen(Text, w)) return false;
    return GleicherWert(w, v) || KoordText(w) == KoordText(v);
}

GespeicherteZellwerte::GespeicherteZellwerte() { ++gespeicherteTiefe; }

GespeicherteZellwerte::~GespeicherteZellwerte() {
    if (--gespeicherteTiefe == 0) gemerkteWerte.clear();
}
