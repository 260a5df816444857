#include "reports/Berichtlayout.h"

#include <algorithm>
#include <string_view>

#include "forms/Datenausgabe.h"
#include "forms/Ergebnisauswahl.h"
#include "geometry/Geometrie.h"
#include "platform/Zahltext.h"

// ---- Lines -----------------------------------------------------------------------

void AusgabeBeginnen() { Ausgabeliste.clear(); }

void Zeile(std::string Text) { Ausgabeliste.push_back(std::move(Text)); }

void Leerzeile() { Zeile("   "); }

void Leerzeile1() { Zeile(" "); }

void Ueberschrift(const std::string& Titel, int Striche) {
    Zeile(Titel);
    Zeile(std::string(static_cast<std::size_t>(Striche), '-'));
}

void AusgabeBeendenOhneCode() {
    TMemo& M = Form_Datenausgabe.Memo1;
    M.Font.Height = 8;
    // The memo shows exactly the new report; the old lines' storage serves
    // the next build.
    M.Lines.swap(Ausgabeliste);
    Ausgabeliste.clear();
}

void AusgabeBeenden(Byte Code) {
    AusgabeBeendenOhneCode();
    ErgebnisAuswahl = Code;
}

void AusgabeBeendenZwischen(Byte Code, const std::vector<std::string>& Vorn, const std::vector<std::string>& Hinten) {
    TMemo& M = Form_Datenausgabe.Memo1;
    const std::size_t v = Vorn.size(), m = Ausgabeliste.size();
    // A report rebuilt after a step keeps most of its lines: they stay in
    // the memo as they are, unless the user's typing changed them.
    if (M.Lines.size() == v + m + Hinten.size() && std::equal(Vorn.begin(), Vorn.end(), M.Lines.begin()) &&
        std::equal(Hinten.begin(), Hinten.end(), M.Lines.begin() + static_cast<std::ptrdiff_t>(v + m))) {
        for (std::size_t i = 0; i < m; ++i) M.Lines[v + i].swap(Ausgabeliste[i]);
        Ausgabeliste.clear();
        M.Font.Height = 8;
        ErgebnisAuswahl = Code;
        return;
    }
    Ausgabeliste.insert(Ausgabeliste.begin(), Vorn.begin(), Vorn.end());
    Ausgabeliste.insert(Ausgabeliste.end(), Hinten.begin(), Hinten.end());
    AusgabeBeenden(Code);
}

// ---- Numbers ---------------------------------------------------------------------

namespace {

int Stellen(Zahlformat f) { return f == Zahlformat::Fest7 ? 7 : f == Zahlformat::Fest6 ? 6 : 15; }

std::string Text(Extended v, Zahlformat f, int Stellen) {
    return f == Zahlformat::Allgemein ? ZahlAllgemein(v, Stellen) : ZahlFest(v, Stellen, 3);
}

}  // namespace

std::string Zahltext(Extended v, Zahlformat f) { return Text(v, f, Stellen(f)); }

std::string Feldzahl(Extended v, Zahlformat f, std::size_t Breite) {
    const std::string s = Zahltext(v, f);
    if (s.size() <= Breite) return s;
    // A plain decimal whose integer part fits loses decimals only.
    const std::size_t komma = s.find(',');
    if (s.find('E') == std::string::npos && komma != std::string::npos && komma <= Breite)
        return ZahltextInBreite(s, Breite);
    // Fewer digits: once they are fewer than the integer digits, the number
    // is written with an exponent.
    for (int p = Stellen(f) - 1; p >= 1; --p) {
        std::string k = Text(v, f, p);
        if (k.size() <= Breite) return k;
    }
    return s.substr(0, Breite);
}

std::string Feldtext(const std::string& Text) { return ZahltextInBreite(Text, 10); }

std::string Koeffizient(Extended v) {
    const std::string z = Feldzahl(v);
    if (!(v < -Toleranz)) return z;
    if (z.find('E') != std::string::npos) return "(" + Feldzahl(v, Zahlformat::Fest7, 8) + ")";
    return KurzText("(" + z + ")", 10);
}

// ---- Values typed into grids -----------------------------------------------------

TGitterwerte Gitterwerte(const std::string& x, const std::string& y, const std::string& z) {
    TGitterwerte W{Feldtext(x), Feldtext(y), Feldtext(z)};
    TVek_R3 v{};
    W.Zahl = ZahlLesen(W.x, v.x) && ZahlLesen(W.y, v.y) && ZahlLesen(W.z, v.z);
    if (W.Zahl) W.v = v;
    return W;
}

TGitterwerte GitterwerteBuendig(const std::string& x, const std::string& y, const std::string& z) {
    TGitterwerte W = Gitterwerte(x, y, z);
    const int b = MaxLaenge3(W.x, W.y, W.z);
    Spaltenbreite[1] = b;
    for (std::string* e : {&W.x, &W.y, &W.z}) AuffuellenLinks(static_cast<Byte>(b), *e);
    return W;
}

std::string Wert(bool berechenbar, Extended v, const std::string& Einheit, Zahlformat f) {
    return berechenbar ? Zahltext(v, f) + Einheit : NichtBerechenbar;
}

