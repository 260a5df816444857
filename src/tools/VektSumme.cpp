#include "forms/VektSumme.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

#include "control/Drehsteuerung.h"
#include "control/Undo.h"
#include "forms/Eingabeprotokoll.h"
#include "forms/Gitter.h"
#include "forms/Speicher.h"
#include "forms/Vektoren.h"
#include "geometry/Geometrie.h"
#include "platform/Oberflaeche.h"
#include "scene/DrehZustand.h"
#include "scene/Objekte.h"
#include "view3d/Drehen.h"
#include "view3d/ObjektGeometrie.h"
#include "tools/Werkzeugfelder.h"

namespace {

constexpr const char* KeineEingabeMeldung = "hier ist keine Eingabe möglich!";

// The three edits from First on as a vector; false, with the conversion
// message, when one holds no number.
bool Spalte(TForm_VektSumme& F, int Erstes, TVek_R3& v) {
    TVek_R3 w;
    for (auto [i, e] : {std::pair{Erstes, &w.x}, {Erstes + 1, &w.y}, {Erstes + 2, &w.z}})
        if (!FeldWert(F.Feld(i), *e)) {
            MeldungZeigen(KeineZahlMeldung(F.Feld(i).Text()));
            return false;
        }
    v = w;
    return true;
}

// False when one of the edits holds a number its change check refused:
// the range message, and that edit gets the focus with its text selected,
// so the user sees why nothing was computed.
bool OhneAbgelehnte(TForm_VektSumme& F, std::initializer_list<int> Felder) {
    for (int i : Felder)
        if (F.Abgelehnt[i]) {
            MeldungZeigen(Bereich10000Meldung);
            F.Feld(i).SetFocus();
            F.Feld(i).SelectAll();
            return false;
        }
    return true;
}

// After a paste: whether the written edits passed. A refused one has had
// its message from the change check already.
bool AlleAngenommen(const TForm_VektSumme& F, int Erstes) {
    return !F.Abgelehnt[Erstes] && !F.Abgelehnt[Erstes + 1] && !F.Abgelehnt[Erstes + 2];
}

// V as the write finds it: before it writes, the window undoes the turns
// with the axes (VorSzeneSchreiben), and here each of those steps runs
// through ObjektDrehen on a copy, as the undo runs it on the scene's vector.
// Turning with the axes moves the start point only; the vector keeps the
// axes' frame the grids show. Without axes a turn has changed the scene's
// own values, and nothing is undone.
TVektor NachRueckdrehung(const TVektor& V) {
    TVektor W = V;
    if (AchsenMitDrehen)
        RueckdrehSchritte([&W](int Achse, Extended Winkel) { ObjektDrehen(W, PunktDrehung(Achse, Winkel)); });
    return W;
}

// V1..V4 as the window lays them out: V4 from A, the picked terms head to
// tail from A in picking order, V4 their sum. Index 1..4.
struct TVierVektoren {
    TVek_R3 Anfang[5], Vektor[5];
};

void Anordnen(const TForm_VektSumme& F, TVierVektoren& V, TVek_R3 A) {
    V.Anfang[4] = A;
    TVek_R3 Anfang = A;
    for (int n = 1; n <= 3; ++n) {
        const int i = F.Position[n];
        if (i < 1 || i > 3) continue;
        V.Anfang[i] = Anfang;
        Anfang = Summe(Anfang, V.Vektor[i]);
    }
    if (F.SummandenAnzahl >= 1) {
        TVek_R3 Summe4 = V.Vektor[F.Position[1]];
        for (int n = 2; n <= F.SummandenAnzahl && n <= 3; ++n) Summe4 = Summe(Summe4, V.Vektor[F.Position[n]]);
        V.Vektor[4] = Summe4;
    }
}

// V1..V4 as the step writes them: the scene's vectors as the undo of the
// turns leaves them, term k's vector (k = 0: none) replaced by Neu, laid out
// from A. Reads copies only, so a refused step leaves the scene, turns
// included, as it was.
TVierVektoren Ergebnislage(const TForm_VektSumme& F, int k, const TVek_R3& Neu, TVek_R3 A) {
    TVierVektoren V;
    for (int i = 1; i <= 4; ++i) {
        const TVektor W = NachRueckdrehung(Vektor[i]);
        V.Anfang[i] = W.Anfangspunkt;
        V.Vektor[i] = W.Vektor;
    }
    if (k >= 1 && k <= 3) V.Vektor[k] = Neu;
    Anordnen(F, V, A);
    return V;
}

// Whether every number of the layout stays within the scene's bound: the
// write puts these very numbers into the scene.
bool LageImBereich(const TVierVektoren& V) {
    for (int i = 1; i <= 4; ++i)
        if (!InSzenenGrenze(V.Anfang[i]) || !InSzenenGrenze(V.Vektor[i])) return false;
    return true;
}

// Start point and vector of V1..V4 into the vectors dialog's grids, each
// text remembered as the cell's last valid one, as an applied edit leaves
// it.
void VektorenInGitterSchreiben() {
    for (int i = 1; i <= 4; ++i) {
        TStringGrid& G = Form_Vektoren.Gitter(i);
        SpalteSchreiben(G, 0, 1, Vektor[i].Anfangspunkt);
        SpalteSchreiben(G, 1, 1, Vektor[i].Vektor);
        for (int c = 0; c <= 1; ++c)
            for (int r = 1; r <= 3; ++r) Form_Vektoren.Gedaechtnis[i].Merken(c, r, G.Cells(c, r));
    }
}

// Before the window writes the scene's vectors: a turning scene stops, and
// one turned with its axes goes back, so the values written are not mixed
// with turned ones. Nothing when there is nothing to undo, so a pass does
// not redraw the picture twice.
void VorSzeneSchreiben() {
    if (DauerDrehen || (AchsenMitDrehen && DrehAnzahl > 0)) DrehungFuerEingabeAufheben();
}

}  // namespace

