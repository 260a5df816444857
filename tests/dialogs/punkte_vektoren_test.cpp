// The dialogs of points, vectors and segments: their grids under the common
// edit protocol, the object shown, and the rewrite of the grids by rotation
// steps around the cell the user is editing.

#include "Tippen.h"
#include "forms/Punkte.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "forms/Schalter.h"
#include "scene/Ansicht.h"
#include "view3d/Drehen.h"

namespace {

using PunkteVektoren = Dialogtest;

TEST_F(PunkteVektoren, PunktgitterOhneKopfzeile) {
    TForm_Punkte& D = Form_Punkte;
    TStringGrid& G = D.StringGrid1;  // P1 = (4, 4, 0): x, y, z in rows 0..2 of column 1
    const int undo = UndoAnzahl;
    Eingeben(D, G, 1, 2, "-3,5");
    EXPECT_EQ(UndoAnzahl, undo + 3);  // "-" waits; "-3", "-3," and "-3,5" apply
    EXPECT_EQ(Punkt[1].Ort.z, -3.5L);
    EXPECT_EQ(Punkt[1].FadenkreuzArme[6].x, static_cast<Extended>(AchseXMax));
    EXPECT_EQ(Punkt[1].FadenkreuzArme[6].z, -3.5L);

    // The labels of column 0 take no keys; Tab walks the three cells only.
    G.Col = 0;
    G.Row = 1;
    EXPECT_FALSE(D.TasteGedrueckt(G, '7'));
    EXPECT_EQ(G.Cells(0, 1), "y");
    G.Col = 1;
    G.Row = 0;
    for (int r : {1, 2, 0, 1}) {
        D.TasteGedrueckt(G, TasteTab);
        EXPECT_EQ(G.Col, 1);
        EXPECT_EQ(G.Row, r);
    }
    EXPECT_TRUE(host.Meldungen.empty());

    // P3 chosen: its grid and its crosshair switch; the lock hides the grid.
    Punkt[3].mitFadenkreuz = 1;
    Waehle(D.RadioGroup_Objekt, 2);
    EXPECT_EQ(AktPunkt, 3);
    EXPECT_TRUE(D.StringGrid3.Visible);
    EXPECT_FALSE(D.StringGrid1.Visible);
    EXPECT_TRUE(D.CheckBox1.Checked);
    Eingeben(D, D.StringGrid3, 1, 0, "1");
    EXPECT_EQ(Punkt[3].Ort.x, 1.0L);
    EXPECT_EQ(Punkt[1].Ort.x, 4.0L);
    KoordZeigenPunkte = false;
    D.FormActivate();
    EXPECT_FALSE(D.StringGrid3.Visible);
    EXPECT_EQ(D.StringGrid3.Cells(1, 0), "1");
}

TEST_F(PunkteVektoren, VektorDarfDerNullvektorSein) {
    TForm_Vektoren& D = Form_Vektoren;
    TStringGrid& G = D.StringGrid1;  // V1: A = (0, 0, 0), v = (-3, -3, 0)
    Eingeben(D, G, 1, 3, "4");
    EXPECT_EQ(Vektor[1].Endpunkt.z, 4.0L);
    EXPECT_EQ(Vektor[1].Pfeil[2].z, 4.0L);  // the arrow's tip at the end point
    Eingeben(D, G, 0, 1, "1");
    EXPECT_EQ(Vektor[1].Endpunkt.x, -2.0L);

    const int undo = UndoAnzahl;
    for (int r : {1, 2, 3}) Eingeben(D, G, 1, r, "0");
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(UndoAnzahl, undo + 3);
    EXPECT_EQ(Vektor[1].Endpunkt, Vektor[1].Anfangspunkt);
}

TEST_F(PunkteVektoren, StreckeUndDieZelleInBearbeitung) {
    TForm_Strecken& D = Form_Strecken;
    TStringGrid& G = D.StringGrid2;  // S2: A = (-4, 6, -4), B = (4, 6, 4)
    Waehle(D.RadioGroup_Objekt, 1);
    Eingeben(D, G, 1, 2, "-6");
    EXPECT_EQ(Strecke[2].B.y, -6.0L);

    // A rotation step writes every cell but the one being typed into.
    Tippen(D, G, 0, 1, "-");
    Strecke[2].A = {1, 2, 3};
    StreckenDatenInDialog();
    EXPECT_EQ(G.Cells(0, 1), "-");
    EXPECT_EQ(G.Cells(0, 2), "2,000");
    // Another segment chosen: the open cell ends first. The step changed
    // the segment meanwhile, so the cell shows it as the step left it, not
    // the text from before; the segment itself is not applied half.
    const TStrecke vorher = Strecke[2];
    Waehle(D.RadioGroup_Objekt, 0);
    EXPECT_FALSE(G.Bearbeitung);
    EXPECT_EQ(G.Cells(0, 1), "1,000");
    EXPECT_EQ(Strecke[2], vorher);
    EXPECT_EQ(AktStrecke, 1);
}

}  // namespace
