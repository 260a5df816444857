#include "view3d/Drehen.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "forms/Ebenen.h"
#include "forms/Fadenkreuz.h"
#include "forms/Geraden_t.h"
#include "forms/Gitter.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "geometry/Geometrie.h"
#include "forms/Hauptfenster.h"
#include "platform/Zahltext.h"
#include "view3d/ObjektGeometrie.h"
#include "view3d/Abgeleitet.h"
#include "view3d/Szene.h"
#include "scene/DrehZustand.h"

// ---- The turn of one step ---------------------------------------------------------

PunktDrehung::PunktDrehung(int Achse, Extended Winkel) : umGerade_(false), achse_(Achse) {
    // The same sine and cosine DrehePunktUmAchse takes for every point.
    const Extended a = Winkel * GradZuBogen;
    c_ = std::cos(a);
    s_ = std::sin(a);
}

PunktDrehung::PunktDrehung(const DrehungUmGerade& G) : umGerade_(true), gerade_(G) {}

void PunktDrehung::Punkt(TVek_R3& P) const {
    if (umGerade_) {
        gerade_.Anwenden(P, P);
        return;
    }
    const Extended x = P.x, y = P.y, z = P.z;
    switch (achse_) {
        case 1: P = {x, c_ * y - s_ * z, s_ * y + c_ * z}; break;
        case 2: P = {c_ * x + s_ * z, y, -s_ * x + c_ * z}; break;
        case 3: P = {c_ * x - s_ * y, s_ * x + c_ * y, z}; break;
        default: break;
    }
}

void PunktDrehung::Richtung(TVek_R3& v) const {
    if (umGerade_)
        MatrixMalVektor(gerade_.T, v, v);
    else
        Punkt(v);  // the axis runs through the origin
}

DrehungUmGerade DrehachsenDrehung() {
    return DrehungUmGerade(Drehwinkel, Drehachse.VektorAnfang, Drehachse.VektorEnde);
}

// ---- Write-back -------------------------------------------------------------------

namespace {


}  // namespace

void GeradenDatenInDialog() {
    for (int i = 1; i <= 3; ++i) {
        TStringGrid& G = Form_Geraden_t.Gitter(i);
        SpalteSchreiben(G, 0, 1, Gerade[i].Stuetzvektor);
        SpalteSchreiben(G, 1, 1, Gerade[i].Richtungsvektor);
    }
}

void EbenenDatenInDialog() {
    for (int i = 1; i <= 2; ++i) {
        TStringGrid& G = Form_Ebenen.Gitter(i);
        SpalteSchreiben(G, 0, 1, Ebene[i].Stuetzvektor);
        SpalteSchreiben(G, 1, 1, Ebene[i].Richtungsvektor1);
        SpalteSchreiben(G, 2, 1, Ebene[i].Richtungsvektor2);
    }
}

void SpateDatenInDialog() {
    for (int i = 1; i <= 4; ++i) {
        TStringGrid& G = Form_Spate.Gitter(i);
        SpalteSchreiben(G, 0, 1, Spat[i].Ecke[1]);
        SpalteSchreiben(G, 1, 1, Spat[i].AB);
        SpalteSchreiben(G, 2, 1, Spat[i].AD);
        SpalteSchreiben(G, 3, 1, Spat[i].AE);
    }
    OffenenBerichtAusgeben();
}

void VektorenDatenInDialog() {
    for (int i = 1; i <= 4; ++i) {
        TStringGrid& G = Form_Vektoren.Gitter(i);
        SpalteSchreiben(G, 0, 1, Vektor[i].Anfangspunkt);
        SpalteSchreiben(G, 1, 1, Vektor[i].Vektor);
    }
    OffenenBerichtAusgeben();
}

void StreckenDatenInDialog() {
    for (int i = 1; i <= 4; ++i) {
        TStringGrid& G = Form_Strecken.Gitter(i);
        SpalteSchreiben(G, 0, 1, Strecke[i].A);
        SpalteSchreiben(G, 1, 1, Strecke[i].B);
    }
    OffenenBerichtAusgeben();
}

void PunkteDatenInDialog() {
    for (int i = 1; i <= 4; ++i) SpalteSchreiben(Form_Punkte.Gitter(i), 1, 0, Punkt[i].Ort);
    OffenenBerichtAusgeben();
}

