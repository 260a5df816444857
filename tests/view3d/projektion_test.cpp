// Projection of space points (parallel and central, three picture planes),
// the origin offset, the scale and the zoom.
#include "forms/Hauptfenster.h"
#include "view3d/Bildtest.h"
#include "view3d/Projektion.h"

namespace {

constexpr Extended s = 20;       // pixels per unit in these tests
constexpr Extended Ox = 307;     // picture origin + shift
constexpr Extended Oy = 197;

void ErwarteBild(TVek_R2 B, Extended x, Extended y, Extended tol = 1e-12L) {
    EXPECT_NEAR(static_cast<double>(B.x), static_cast<double>(x), static_cast<double>(tol));
    EXPECT_NEAR(static_cast<double>(B.y), static_cast<double>(y), static_cast<double>(tol));
}

TVek_R2 Bild(TVek_R3 P) {
    TVek_R2 B{-1, -1};
    BildpunktBerechnen(P, B, s, s, s);
    return B;
}

void BildEbeneSetzen(TEbene& E, Byte k) {
    E.Stuetzvektor = {};
    E.Richtungsvektor1 = k == 1 ? TVek_R3{1, 0, 0} : k == 2 ? TVek_R3{0, 1, 0} : TVek_R3{1, 0, 0};
    E.Richtungsvektor2 = k == 3 ? TVek_R3{0, 1, 0} : TVek_R3{0, 0, 1};
}

// The state after the first activation, with picture plane k.
void Vorbereiten(bool zentral, Byte k) {
    AnsichtNullen();
    SzeneObjekteNullen();
    ErsteAktivierung = false;
    Zentralprojektion = zentral;
    ProjEbene = k;
    Augpunkt = {40, 80, 30};
    ProjRichtung = {0.8L, 1, 0.5L};
    BildEbeneSetzen(ProjEbeneZentral, k);
    BildEbeneSetzen(ProjEbeneParallel, k);
    AchsenKreuz.UrsprungX = 300;
    AchsenKreuz.UrsprungY = 200;
    VerschiebungX = 7;
    VerschiebungY = -3;
}

}  // namespace

TEST(Projektion, ParallelDreiBildebenen) {
    Vorbereiten(false, 1);
    // The mirrored y' = -s is folded along (0.8, 1, 0.5).
    ErwarteBild(Bild({0, 1, 0}), Ox + 0.8L * s, Oy + 0.5L * s);
    ErwarteBild(Bild({1, 0, 0}), Ox + s, Oy);
    // (2, 3, -1): P' = (40, -60, -20), folded by t = 60 to (88, 0, 10).
    ErwarteBild(Bild({2, 3, -1}), Ox + 88, Oy + 10);
    // The factors scale the receding and the vertical axis.
    SkFy = 0.5L;
    SkFz = 2;
    ErwarteBild(Bild({0, 1, 0}), Ox + 8, Oy + 5);
    ErwarteBild(Bild({0, 0, 1}), Ox, Oy + 2 * s);

    Vorbereiten(false, 2);
    // x' = -s is folded along (0.8, 1, 0.5) onto x = 0: t = 25.
    ErwarteBild(Bild({1, 0, 0}), Ox + 25, Oy + 12.5L);
    ErwarteBild(Bild({0, 1, 0}), Ox + s, Oy);

    // The x,y-plane: y to the right, x downward.
    Vorbereiten(false, 3);
    ErwarteBild(Bild({1, 0, 0}), Ox, Oy - s);
    ErwarteBild(Bild({0, 1, 0}), Ox + s, Oy);
    SkFz = 2;   // the vertical picture axis is x here
    ErwarteBild(Bild({1, 0, 0}), Ox, Oy - 2 * s);

    Vorbereiten(true, 3);
    ErwarteBild(Bild({1, 2, 0}), Ox + 2 * s, Oy - s);
}