std::string Textpunkt(const std::string& x, const std::string& y, const std::string& z) {
    return "(" + x + "/ " + y + "/ " + z + ")";
}

std::string Klammerpunkt(TVek_R3 P, Zahlformat f) {
    return "(" + Zahltext(P.x, f) + "/ " + Zahltext(P.y, f) + "/ " + Zahltext(P.z, f) + ")";
}

std::string KlammerpunktWeit(TVek_R3 P, Zahlformat f) {
    return "(" + Zahltext(P.x, f) + " / " + Zahltext(P.y, f) + " / " + Zahltext(P.z, f) + ")";
}

// ---- Vector columns and expressions ----------------------------------------------

TSpalte Spalte(TVek_R3 v, Zahlformat f) { return {Feldzahl(v.x, f), Feldzahl(v.y, f), Feldzahl(v.z, f)}; }

TSpalte Spalte(const std::string& x, const std::string& y, const std::string& z) {
    return {Feldtext(x), Feldtext(y), Feldtext(z)};
}

namespace {

// The start of an expression's line as two strings (a margin and its "|").
struct Anfangsteile {
    std::string_view a, b;
};

// Each line is written once into a string of its final length: reports are
// rebuilt at every step of a turn or of the eye point.
void AusdruckSchreiben(const Anfangsteile (&Anfang)[3], const std::vector<TSpalte>& Spalten,
                       const std::vector<TDreiteile>& Trenner, const TDreiteile& Ende) {
    const std::size_t n = Spalten.size();
    std::vector<std::size_t> ziel(n);
    for (std::size_t i = 0; i < n; ++i) {
        const TSpalte& s = Spalten[i];
        const int breite = s.Breite >= 0 ? s.Breite : MaxLaenge3(s.x, s.y, s.z);
        const int nr = static_cast<int>(i) + 1;
        if (nr <= Spaltenbreite.High) Spaltenbreite[nr] = breite;
        // As AuffuellenLinks pads: to the width as a Byte, at most 10.
        ziel[i] = std::min<std::size_t>(static_cast<Byte>(breite), 10);
    }
    const auto zeile = [&](const Anfangsteile& anfang, std::string TSpalte::*teil, std::string TDreiteile::*trenn,
                           const std::string& ende) {
        std::size_t laenge = anfang.a.size() + anfang.b.size() + ende.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0 && i - 1 < Trenner.size()) laenge += (Trenner[i - 1].*trenn).size();
            laenge += std::max((Spalten[i].*teil).size(), ziel[i]);
        }
        std::string z;
        z.reserve(laenge);
        z += anfang.a;
        z += anfang.b;
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0 && i - 1 < Trenner.size()) z += Trenner[i - 1].*trenn;
            const std::string& e = Spalten[i].*teil;
            if (e.size() < ziel[i]) z.append(ziel[i] - e.size(), ' ');
            z += e;
        }
        z += ende;
        Zeile(std::move(z));
    };
    zeile(Anfang[0], &TSpalte::x, &TDreiteile::Oben, Ende.Oben);
    zeile(Anfang[1], &TSpalte::y, &TDreiteile::Mitte, Ende.Mitte);
    zeile(Anfang[2], &TSpalte::z, &TDreiteile::Unten, Ende.Unten);
}

// Between two columns: the operator framed by "|" in the middle line, as
// many blanks framed so in the outer ones.
std::vector<TDreiteile> Operatortrenner(const std::vector<std::string>& Operatoren) {
    std::vector<TDreiteile> trenner;
    trenner.reserve(Operatoren.size());
    for (const std::string& op : Operatoren) {
        const std::string luecke = "|" + std::string(op.size(), ' ') + "|";
        trenner.push_back({luecke, "|" + op + "|", luecke});
    }
    return trenner;
}

void VektorausdruckMit(const std::string& Marke, const std::vector<TSpalte>& Spalten,
                       const std::vector<TDreiteile>& Trenner, const TDreiteile& Ende) {
    const std::string rand(Marke.size(), ' ');
    const Anfangsteile anfang[3] = {{rand, "|"}, {Marke, "|"}, {rand, "|"}};
    AusdruckSchreiben(anfang, Spalten, Trenner, Ende);
}

}  // namespace

void Ausdruck(const TDreiteile& Anfang, const std::vector<TSpalte>& Spalten,
              const std::vector<TDreiteile>& Trenner, const TDreiteile& Ende) {
    const Anfangsteile anfang[3] = {{Anfang.Oben, {}}, {Anfang.Mitte, {}}, {Anfang.Unten, {}}};
    AusdruckSchreiben(anfang, Spalten, Trenner, Ende);
}

void Vektorausdruck(const std::string& Marke, const std::vector<TSpalte>& Spalten,
                    const std::vector<std::string>& Operatoren, const TDreiteile& Ende) {
    VektorausdruckMit(Marke, Spalten, Operatortrenner(Operatoren), Ende);
}

void Parameterform(const std::string& Marke, const std::vector<TSpalte>& Spalten, const TDreiteile& Ende) {
    static const std::vector<TDreiteile> trenner = Operatortrenner({"  + k * ", "  + r * "});
    VektorausdruckMit(Marke, Spalten, trenner, Ende);
}