void KugelnDatenInDialog() {
    for (int i = 1; i <= 4; ++i) SpalteSchreiben(Form_Kugeln.Gitter(i), 1, 1, Kugel[i].Mittelpunkt);
    OffenenBerichtAusgeben();
}

void KegelDatenInDialog() {
    for (int i = 1; i <= 4; ++i) {
        TStringGrid& G = Form_Kegel.Gitter(i);
        SpalteSchreiben(G, 0, 1, Kegel[i].Mittelpunkt);
        SpalteSchreiben(G, 1, 1, Kegel[i].Normalenvektor);
    }
    OffenenBerichtAusgeben();
}

void FadenkreuzDatenInDialog() {
    SpalteSchreiben(Form_Fadenkreuz.StringGrid1, 0, 1, Fadenkreuz.Mittelpunkt);
    OffenenBerichtAusgeben();
}

// ---- One step of one object ------------------------------------------------------

namespace {

// The write-backs asked for while a DatenInDialogGebuendelt lives.
int buendelTiefe = 0;
std::array<void (*)(), 12> vorgemerkt{};
std::size_t vorgemerktAnzahl = 0;

void Zurueckschreiben(void (*Schreiben)()) {
    const auto ende = vorgemerkt.begin() + static_cast<std::ptrdiff_t>(vorgemerktAnzahl);
    if (buendelTiefe > 0 && std::find(vorgemerkt.begin(), ende, Schreiben) != ende) return;
    if (buendelTiefe > 0 && vorgemerktAnzahl < vorgemerkt.size()) {
        vorgemerkt[vorgemerktAnzahl++] = Schreiben;
        return;
    }
    Schreiben();
}

void SchnittAngabenSchreiben() {
    if (SchnittAngabenAusgeben) SchnittAngabenAusgeben();
}

// The line chain with the axes staying: G's defining data from its turned
// drawn vector, the grids, and everything that depends on a line.
void GeradenKette(TGerade& G) {
    G.Stuetzvektor = G.VektorAnfang;
    VektorAB(G.VektorAnfang, G.VektorEnde, G.Richtungsvektor);
    Zurueckschreiben(GeradenDatenInDialog);
    GeradeBerechnen(G);
    // Every line keeps its own copy of the difference vectors between g, h
    // and t: the other two would go on showing this line where it was.
    for (TGerade& L : Gerade)
        if (&L != &G) VerbindungsvektorenBerechnen(L);
    EbeneBerechnen(Ebene[1]);  // the piercing points move with the line
    EbeneBerechnen(Ebene[2]);
    SchnittgeradeE1E2Berechnen();
    GeradeBerechnen(Gerade_sg);
    Zurueckschreiben(SchnittAngabenSchreiben);
}

void EbenenKette(TEbene& E) {
    E.Stuetzvektor = E.StuetzvektorEnde;
    VektorAB(E.StuetzvektorEnde, E.Richtungsvektor1Ende, E.Richtungsvektor1);
    VektorAB(E.StuetzvektorEnde, E.Richtungsvektor2Ende, E.Richtungsvektor2);
    Zurueckschreiben(EbenenDatenInDialog);
    EbeneBerechnen(E);
    // The other plane keeps its own difference vector E1->E2.
    if (&E == &Ebene[1]) EbeneBerechnen(Ebene[2]);
    if (&E == &Ebene[2]) EbeneBerechnen(Ebene[1]);
    for (int i = 1; i <= 6; ++i) {
        SpurgeradenBerechnen(static_cast<Byte>(i));
        if (Spurgeraden[i].gueltig == 1) GeradeBerechnen(Spurgeraden[i]);
    }
    SchnittgeradeE1E2Berechnen();
    GeradeBerechnen(Gerade_sg);
    Zurueckschreiben(SchnittAngabenSchreiben);
    OffenenBerichtAusgeben();
}

}  // namespace

DatenInDialogGebuendelt::DatenInDialogGebuendelt() { ++buendelTiefe; }

DatenInDialogGebuendelt::~DatenInDialogGebuendelt() {
    if (--buendelTiefe > 0) return;
    const std::size_t n = vorgemerktAnzahl;
    vorgemerktAnzahl = 0;
    for (std::size_t k = 0; k < n; ++k) vorgemerkt[k]();
}

