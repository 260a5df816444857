#include "forms/Schalter.h"

void SchalterNullen() {
    AchsenZeigen = true;
    AchseneinteilungZeigen = false;
    GitterZeigen = true;
    AchsenwerteZeigen = false;
    AchsenWuerfelZeigen = false;
    FluchtstreckenZeigen = false;
    ParamDarstellungZeigen = false;
    StRiVektZeigen = true;
    NVektZeigen = false;
    SchnittpunkteZeigen = true;
    SpurpunkteZeigen = false;
    SchnittgeradeZeigen = true;
    SpurModus = false;
    VerdeckteLinien = false;
    DiffVekGH = DiffVekGT = DiffVekHT = false;
    DiffVekGE1 = DiffVekGE2 = DiffVekHE1 = DiffVekHE2 = false;
    DiffVekTE1 = DiffVekTE2 = DiffVekE1E2 = false;
    StiftbreiteDifferenzvektoren = 2;
    DrehstreckeWinkelZeigen = true;
    DrehstreckeWinkelGroesse = 0.5L;
    FarbeHintergrund = 0;
    FarbeStuetzvektoren = 0;
    FarbeAchsen = 0;
    for (auto& w : GitterWaende) w = false;
    AnzGitterLinien = 4;
    NetzLinienStil = 2;
    RandLinienStil = 2;
    FluchtstreckenFarbe = 0x00000080;
    FluchtstreckenStil = 2;
    FluchtstreckenBreite = 1;
    KoordZeigenGeraden = KoordZeigenEbenen = KoordZeigenSpate = KoordZeigenVektoren = true;
    KoordZeigenStrecken = KoordZeigenPunkte = KoordZeigenKugeln = KoordZeigenKegel = true;
    KoordGesperrt = false;
}
