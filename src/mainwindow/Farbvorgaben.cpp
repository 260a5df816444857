#include "mainwindow/Farbvorgaben.h"

#include <initializer_list>

#include "control/Farbsets.h"
#include "forms/Hauptfenster.h"
#include "scene/Datensatz.h"
#include "scene/Speicherzustand.h"
#include "view3d/Zeichnen.h"

namespace {

constexpr TColor Rgb(int r, int g, int b) {
    return static_cast<TColor>(r) | static_cast<TColor>(g) << 8 | static_cast<TColor>(b) << 16;
}

// One preset: the ten single colours in the order of TFarbset, one colour
// per object number 1..4 shared by all kinds, and the crosshair.
struct Vorgabe {
    TColor g, h, t, E1, E2, sg, Stuetzvektoren, Hintergrund, Achsen, Gitterwaende;
    TColor Spat[4], Vektor[4], Strecke[4], Punkt[4], Kugel[4], Kegel[4];
    TColor Fadenkreuz;
};

// Set 1 repeats the colours the windows' creation gives the objects.
constexpr Vorgabe Vorgaben[5] = {
    {0x00FF0000, 0x00008000, 0x00004080, 0x00808000, 0x000080FF, 0x00800080, 0x00C8C800,
     0x00FFFFFF, 0x00000000, 0x00F0F0F0,
     {0x0000FF00, 0x00C8C864, 0x00004080, 0x00FF00FF},
     {0x0000FF00, 0x00C8C864, 0x00000080, 0x00FF00FF},
     {0x0000FF00, 0x00C8C864, 0x00000080, 0x00FF00FF},
     {0x0000FF00, 0x00C8C864, 0x00000080, 0x00FF00FF},
     {0x0000FF00, 0x00C8C864, 0x00004080, 0x00FF00FF},
     {0x0000FF00, 0x00C8C864, 0x00004080, 0x00FF00FF},
     0x0032C8C8},
    // Projector: strong, saturated colours on white; no pale tints, which a
    // projector washes out.
    {Rgb(0, 0, 230), Rgb(0, 150, 0), Rgb(160, 80, 0), Rgb(0, 140, 140), Rgb(230, 110, 0),
     Rgb(170, 0, 170), Rgb(0, 160, 200), Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(225, 225, 225),
     {Rgb(0, 170, 0), Rgb(0, 90, 230), Rgb(200, 0, 0), Rgb(200, 0, 200)},
     {Rgb(0, 170, 0), Rgb(0, 90, 230), Rgb(200, 0, 0), Rgb(200, 0, 200)},
     {Rgb(0, 170, 0), Rgb(0, 90, 230), Rgb(200, 0, 0), Rgb(200, 0, 200)},
     {Rgb(0, 170, 0), Rgb(0, 90, 230), Rgb(200, 0, 0), Rgb(200, 0, 200)},
     {Rgb(0, 170, 0), Rgb(0, 90, 230), Rgb(200, 0, 0), Rgb(200, 0, 200)},
     {Rgb(0, 170, 0), Rgb(0, 90, 230), Rgb(200, 0, 0), Rgb(200, 0, 200)},
     Rgb(220, 0, 120)},
    // Print on white paper: dark colours that stay apart in print, nearly
    // white grid walls.
    {Rgb(0, 0, 160), Rgb(0, 100, 0), Rgb(100, 50, 0), Rgb(0, 90, 90), Rgb(180, 70, 0),
     Rgb(100, 0, 100), Rgb(80, 80, 80), Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(245, 245, 245),
     {Rgb(0, 110, 0), Rgb(0, 0, 150), Rgb(150, 0, 0), Rgb(110, 0, 110)},
     {Rgb(0, 110, 0), Rgb(0, 0, 150), Rgb(150, 0, 0), Rgb(110, 0, 110)},
     {Rgb(0, 110, 0), Rgb(0, 0, 150), Rgb(150, 0, 0), Rgb(110, 0, 110)},
     {Rgb(0, 110, 0), Rgb(0, 0, 150), Rgb(150, 0, 0), Rgb(110, 0, 110)},
     {Rgb(0, 110, 0), Rgb(0, 0, 150), Rgb(150, 0, 0), Rgb(110, 0, 110)},
     {Rgb(0, 110, 0), Rgb(0, 0, 150), Rgb(150, 0, 0), Rgb(110, 0, 110)},
     Rgb(60, 60, 60)},
    // High contrast: bright colours on black, white axes.
    {Rgb(0, 255, 255), Rgb(0, 255, 0), Rgb(255, 160, 0), Rgb(255, 255, 0), Rgb(255, 0, 255),
     Rgb(255, 128, 128), Rgb(128, 255, 255), Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(40, 40, 40),
     {Rgb(0, 255, 0), Rgb(0, 200, 255), Rgb(255, 255, 0), Rgb(255, 0, 255)},
     {Rgb(0, 255, 0), Rgb(0, 200, 255), Rgb(255, 255, 0), Rgb(255, 0, 255)},
     {Rgb(0, 255, 0), Rgb(0, 200, 255), Rgb(255, 255, 0), Rgb(255, 0, 255)},
     {Rgb(0, 255, 0), Rgb(0, 200, 255), Rgb(255, 255, 0), Rgb(255, 0, 255)},
     {Rgb(0, 255, 0), Rgb(0, 200, 255), Rgb(255, 255, 0), Rgb(255, 0, 255)},
     {Rgb(0, 255, 0), Rgb(0, 200, 255), Rgb(255, 255, 0), Rgb(255, 0, 255)},
     Rgb(255, 255, 255)},
    // Muted: soft tones on a warm light grey.
    {Rgb(70, 100, 150), Rgb(90, 130, 90), Rgb(140, 110, 80), Rgb(100, 140, 140),
     Rgb(190, 140, 100), Rgb(140, 100, 140), Rgb(120, 150, 160), Rgb(245, 243, 238),
     Rgb(90, 90, 90), Rgb(230, 228, 222),
     {Rgb(110, 150, 110), Rgb(110, 130, 170), Rgb(170, 120, 110), Rgb(150, 110, 150)},
     {Rgb(110, 150, 110), Rgb(110, 130, 170), Rgb(170, 120, 110), Rgb(150, 110, 150)},
     {Rgb(110, 150, 110), Rgb(110, 130, 170), Rgb(170, 120, 110), Rgb(150, 110, 150)},
     {Rgb(110, 150, 110), Rgb(110, 130, 170), Rgb(170, 120, 110), Rgb(150, 110, 150)},
     {Rgb(110, 150, 110), Rgb(110, 130, 170), Rgb(170, 120, 110), Rgb(150, 110, 150)},
     {Rgb(110, 150, 110), Rgb(110, 130, 170), Rgb(170, 120, 110), Rgb(150, 110, 150)},
     Rgb(150, 150, 110)},
};

}  // namespace

