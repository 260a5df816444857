#include "Hauptfenstertest.h"

namespace {

using Anzeigeschalter = Hauptfenstertest;

// Each display item toggles its switch, shows the new state and redraws;
// a second click restores the start.
TEST_F(Anzeigeschalter, MenuepunkteSchaltenUndZeichnen) {
    struct Fall { TMenuItem* m; bool* schalter; };
    const Fall faelle[] = {{&F.AchsenEinAus, &AchsenZeigen},
                           {&F.GitterEinAus, &GitterZeigen},
                           {&F.AchsenWuerfelEinAus, &AchsenWuerfelZeigen},
                           {&F.SchnittgeradeEinAus, &SchnittgeradeZeigen},
                           {&F.SpurpunkteEinAus, &SpurpunkteZeigen},
                           {&F.SpurModusEinAus, &SpurModus}};
    for (const Fall& f : faelle) {
        const bool vorher = *f.schalter;
        EXPECT_EQ(f.m->Checked, vorher) << f.m->Caption;
        const int b = bilder;
        f.m->Click();
        EXPECT_EQ(*f.schalter, !vorher) << f.m->Caption;
        EXPECT_EQ(f.m->Checked, !vorher) << f.m->Caption;
        EXPECT_EQ(bilder, b + 1) << f.m->Caption;
        f.m->Click();
        EXPECT_EQ(*f.schalter, vorher) << f.m->Caption;
    }
    EXPECT_EQ(F.AchsenwerteEinAus.Caption, "Achsenwerte ein");
    F.AchsenwerteEinAus.Click();
    EXPECT_TRUE(AchsenwerteZeigen);
    EXPECT_EQ(F.AchsenwerteEinAus.Caption, "Achsenwerte aus");
    F.ParamDarstellungEinAus.Click();
    EXPECT_TRUE(ParamDarstellungZeigen);
    EXPECT_EQ(F.ParamDarstellungEinAus.Caption, "Param.-Darstell. ausblenden");
}

}  // namespace