void TForm_VektSumme::FormCreate() {
    for (int i = 1; i <= 15; ++i) Feld(i).OnChange = [this, i] { EditChange(i); };
    for (int k = 1; k <= 3; ++k) Summandknopf(k).OnClick = [this, k] { But_neu_vClick(k); };
    But_VSummeBestimm.OnClick = [this] { But_VSummeBestimmClick(); };
    EingabeGueltig = true;
}

void TForm_VektSumme::FormActivate() { VektorsummeVorbereiten(); }

void TForm_VektSumme::FormClose() {
    Visible = false;
    UndoPunktSetzen();
    for (TStringGrid* G : Form_Vektoren.AlleGitter()) G->Enabled = true;
}

void TForm_VektSumme::EditEnter(int i) {
    EintrittsFeld = i;
    EintrittsText = Feld(i).Text();
}

void TForm_VektSumme::EditChange(int i) {
    const BereichsPruefung Ergebnis = EditBereichPruefen(Feld(i));
    // Set before the text may be put back below, which checks again.
    Abgelehnt[i] = Ergebnis == BereichsPruefung::Ausserhalb;
    switch (Ergebnis) {
        case BereichsPruefung::Gueltig:
            EingabeGueltig = true;
            return;
        case BereichsPruefung::KeineZahl:
            EingabeGueltig = false;
            return;
        case BereichsPruefung::Ausserhalb:
            // The text the edit had when it was entered comes back, and what
            // it belongs to is computed from it again.
            EingabeGueltig = false;
            if (i == EintrittsFeld) {
                Feld(i).SetText(EintrittsText);
                EditKeyUp(i);
            }
            return;
    }
}

void TForm_VektSumme::EditGetippt(int i, const std::string& Text) {
    Feld(i).SetText(Text);
    EditKeyUp(i);
}

void TForm_VektSumme::EditKeyUp(int i) {
    if (!EingabeGueltig || i < 1 || i > 15) return;
    bool Gezeigt;
    if (i <= 12) {
        Gezeigt = SummandBerechnen(i <= 9 ? (i - 1) / 3 + 1 : i - 9);
    } else {
        Extended w;
        if (!OhneAbgelehnte(*this, {i}) || !FeldWert(Feld(i), w)) return;
        TVek_R3 Neu = A;
        (i == 13 ? Neu.x : i == 14 ? Neu.y : Neu.z) = w;
        Gezeigt = VektorsummeDarstellen(0, {}, &Neu);
    }
    // A result beyond the scene's bound was refused with its message: the
    // edit keeps the focus, its text selected for the next try.
    if (!Gezeigt && BereichVerlassen) {
        Feld(i).SetFocus();
        Feld(i).SelectAll();
    }
}

