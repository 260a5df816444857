// The real main window under the offscreen platform: its layout, its first
// picture, the result labels and the projection switch of its menu.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <memory>

#include "Fenstertest.h"
#include "gui/Beschleuniger.h"
#include "forms/Geraden_t.h"
#include "gui/Hauptfensteransicht.h"
#include "gui/QtZeichenflaeche.h"
#include "forms/Hauptfenster.h"
#include "control/Programm.h"
#include "forms/Schalter.h"
#include "platform/SkriptHost.h"
#include "scene/Objekte.h"
#include "scene/Ansicht.h"
#include "view3d/Zeichnen.h"

namespace {

class HauptfensterAnsicht : public Fenstertest {
protected:
    // Whether a pixel of colour c lies within +-2 pixels of (x, y).
    static bool FarbeNahe(const QImage& b, int x, int y, TColor c) {
        const QRgb soll = FarbeQt(c).rgb();
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const int px = x + dx, py = y + dy;
                if (px >= 0 && py >= 0 && px < b.width() && py < b.height() && b.pixel(px, py) == soll)
                    return true;
            }
        return false;
    }
};

TEST_F(HauptfensterAnsicht, ErstesBildInDerWirklichenGroesse) {
    // The first activation ran once the window had its size.
    EXPECT_FALSE(ErsteAktivierung);
    EXPECT_TRUE(Zentralprojektion);
    EXPECT_EQ(fenster->Client()->size(), QSize(1024, 740));
    EXPECT_EQ(F.ClientWidth, 1024);
    EXPECT_EQ(F.ClientHeight, 740);
    EXPECT_EQ(fenster->windowTitle(), QString::fromUtf8(F.Caption.c_str()));

    // PaintBox1 between the side panels, below the two top panels.
    const QRect pb = fenster->PaintBox1()->geometry();
    EXPECT_EQ(pb, QRect(170, 64, 654, 676));
    EXPECT_EQ(bild.Width(), 654);
    EXPECT_EQ(bild.Height(), 676);
    EXPECT_EQ(BildSeite, 654);
    EXPECT_EQ(AchsenKreuz.UrsprungX, 360.0L);   // 654 div 100 * 60

    const QImage b = Aufnahme();
    ASSERT_EQ(b.size(), QSize(654, 676));
    const QString pfad = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("hauptfenster_start.png"));
    b.save(pfad);

    // Background in the corners.
    const QRgb grund = FarbeQt(FarbeHintergrund).rgb();
    EXPECT_EQ(b.pixel(1, 1), grund);
    EXPECT_EQ(b.pixel(b.width() - 2, 1), grund);
    EXPECT_EQ(b.pixel(b.width() - 2, b.height() - 2), grund);

    // g's drawn piece: its colour lies along its projected path.
    ASSERT_EQ(Gerade[1].sichtbar, 1);
    int innen = 0, getroffen = 0;
    for (int i = 0; i <= 40; ++i) {
        const long double t = i / 40.0L;
        const TVek_R3& A = Gerade[1].ZeichenAnfang;
        const TVek_R3& E = Gerade[1].ZeichenEnde;
        const TVek_R3 P{A.x + t * (E.x - A.x), A.y + t * (E.y - A.y), A.z + t * (E.z - A.z)};
        // g runs through the origin: between it and g's support point the
        // support vector's arrow lies on top of g in its own colour.
        const TVek_R3& S = Gerade[1].VektorAnfang;
        const long double s = (P.x * S.x + P.y * S.y + P.z * S.z) / (S.x * S.x + S.y * S.y + S.z * S.z);
        if (s > -0.05L && s < 1.05L) continue;
        const TVek_R2 p = BildpunktPixel(P);
        const int x = PixelRunden(p.x), y = PixelRunden(p.y);
        if (x < 3 || y < 3 || x >= b.width() - 3 || y >= b.height() - 3) continue;
        ++innen;
        getroffen += FarbeNahe(b, x, y, Gerade[1].Farbe);
    }
    ASSERT_GE(innen, 20);
    // Where the plane E2 crosses g it may paint over one of its pixels.
    EXPECT_GE(getroffen, innen - 1) << getroffen << " von " << innen;
}