void ObjektDrehen(TPunkt& P, const PunktDrehung& D) {
    D.Punkt(P.Ort);
    D.Punkte(P.FadenkreuzArme);
    if (DrehAnzahl > 0) OffenenBerichtAusgeben();
    if (!AchsenMitDrehen) {
        // The arms run parallel to the axes across the whole box, whatever
        // the turn made of them.
        FadenkreuzEnden(P.Ort, P.FadenkreuzArme);
        Zurueckschreiben(PunkteDatenInDialog);
    }
}

void ObjektDrehen(TStrecke& S, const PunktDrehung& D) {
    D.Punkt(S.A);
    D.Punkt(S.B);
    if (!AchsenMitDrehen) Zurueckschreiben(StreckenDatenInDialog);
}

void ObjektDrehen(TVektor& V, const PunktDrehung& D) {
    D.Punkt(V.Anfangspunkt);
    D.Punkt(V.Endpunkt);
    D.Punkte(V.Pfeil);
    if (!AchsenMitDrehen) {
        VektorAB(V.Anfangspunkt, V.Endpunkt, V.Vektor);
        Zurueckschreiben(VektorenDatenInDialog);
    }
}

void ObjektDrehen(TSpat& S, const PunktDrehung& D) {
    D.Punkte(S.Ecke);
    D.Punkte(S.Kantenmitten);
    D.Punkte(S.ErzeugendePfeile);
    if (!AchsenMitDrehen) {
        VektorAB(S.Ecke[1], S.Ecke[2], S.AB);
        VektorAB(S.Ecke[1], S.Ecke[4], S.AD);
        VektorAB(S.Ecke[1], S.Ecke[5], S.AE);
        Zurueckschreiben(SpateDatenInDialog);
    }
}

void ObjektDrehen(TKugel& K, const PunktDrehung& D) {
    D.Punkt(K.Mittelpunkt);
    // Upper pole, 23 rings of 24 points, lower pole: whatever densities are
    // drawn, the whole mesh turns.
    for (int k = 0; k <= 553; ++k) D.Punkt(K.Netz[k]);
    if (!AchsenMitDrehen) Zurueckschreiben(KugelnDatenInDialog);
}

void ObjektDrehen(TKegel& K, const PunktDrehung& D) {
    // A cone never computed has no step yet; a finer step than the rim holds
    // is cut to the rim's 61 points.
    const long Schritt = std::lround(static_cast<double>(K.Winkelschritt));
    int N = Schritt > 0 ? static_cast<int>(360 / Schritt) + 1 : 0;
    if (N > 61) N = 61;
    D.Punkte(K.Randpunkt, N);
    D.Punkt(K.Mittelpunkt);
    D.Punkt(K.Spitze);
    if (!AchsenMitDrehen) {
        TVek_R3 d;
        VektorAB(K.Mittelpunkt, K.Spitze, d);
        if (IstNullvektor(d)) {
            // A circle has its apex at its centre: its normal turns with its
            // rim, so the grid keeps the orientation the picture shows.
            D.Richtung(K.Normalenvektor);
        } else if (K.Hoehe < 0) {
            // A negative height puts the apex against the normal; the normal
            // must keep pointing away from the apex, or the next reading of
            // the grid would put the apex on the other side.
            Gegenvektor(d, K.Normalenvektor);
        } else {
            K.Normalenvektor = d;
        }
        Zurueckschreiben(KegelDatenInDialog);
    }
}

void ObjektDrehen(TFadenkreuz& F, const PunktDrehung& D) {
    D.Punkte(F.ArmAnfang);
    D.Punkte(F.ArmEnde);
    if (!AchsenMitDrehen) {
        D.Punkt(F.Mittelpunkt);
        TPunkte<6> Enden;
        FadenkreuzEnden(F.Mittelpunkt, Enden);
        for (int k = 1; k <= 3; ++k) {
            F.ArmAnfang[k] = Enden[2 * k - 1];
            F.ArmEnde[k] = Enden[2 * k];
        }
        Zurueckschreiben(FadenkreuzDatenInDialog);
    }
}