void TForm_VektSumme::SummeClick() {
    MeldungZeigen(KeineEingabeMeldung);
    Edit_v1x.SetFocus();
}

bool TForm_VektSumme::Rechtsklick(int i) {
    if (i < 1 || i > 18 || (i >= 10 && i <= 12)) return false;
    if (i >= 16 && Edit_v4x.Text().empty()) return false;
    DrehungFuerEingabeAufheben();
    const int Erstes = i <= 9 ? 3 * ((i - 1) / 3) + 1 : i <= 15 ? 13 : 16;
    TSpaltenZiel Z;
    Z.Lesen = [this, Erstes] {
        return TSpeicherVektor{Feld(Erstes).Text(), Feld(Erstes + 1).Text(), Feld(Erstes + 2).Text()};
    };
    if (i <= 9)
        // Each written edit runs its change check; the terms whose
        // columns passed are computed.
        Z.MatrixEinfuegen = [this](int m) {
            for (int s = 1; s <= 3; ++s)
                for (int r = 1; r <= 3; ++r)
                    Feld(3 * (s - 1) + r).SetTextMitWert(ZahlAllgemeinInBreite(MatrixSpeicher[m](r, s), 20),
                                                         MatrixSpeicher[m](r, s));
            for (int k = 1; k <= 3; ++k)
                if (AlleAngenommen(*this, 3 * k - 2)) SummandBerechnen(k);
        };
    // The sum takes no paste, but the calculator may be used from it.
    Z.Rechner = i >= 16;
    if (i <= 15)
        // Texts that are no number stop the paste before anything is
        // written; the others go in as stored, and the change check
        // answers each.
        Z.Einfuegen = [this, Erstes](const TSpeicherVektor& T) {
            TVek_R3 w;
            if (!SpeicherWerte(T, w)) return;
            Feld(Erstes).SetText(T.x);
            Feld(Erstes + 1).SetText(T.y);
            Feld(Erstes + 2).SetText(T.z);
            if (!AlleAngenommen(*this, Erstes)) return;
            if (Erstes == 13) {
                if (Spalte(*this, 13, w)) VektorsummeDarstellen(0, {}, &w);
            } else {
                SummandBerechnen((Erstes - 1) / 3 + 1);
            }
        };
    // The column's texts reach the transfer slot even when the matrix of
    // v1, v2, v3 cannot be read; then the popup stays shut.
    PopupMenu_InSpeicher.Oeffnen(std::move(Z));
    if (i <= 9) {
        TVek_R3 v[3];
        for (int k = 0; k < 3; ++k)
            if (!Spalte(*this, 3 * k + 1, v[k])) return false;
        for (int s = 1; s <= 3; ++s) {
            MatrixSpeicher[0](1, s) = v[s - 1].x;
            MatrixSpeicher[0](2, s) = v[s - 1].y;
            MatrixSpeicher[0](3, s) = v[s - 1].z;
        }
    }
    return true;
}

void TForm_VektSumme::But_neu_vClick(int k) {
    if (SummandenAnzahl >= 3) return;
    ++SummandenAnzahl;
    Position[SummandenAnzahl] = k;
    if (!VektorsummeDarstellen()) {
        // The sum would leave the scene's bound: the term stays unpicked.
        Position[SummandenAnzahl] = 0;
        --SummandenAnzahl;
        Summandknopf(k).Down = false;
        return;
    }
    Label6.Caption += (SummandenAnzahl == 1 ? " v" : " + v") + std::to_string(k);
    Summandknopf(k).Down = true;
    Summandknopf(k).Enabled = false;
}

void TForm_VektSumme::But_VSummeBestimmClick() {
    SummandenAnzahl = 0;
    for (int k = 1; k <= 3; ++k) {
        Summandknopf(k).Enabled = true;
        Summandknopf(k).Down = false;
        Position[k] = 0;
    }
    s1 = s2 = s3 = TVek_R3{};
    Label6.Caption.clear();
}

