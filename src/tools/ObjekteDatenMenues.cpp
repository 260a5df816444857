#include "tools/ObjekteDatenMenues.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/Oberflaeche.h"
#include "scene/Objekte.h"
#include "tools/Objektwerte.h"

namespace {

// The names a caption or title may contain: {P} point, {L} line, {E} plane,
// {K} and {J} spheres, {A} axis.
struct TNamen {
    std::string P, L, E, K, J, A;
};

std::string Text(const char* Muster, const TNamen& N) {
    std::string s;
    for (const char* c = Muster; *c; ++c) {
        if (c[0] == '{' && c[1] && c[2] == '}') {
            switch (c[1]) {
                case 'P': s += N.P; break;
                case 'L': s += N.L; break;
                case 'E': s += N.E; break;
                case 'K': s += N.K; break;
                case 'J': s += N.J; break;
                case 'A': s += N.A; break;
                default: s.append(c, 3); break;
            }
            c += 2;
        } else {
            s += *c;
        }
    }
    return s;
}

TNamen Mit(TNamen N, char Wer, std::string Wert) {
    switch (Wer) {
        case 'P': N.P = std::move(Wert); break;
        case 'L': N.L = std::move(Wert); break;
        case 'E': N.E = std::move(Wert); break;
        case 'K': N.K = std::move(Wert); break;
        case 'J': N.J = std::move(Wert); break;
        default: N.A = std::move(Wert); break;
    }
    return N;
}

const char* const Achsen[4] = {"", "x", "y", "z"};

TMenuItem Eintrag(std::string Caption, std::function<TWert()> Quelle) {
    TMenuItem m;
    m.Caption = std::move(Caption);
    m.OnClick = [q = std::move(Quelle)] { Liefern(q()); };
    return m;
}

TMenuItem Unter(std::string Caption, std::vector<TMenuItem> Items) {
    TMenuItem m;
    m.Caption = std::move(Caption);
    m.Items = std::move(Items);
    return m;
}

// ---- Relations of two object kinds --------------------------------------------------------
// Each relation of an object a of the first kind and b of the second: its
// caption in a's menu and in b's menu (nullptr: not offered there), and its
// value.
struct TRelation {
    const char* BeimErsten;
    const char* BeimZweiten;
    TWert (*Wert)(int a, int b);
};

const TRelation PunktGerade[] = {
    {"Abstand zu {L}  (L)", "Abstand {P}-{L} (L)", PunktGeradeAbstand},
    {"Fußpunkt des Lotes auf {L}", "Fusspkt des Lotes zu {L} durch {P}", PunktGeradeLot},
};
const TRelation PunktEbene[] = {
    {"Abstand zu {E}  (L)", "Abstand von {P} zu {E}  (L)", PunktEbeneAbstand},
    {"Fußpunkt des Lotes auf {E}", "Fußpunkt des Lotes von {P} auf {E}", PunktEbeneLot},
};
const TRelation PunktKugel[] = {
    {"Abstand zum Mittelpunkt  (L)", "Abstand von {P} zum Mittelpunkt von {K}  (L)", PunktKugelAbstand},
    {"Mittelpunkt des Polarkreises", "Mittelpunkt des Polarkreises",
     [](int k, int i) { return Polarkreis(k, i, TKreiswert::Mittelpunkt); }},
    {"Radius des Polarkreises", "Radius des Polarkreises",
     [](int k, int i) { return Polarkreis(k, i, TKreiswert::Radius); }},
    {"Ein Normalenvektor der Polarebene", "Ein Normalenvektor der Polarebene",
     [](int k, int i) { return Polarkreis(k, i, TKreiswert::Normale); }},
};
const TRelation GeradeEbene[] = {
    {"Durchstoßpunkt mit {E}", "Durchstoßpunkt mit {L}", Durchstosspunkt},
};
// The sphere menus' captions of these two follow KugelGeradeTexte.
const TRelation GeradeKugel[] = {
    {"1. Schnittpunkt {L}-{K}", nullptr, [](int n, int i) { return GeradeKugelSchnittpunkt(n, i, 1); }},
    {"2. Schnittpunkt {L}-{K}", nullptr, [](int n, int i) { return GeradeKugelSchnittpunkt(n, i, 2); }},
};
const TRelation KugelEbene[] = {
    {nullptr, "Abstand zwischen dem MP der Kugel und der Ebene  (L)", KugelEbeneAbstand},
    {nullptr, "Berührpunkt", KugelEbeneBeruehrpunkt},
    {nullptr, "Mittelpunkt des Schnittkreises",
     [](int i, int e) { return KugelEbeneKreis(i, e, TKreiswert::Mittelpunkt); }},
    {nullptr, "Radius des Schnittkreises  (L)", [](int i, int e) { return KugelEbeneKreis(i, e, TKreiswert::Radius); }},
    {nullptr, "Normalenvektor des Schnittkreises",
     [](int i, int e) { return KugelEbeneKreis(i, e, TKreiswert::Normale); }},
};
const TRelation KugelKugel[] = {
    {"Mittelpunkt des Schnittkreises", nullptr,
     [](int i, int j) { return KugelKugelKreis(i, j, TKreiswert::Mittelpunkt); }},
    {"Radius des Schnittkreises  (L)", nullptr, [](int i, int j) { return KugelKugelKreis(i, j, TKreiswert::Radius); }},
    {"Normalenvektor des Schnittkreises", nullptr,
     [](int i, int j) { return KugelKugelKreis(i, j, TKreiswert::Normale); }},
    {"Berührpunkt", nullptr, KugelKugelBeruehrpunkt},
};

// The intersection points as the sphere menus word them, [sphere][line][first, second].
const char* const KugelGeradeTexte[4][3][2] = {
    {{"1. Schnittpunkt K1-g", "2. Schnittpunkt K1-g"},
     {"1. Schnittpunkt K1 - h", "2. Schnittpunkt K1 - h"},
     {"1. Schnittpunkt K1-t", "2. Schnittpunkt K1 - t"}},
    {{"1. Schnittpunkt K2 - g", "2. Schnittpunkt K 2 - g"},
     {"1. Schnittpunkt K2 - h", "2. Schnittpunkt K 2 - h"},
     {"1. Schnittpunkt K 2 - t", "2. Schnittpunkt K 2 - t"}},
    {{"1. Schnittpunkt K3-g", "2. Schnittpunkt K3-g"},
     {"1. Schnittpunkt K3-h", "2. Schnittpunkt K3-h"},
     {"1. Schnittpunkt K3-t", "2. Schnittpunkt K3-t"}},
    {{"1. Schnittpunkt K4 - g", "2. Schnittpunkt K4 - g"},
     {"1. Schnittpunkt K4-h", "2. Schnittpunkt K4-h"},
     {"1. Schnittpunkt K-t", "2. Schnittpunkt K-t"}},
};

enum class Seite { Erster, Zweiter };

// The entries of the relations R of the pair (a, b), as the menu of side s
// offers them.
std::vector<TMenuItem> Relationen(std::span<const TRelation> R, Seite s, int a, int b, const TNamen& N) {
    std::vector<TMenuItem> v;
    for (const TRelation& r : R) {
        const char* Muster = s == Seite::Erster ? r.BeimErsten : r.BeimZweiten;
        if (!Muster) continue;
        v.push_back(Eintrag(Text(Muster, N), [w = r.Wert, a, b] { return w(a, b); }));
    }
    return v;
}

std::string Punktname(int k) { return Objektname("P", k); }
std::string Ebenenname(int e) { return Objektname("E", e); }
std::string Kugelname(int i) { return Objektname("K", i); }

// The partners of a pair submenu: numbers von..bis, named by Name, the name
// standing for Wer in the captions.
struct TPartner {
    int von, bis;
    char Wer;
    std::string (*Name)(int);
};
constexpr TPartner PartnerGeraden{1, 3, 'L', Geradenname};
constexpr TPartner PartnerEbenen{1, 2, 'E', Ebenenname};
constexpr TPartner PartnerKugeln{1, 4, 'K', Kugelname};
constexpr TPartner PartnerPunkte{1, 4, 'P', Punktname};

// Titel > one submenu per partner b, captioned PaarTitel with the partner's
// name, holding what Paar(b, names) gives.
TMenuItem Partnermenue(std::string Titel, const char* PaarTitel, const TNamen& N, const TPartner& P,
                       const std::function<std::vector<TMenuItem>(int, const TNamen&)>& Paar) {
    std::vector<TMenuItem> v;
    for (int b = P.von; b <= P.bis; ++b) {
        const TNamen M = Mit(N, P.Wer, P.Name(b));
        v.push_back(Unter(Text(PaarTitel, M), Paar(b, M)));
    }
    return Unter(std::move(Titel), std::move(v));
}

// The relations of a pair kind as one side's menu offers them.
struct TSeitenRelationen {
    std::span<const TRelation> R;
    Seite s;
};

// Titel > one submenu per partner b, holding the relations of this menu's
// object Nr with b.
TMenuItem Relationsmenue(const char* Titel, const char* PaarTitel, const TNamen& N, const TPartner& P,
                         TSeitenRelationen Rel, int Nr) {
    return Partnermenue(Text(Titel, N), PaarTitel, N, P, [Rel, Nr](int b, const TNamen& M) {
        return Rel.s == Seite::Erster ? Relationen(Rel.R, Rel.s, Nr, b, M) : Relationen(Rel.R, Rel.s, b, Nr, M);
    });
}

// ---- The menus of each kind ---------------------------------------------------------------

std::vector<TMenuItem> GeradenMenue(int n) {
    const TNamen N = Mit({}, 'L', Geradenname(n));
    std::vector<TMenuItem> v{
        Eintrag("stv", [n] { return GeradenStuetzvektor(n); }),
        Eintrag("rv", [n] { return GeradenRichtungsvektor(n); }),
        Eintrag("Spurpunkt x,y-Ebene", [n] { return Spurpunkt(n, 1); }),
        Eintrag("Spurpunkt x,z-Ebene", [n] { return Spurpunkt(n, 2); }),
        Eintrag("Spurpunkt y,z-Ebene", [n] { return Spurpunkt(n, 3); }),
        Eintrag("Abstand vom Ursprung  (L)", [n] { return GeradeAbstandUrsprung(n); }),
        Eintrag("Fußpunkt des Lotes zum Ursprungspunkt", [n] { return GeradeLotUrsprung(n); }),
    };
    v.push_back(Relationsmenue("{L}-Ebene", "{L}-{E}", N, PartnerEbenen, {GeradeEbene, Seite::Erster}, n));
    v.push_back(Relationsmenue("{L}-Kugel", "{L}-{K}", N, PartnerKugeln, {GeradeKugel, Seite::Erster}, n));
    v.push_back(Relationsmenue("{L}-Punkte", "{L}-{P}", N, PartnerPunkte, {PunktGerade, Seite::Zweiter}, n));
    return v;
}

std::vector<TMenuItem> EbenenMenue(int e) {
    const TNamen N = Mit({}, 'E', Ebenenname(e));
    std::vector<TMenuItem> v{
        Eintrag("stv", [e] { return EbenenStuetzvektor(e); }),
        Eintrag("rv1", [e] { return EbenenRichtungsvektor(e, 1); }),
        Eintrag("rv2", [e] { return EbenenRichtungsvektor(e, 2); }),
        Eintrag("akt. Normalenvektor", [e] { return EbenenNormalenvektor(e); }),
    };
    for (int a = 1; a <= 3; ++a) {
        const TNamen A = Mit(N, 'A', Achsen[a]);
        v.push_back(Eintrag(Text("Durchstoßpunkt {A}-Achse", A), [e, a] { return AchseDurchstoss(e, a); }));
        v.push_back(Eintrag(Text("Abstand zur {A}-Achse  (L)", A), [e, a] { return AchseAbstand(e, a); }));
    }
    v.push_back(Eintrag(e == 1 ? "Abstand zum Ursprungspunkt  (L)" : "Abstand vom Ursprungspunkt  (L)",
                        [e] { return EbeneAbstandUrsprung(e); }));
    v.push_back(Eintrag("Fußpunkt des Lotes zum Ursprungspunkt", [e] { return EbeneLotUrsprung(e); }));
    v.push_back(Relationsmenue("{E}-Geraden", "{E}-{L}", N, PartnerGeraden, {GeradeEbene, Seite::Zweiter}, e));
    v.push_back(Relationsmenue("{E}-Kugeln", e == 1 ? "{E}-{K}" : "{E} - {K}", N, PartnerKugeln,
                               {KugelEbene, Seite::Zweiter}, e));
    v.push_back(Relationsmenue("{E}-Punkte", "{E}-{P}", N, PartnerPunkte, {PunktEbene, Seite::Zweiter}, e));
    return v;
}

std::vector<TMenuItem> PunktMenue(int k) {
    const TNamen N = Mit({}, 'P', Punktname(k));
    std::vector<TMenuItem> v{
        Eintrag("Punkt", [k] { return PunktOrt(k); }),
        Eintrag("Abstand vom Ursprung  (L)", [k] { return PunktAbstandUrsprung(k); }),
    };
    for (int a = 1; a <= 3; ++a) {
        const TNamen A = Mit(N, 'A', Achsen[a]);
        v.push_back(Eintrag(Text("Abstand von der {A}-Achse  (L)", A), [k, a] { return PunktAchseAbstand(k, a); }));
        v.push_back(Eintrag(Text("Fußpunkt des Lotes auf die {A}-Achse", A), [k, a] { return PunktAchseLot(k, a); }));
    }
    v.push_back(Relationsmenue("{P}-Geraden", "{P}-{L}", N, PartnerGeraden, {PunktGerade, Seite::Erster}, k));
    v.push_back(Relationsmenue("{P}-Ebenen", "{P}-{E}", N, PartnerEbenen, {PunktEbene, Seite::Erster}, k));
    v.push_back(Relationsmenue("{P}-Kugeln", "{P}-{K}", N, PartnerKugeln, {PunktKugel, Seite::Erster}, k));
    return v;
}

std::vector<TMenuItem> KugelMenue(int i) {
    const TNamen N = Mit({}, 'K', Kugelname(i));
    std::vector<TMenuItem> v{
        Eintrag("Mittelpunkt", [i] { return KugelMittelpunkt(i); }),
        Eintrag("Radius  (L)", [i] { return KugelRadius(i); }),
    };
    // Each pair of spheres once, under the lower number.
    const char* const Paare[4] = {"{K}-Kugeln", "{K}- Kugeln", "{K} - Kugeln", nullptr};
    if (Paare[i - 1])
        v.push_back(Relationsmenue(Paare[i - 1], "{K}-{J}", N, TPartner{i + 1, 4, 'J', Kugelname},
                                   {KugelKugel, Seite::Erster}, i));
    v.push_back(Partnermenue(Text(i == 1 ? "{K}-Geraden" : "{K} - Geraden", N), "{K}-{L}", N, PartnerGeraden,
                             [i](int n, const TNamen&) {
                                 std::vector<TMenuItem> p;
                                 for (int w = 0; w < 2; ++w)
                                     p.push_back(Eintrag(KugelGeradeTexte[i - 1][n - 1][w],
                                                         [n, i, w] { return GeradeKugelSchnittpunkt(n, i, w + 1); }));
                                 return p;
                             }));
    // The sphere-plane values are in the plane menus; opening this says so.
    TMenuItem Ebenen = Unter(Text("{K} - Ebenen", N), {});
    for (int e = 1; e <= 2; ++e) {
        TMenuItem m;
        m.Caption = Text("{K} - {E}", Mit(N, 'E', Ebenenname(e)));
        m.Enabled = false;
        Ebenen.Items.push_back(std::move(m));
    }
    Ebenen.OnClick = [] { MeldungZeigen(KugelEbenenHinweis); };
    v.push_back(std::move(Ebenen));
    v.push_back(Relationsmenue("{K} - Punkte", "{K}-{P}", N, PartnerPunkte, {PunktKugel, Seite::Zweiter}, i));
    return v;
}

std::vector<TMenuItem> SpatMenue(int s) {
    std::vector<TMenuItem> v{Eintrag("A (Stützpunkt)", [s] { return SpatEcke(s, 1); })};
    const char* const Kanten[3] = {"AB (1. Erzeugender)", "AD (2. Erzeugender)", "AE (3. Erzeugender)"};
    for (int k = 1; k <= 3; ++k) v.push_back(Eintrag(Kanten[k - 1], [s, k] { return SpatKante(s, k); }));
    if (s != 1) return v;
    // Only the first parallelepiped offers its other corners.
    const char* const Ecken[8] = {"",
                                  "B (a + AB)",
                                  "C (a + AB + AD)",
                                  "D (a + AD)",
                                  "E (a + AE)",
                                  "F (a + AB + AE)",
                                  "G (a + AB + AD + AE)",
                                  "H (a + AD + AE)"};
    for (int e = 2; e <= 8; ++e) v.push_back(Eintrag(Ecken[e - 1], [s, e] { return SpatEcke(s, e); }));
    return v;
}

std::vector<TMenuItem> VektorMenue(int k) {
    return {Eintrag("A (Anfangspunkt des Repräs.)", [k] { return VektorAnfang(k); }),
            Eintrag("Vektor", [k] { return VektorKomponenten(k); }),
            Eintrag(k == 4 ? "Länge des Vektors" : "Länge des Vektors  (L)", [k] { return VektorLaenge(k); })};
}

std::vector<TMenuItem> StreckenMenue(int k) {
    return {Eintrag("A (Anfangspunkt)", [k] { return StreckenEnde(k, 1); }),
            Eintrag("B (Endpunkt)", [k] { return StreckenEnde(k, 2); })};
}

std::vector<TMenuItem> KegelMenue(int k) {
    const struct {
        const char* Caption;
        TKegelwert Wert;
    } Werte[] = {
        {"Mittelpunkt", TKegelwert::Mittelpunkt},
        {"Radius des Grundkreises  (L)", TKegelwert::Radius},
        {"Höhe  (L)", TKegelwert::Hoehe},
        {"Länge einer Mantellinie  (L)", TKegelwert::Mantellinie},
        {"Normalenvektor", TKegelwert::Normale},
    };
    std::vector<TMenuItem> v;
    for (const auto& w : Werte) v.push_back(Eintrag(w.Caption, [k, x = w.Wert] { return Kegelwert(k, x); }));
    return v;
}

}  // namespace

TPopupMenu ObjektMenue(const TRechenObjekt& O) {
    switch (O.Art) {
        case TRechenArt::Gerade: return {GeradenMenue(O.Nr)};
        case TRechenArt::Ebene: return {EbenenMenue(O.Nr)};
        case TRechenArt::Spat: return {SpatMenue(O.Nr)};
        case TRechenArt::Vektor: return {VektorMenue(O.Nr)};
        case TRechenArt::Strecke: return {StreckenMenue(O.Nr)};
        case TRechenArt::Punkt: return {PunktMenue(O.Nr)};
        case TRechenArt::Kugel: return {KugelMenue(O.Nr)};
        case TRechenArt::Kegel: break;
    }
    return {KegelMenue(O.Nr)};
}