TEST_F(HauptfensterAnsicht, FarbeDerGeradenNurAufIhr) {
    // g's colour is rare in the picture, so finding it along g's path above
    // says that g was drawn there and not that the picture is all blue.
    const QImage b = Aufnahme();
    int blau = 0;
    for (int y = 0; y < b.height(); y += 4)
        for (int x = 0; x < b.width(); x += 4) blau += b.pixel(x, y) == FarbeQt(Gerade[1].Farbe).rgb();
    EXPECT_LT(blau, b.width() * b.height() / 16 / 20);
}

TEST_F(HauptfensterAnsicht, ErgebnisseUndMenue) {
    QLabel* gh = fenster->Ergebnisfeld(F.Label_gh);
    ASSERT_NE(gh, nullptr);
    EXPECT_EQ(gh->text(), QString::fromUtf8("S(4,000\u00A0|\u00A00,000\u00A0|\u00A01,000)"));
    EXPECT_EQ(fenster->Ergebnisfeld(F.Label_ht)->text(), QStringLiteral("h ist echt parallel zu t"));
    EXPECT_TRUE(gh->isVisible());

    QAction* zp = fenster->Menuepunkt(F.ZPEinAus);
    ASSERT_NE(zp, nullptr);
    EXPECT_EQ(OhneBeschleuniger(zp->text()), QStringLiteral("Zentralprojektion aus"));
    const QImage vorher = Aufnahme();
    zp->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(Zentralprojektion);
    EXPECT_EQ(OhneBeschleuniger(zp->text()), QStringLiteral("Zentralprojektion ein"));
    EXPECT_EQ(AchsenKreuz.UrsprungX, 327.0L);  // the centre of 654
    // The widget shows the new picture.
    EXPECT_NE(Aufnahme(), vorher);
    zp->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(Zentralprojektion);
    EXPECT_EQ(OhneBeschleuniger(zp->text()), QStringLiteral("Zentralprojektion aus"));
}

TEST_F(HauptfensterAnsicht, ErgebnistexteBrechenNieInEinemPunkt) {
    // g so far off that its piercing points need long numbers: each point
    // still stands on one line (in a smaller font, with the text as tip).
    Gerade_g.Stuetzvektor = {-1234.567L, 2345.678L, -3456.789L};
    GeradeNeuBerechnen(1);
    F.SchnittAngabenSchreiben();
    fenster->Auffrischen();
    for (TLabel* t : {&F.Label_gh, &F.Label_gE1, &F.Label_gE2, &F.Label_tE2}) {
        QLabel* l = fenster->Ergebnisfeld(*t);
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->contentsRect().width());
    }
    QLabel* gE1 = fenster->Ergebnisfeld(F.Label_gE1);
    EXPECT_LT(gE1->font().pointSizeF(), fenster->Ergebnisfeld(F.Label_gt)->font().pointSizeF());
    EXPECT_EQ(gE1->toolTip(), gE1->text());
}

TEST_F(HauptfensterAnsicht, NeuzeichnenNurDurchDieSzene) {
    // A repaint shows the last finished picture and never draws the scene:
    // a picture drawn only into the canvas stays off the screen until the
    // redraw hands it over.
    const QImage vorher = Aufnahme();
    bild.Brush = {0x000000FF, bsSolid};
    bild.FillRect(0, 0, 50, 50);
    fenster->PaintBox1()->repaint();
    EXPECT_EQ(Aufnahme(), vorher);
    SzeneZeichnen();
    EXPECT_EQ(Aufnahme(), fenster->PaintBox1()->Bild());
    EXPECT_EQ(Aufnahme().pixel(1, 1), FarbeQt(FarbeHintergrund).rgb());
}

TEST_F(HauptfensterAnsicht, GroessenAenderungFolgtDemKern) {
    fenster->ClientGroesseSetzen(1200, 600);
    QApplication::processEvents();
    EXPECT_EQ(F.ClientWidth, 1200);
    EXPECT_EQ(F.ClientHeight, 600);
    EXPECT_EQ(bild.Width(), 1200 - 200 - 170);
    EXPECT_EQ(bild.Height(), 600 - 64);
    EXPECT_EQ(BildSeite, 600);
    EXPECT_EQ(MassstabX, 18.75L);              // the height is the side now: 600 / 2 / 16
    EXPECT_EQ(Zeichenbitmap().Font.Height, -13);  // 10 points for 1200 pixels
    EXPECT_EQ(Aufnahme().size(), QSize(830, 536));
    EXPECT_EQ(Aufnahme(), fenster->PaintBox1()->Bild());
}

}  // namespace
