#pragma once
// The depth order of the hidden-line list, found fast. Everything a
// comparison needs of an entry is prepared once per pass; a grid over the
// picture and the order of the pictures' directions name the few entries a
// comparison with a given one can come out false against; the comparison
// runs on the prepared data (Tiefenpaare.h). Its decisions are those of
// StreckenTiefenvergleich, and the pass draws in the order of the program's
// loop of exchanges, only without scanning every later entry: the selection
// of the next entry to draw lives in Tiefenordnung.cpp.
//
// Also the pieces the plain comparison (VerdeckteLinien.cpp) and this one
// share, so both compute every value the same way.

#include <vector>

#include "geometry/Vektor.h"
#include "view3d/VerdeckteLinien.h"

// A segment's end points in the frame its depth is measured in: mirrored and
// scaled (parallel) or mirrored (central, the frame of Augpunkt); in central
// projection the sum of their distances from the eye point.
struct Tiefenstrecke {
    TVek_R3 A, B;
    Extended Summe = 0;
};
Tiefenstrecke TiefenstreckeBerechnen(const TStr& s, bool zentral);
// One end in that frame, and its distance from the eye point (central
// projection); the segment from its two ends, the same values as
// TiefenstreckeBerechnen.
struct Tiefenende {
    TVek_R3 P;
    Extended Abstand = 0;
};
Tiefenende TiefenendeBerechnen(const TVek_R3& P, bool zentral);
Tiefenstrecke TiefenstreckeAusEnden(const Tiefenende& A, const Tiefenende& B, bool zentral);

// The picture of a point as ProjiziereBildpunkt gives it at the scale
// MassstabX/Y/Z, and its Tiefenende, made together for the many ends of one
// view: the view's constants taken once, and the point in the depth frame,
// where the projection starts, made once. The same operations on the same
// values as those two routines, so the same bits.
class EndenProjektion {
public:
    explicit EndenProjektion(bool zentral);
    void operator()(const TVek_R3& P, TVek_R2& B, Tiefenende& T) const;

private:
    bool zentral_, gueltig_, schneiden_, versatz_;
    int Ebene_;
    Extended sx_, sy_, k1_, k2_;  // the scales and the products with SkFy, SkFz the frames take
    TVek_R3 n_, S_, R_;           // the picture plane's normal and Stuetzvektor; ProjRichtung
    TVek_R3 Aug_;
    Extended ox_, oy_;
    TVek_R2 V_;
};

// The viewing ray of a picture point, in the frame of the depth test.
struct Strahl {
    TVek_R3 A, u;
};
Strahl Sehstrahl(const TVek_R2& S, bool zentral);

// G := the picture of s prepared for the comparison (ends ordered); true
// when the ends changed places.
bool BildVorbereiten(const TStr& s, TGer_R2& G);
// The same from the ends' picture points as ProjiziereBildpunkt gives them.
bool BildAusBildpunkten(const TVek_R2& A, const TVek_R2& B, TGer_R2& G);

// λ within the segment, its ends included.
inline bool AufStrecke(Extended Lambda) { return Lambda > -Toleranz && Lambda < 1.000000001L; }

// The comparison of two segments whose pictures lie on one line, in
// parallel projection: by the stored ends along the dropped axis, on the
// side the projection direction comes from. Both are the view's: Seite()
// chooses them once for many comparisons.
struct Bildgeradenseite {
    int Achse;      // 0 x, 1 y, 2 z; -1 no picture plane (every comparison false)
    bool Groesser;  // true when St[i] must lie farther along the axis
    static Bildgeradenseite Seite();
    bool Wahr(const TStr& Si, const TStr& Sj) const {
        if (Achse < 0) return false;
        const auto k = [this](const TVek_R3& P) { return Achse == 0 ? P.x : Achse == 1 ? P.y : P.z; };
        return Groesser ? k(Si.A) > k(Sj.A) + Toleranz || k(Si.B) > k(Sj.B) + Toleranz
                        : k(Si.A) < k(Sj.A) - Toleranz || k(Si.B) < k(Sj.B) - Toleranz;
    }
};
inline bool EineBildgeradeParallel(const TStr& Si, const TStr& Sj) { return Bildgeradenseite::Seite().Wahr(Si, Sj); }

// Prepares St[1..n] in the current view, for the pass or for a test of the
// comparison below.
void TiefenordnungVorbereiten(int n);
// StreckenTiefenvergleich(i, j) (1 <= i, j <= n of the last preparation),
// from the prepared data; GerR2 is left alone.
bool TiefenvergleichVorbereitet(int i, int j);
// The entries among xs (none of them i) whose comparison with i comes out
// false, found all at once as the pass finds them for its front entry; in
// no particular order.
std::vector<int> TiefenvergleicheVorbereitet(int i, const std::vector<int>& xs);
// Whether j is among the entries the search offers as candidates of i, or
// the search gives up on i (every entry is then compared): a comparison of i
// with an entry outside both must come out true.
bool TiefenKandidat(int i, int j);
// The search of the last preparation takes x as drawn, as the pass does
// when it draws x: x is no longer offered as a candidate.
void TiefenKandidatGezeichnet(int x);
// The pass over St[1..n] (n >= 2), as ZeichneStreckenNachTiefe describes it.
void TiefenordnungZeichnen(int n);
