#include "scene/Ansicht.h"

void AnsichtNullen() {
    Zentralprojektion = false;
    ProjEbene = 1;
    Augpunkt = TVek_R3{};
    ProjRichtung = TVek_R3{};
    MassstabX = MassstabY = MassstabZ = 0;
    MassstabBasis = 0;
    SkFy = 1.0L;
    SkFz = 1.0L;
    AchsenHalbLaenge = 8;
    AchseXMax = AchseYMax = AchseZMax = 0;
    Pfeillaenge = 0;
    GroessteKoordinate = 0;
    GeradenFaktor = 1.0L;
    WuerfelFaktor = 1.0L;
    BildSeite = 0;
    VerschiebungX = VerschiebungY = 0;
    ErsteAktivierung = true;
    AugpunktMitte = false;
    AugpunktDurchgang = false;
    UrsprungBild = TVek_R2{};
    UrsprungBildZentral = TVek_R2{};
    UrsprungVersatz = TVek_R2{};
    FPTaste = 0;
    ProjRichtTaste = 0;
    VerschiebeTaste = 0;
    ProjEbNachVorne = false;
    VerschProjEb = 1;
    SchraegbildVorgabe = false;
    RichtungsMeldungAus = false;
    VorgabeEbene = 1;
    ProjEbNeuZeichnenAus = false;
    GitterwaendeAutomatisch = false;
    DrehwinkelText.clear();
    AktLinienNr = 0;
    MaxQuaderWirdGezeichnet = false;
    ProjTexteZurueck = false;
    for (auto& t : ProjTexte) t.clear();
}