void TForm_VektSumme::BerechnEinfuegenClick() { PopupMenu_InSpeicher.BerechnEinfuegenClick(); }

void TForm_VektSumme::VektorsummeVorbereiten() {
    SummandenAnzahl = 0;
    for (int k = 1; k <= 3; ++k) Summandknopf(k).Enabled = false;
    // Written without the change check: they are 1 or the scene's vectors,
    // as the first write will find them.
    for (int k = 1; k <= 3; ++k) {
        const TVek_R3 v = NachRueckdrehung(Vektor[k]).Vektor;
        Feld(9 + k).SetTextStill("1");
        // Each with its value behind the text: a term not typed over goes
        // in with every digit.
        Feld(3 * k - 2).SetTextStill(Text7(v.x), v.x);
        Feld(3 * k - 1).SetTextStill(Text7(v.y), v.y);
        Feld(3 * k).SetTextStill(Text7(v.z), v.z);
    }
    for (bool& b : Abgelehnt) b = false;
    A = NachRueckdrehung(Vektor[4]).Anfangspunkt;
    Edit_v4Ax.SetTextStill(Text7(A.x), A.x);
    Edit_v4Ay.SetTextStill(Text7(A.y), A.y);
    Edit_v4Az.SetTextStill(Text7(A.z), A.z);
    EingabeGueltig = true;
    for (int k = 1; k <= 4; ++k) Farbfeld(k).Color = Vektor[k].Farbe;
    Label6.Caption.clear();
    Label7.Caption = "Die Vektorsumme wird mit\ndiesem Anfangspunkt A\ndargestellt:";
}

bool TForm_VektSumme::SummandBerechnen(int k) {
    Extended r;
    TVek_R3 v, w;
    BereichVerlassen = false;
    if (!OhneAbgelehnte(*this, {9 + k, 3 * k - 2, 3 * k - 1, 3 * k})) return false;
    if (!FeldWert(Feld(9 + k), r)) {
        MeldungZeigen(KeineZahlMeldung(Feld(9 + k).Text()));
        return false;
    }
    if (!Spalte(*this, 3 * k - 2, v)) return false;
    SMultiplikation(v, r, w);
    return VektorsummeDarstellen(k, w);
}

bool TForm_VektSumme::VektorsummeDarstellen(int k, const TVek_R3& Neu, const TVek_R3* NeuesA) {
    // Each opening shows the scene's vectors again, and a coefficient up to
    // 10000 multiplies them into the scene: without this bound, repeated
    // rounds would grow them past what a file may hold, and on to INF.
    // The layout is computed once, before anything changes: the check
    // tests the very numbers the write then puts into the scene.
    const TVek_R3 Anfang4 = NeuesA ? *NeuesA : A;
    const TVierVektoren V = Ergebnislage(*this, k, Neu, Anfang4);
    BereichVerlassen = !LageImBereich(V);
    if (BereichVerlassen) {
        MeldungZeigen(NichtEndlichMeldung);
        return false;
    }
    VorSzeneSchreiben();
    A = Anfang4;
    for (int i = 1; i <= 4; ++i) {
        Vektor[i].Anfangspunkt = V.Anfang[i];
        Vektor[i].Vektor = V.Vektor[i];
    }
    TVek_R3* const s[3] = {&s1, &s2, &s3};
    for (int n = 1; n <= 3; ++n)
        if (Position[n] >= 1 && Position[n] <= 3) *s[n - 1] = Vektor[Position[n]].Vektor;
    {
        // The objects from their grids, which read as the values written,
        // every digit: a vector the step leaves as it was stays so.
        const GespeicherteZellwerte genau;
        VektorenInGitterSchreiben();
        for (int i = 1; i <= 4; ++i) VektorBerechnen(i);
    }
    Edit_v4x.SetText(Text7(Vektor[4].Vektor.x));
    Edit_v4y.SetText(Text7(Vektor[4].Vektor.y));
    Edit_v4z.SetText(Text7(Vektor[4].Vektor.z));
    if (SummandenAnzahl >= 3)
        for (int k = 1; k <= 3; ++k) Summandknopf(k).Enabled = false;
    // The rest of an applied edit: the picture, the open report.
    NachObjektAenderung();
    return true;
}