TEST(Projektion, ParallelOhneFaltung) {
    // A direction parallel to the picture plane folds nothing.
    Vorbereiten(false, 1);
    ProjRichtung = {1, 0, 0};
    ErwarteBild(Bild({0, 1, 0}), Ox, Oy);
    ErwarteBild(Bild({2, 3, -1}), Ox + 40, Oy - 20);
    // Below the tolerance the cut is refused as well.
    ProjRichtung = {1, 1e-10L, 0};
    ErwarteBild(Bild({0, 1, 0}), Ox, Oy);

    // Before the end of the first activation no plane is cut at all.
    for (bool zentral : {false, true}) {
        Vorbereiten(zentral, 1);
        ErsteAktivierung = true;
        ErwarteBild(Bild({2, 3, -1}), Ox + 40, Oy - 20);
    }
}

TEST(Projektion, FastParallelBleibtEndlich) {
    // A direction just above the tolerance throws the point far out, but
    // finite and unclamped.
    Vorbereiten(false, 1);
    ProjRichtung = {1, 1e-8L, 0};
    TVek_R2 B = Bild({0, 1, 0});
    ASSERT_TRUE(std::isfinite(B.x) && std::isfinite(B.y));
    EXPECT_NEAR(static_cast<double>(B.x), 2e9 + 307, 1e3);  // P' + d loses the last digits of 1e-8
    EXPECT_NEAR(static_cast<double>(B.y), static_cast<double>(Oy), 1e-9);

    // Central projection: a point whose mirror lies almost in the plane of
    // the eye parallel to the picture plane.
    Vorbereiten(true, 1);
    B = Bild({0, -(80 - 1e-6L), 0});
    ASSERT_TRUE(std::isfinite(B.x) && std::isfinite(B.y));
    EXPECT_LT(B.x, -1e10L);
    EXPECT_LT(B.y, -1e10L);
    // Exactly in that plane, and at the eye itself: the mirrored point is kept.
    ErwarteBild(Bild({5, -80, 2}), Ox + 5 * s, Oy + 2 * s);
    ErwarteBild(Bild({40, -80, 30}), Ox + 40 * s, Oy + 30 * s);
}

TEST(Projektion, Zentral) {
    Vorbereiten(true, 1);
    // Points of the picture plane are their own picture.
    ErwarteBild(Bild({0, 0, 0}), Ox, Oy, 0);
    ErwarteBild(Bild({3, 0, -2}), Ox + 3 * s, Oy - 2 * s);
    // (2, 5, 1) mirrors to (2, -5, 1); towards the eye it meets y = 0 at
    // t = 1/17: (2 + 38/17, 0, 1 + 29/17).
    ErwarteBild(Bild({2, 5, 1}), Ox + s * 72 / 17, Oy + s * 46 / 17);
    SkFz = 1.5L;
    ErwarteBild(Bild({3, 0, -2}), Ox + 3 * s, Oy - 3 * s);
    // SkFy and the parallel direction play no part.
    const TVek_R2 vorher = Bild({2, 5, 1});
    SkFy = 3;
    ProjRichtung = {1, 0, 0};
    EXPECT_EQ(Bild({2, 5, 1}), vorher);

    // y,z-plane: x is dropped and mirrored; the eye stays unmirrored.
    Vorbereiten(true, 2);
    ErwarteBild(Bild({0, 3, 2}), Ox + 3 * s, Oy + 2 * s);
}