void ObjektDrehen(TGerade& G, const PunktDrehung& D) {
    D.Punkt(G.ZeichenAnfang);
    D.Punkt(G.ZeichenEnde);
    D.Punkt(G.VektorAnfang);
    D.Punkt(G.VektorEnde);
    D.Punkte(G.PfeilRichtung);
    D.Punkte(G.PfeilStuetz);
    D.Punkte(G.Verbindungsvektoren);
    D.Punkte(G.SchnittQuadratGH);
    D.Punkte(G.SchnittQuadratGT);
    D.Punkte(G.SchnittQuadratHT);
    D.Punkte(G.SpurQuadratXY);
    D.Punkte(G.SpurQuadratXZ);
    D.Punkte(G.SpurQuadratYZ);
    if (!AchsenMitDrehen) GeradenKette(G);
    OffenenBerichtAusgeben();
}

void ObjektDrehen(TEbene& E, const PunktDrehung& D) {
    D.Punkt(E.StuetzvektorEnde);
    D.Punkt(E.Richtungsvektor1Ende);
    D.Punkt(E.Richtungsvektor2Ende);
    if (!AchsenMitDrehen) {
        EbenenKette(E);
        return;
    }
    D.Punkte(E.QuadratEcken);
    D.Punkte(E.PfeilStuetz);
    D.Punkte(E.PfeilRichtung1);
    D.Punkte(E.PfeilRichtung2);
    D.Punkte(E.PfeilNormale);
    D.Punkt(E.NormalenvektorEnde);
    D.Punkte(E.DurchstossQuadratG);
    D.Punkte(E.DurchstossQuadratH);
    D.Punkte(E.DurchstossQuadratT);
    for (auto& Paar : E.Verbindungsvektoren) D.Punkte(Paar);
    for (auto& Pfeil : E.PfeilVerbindung) D.Punkte(Pfeil);
    int n = E.SchnittpunktAnzahl;
    if (n > 12) n = 12;
    if (n > 0) D.Punkte(E.Schnittpunkte, n);
    D.Punkte(E.WinkelmarkeR1);
    D.Punkte(E.WinkelmarkeR2);
}

// ---- The class routines ------------------------------------------------------------

#define DREH_ROUTINEN(Klasse, Name)                                                   \
    void Name##Drehen(Klasse& O, int Achse, Extended Winkel) {                       \
        ObjektDrehen(O, PunktDrehung(Achse, Winkel));                                 \
    }                                                                                 \
    void Name##DrehenUmGerade(Klasse& O) { ObjektDrehen(O, PunktDrehung(DrehachsenDrehung())); }

DREH_ROUTINEN(TFadenkreuz, Fadenkreuz)
DREH_ROUTINEN(TSpat, Spat)
DREH_ROUTINEN(TKugel, Kugel)
DREH_ROUTINEN(TKegel, Kegel)
DREH_ROUTINEN(TVektor, Vektor)
DREH_ROUTINEN(TStrecke, Strecke)
DREH_ROUTINEN(TPunkt, Punkt)
DREH_ROUTINEN(TEbene, Ebene)
DREH_ROUTINEN(TGerade, Gerade)

#undef DREH_ROUTINEN

void AKreuzDrehen(TAKreuz& K, int Achse, Extended Winkel) {
    if (!RueckdrehungLaeuft && DrehAnzahl >= 1 && DrehAnzahl <= 20) DrehListe[DrehAnzahl].Winkel += Winkel;
    ++DrehMatrixAnzahl;
    // The code carries axis and sense; 0 and 7 name no elementary rotation
    // and leave MAkt as it is.
    DrehmatrixUmAchse(DrehungErfolgt, Drehwinkel, MAkt);
    DrehmatrixUebernehmen();
    if (DrehmatrizenZeigen) DrehmatrizenZeigen();
    if (AchsenMitDrehen) PunktDrehung(Achse, Winkel).Punkte(K.Achsenpunkte);
}

void AchseneinteilungenDrehen(TAchseneinteilungen& E, int Achse, Extended Winkel) {
    if (!AchsenMitDrehen) return;
    const PunktDrehung D(Achse, Winkel);
    D.Punkte(E.XStrichAnfang);
    D.Punkte(E.XStrichEnde);
    D.Punkte(E.YStrichAnfang);
    D.Punkte(E.YStrichEnde);
    D.Punkte(E.ZStrichAnfang);
    D.Punkte(E.ZStrichEnde);
}
