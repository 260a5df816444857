#pragma once
// The selection of the hidden-line pass: the entries a comparison can come
// out false against, and the runs of exchanges that come round again.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "view3d/Tiefenvergleich.h"

namespace tiefe {

// ---- The search for the entries a comparison can come out false against ---------------

// The measure of the angle of the direction (ux, uy) modulo pi that the
// search orders the pictures by: in [0, pi), rising with the angle at a
// rate between pi/4 and pi/2 (Tiefenkandidaten.cpp).
double Winkelmass(double ux, double uy);

// The candidates of an entry a: those whose picture passes through a grid
// cell a's picture passes through, those whose picture is nearly parallel to
// a's (found in the order of the pictures' angles), and the few that are
// compared with every entry (pictures of almost no length, or not finite,
// or crossing too many cells). Every other pair compares true:
// - Pictures that are not nearly parallel cannot lie on one line or on
//   parallel lines (LageZweierGeraden2D gives 1), and a false result needs
//   their crossing point S within both, λ within 0..1. S lies on a's line
//   within a's ends (plus what the rounding of λ allows), and so close to
//   the other line that it lies within the other picture's ends as well:
//   the cell that holds S holds both pictures.
// - Nearly parallel pictures are all candidates; in parallel projection
//   only those on a's line or close to it (on distinct parallel lines the
//   comparison is true).
// Each picture is registered in the cells its segment, lengthened at both
// ends and widened by those margins, meets.
class Nachbarsuche {
public:
    // t stays in use until the next Aufbauen.
    void Aufbauen(const std::vector<Schnelltest>& t, const std::vector<Genau>& g, int n, bool zentral);
    // Writes every candidate x of a (a itself left out) once to aus, which
    // has room for every entry and one more, and returns their number; -1
    // when a is compared with every entry (the caller takes every entry).
    int Sammeln(int a, int* aus);
    // x is drawn: no longer a candidate of anything. It leaves its cells
    // and the lists of entries compared with all, so later runs do not meet
    // it there again; the order within a cell is not kept (the order the
    // candidates come in decides nothing).
    void Gezeichnet(int x);

private:
    static constexpr int HoechstZellen = 96;    // more: compared with all
    static constexpr double KleinsteLaenge = 1e-2;
    static constexpr double KleinsterWinkel = 1e-7;

    enum Art : char { InZellen, Gross, Wild };
    // Marke_[x]: the run of Sammeln that last offered x, or Weg for
    // an entry drawn already, which is never offered again.
    static constexpr unsigned Weg = ~0u;
    bool Besuchen(int x) {
        if (Marke_[static_cast<std::size_t>(x)] >= Lauf_) return false;
        Marke_[static_cast<std::size_t>(x)] = Lauf_;
        return true;
    }
    // Appends the cells of the lengthened, widened segment P0-P1 to Zellen_;
    // false (and none appended) when they are more than HoechstZellen.
    bool ZellenDerStrecke(double p0x, double p0y, double p1x, double p1y, double r);
    // By the reciprocals of the cell sizes: their rounding is far within
    // the margins the cells are widened by. Below 1 (or not a number) the
    // first; from there on truncation is the floor. Without branches: where
    // a picture's cells begin and end is too hard to foretell.
    static int Zelle(double k, int G) {
        const double h = G - 1;
        k = h < k ? h : k;  // NaN stays
        return static_cast<int>(k >= 1 ? k : 0.0);
    }
    int Spalte(double x) const { return Zelle((x - X0_) * Kx_, Gx_); }
    int Zeile(double y) const { return Zelle((y - Y0_) * Ky_, Gy_); }