TEST(Projektion, UrsprungVersatz) {
    Vorbereiten(true, 1);
    UrsprungBild = {100, 50};
    UrsprungVersatzBerechnen();
    EXPECT_FALSE(AugpunktDurchgang);
    ErwarteBild(UrsprungVersatz, Ox - 100, Oy - 50, 0);
    // Only with AugpunktMitte the origin is held at UrsprungBild and every
    // point moves along.
    ErwarteBild(Bild({0, 0, 0}), Ox, Oy, 0);
    AugpunktMitte = true;
    ErwarteBild(Bild({3, 0, -2}), 100 + 3 * s, 50 - 2 * s);
    // The activation's pass records the unshifted origin.
    UrsprungBildBerechnen();
    ErwarteBild(UrsprungBild, Ox, Oy, 0);
    EXPECT_FALSE(AugpunktDurchgang);

    // The parallel projection ignores the offset, and the redraw's pass does
    // nothing there or before the first activation.
    Vorbereiten(false, 1);
    AugpunktMitte = true;
    UrsprungVersatz = {10, 10};
    ErwarteBild(Bild({0, 0, 0}), Ox, Oy, 0);
    for (bool zentral : {false, true}) {
        Zentralprojektion = ErsteAktivierung = zentral;
        UrsprungVersatzBerechnen();
        ErwarteBild(UrsprungVersatz, 10, 10, 0);
    }
}

TEST(Projektion, MassstabUndZoom) {
    AnsichtNullen();
    Form_Edits_01 = TForm_Edits_01{};
    Form_Edits_01.ScrollBar2.OnChange = ScrollBar2Change;

    BildSeite = 640;
    MassstabSetzen();
    EXPECT_TRUE(AchseXMax == 8 && AchseYMax == 8 && AchseZMax == 8);
    EXPECT_TRUE(MassstabBasis == 20 && MassstabX == 20 && MassstabY == 20 && MassstabZ == 20);
    EXPECT_NEAR(static_cast<double>(Pfeillaenge), 0.16, 1e-15);

    // The zoom bar scales all three; resetting the scale brings it back to 100 %.
    Form_Edits_01.ScrollBar2.SetPosition(250);
    EXPECT_NEAR(static_cast<double>(MassstabX), 50, 1e-12);
    EXPECT_TRUE(MassstabX == MassstabY && MassstabX == MassstabZ);
    EXPECT_EQ(Form_Edits_01.Panel_ZoomFaktAnz.Caption, "2,5");

    AchsenHalbLaenge = 10;
    BildSeite = 741;
    MassstabSetzen();
    EXPECT_EQ(Form_Edits_01.ScrollBar2.Position(), 100);
    EXPECT_EQ(Form_Edits_01.Panel_ZoomFaktAnz.Caption, "1");
    EXPECT_NEAR(static_cast<double>(MassstabX), 370.5 / 20, 1e-15);
    EXPECT_EQ(AchseZMax, 10);
    EXPECT_NEAR(static_cast<double>(Pfeillaenge), 0.2, 1e-15);

    // A zero half-length must not divide by zero.
    AchsenHalbLaenge = 0;
    MassstabSetzen();
    EXPECT_EQ(AchseXMax, 1);
    EXPECT_TRUE(std::isfinite(MassstabX));

    // The largest coordinate seen, and a scale reset on every call.
    AchsenHalbLaenge = 8;
    BildSeite = 640;
    for (auto [neu, wert, groesste] : {std::tuple{true, -3.0L, 3.0L}, {false, 2.0L, 3.0L}, {false, -7.5L, 7.5L}}) {
        AchsenLaengeAnpassen(neu, wert);
        EXPECT_EQ(GroessteKoordinate, groesste) << static_cast<double>(wert);
    }
    Form_Edits_01.ScrollBar2.SetPosition(200);
    AchsenLaengeAnpassen(true, 1);
    EXPECT_EQ(GroessteKoordinate, 1);
    EXPECT_NEAR(static_cast<double>(MassstabX), 20, 1e-12);
    EXPECT_EQ(Form_Edits_01.ScrollBar2.Position(), 100);
}

TEST(Projektion, BildY) {
    Form_Edits_01 = TForm_Edits_01{};
    Form_Edits_01.ClientHeight = 740;
    EXPECT_EQ(BildY(100.5L), 639.5L);
    EXPECT_EQ(BildY(-2e12L), 740 + 2e12L);   // far points stay unclamped
    TFormZustand Beispiel;
    Beispiel.ClientHeight = 300;
    EXPECT_EQ(BildY(Beispiel, 100), 200);
}