void FarbsetsVorgeben() {
    for (int n = 1; n <= 5; ++n) {
        const Vorgabe& v = Vorgaben[n - 1];
        auto& f = Farbsets[n].Farben;
        const TColor einzeln[10] = {v.g, v.h, v.t, v.E1, v.E2, v.sg, v.Stuetzvektoren,
                                    v.Hintergrund, v.Achsen, v.Gitterwaende};
        for (int k = 1; k <= 10; ++k) f[k] = einzeln[k - 1];
        for (int i = 1; i <= 4; ++i) {
            f[10 + i] = v.Spat[i - 1];
            f[14 + i] = v.Vektor[i - 1];
            f[18 + i] = v.Strecke[i - 1];
            f[22 + i] = v.Punkt[i - 1];
            f[26 + i] = v.Kugel[i - 1];
            Farbsets2[n].KegelFarbe[i] = v.Kegel[i - 1];
        }
        Farbsets2[n].FadenkreuzFarbe = v.Fadenkreuz;
    }
}

void TForm_Edits_01::FarbSetClick(int n) {
    if (n < 1 || n > 5) return;
    FarbsetAnwenden(n);
    if (FarbsetSatz2 > 0) FarbsetAnwenden2(n);
    int k = 1;
    for (TMenuItem* m : {&FarbSet1, &Farbset2, &Farbset3, &Farbset4, &Farbset5}) m->Checked = (k++ == n);
    SzeneZeichnen();
}