    std::vector<char> Art_;
    std::vector<int> Gross_, Wilde_;
    // Cells of entry k: Zellen_[EigeneAnfang_[k] .. EigeneAnfang_[k + 1]),
    // ZellenZahl_ of them in all (Zellen_ holds room for more).
    std::vector<int> EigeneAnfang_, Zellen_;
    std::size_t ZellenZahl_ = 0;
    // Entries of cell c not drawn yet: Inhalt_[ZellAnfang_[c] .. ZellEnde_[c]).
    // Registration i of an entry (Zellen_[i]) stands at Inhalt_[Ort_[i]],
    // and Eintrag_[p] is the registration at Inhalt_[p].
    std::vector<int> ZellAnfang_, ZellEnde_, Inhalt_, Ort_, Eintrag_;
    std::vector<int> Frei_;  // while filling Inhalt_: the next free place of each cell
    int Gx_ = 1, Gy_ = 1;
    double X0_ = 0, Y0_ = 0, Wx_ = 1, Wy_ = 1, Kx_ = 1, Ky_ = 1;
    // Angles of the pictures modulo pi, in the measure Winkelmass gives;
    // Sortierung_ holds (angle, entry) in order, Rang_[k] is k's place
    // there; Fenster_[k]: how far apart the angles of k and a picture that
    // may be parallel to it can lie.
    std::vector<double> Winkel_, Fenster_;
    std::vector<int> Rang_;
    std::vector<std::pair<double, int>> Sortierung_, Hilfe_;
    std::vector<unsigned> Marke_;
    // In parallel projection surely parallel pictures on distinct lines
    // compare true: the angle's neighbours among them are left out.
    const std::vector<Schnelltest>* T_ = nullptr;
    bool Parallelprojektion_ = false;
    bool Anbieten(int a, int x) const {
        return !Parallelprojektion_ ||
               ParalleleBilder((*T_)[static_cast<std::size_t>(a)], (*T_)[static_cast<std::size_t>(x)]) != 1;
    }
    // Whether x lies in a's window of angles, one way round or the other
    // (modulo pi), with a hair to spare for the rounding of the walk above.
    bool ImFenster(int a, int x) const {
        const double wa = Winkel_[static_cast<std::size_t>(a)], wx = Winkel_[static_cast<std::size_t>(x)];
        const double f = Fenster_[static_cast<std::size_t>(a)] + 1e-12;
        double d = wx - wa;
        if (d < 0) d += std::numbers::pi;
        if (d <= f) return true;
        d = wa - wx;
        if (d < 0) d += std::numbers::pi;
        return d <= f;
    }
    // Parallel projection: the entries in groups of angles (no two angles of
    // different groups within a window of each other, round the end as
    // well), each group ordered by the offset of the pictures' start points
    // across one direction of the group: Linie_[GruppeVon_[k] ..
    // GruppeBis_[k]) is k's group, k at Stelle_[k], Abstand_ the offsets.
    // A picture on x's line or parallel to it within 1e-9 lies within
    // Breite_[x] of it there.
    void LinienOrdnen(double Kmax);
    std::vector<int> Linie_, Stelle_, GruppeVon_, GruppeBis_;
    std::vector<double> Abstand_, Breite_;
    std::vector<std::pair<double, int>> LinienPaare_;
    unsigned Lauf_ = 0;
};

inline int Nachbarsuche::Sammeln(int a, int* aus) {
    const auto ua = static_cast<std::size_t>(a);
    if (Art_[ua] != InZellen) return -1;
    if (++Lauf_ == Weg) {
        for (unsigned& m : Marke_)
            if (m != Weg) m = 0;
        Lauf_ = 1;
    }
    Besuchen(a);
    // The cells' entries are gathered first, without a branch per entry met:
    // whether it was met before in this run is too hard to foretell.
    // The bounds are read before the stores to aus, which the compiler
    // cannot tell apart from the grid's arrays.
    int zahl = 0;
    {
        unsigned* marke = Marke_.data();
        const unsigned lauf = Lauf_;
        const int* zellen = Zellen_.data();
        const int* zellAnfang = ZellAnfang_.data();
        const int* zellEnde = ZellEnde_.data();
        const int* inhalt = Inhalt_.data();
        const int bis = EigeneAnfang_[ua + 1];
        for (int i = EigeneAnfang_[ua]; i < bis; ++i) {
            const int c = zellen[i];
            const int* von = inhalt + zellAnfang[c];
            const int* ende = inhalt + zellEnde[c];
            // No drawn entry is met here, so no mark is above lauf.
            for (; von != ende; ++von) {
                const int x = *von;
                aus[zahl] = x;
                zahl += marke[x] < lauf;
                marke[x] = lauf;
            }
        }
    }
    for (int x : Gross_)
        if (Besuchen(x)) aus[zahl++] = x;
    for (int x : Wilde_)
        if (Besuchen(x)) aus[zahl++] = x;
    const auto offen = [this](int x) { return Marke_[static_cast<std::size_t>(x)] < Lauf_; };
    if (Parallelprojektion_) {
        // Only pictures on a's line or close to it: the neighbours of a in
        // the order of the line offsets within its group of angles.
        const int p = Stelle_[ua], lo = GruppeVon_[ua], hi = GruppeBis_[ua];
        const double o = Abstand_[static_cast<std::size_t>(p)], b = Breite_[ua];
        const auto nehmen = [&](int x) {
            if (offen(x) && ImFenster(a, x) && Anbieten(a, x)) {
                Besuchen(x);
                aus[zahl++] = x;
            }
        };
        for (int q = p + 1; q < hi && Abstand_[static_cast<std::size_t>(q)] - o <= b; ++q)
            nehmen(Linie_[static_cast<std::size_t>(q)]);
        for (int q = p - 1; q >= lo && o - Abstand_[static_cast<std::size_t>(q)] <= b; --q)
            nehmen(Linie_[static_cast<std::size_t>(q)]);
        return zahl;
    }
    // Angles are taken modulo pi: the neighbours on both sides, round the
    // end. Drawn and offered entries are passed over before the test of
    // parallel pictures.
    const auto W = static_cast<int>(Sortierung_.size());
    const double wa = Winkel_[ua], fenster = Fenster_[ua];
    const int r = Rang_[ua];
    const std::pair<double, int>* w = Sortierung_.data();
    for (int s = 1, q = r + 1; s < W; ++s, ++q) {
        if (q == W) q = 0;
        double d = w[q].first - wa;
        if (d < 0) d += std::numbers::pi;
        if (d > fenster) break;
        const int x = w[q].second;
        if (offen(x) && Anbieten(a, x)) {
            Besuchen(x);
            aus[zahl++] = x;
        }
    }
    for (int s = 1, q = r - 1; s < W; ++s, --q) {
        if (q < 0) q = W - 1;
        double d = wa - w[q].first;
        if (d < 0) d += std::numbers::pi;
        if (d > fenster) break;
        const int x = w[q].second;
        if (offen(x) && Anbieten(a, x)) {
            Besuchen(x);
            aus[zahl++] = x;
        }
    }
    return zahl;
}

inline void Nachbarsuche::Gezeichnet(int x) {
    const auto ux = static_cast<std::size_t>(x);
    Marke_[ux] = Weg;
    if (Art_[ux] != InZellen) {
        std::vector<int>& liste = Art_[ux] == Gross ? Gross_ : Wilde_;
        const auto p = std::find(liste.begin(), liste.end(), x);
        if (p != liste.end()) {
            *p = liste.back();
            liste.pop_back();
        }
        return;
    }
    // Each registration of x changes place with the last live one of its
    // cell, and the cell ends before it.
    int* inhalt = Inhalt_.data();
    int* ort = Ort_.data();
    int* eintrag = Eintrag_.data();
    for (int i = EigeneAnfang_[ux], bis = EigeneAnfang_[ux + 1]; i < bis; ++i) {
        const auto c = static_cast<std::size_t>(Zellen_[static_cast<std::size_t>(i)]);
        const int p = ort[i], letzte = --ZellEnde_[c];
        const int r = eintrag[letzte];
        inhalt[p] = inhalt[letzte];
        eintrag[p] = r;
        ort[r] = p;
        inhalt[letzte] = x;
        eintrag[letzte] = i;
        ort[i] = letzte;
    }
}

// ---- Runs of exchanges that come round again ---------------------------------------------

// Tells when a run of exchanges (no entry drawn in between) has brought
// the list back into an order it had earlier in the run. The order decides
// every exchange, so from there on the run repeats with that period.
// Brent's search: the order is compared with a checkpoint that moves on
// after 1, 2, 4, ... exchanges; Herkunft[p] is the place at the checkpoint
// of the entry now at place p, and the order equals the checkpoint's when
// no entry is away from its place.
class Ringsuche {
public:
    // A new run over m entries.
    void Neu(int m) {
        if (Herkunft_.size() < static_cast<std::size_t>(m) + 1) {
            Herkunft_.resize(static_cast<std::size_t>(m) + 1);
            for (std::size_t p = 0; p < Herkunft_.size(); ++p) Herkunft_[p] = static_cast<int>(p);
        }
        Merkpunkt();
        Laenge_ = 1;
    }
    // After places 1 and j changed their entries: the number of exchanges
    // since the order was the same, else 0.
    int Getauscht(int j) {
        Beruehrt_.push_back(j);
        // In locals: the counters written and read back as one would stall.
        int* h = Herkunft_.data();
        const int h1 = h[1], hj = h[j];
        h[1] = hj;
        h[j] = h1;
        const int weg = Weg_ - (h1 != 1) - (hj != j) + (hj != 1) + (h1 != j);
        const int schritte = Schritte_ + 1;
        Weg_ = weg;
        Schritte_ = schritte;
        if (weg == 0) return schritte;
        if (Schritte_ == Laenge_) {
            Merkpunkt();
            Laenge_ *= 2;
        }
        return 0;
    }

private:
    void Merkpunkt() {
        Herkunft_[1] = 1;
        for (int p : Beruehrt_) Herkunft_[static_cast<std::size_t>(p)] = p;
        Beruehrt_.clear();
        Weg_ = 0;
        Schritte_ = 0;
    }
    std::vector<int> Herkunft_, Beruehrt_;
    int Weg_ = 0, Schritte_ = 0, Laenge_ = 1;
};

}  // namespace tiefe
