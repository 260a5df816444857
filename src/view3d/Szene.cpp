#include "view3d/Szene.h"

#include "forms/Hauptfenster.h"
#include "view3d/ObjektGeometrie.h"
#include "scene/Objekte.h"
#include "view3d/Abgeleitet.h"
#include "view3d/Achsen.h"
#include "scene/Ansicht.h"
#include "scene/DrehZustand.h"
#include "view3d/Projektion.h"

void SzeneNeuBerechnen() {
    AchsenLaengeAnpassen(true, 1);

    GeradeGAusDialog();
    GeradeHAusDialog();
    GeradeTAusDialog();
    EbeneE1AusDialog();
    EbeneE2AusDialog();

    AktLinienNr = 1;
    GeradeBerechnen(Gerade[1]);
    AktLinienNr = 2;
    GeradeBerechnen(Gerade[2]);
    GeradenLage();
    AktLinienNr = 33;
    GeradeBerechnen(Gerade[3]);
    GeradenLage();

    AktLinienNr = 3;
    EbeneBerechnen(Ebene[1]);
    if (SchnittAngabenAusgeben) SchnittAngabenAusgeben();
    AktLinienNr = 4;
    EbeneBerechnen(Ebene[2]);
    if (SchnittAngabenAusgeben) SchnittAngabenAusgeben();

    AktLinienNr = 5;
    SchnittgeradeE1E2Berechnen();
    GeradeBerechnen(Gerade_sg);
    if (SchnittAngabenAusgeben) SchnittAngabenAusgeben();

    // With the axes turning along, the projected lines keep their turned state.
    if (!AchsenMitDrehen) {
        for (int i = 1; i <= 6; ++i) {
            AktLinienNr = 5 + i;
            ProjektionsgeradenBerechnen(static_cast<Byte>(i));
            if (Projektionsgeraden[i].gueltig == 1) GeradeBerechnen(Projektionsgeraden[i]);
        }
    }
    for (int i = 1; i <= 6; ++i) {
        AktLinienNr = 11 + i;
        SpurgeradenBerechnen(static_cast<Byte>(i));
        if (Spurgeraden[i].gueltig == 1) GeradeBerechnen(Spurgeraden[i]);
    }

    AktLinienNr = 43;
    GeradeBerechnen(Drehachse);

    AKreuzBerechnen(AchsenKreuz);
    AchseneinteilungenBerechnen(AchsenEinteilung);
    MaxQuaderBerechnen();
    for (int i = 1; i <= 4; ++i) SpatBerechnen(i);
    for (int i = 1; i <= 4; ++i) VektorBerechnen(i);
    for (int i = 1; i <= 4; ++i) StreckeBerechnen(i);
    for (int i = 1; i <= 4; ++i) PunktBerechnen(i);
    for (int i = 1; i <= 4; ++i) KugelBerechnen(i);
    for (int i = 1; i <= 4; ++i) KegelBerechnen(i);
    FadenkreuzAusDialog();

    Urzustand = true;
    VerschiebungX = 0;
    VerschiebungY = 0;

    OffenenBerichtAusgeben();
}
